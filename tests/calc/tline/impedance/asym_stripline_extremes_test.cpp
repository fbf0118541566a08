// "Stripline Asym" with numbers at the edge of a double in each of its
// inputs, for each formula: every action either reports something or
// leaves finite results.
#include <gtest/gtest.h>

#include <string>

#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

TEST(AsymStriplineBlock, ExtremeInputsReportOrGiveFiniteResults) {
  for (bool metric : {false, true})
    for (int formula = 0; formula < 3; ++formula)
      for (const char* field : {"Edit67", "Edit68", "Edit74"})
        for (const char* extreme : {"1e308", "-1e308", "1e-320"}) {
          SCOPED_TRACE(std::string(field) + " " + extreme + " formula " + std::to_string(formula) +
                       (metric ? " metric" : ""));
          TestProgram t;
          OpenCalculator(t, "RFImpedances1");
          if (metric) ToMetric(t);
          t.selectRadio("RadioGroup3", 3);
          t.selectRadio("RadioGroup24", formula);
          t.takeMessages();
          Enter(t, field, extreme);
          if (!t.takeMessages().empty()) continue;
          for (const char* result : {"Edit70", "Edit77", "Edit76", "Edit73"})
            EXPECT_FALSE(ShowsNonFinite(t.text(result))) << result << " " << t.text(result);
        }
}

}  // namespace
}  // namespace cq::test
