// The network arithmetic against values worked out with python3 from the
// textbook formulas: LED series resistor, pads and the count radios (the
// series and parallel sums are in ohms_law_network_sums_test.cpp).
#include "calc/electrical/ohms_law_networks_model.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

#include "platform/errors.h"

namespace cq {
namespace {

struct PadCase {
  double zin, zout, db;
  double piLarger, piSmaller, piSeries;  // shunt at max(Z), shunt at min(Z), series
  double tLarger, tSmaller, tShunt;      // series at max(Z), series at min(Z), shunt
};

TEST(OhmsLawNetworksModel, PadsAtMatchedAndUnequalImpedances) {
  // python3: k = 10**(db/20), s = sqrt(zmax/zmin), PI and T pad formulas.
  const PadCase cases[] = {
      {50, 50, 3, 292.4022, 292.4022, 17.6148, 8.5499, 8.5499, 141.9262},
      {75, 50, 10, 207.4349, 77.1073, 87.1421, 48.6335, 18.0780, 43.0331},
      // Below the minimum loss of a 75:50 match one resistor turns negative.
      {75, 50, 3, -160.6181, 72.2673, 21.5736, 51.8907, -23.3473, 173.8233},
      {600, 50, 20, 1872.7555, 51.9813, 857.3651, 577.1303, 16.0192, 34.9909},
  };
  for (const PadCase& c : cases) {
    const PadTerms t = PadTermsFor(c.zin, c.zout, c.db);
    const double s = PiSqrtRatio(t);
    EXPECT_NEAR(PiShuntAtLarger(t, s), c.piLarger, 5e-4) << c.zin << "/" << c.zout << " " << c.db;
    EXPECT_NEAR(PiShuntAtSmaller(t, s), c.piSmaller, 5e-4) << c.zin << "/" << c.zout << " " << c.db;
    EXPECT_NEAR(PiSeries(t), c.piSeries, 5e-4) << c.zin << "/" << c.zout << " " << c.db;
    const double shunt = TShunt(t);
    EXPECT_NEAR(shunt, c.tShunt, 5e-4) << c.zin << "/" << c.zout << " " << c.db;
    EXPECT_NEAR(TSeries(t, t.zmax, shunt), c.tLarger, 5e-4) << c.zin << "/" << c.zout << " " << c.db;
    EXPECT_NEAR(TSeries(t, t.zmin, shunt), c.tSmaller, 5e-4) << c.zin << "/" << c.zout << " " << c.db;
  }
}

TEST(OhmsLawNetworksModel, PadsTrapWhereTheFormulasDivideByZero) {
  // A zero impedance: the PI pad divides by it, the T pad's shunt is just 0.
  EXPECT_THROW(PiSqrtRatio(PadTermsFor(50, 0, 6)), ZeroDivideError);
  EXPECT_EQ(TShunt(PadTermsFor(50, 0, 6)), 0);
  // 0 dB: the T pad divides by k^2 - 1 = 0, the matched PI pad takes 0 / 0.
  EXPECT_THROW(TShunt(PadTermsFor(50, 50, 0)), ZeroDivideError);
  const PadTerms flat = PadTermsFor(50, 50, 0);
  EXPECT_THROW(PiShuntAtLarger(flat, PiSqrtRatio(flat)), InvalidOpError);
}

TEST(OhmsLawNetworksModel, LedBiasBothWays) {
  // (12 - 2) V / 10 mA = 1000 ohm, 10 V x 10 mA = 0.1 W; back: 10 V / 1000 ohm.
  EXPECT_DOUBLE_EQ(LedResistorOhms(12, 2, 10), 1000);
  EXPECT_DOUBLE_EQ(LedWattsAtCurrent(12, 2, 10), 0.1);
  EXPECT_DOUBLE_EQ(LedMilliamps(12, 2, 1000), 10);
  // A supply below the forward voltage: (1.5 - 2) / 0.01 = -50 ohm.
  EXPECT_DOUBLE_EQ(LedResistorOhms(1.5, 2, 10), -50);
  EXPECT_THROW(LedResistorOhms(12, 2, 0), ZeroDivideError);
  EXPECT_THROW(LedMilliamps(2, 2, 0), InvalidOpError);
}

TEST(OhmsLawNetworksModel, CountRadioItemsTakeTwoThreeOrFourValues) {
  // Items "2", "3", "4"; no item or one the radio never holds: two.
  const std::pair<int, std::size_t> cases[] = {{0, 2}, {1, 3}, {2, 4}, {-1, 2}, {3, 2}};
  for (const auto& [item, size] : cases) EXPECT_EQ(NetworkSize(item), size) << "item " << item;
}

}  // namespace
}  // namespace cq
