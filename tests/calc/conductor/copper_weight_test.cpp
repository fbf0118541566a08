#include "calc/conductor/copper_weight.h"

#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <ostream>

#include "platform/errors.h"

namespace cq {
namespace {

// Expected values: the copper-weight table (base 0.25oz..5oz, plating Bare
// PCB..3oz), each unit column as stored.
struct CopperCase {
  int item;
  bool metric;
  std::optional<double> base;
  std::optional<double> plating;
};

std::ostream& operator<<(std::ostream& os, const CopperCase& c) {
  return os << "item " << c.item << (c.metric ? " Metric" : " Imperial");
}

class CopperTable : public ::testing::TestWithParam<CopperCase> {};

TEST_P(CopperTable, ThicknessOfEachItem) {
  const CopperCase& c = GetParam();
  EXPECT_EQ(BaseCopperThicknessOf(c.item, c.metric), c.base);
  EXPECT_EQ(PlatingThicknessOf(c.item, c.metric), c.plating);
}

constexpr std::nullopt_t kNone = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Imperial, CopperTable,
    ::testing::Values(CopperCase{0, false, 0.35, 0.0}, CopperCase{1, false, 0.7, 0.7},
                      CopperCase{2, false, 1.4, 1.4}, CopperCase{3, false, 2.1, 2.1},
                      CopperCase{4, false, 2.8, 2.8}, CopperCase{5, false, 3.5, 3.5},
                      CopperCase{6, false, 4.2, 4.2}, CopperCase{7, false, 5.6, kNone},
                      CopperCase{8, false, 7.0, kNone}));

// The Metric column is its own: 1.5oz is 0.053 mm, not 2.1 x 0.0254.
INSTANTIATE_TEST_SUITE_P(
    Metric, CopperTable,
    ::testing::Values(CopperCase{0, true, 0.009, 0.0}, CopperCase{1, true, 0.018, 0.018},
                      CopperCase{2, true, 0.035, 0.035}, CopperCase{3, true, 0.053, 0.053},
                      CopperCase{4, true, 0.07, 0.07}, CopperCase{5, true, 0.088, 0.088},
                      CopperCase{6, true, 0.106, 0.106}, CopperCase{7, true, 0.142, kNone},
                      CopperCase{8, true, 0.178, kNone}));

// No selection (-1) and anything past either radio reads nothing.
INSTANTIATE_TEST_SUITE_P(
    OutsideTheTable, CopperTable,
    ::testing::Values(CopperCase{-1, false, kNone, kNone}, CopperCase{-1, true, kNone, kNone},
                      CopperCase{9, false, kNone, kNone}, CopperCase{9, true, kNone, kNone},
                      CopperCase{INT_MIN, false, kNone, kNone},
                      CopperCase{INT_MAX, true, kNone, kNone}));

// The values a solve held before, to see what an operation leaves alone.
constexpr double kPreviousBase = 123.0;
constexpr double kPreviousPlating = 456.0;

struct Thickness {
  double base = kPreviousBase;
  double plating = kPreviousPlating;
};

Thickness Select(const CopperSelection& selection) {
  Thickness t;
  CopperWeightThickness(selection, t.base, t.plating);
  return t;
}

// The radios alone; the manual boxes are off.
Thickness SelectRadios(bool metric, int baseItem, int platingItem) {
  CopperSelection selection;
  selection.metric = metric;
  selection.baseItem = baseItem;
  selection.platingItem = platingItem;
  return Select(selection);
}

TEST(CopperWeightThickness, OneOunceBaseAndPlatingMakeTwoOunces) {
  // 1.4 + 1.4 = 2.8 mils; 0.035 + 0.035 = 0.07 mm (doubling is exact).
  Thickness imperial = SelectRadios(false, 2, 2);
  EXPECT_EQ(imperial.base + imperial.plating, 2.8);
  Thickness metric = SelectRadios(true, 2, 2);
  EXPECT_EQ(metric.base + metric.plating, 0.07);
}

TEST(CopperWeightThickness, IndexOutsideTheTableKeepsThatValueOnly) {
  Thickness noPlating = SelectRadios(false, 8, 7);
  EXPECT_EQ(noPlating.base, 7.0);
  EXPECT_EQ(noPlating.plating, kPreviousPlating);

  Thickness noBase = SelectRadios(true, -1, 6);
  EXPECT_EQ(noBase.base, kPreviousBase);
  EXPECT_EQ(noBase.plating, 0.106);
}

// Manual boxes: mils as typed, micrometres / 1000 in Metric (18 / 1000 is
// the double nearest 0.018, division being correctly rounded).
TEST(CopperWeightThickness, ManualBoxesReplaceTheRadios) {
  Thickness metric = Select({.metric = true, .baseItem = 0, .platingItem = 0, .manual = true,
                          .baseText = "18", .platingText = "35"});
  EXPECT_EQ(metric.base, 0.018);
  EXPECT_EQ(metric.plating, 0.035);

  Thickness imperial = Select({.metric = false, .baseItem = 0, .platingItem = 0, .manual = true,
                            .baseText = "18", .platingText = "35"});
  EXPECT_EQ(imperial.base, 18.0);
  EXPECT_EQ(imperial.plating, 35.0);

  // The radios are not read: no selection does not matter, and the boxes
  // have no limits.
  Thickness unselected = Select({.metric = false, .baseItem = -1, .platingItem = 99, .manual = true,
                              .baseText = " 0 ", .platingText = "-2.5"});
  EXPECT_EQ(unselected.base, 0.0);
  EXPECT_EQ(unselected.plating, -2.5);
}

TEST(CopperWeightThickness, BoxesAreNotReadWhileTheRadiosCount) {
  Thickness t = Select({.metric = false, .baseItem = 2, .platingItem = 1, .manual = false,
                     .baseText = "oz", .platingText = ""});
  EXPECT_EQ(t.base, 1.4);
  EXPECT_EQ(t.plating, 0.7);
}

TEST(CopperWeightThickness, BoxThatIsNoNumberRaisesAfterTheEarlierWrite) {
  Thickness badBase;
  EXPECT_THROW(CopperWeightThickness({.metric = true, .manual = true, .baseText = "1oz",
                                      .platingText = "35"},
                                     badBase.base, badBase.plating),
               ConvertError);
  EXPECT_EQ(badBase.base, kPreviousBase);
  EXPECT_EQ(badBase.plating, kPreviousPlating);

  // Base is written before the plating text is read.
  Thickness badPlating;
  try {
    CopperWeightThickness({.metric = true, .manual = true, .baseText = "70", .platingText = "x"},
                          badPlating.base, badPlating.plating);
    ADD_FAILURE() << "no conversion error";
  } catch (const ConvertError& e) {
    EXPECT_STREQ(e.what(), "'x' is not a valid floating point value");
  }
  EXPECT_EQ(badPlating.base, 0.07);
  EXPECT_EQ(badPlating.plating, kPreviousPlating);
}

}  // namespace
}  // namespace cq
