#pragma once
// Reactance of a capacitor and an inductor at a frequency, and the
// resonant frequency of the pair. 2 pi is taken as 6.28318. The arithmetic
// raises the framework's floating-point errors at the step where they
// occur; the square root of a negative product reports through the maths
// error box and gives a value that is not a number.
#include <cstddef>

namespace cq {

// The unit items of the frequency (GHz, MHz, KHz, Hz), capacitance (uF, nF,
// pF) and inductance (mH, uH, nH) radios, in item order.
inline constexpr std::size_t kFrequencyUnitCount = 4;
inline constexpr std::size_t kCapacitanceUnitCount = 3;
inline constexpr std::size_t kInductanceUnitCount = 3;

// The entered number in hertz, farads or henries; the unit is the radio's
// item index (std::out_of_range for an index outside the list).
double FrequencyInHertz(double value, int unit);
double CapacitanceInFarads(double value, int unit);
double InductanceInHenries(double value, int unit);

// 1 / (2 pi f C), ohms.
double CapacitiveReactance(double hertz, double farads);
// 2 pi f L, ohms.
double InductiveReactance(double hertz, double henries);
// 1 / (sqrt(C L) 2 pi), hertz.
double ResonantFrequency(double farads, double henries);

}  // namespace cq
