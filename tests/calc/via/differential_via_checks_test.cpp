// The spacing and plane-opening limits of the differential vias: refused
// when not larger than the hole, rewritten as the hole plus one mil (spacing)
// or two mils (opening), 0.0254 mm and 0.0508 mm in Metric.
#include "calc/via/differential_via_checks.h"

#include <gtest/gtest.h>

#include <string>

namespace cq {
namespace {

constexpr const char* kSpacing = "Minimum via spacing can't be less than or equal to via hole diameter";
constexpr const char* kClearance = "Minimum gnd clearance can't be less than or equal to via hole diameter";

struct Case {
  double value, hole;
  bool metric;
  const char* text;  // nullptr: accepted
};

// The rule refuses the value or lets it pass; a refusal carries the message
// and the corrected text, which the check reads back into the solve.
void expectCase(const Case& c, const InputRule& rule, const char* message) {
  SCOPED_TRACE(c.value);
  EXPECT_EQ(rule.refuses(c.value), c.text != nullptr);
  if (!c.text) return;
  EXPECT_EQ(rule.message, message);
  EXPECT_EQ(rule.corrected, c.text);
  EXPECT_EQ(rule.followUp, FollowUp::ReadCorrected);
}

TEST(DifferentialViaChecks, Spacing) {
  const Case cases[] = {
      {60, 10, false, nullptr},  {10.001, 10, false, nullptr}, {10, 10, false, "11"},
      {8, 10, false, "11"},      {-5, 2.5, false, "3.5"},      {0.3, 0.254, true, nullptr},
      {0.254, 0.254, true, "0.2794"}, {0.2, 0.254, true, "0.2794"},
  };
  for (const Case& c : cases) {
    const std::string text = DifferentialViaSpacingText(c.hole, c.metric);
    expectCase(c, DifferentialViaSpacingRule(c.hole, text), kSpacing);
  }
}

TEST(DifferentialViaChecks, OpeningSides) {
  const Case cases[] = {
      {40, 10, false, nullptr}, {10, 10, false, "12"},         {2, 10, false, "12"},
      {1.1, 1, false, nullptr}, {0.254, 0.254, true, "0.3048"}, {1.016, 0.254, true, nullptr},
  };
  for (const Case& c : cases) {
    const std::string text = DifferentialViaOpeningText(c.hole, c.metric);
    expectCase(c, DifferentialViaOpeningRule(c.hole, text), kClearance);
  }
}

}  // namespace
}  // namespace cq
