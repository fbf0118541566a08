// The decimal mode follows the locale's separator; a separator that is
// neither a point nor a comma counts as a point, so numbers and the manual
// copper defaults are still written in a known form.
#include <gtest/gtest.h>

#include <string>

#include "platform/numbers.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

struct SeparatorRow {
  const char* separator;
  const char* mode;        // Label165
  const char* manualBase;  // Edit136 after the splash
  const char* number;      // 2.5 as the program writes it
};

TEST(DecimalMode, FollowsTheLocaleAndCountsAnyOtherSeparatorAsAPoint) {
  const SeparatorRow rows[] = {
      {".", "0", "0.7", "2.5"},
      {",", "1", "0,7", "2,5"},
      {";", "0", "0.7", "2.5"},
      {"", "0", "0.7", "2.5"},
      {"\xd9\xab", "0", "0.7", "2.5"},  // the Arabic decimal separator
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string("separator '") + row.separator + "'");
    StartOptions options;
    options.decimalSeparator = row.separator;
    TestProgram p(options);
    EXPECT_EQ(p.text("Label165"), row.mode);
    EXPECT_EQ(p.text("Edit136"), row.manualBase);
    EXPECT_EQ(FormatGeneralFloat(2.5), row.number);
    EXPECT_TRUE(p.messages().empty());
  }
}

}  // namespace
}  // namespace cq::test
