#pragma once
// The figures of one plated via: barrel area, current, aspect ratio,
// parasitics and the thermal and resistive rows. Lengths are in mils or mm
// as the caller's unit system; the power laws and the resistance take
// square mils. Divisions use the checked operations, so a zero divisor ends
// the solve with the framework's error at the step where it happens.
namespace cq {

inline constexpr double kViaCapacitanceCoefficient = 1.41;
inline constexpr double kViaInductanceCoefficient = 5.08;
inline constexpr double kViaStepResponseFactor = 2.2;
inline constexpr double kViaThermalConductivity = 10.008;

// Layer sets of the via page (RadioGroup3).
inline constexpr int kVia2Layer = 0;
inline constexpr int kViaMultiLayer = 1;
inline constexpr int kViaMicrovia = 2;

// Copper ring between the hole d and the hole plus plating t on each side.
double ViaBarrelArea(double hole, double plating);

// IPC current of one via, in amperes. modifiers is the product of the
// factors applied after the power laws (1 without modifiers).
double ViaCurrent(double tempRise, double areaSqMils, double modifiers);

// Height over hole, both in the same unit.
double ViaAspectRatio(double height, double hole);

// A length in the caller's unit as inches for the parasitics.
double ViaInches(double length, bool metric);

// Capacitance in pF of a Multi Layer via, inch inputs; never negative.
double ViaCapacitanceMultiLayer(double er, double heightIn, double padIn, double openingIn);
// The 2 Layer via is taken as 1 pF.
inline constexpr double kVia2LayerCapacitance = 1.0;
// Inductance in nH from inch inputs; never negative.
double ViaInductance(double heightIn, double holeIn);
// Resonance in MHz of L (nH) with C (pF).
double ViaResonantFrequency(double inductanceNh, double capacitancePf);
// Impedance in ohms of L (nH) with C (pF).
double ViaImpedance(double inductanceNh, double capacitancePf);
// T10-90 in ps into a 50 ohm line: 2.2 x C x Z / 2.
double ViaStepResponse(double capacitancePf, double impedance);

// Ohms of the barrel: resistivity x length / area in square mils.
double ViaResistance(double resistivity, double height, double areaSqMils);
// Degrees C per watt of one via: height in mils over 10.008 x area.
double ViaThermalResistance(double heightMils, double areaSqMils);

}  // namespace cq
