// The E-I-R arithmetic by hand: V = I R, I = V / R, R = V / I, P = V I.
#include "calc/electrical/ohms_law_model.h"

#include <gtest/gtest.h>

#include "platform/errors.h"

namespace cq {
namespace {

struct EirCase {
  EirSolveFor solveFor;
  double first, second;
  double value, watts;
};

TEST(OhmsLawModel, SolvesEachQuantityAndThePower) {
  const EirCase cases[] = {
      {EirSolveFor::Volts, 1, 12, 12, 12},               // 1 A x 12 ohm; 12 V x 1 A
      {EirSolveFor::Volts, -1, 12, -12, 12},             // -12 V x -1 A = 12 W
      {EirSolveFor::Amps, 1, 12, 1.0 / 12, 1.0 / 12},    // 1 V / 12 ohm; 1 V x 0.0833 A
      {EirSolveFor::Ohms, 1, 12, 1.0 / 12, 12},          // 1 V / 12 A; 1 V x 12 A
      {EirSolveFor::Ohms, 24, 0.5, 48, 12},              // 24 V / 0.5 A; 24 x 0.5
  };
  for (const EirCase& c : cases) {
    const EirResult r = SolveEir(c.solveFor, c.first, c.second);
    EXPECT_DOUBLE_EQ(r.value, c.value) << c.first << " " << c.second;
    EXPECT_DOUBLE_EQ(r.watts, c.watts) << c.first << " " << c.second;
  }
}

TEST(OhmsLawModel, DividingByZeroTraps) {
  EXPECT_THROW(SolveEir(EirSolveFor::Amps, 5, 0), ZeroDivideError);
  EXPECT_THROW(SolveEir(EirSolveFor::Ohms, 5, 0), ZeroDivideError);
  EXPECT_THROW(SolveEir(EirSolveFor::Ohms, 0, 0), InvalidOpError);
}

}  // namespace
}  // namespace cq
