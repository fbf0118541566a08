// The single-via formulas against hand calculations (python3, constants as
// the program keeps them: pi 3.14159, 2 pi 6.28318).
#include "calc/via/single_via_model.h"

#include <gtest/gtest.h>

#include "platform/errors.h"

namespace cq {
namespace {

// d 10, t 1 mil: 3.14159 / 4 x (144 - 100) = 34.55749.
TEST(SingleViaModel, BarrelArea) {
  EXPECT_NEAR(ViaBarrelArea(10, 1), 34.55749, 1e-9);
  EXPECT_NEAR(ViaBarrelArea(0.254, 0.0254), 3.14159 / 4 * (0.3048 * 0.3048 - 0.254 * 0.254), 1e-15);
  EXPECT_EQ(ViaBarrelArea(10, 0), 0);
}

// 20^0.44 x 0.024 x 34.55749^0.725 = 1.169789 A without modifiers.
TEST(SingleViaModel, CurrentScalesWithTheModifiers) {
  EXPECT_NEAR(ViaCurrent(20, 34.55749, 1), 1.169789, 1e-6);
  EXPECT_NEAR(ViaCurrent(20, 34.55749, 0.5), 1.169789 / 2, 1e-6);
}

// Multi Layer defaults in inches: C = 1.41 x 4.6 x 0.062 x 0.02 / 0.02
// = 0.402132 pF; L = 5.08 x 0.062 x (ln 24.8 + 1) = 1.326247 nH.
TEST(SingleViaModel, Parasitics) {
  const double c = ViaCapacitanceMultiLayer(4.6, 0.062, 0.02, 0.04);
  const double l = ViaInductance(0.062, 0.01);
  EXPECT_NEAR(c, 0.402132, 1e-6);
  EXPECT_NEAR(l, 1.326247, 1e-6);
  EXPECT_NEAR(ViaResonantFrequency(l, c), 6891.661, 1e-3);
  const double z = ViaImpedance(l, c);
  EXPECT_NEAR(z, 57.4283, 1e-3);
  EXPECT_NEAR(ViaStepResponse(c, z), 2.2 * c * z / 2, 1e-12);
  EXPECT_DOUBLE_EQ(ViaInches(62, false), 0.062);
  EXPECT_DOUBLE_EQ(ViaInches(1.5748, true), 0.062);
}

// An opening inside the pad gives no negative capacitance; a short fat via
// (h at most d / (4e)) gives no negative inductance.
TEST(SingleViaModel, NegativeParasiticsBecomeZero) {
  EXPECT_EQ(ViaCapacitanceMultiLayer(4.6, 0.062, 0.04, 0.02), 0);
  EXPECT_EQ(ViaInductance(0.02, 0.25), 0);
  EXPECT_GT(ViaInductance(0.25 / (4 * 2.718281828) + 1e-6, 0.25), 0);
}

TEST(SingleViaModel, ZeroDivisorsRaise) {
  EXPECT_THROW(ViaCapacitanceMultiLayer(4.6, 0.062, 0.02, 0.02), ZeroDivideError);
  EXPECT_THROW(ViaResonantFrequency(0, 1), ZeroDivideError);
  EXPECT_THROW(ViaResonantFrequency(1.3, 0), ZeroDivideError);
}

// rho x 62 / 34.55749 with rho at 42 C = 0.000732 x 1.08646.
TEST(SingleViaModel, ResistanceAndThermalResistance) {
  EXPECT_NEAR(ViaResistance(0.000732 * 1.08646, 62, 34.55749), 0.0014269, 1e-7);
  // 1000 x 62 / (10.008 x 34.55749) = 179.27
  EXPECT_NEAR(ViaThermalResistance(62, 34.55749), 179.2676, 1e-3);
  EXPECT_DOUBLE_EQ(ViaAspectRatio(62, 10), 6.2);
}

}  // namespace
}  // namespace cq
