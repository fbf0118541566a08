// The padstack tables and formulas: spoke-width band edges, the room between
// pads and lands, the corner-to-corner drills with their halves to even, the
// hole presets and the BGA land table. Expected values are hand calculations
// (checked with python3 floats and decimals), shown beside each row.
#include <gtest/gtest.h>

#include <string>

#include "calc/via/bga_land_table.h"
#include "calc/via/padstack_model.h"
#include "platform/errors.h"
#include "platform/numbers.h"

namespace cq {
namespace {

struct SpokeRow {
  double hole;
  bool metric;
  bool comma;
  const char* text;
};

// Each band excludes its lower edge and includes its upper one.
TEST(PadstackModel, SpokeWidthBandEdges) {
  const SpokeRow rows[] = {
      {0, false, false, "6 mils"},          {14, false, false, "6 mils"},     {14.001, false, false, "8 mils"},
      {22, false, false, "8 mils"},         {22.5, false, false, "10 mils"},  {32, false, true, "10 mils"},
      {45, false, false, "10 mils"},        {45.01, false, false, "15 mils"}, {65, false, false, "15 mils"},
      {65.5, false, false, "20 mils"},      {124, false, false, "20 mils"},   {124.0001, false, false, "25 mils"},
      {125, false, false, "25 mils"},       {0.3556, true, false, "0.1524 mm"}, {0.3557, true, false, "0.2032 mm"},
      {0.5588, true, false, "0.2032 mm"},   {0.8128, true, false, "0.254 mm"}, {0.8128, true, true, "0,254 mm"},
      {1.143, true, false, "0.254 mm"},     {1.2, true, false, "0.381 mm"},   {1.651, true, true, "0,381 mm"},
      {3.1496, true, false, "0.508 mm"},    {3.15, true, false, "0.635 mm"},  {6.35, true, true, "0,635 mm"},
      // 14 mils converted to mm is 0.35559999999999997, just inside the first band.
      {14 * 0.0254, true, false, "0.1524 mm"},
  };
  for (const auto& r : rows)
    EXPECT_EQ(SpokeWidthText(r.hole, r.metric, r.comma), r.text) << r.hole << (r.metric ? " mm" : " mils");
}

TEST(PadstackModel, PadsAndThermalRelief) {
  // Hole 32, ring 12, isolation 12: 2 x 12 + 32 = 56, 2 x 12 + 56 = 80.
  EXPECT_DOUBLE_EQ(PadAroundHole(32, 12), 56);
  EXPECT_DOUBLE_EQ(ThermalOuterDiameter(56, 12), 80);
  EXPECT_DOUBLE_EQ(NonPlatedMetricPad(3.175), 4.445);
}

struct RoomRow {
  double pitch, width, spacing;
  bool two;
  double expected;
};

TEST(PadstackModel, LargestPadBetweenPads) {
  const RoomRow rows[] = {
      {100, 12, 12, false, 64},  // 100 - (2 x 12 + 12)
      {100, 10, 10, true, 50},   // 100 - (2 x 10 + 3 x 10)
      {50, 12, 12, false, 14},   // below the 46 mils the hole and ring need
      {10, 12, 12, false, -26},  // no room at all: the formula stays linear
  };
  for (const auto& r : rows)
    EXPECT_DOUBLE_EQ(MaxPadBetweenPads(r.pitch, r.width, r.spacing, r.two), r.expected) << r.pitch;
  EXPECT_DOUBLE_EQ(RingLeft(64, 32), 16);
  EXPECT_DOUBLE_EQ(RingLeft(14, 32), -9);
}

TEST(PadstackModel, WidestConductorBetweenLands) {
  const RoomRow rows[] = {
      {40, 13, 6, false, 15},   // 40 - 13 - 2 x 6
      {40, 13, 6, true, 4.5},   // (40 - 13 - 3 x 6) / 2
      {40, 13, 20, false, -13}, // spacing too wide
      {13, 13, 0, true, 0},
  };
  for (const auto& r : rows)
    EXPECT_DOUBLE_EQ(MaxConductorBetweenLands(r.pitch, r.width, r.spacing, r.two), r.expected) << r.spacing;
}

struct DrillRow {
  double a, b;
  bool metric;
  double min, max;
};

// c = sqrt(a^2 + b^2); Imperial drills c + 2 and c + 11 to whole mils,
// Metric c + 0.0508 and c + 0.2794 to whole micrometres, halves to even.
TEST(PadstackModel, SuggestedDrillsRoundHalvesToEven) {
  const DrillRow rows[] = {
      {100, 100, false, 143, 152},        // c = 141.4214: 143.42 -> 143, 152.42 -> 152
      {40.5, 0, false, 42, 52},           // 42.5 -> 42 (even), 51.5 -> 52 (even)
      {41.5, 0, false, 44, 52},           // 43.5 -> 44 (even), 52.5 -> 52 (even)
      {2.54, 2.54, true, 3.643, 3.872},   // c = 3.592102: 3.642902 -> 3.643, 3.871502 -> 3.872
      {0.0007, 0, true, 0.052, 0.280},    // 0.0515 -> 0.052 (even), 0.2801 -> 0.280
      {0.0017, 0, true, 0.052, 0.281},    // 0.0525 -> 0.052 (even), 0.2811 -> 0.281
  };
  for (const auto& r : rows) {
    const DrillRange drills = SuggestedDrills(CornerDistance(r.a, r.b), r.metric);
    EXPECT_DOUBLE_EQ(drills.min, r.min) << r.a << ", " << r.b;
    EXPECT_DOUBLE_EQ(drills.max, r.max) << r.a << ", " << r.b;
  }
  // Symmetric in its sides.
  EXPECT_DOUBLE_EQ(CornerDistance(3, 4), CornerDistance(4, 3));
  EXPECT_DOUBLE_EQ(CornerDistance(3, 4), 5);
}

// 2 x 1e308 passes the largest double (about 1.8e308): the pad and thermal
// diameters raise instead of showing infinity.
TEST(PadstackModel, PadAndThermalDiametersRaiseOnOverflow) {
  EXPECT_THROW(PadAroundHole(10, 1e308), OverflowError);
  EXPECT_THROW(PadAroundHole(10, -1e308), OverflowError);
  EXPECT_THROW(ThermalOuterDiameter(10, 1e308), OverflowError);
  EXPECT_THROW(PadAroundHole(1.7e308, 0.1e308), OverflowError);  // the sum of two finite terms
  EXPECT_DOUBLE_EQ(PadAroundHole(32, 8), 48);                      // 2 x 8 + 32
  EXPECT_DOUBLE_EQ(ThermalOuterDiameter(48, 10), 68);              // 2 x 10 + 48
}

TEST(PadstackModel, HolePresetsAreFixedNonPlatedHolesExceptCustom) {
  const auto& presets = HoleTypePresets();
  EXPECT_STREQ(presets[0].caption, "Custom");
  EXPECT_EQ(presets[0].padStyle, 0);
  EXPECT_TRUE(presets[0].editable);
  for (size_t row = 1; row < presets.size(); ++row) {
    EXPECT_EQ(presets[row].padStyle, 1) << row;
    EXPECT_FALSE(presets[row].editable) << row;
  }
  // Each Metric hole is its Imperial hole x 0.0254.
  for (const auto& p : presets)
    EXPECT_NEAR(ParseLocaleFloat(p.imperialHole, '.') * 0.0254, ParseLocaleFloat(p.metricHole, '.'), 1e-9) << p.caption;
}

TEST(PadstackModel, LengthsChangeUnitsThroughTheInch) {
  EXPECT_DOUBLE_EQ(LengthInUnits(12, false, true), 0.3048);
  EXPECT_DOUBLE_EQ(LengthInUnits(0.3048, true, false), 12);
  EXPECT_DOUBLE_EQ(LengthInUnits(7, true, true), 7);
}

TEST(BgaLandTable, RowsAndDecimalForms) {
  const auto& table = BgaLandTable();
  EXPECT_STREQ(table.front().ball, "0.75 mm");
  EXPECT_STREQ(table.back().ball, "0.15 mm");
  // Two pairs of balls share their land.
  EXPECT_STREQ(table[3].land, table[4].land);
  EXPECT_STREQ(table[3].variation, "0.45 mm - 0.35 mm");
  EXPECT_STREQ(table[6].land, table[7].land);
  EXPECT_STREQ(table[6].variation, table[7].variation);
  EXPECT_EQ(BgaText(table[0].variation, true), "0,60 mm - 0,50 mm");
  EXPECT_EQ(BgaText(table[0].variation, false), "0.60 mm - 0.50 mm");
  // Smaller balls never get larger lands (same "0.xx mm" form, so text order is number order).
  for (size_t row = 1; row < table.size(); ++row)
    EXPECT_LE(std::string(table[row].land), std::string(table[row - 1].land)) << row;
}

}  // namespace
}  // namespace cq
