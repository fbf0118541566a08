#pragma once
// The E-I-R panel's arithmetic: the quantity chosen from the other two, and
// the power.

namespace cq {

enum class EirSolveFor { Volts = 0, Amps = 1, Ohms = 2 };

struct EirResult {
  double value;  // volts, amperes or ohms, as solved for
  double watts;
};

// first and second are the two inputs in the order the panel shows them:
// (amperes, ohms) for volts, (volts, ohms) for amperes, (volts, amperes)
// for ohms. Divisions by zero raise as the floating-point unit traps.
EirResult SolveEir(EirSolveFor solveFor, double first, double second);

}  // namespace cq
