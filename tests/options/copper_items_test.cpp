#include "options/copper_items.h"

#include <gtest/gtest.h>

#include "support/page_steps.h"

namespace cq {
namespace {

TEST(CopperItems, FormFollowsUnitsFirstThenDecimalMode) {
  EXPECT_EQ(CopperFormFor(false, false), CopperForm::Point);
  EXPECT_EQ(CopperFormFor(false, true), CopperForm::Comma);
  EXPECT_EQ(CopperFormFor(true, false), CopperForm::Metric);
  EXPECT_EQ(CopperFormFor(true, true), CopperForm::Metric);
}

TEST(CopperItems, BaseRadioInItsThreeForms) {
  using V = std::vector<std::string>;
  EXPECT_EQ(CopperItems(CopperRadio::Base, CopperForm::Point),
            (V{"0.25oz", "0.5oz", "1oz", "1.5oz", "2oz", "2.5oz", "3oz", "4oz", "5oz"}));
  EXPECT_EQ(CopperItems(CopperRadio::Base, CopperForm::Comma),
            (V{"0,25oz", "0,5oz", "1oz", "1,5oz", "2oz", "2,5oz", "3oz", "4oz", "5oz"}));
  EXPECT_EQ(CopperItems(CopperRadio::Base, CopperForm::Metric),
            (V{"9um", "18um", "35um", "53um", "70um", "88um", "106um", "142um", "178um"}));
}

// The plating radio is "Bare PCB" followed by the base weights 0.5oz to 3oz,
// in every form, so an index means the same weight in both radios.
TEST(CopperItems, PlatingIsBarePcbThenTheBaseWeightsHalfToThreeOunces) {
  for (CopperForm form : {CopperForm::Point, CopperForm::Comma, CopperForm::Metric}) {
    auto base = CopperItems(CopperRadio::Base, form);
    auto plating = CopperItems(CopperRadio::Plating, form);
    ASSERT_EQ(plating.size(), 7u);
    EXPECT_EQ(plating[0], "Bare PCB");
    EXPECT_TRUE(std::equal(plating.begin() + 1, plating.end(), base.begin() + 1));
  }
}

TEST(CopperItems, CommaFormIsThePointFormWithAComma) {
  for (CopperRadio radio : {CopperRadio::Base, CopperRadio::Plating}) {
    auto point = CopperItems(radio, CopperForm::Point);
    auto comma = CopperItems(radio, CopperForm::Comma);
    ASSERT_EQ(point.size(), comma.size());
    for (size_t i = 0; i < point.size(); ++i) EXPECT_EQ(comma[i], test::WithComma(point[i]));
  }
}

}  // namespace
}  // namespace cq
