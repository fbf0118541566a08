// The spacing and plane-opening limits of the differential vias: refused
// when not larger than the hole, rewritten as the hole plus one mil (spacing)
// or two mils (opening), 0.0254 mm and 0.0508 mm in Metric.
#include "calc/via/differential_via_checks.h"

#include <gtest/gtest.h>

namespace cq {
namespace {

constexpr const char* kSpacing = "Minimum via spacing can't be less than or equal to via hole diameter";
constexpr const char* kClearance = "Minimum gnd clearance can't be less than or equal to via hole diameter";

struct Case {
  double value, hole;
  bool metric;
  const char* text;  // nullptr: accepted
};

TEST(DifferentialViaChecks, Spacing) {
  const Case cases[] = {
      {60, 10, false, nullptr},  {10.001, 10, false, nullptr}, {10, 10, false, "11"},
      {8, 10, false, "11"},      {-5, 2.5, false, "3.5"},      {0.3, 0.254, true, nullptr},
      {0.254, 0.254, true, "0.2794"}, {0.2, 0.254, true, "0.2794"},
  };
  for (const Case& c : cases) {
    const auto notice = DifferentialViaSpacingNotice(c.value, c.hole, c.metric);
    if (!c.text) {
      EXPECT_FALSE(notice) << c.value;
      continue;
    }
    ASSERT_TRUE(notice) << c.value;
    EXPECT_EQ(*notice, (DifferentialViaNotice{DifferentialViaField::Spacing, kSpacing, c.text}));
  }
}

TEST(DifferentialViaChecks, OpeningSides) {
  const Case cases[] = {
      {40, 10, false, nullptr}, {10, 10, false, "12"},         {2, 10, false, "12"},
      {1.1, 1, false, nullptr}, {0.254, 0.254, true, "0.3048"}, {1.016, 0.254, true, nullptr},
  };
  for (auto field : {DifferentialViaField::OpeningHeight, DifferentialViaField::OpeningWidth}) {
    for (const Case& c : cases) {
      const auto notice = DifferentialViaOpeningNotice(field, c.value, c.hole, c.metric);
      if (!c.text) {
        EXPECT_FALSE(notice) << c.value;
        continue;
      }
      ASSERT_TRUE(notice) << c.value;
      EXPECT_EQ(*notice, (DifferentialViaNotice{field, kClearance, c.text}));
    }
  }
}

}  // namespace
}  // namespace cq
