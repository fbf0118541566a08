// The elliptic integral and the coplanar waveguide against python3 runs of
// the same seven-step mean with pi = 3.14159.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/tline/agm_elliptic_k.h"
#include "calc/tline/coplanar_waveguide_model.h"

namespace cq {
namespace {

TEST(AgmEllipticK, SevenStepsWithTheStoredPi) {
  const struct {
    double m, k;
  } rows[] = {
      {0, 1.570795},              // pi / 2 with pi = 3.14159
      {1, 201.06176},             // 3.14159 x 64: b is 0, a halves seven times
      {0.5, 1.6857489309201859},  // python3
      {0.9, 2.2805472121253203},  // python3
  };
  for (const auto& r : rows) {
    EXPECT_NEAR(AgmEllipticK(r.m), r.k, 1e-9) << r.m;
  }
}

TEST(CoplanarWaveguideModel, WorkedExamples) {
  // python3: the conformal-mapping steps typed out, Er 4.6.
  const struct {
    double w, h, g, zo, er_eff;
  } rows[] = {
      {5, 10, 8, 86.64084851581694, 2.9969066507705517},
      {0.127, 0.254, 0.2032, 86.64084851581694, 2.9969066507705517},  // the same in mm
      {20, 10, 5, 42.65485778337215, 3.212406465519497},
      {1, 10, 5, 130.50231549935754, 2.8518821149580096},
      {5, 10, 1, 54.204048657397145, 2.8392870444348888},  // G as corrected to 1 mil
  };
  for (const auto& r : rows) {
    const CoplanarWaveguide c = CoplanarWaveguideModel(r.w, r.h, r.g, 4.6);
    EXPECT_NEAR(c.zo, r.zo, 1e-6) << r.w << " " << r.g;
    EXPECT_NEAR(c.er_eff, r.er_eff, 1e-9) << r.w << " " << r.g;
  }
}

TEST(CoplanarWaveguideModel, ZeroGapStaysFinite) {
  // k = k1 = 1 meets K(1) = 201.06176, still a number; python3: 0.44002948204673875.
  const CoplanarWaveguide c = CoplanarWaveguideModel(5, 10, 0, 4.6);
  EXPECT_TRUE(std::isfinite(c.zo));
  EXPECT_NEAR(c.zo, 0.44002948204673875, 1e-9);
}

}  // namespace
}  // namespace cq
