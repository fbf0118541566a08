// The version the licence document and the package carry is the one the
// About window shows.
#include "windows/about_version.h"

#include <gtest/gtest.h>

#include "support/test_program.h"

namespace cq::test {
namespace {

TEST(AboutVersion, IsTheShownLineAndTheProjectsVersion) {
  TestProgram p;
  EXPECT_EQ(AboutVersionLine(), p.text("Form2.Label6"));
  EXPECT_EQ(AboutVersionLine(), "Version " CIRQUET_VERSION);
}

}  // namespace
}  // namespace cq::test
