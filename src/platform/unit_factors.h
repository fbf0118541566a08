#pragma once
// The unit factors every layer shares (lengths, areas, times), the rounded
// circle figures the results were made with, and the length conversions
// written once. Results depend on these exact figures and on the order of
// each conversion's operations (a different order changes the last digit of
// some texts), so a figure stored as one number (0.0254) is not the same as
// the operations it stands for (x 25.4 / 1000).
#include "platform/checked_math.h"

namespace cq {

// Lengths.
inline constexpr double kMilsPerInch = 1000;
inline constexpr double kInchesPerMil = 0.001;
inline constexpr double kMmPerInch = 25.4;
inline constexpr double kCmPerInch = 2.54;
inline constexpr double kUmPerMm = 1000;
inline constexpr double kUmPerMil = 25.4;
inline constexpr double kMmPerMil = 0.0254;
inline constexpr double kMilsPerUm = 0.03937007874015749;
inline constexpr double kMetresPerMil = 2.54e-05;
inline constexpr double kUmPerMetre = 1e6;
inline constexpr double kCmPerMetre = 100;
inline constexpr double kCmPerUm = 0.0001;

// Areas.
inline constexpr double kSqInPerSqMm = 0.00155;
inline constexpr double kSqMmPerSqIn = 645.16;
// Deliberately the round figure, which the Embedded Resistors areas were
// made with.
inline constexpr double kSqMilsPerSqMm = 1550;
// (1000 / 25.4)^2 to the digits Fusing Current's results were made with:
// its current grows with the area, so the round figure would move the
// digits it shows.
inline constexpr double kSqMilsPerSqMmFull = 1550.0031000062;

// Times and frequencies.
inline constexpr double kSecondsPerNs = 1e-9;
inline constexpr double kNsPerSecond = 1e9;
inline constexpr double kPsPerSecond = 1e12;
inline constexpr double kHzPerMhz = 1e6;
inline constexpr double kMhzPerGhz = 1000;

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
