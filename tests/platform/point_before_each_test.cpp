// The decimal separator is process-wide, and a test that starts a program
// under a comma locale leaves it set; every test starts from the point, so
// no result depends on which tests ran before it in the same process.
#include <gtest/gtest.h>

#include "platform/numbers.h"

namespace cq {
namespace {

class PointBeforeEachTest : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override { SetDecimalSeparator('.'); }
};

const bool kRegistered = [] {
  ::testing::UnitTest::GetInstance()->listeners().Append(new PointBeforeEachTest);
  return true;
}();

}  // namespace
}  // namespace cq
