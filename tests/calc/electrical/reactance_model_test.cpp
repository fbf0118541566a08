// Reactance and resonance: worked examples by hand (2 pi = 6.28318), the
// unit factors, the equal reactances at resonance, and the errors.
#include "calc/electrical/reactance_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/checked_math.h"
#include "platform/errors.h"

namespace cq {
namespace {

TEST(ReactanceModel, UnitItemsScaleToHertzFaradsAndHenries) {
  const double hertz[] = {1e9, 1e6, 1e3, 1};
  for (int unit = 0; unit < 4; ++unit) EXPECT_DOUBLE_EQ(FrequencyInHertz(2, unit), 2 * hertz[unit]) << unit;
  const double farads[] = {1e-6, 1e-9, 1e-12};
  for (int unit = 0; unit < 3; ++unit) EXPECT_DOUBLE_EQ(CapacitanceInFarads(2, unit), 2 * farads[unit]) << unit;
  const double henries[] = {1e-3, 1e-6, 1e-9};
  for (int unit = 0; unit < 3; ++unit) EXPECT_DOUBLE_EQ(InductanceInHenries(2, unit), 2 * henries[unit]) << unit;
  // An item outside the list is no unit at all.
  EXPECT_THROW(FrequencyInHertz(1, -1), std::out_of_range);
  EXPECT_THROW(CapacitanceInFarads(1, 3), std::out_of_range);
  EXPECT_THROW(InductanceInHenries(1, 3), std::out_of_range);
}

TEST(ReactanceModel, TheDefaultPartsAtOneMegahertz) {
  // 1 / (6.28318 x 1e6 x 1e-6) = 0.159155077524 ohm
  // 6.28318 x 1e6 x 1e-3       = 6283.18 ohm
  // 1 / (sqrt(1e-9) x 6.28318) = 5032.925461579 Hz
  EXPECT_NEAR(CapacitiveReactance(1e6, 1e-6), 0.159155077524, 1e-12);
  EXPECT_NEAR(InductiveReactance(1e6, 1e-3), 6283.18, 1e-9);
  EXPECT_NEAR(ResonantFrequency(1e-6, 1e-3), 5032.925461579, 1e-8);
}

TEST(ReactanceModel, BothReactancesAreEqualAtResonance) {
  for (double farads : {1e-12, 4.7e-9, 1e-6})
    for (double henries : {1e-9, 2.2e-6, 1e-3}) {
      const double f0 = ResonantFrequency(farads, henries);
      const double xc = CapacitiveReactance(f0, farads);
      EXPECT_NEAR(xc / InductiveReactance(f0, henries), 1, 1e-12) << farads << " " << henries;
    }
}

TEST(ReactanceModel, ZeroInputsRaiseTheFrameworkError) {
  EXPECT_THROW(CapacitiveReactance(0, 1e-6), ZeroDivideError);
  EXPECT_THROW(CapacitiveReactance(1e6, 0), ZeroDivideError);
  EXPECT_THROW(ResonantFrequency(1e-6, 0), ZeroDivideError);
  EXPECT_DOUBLE_EQ(InductiveReactance(1e6, 0), 0);
}

TEST(ReactanceModel, ANegativeProductReportsTheRootAndGivesNoNumber) {
  std::vector<std::string> reports;
  SetMathErrorReporter([&reports](const std::string& text) { reports.push_back(text); });
  const double f0 = ResonantFrequency(-1e-6, 1e-3);
  SetMathErrorReporter(nullptr);
  EXPECT_TRUE(std::isnan(f0));
  EXPECT_EQ(reports, std::vector<std::string>{"sqrt: DOMAIN error"});
}

}  // namespace
}  // namespace cq
