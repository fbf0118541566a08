// The windows after the main one carry their own handlers.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_program.h"

namespace cq::test {
namespace {

TEST(SmallWindows, EveryRegisteredHandlerIsBoundByItsWindowDescription) {
  TestProgram p;
  ASSERT_EQ(p.program().smallWindows().size(), 6u);
  for (const auto& window : p.program().smallWindows()) {
    SCOPED_TRACE(window->description());
    EXPECT_EQ(window->handlers().unusedNames(), std::vector<std::string>{});
  }
}

}  // namespace
}  // namespace cq::test
