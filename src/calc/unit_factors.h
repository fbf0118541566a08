#pragma once
// The unit factors the calculators share, the rounded circle figures their
// results were made with, and the length conversions written once. Results
// depend on these exact figures and on the order of each conversion's
// operations (a different order changes the last digit of some texts).
#include "platform/checked_math.h"

namespace cq {

inline constexpr double kMilsPerInch = 1000;
inline constexpr double kInchesPerMil = 0.001;
inline constexpr double kMmPerInch = 25.4;
inline constexpr double kCmPerInch = 2.54;
inline constexpr double kUmPerMm = 1000;
inline constexpr double kUmPerMil = 25.4;
// Deliberately the round figure, not 1550.0031.
inline constexpr double kSqMilsPerSqMm = 1550;
inline constexpr double kPi = 3.14159;
inline constexpr double kTwoPi = 6.28318;
// Light covers 11.8 inches per ns in vacuum.
inline constexpr double kInchesPerNs = 11.8;

constexpr double MilsToInches(double mils) { return mils / kMilsPerInch; }
constexpr double InchesToMils(double inches) { return inches * kMilsPerInch; }
constexpr double MmToInches(double mm) { return mm / kMmPerInch; }
constexpr double InchesToMm(double inches) { return inches * kMmPerInch; }
constexpr double MmToMils(double mm) { return mm / kMmPerInch * kMilsPerInch; }
constexpr double MilsToMm(double mils) { return mils * kMmPerInch / kMilsPerInch; }

// The checked forms raise OverflowError where the plain ones give an
// infinity, for the models whose arithmetic errors reach the user.
// Divisions by these factors can neither trap nor overflow, so only the
// multiplications are checked.
inline double CheckedInchesToMm(double inches) { return Mul(inches, kMmPerInch); }
inline double CheckedMilsToMm(double mils) { return CheckedInchesToMm(MilsToInches(mils)); }
inline double CheckedMmToMils(double mm) { return Mul(MmToInches(mm), kMilsPerInch); }

}  // namespace cq
