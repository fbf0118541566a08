#pragma once
// The unit factors the calculators share, and the rounded circle figures
// their results were made with. Results depend on these exact figures.
namespace cq {

inline constexpr double kMilsPerInch = 1000;
inline constexpr double kInchesPerMil = 0.001;
inline constexpr double kMmPerInch = 25.4;
inline constexpr double kUmPerMm = 1000;
// Deliberately the round figure, not 1550.0031.
inline constexpr double kSqMilsPerSqMm = 1550;
inline constexpr double kPi = 3.14159;
inline constexpr double kTwoPi = 6.28318;

}  // namespace cq
