#pragma once
// Crystal oscillator figures: the frequency band of a parts-per-million
// tolerance, the tolerance of a measured band, and the load capacitance of
// the two capacitors of a Pierce oscillator. Frequencies in hertz,
// capacitances in picofarads. The arithmetic raises the framework's
// floating-point errors at the step where they occur.

namespace cq {

// f x ppm / 10^6: how far a tolerance of ppm moves the centre frequency.
double FrequencyVariation(double centre, double ppm);

// 10^6 x (maximum - centre) / centre; negative for a maximum below the
// centre.
double PpmOfFrequencies(double centre, double maximum);

// C1 x C2 / (C1 + C2) + Cs: the load the two capacitors in series and the
// stray capacitance present to the crystal.
double LoadOfCapacitors(double c1, double c2, double stray);

// 2 x CL - 2 x Cs: the value of C1 = C2 that gives the crystal its load.
double EqualCapacitorsForLoad(double load, double stray);

}  // namespace cq
