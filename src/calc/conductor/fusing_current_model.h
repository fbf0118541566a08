#pragma once
// Onderdonk's equation: the current that melts a bare copper conductor of
// a given cross-section within a given time.

namespace cq {

inline constexpr double kCopperMeltingTempC = 1084.62;
// Square mils to circular mils as the page has always used it (a rounded
// 4/pi, kept so that results stay the same).
inline constexpr double kSquareMilsToCircularMils = 1.2732;

// Circular mils of an area in square mils.
double CircularMils(double squareMils);

// Amperes that fuse an area of squareMils after seconds at ambientC,
// scaled by multiplier:
//   sqrt(log10((Tm - Ta) / (234 + Ta) + 1) / (33 t)) x (A x 1.2732) x m,
// evaluated in that order. A zero or negative area gives a zero or
// negative current; seconds must be above 0 and ambientC above -234.
// A step beyond the double range raises the framework's overflow error.
double OnderdonkFusingCurrent(double squareMils, double ambientC, double seconds, double multiplier);

}  // namespace cq
