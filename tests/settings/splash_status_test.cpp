// The splash's status texts at the edges of their bands: both edges are
// strict, and at an edge the text stays as it was.
#include <gtest/gtest.h>

#include "settings/splash_status.h"

namespace cq {
namespace {

struct StatusRow {
  int position;
  const char* text;  // nullptr: left as it was
};

TEST(SplashStatus, BandEdgesAreStrictAndLeaveTheTextAtTheEdge) {
  const StatusRow rows[] = {
      {0, "Loading."},
      {9, "Loading."},
      {10, nullptr},
      {11, "Loading.."},
      {39, "Loading...."},
      {40, nullptr},
      {45, "Reading registry keys."},
      {50, nullptr},
      {51, "Reading registry keys.."},
      {61, "Reading registry keys..."},
      {70, nullptr},
      {79, "Reading registry keys..."},
      {80, nullptr},
      {81, "Starting program."},
      {84, "Starting program."},
      {85, nullptr},
      {86, "Starting program.."},
      {94, "Starting program..."},
      {95, nullptr},
      {99, "Starting program...."},
      {100, nullptr},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.position);
    auto text = SplashStatusText(row.position);
    if (row.text) {
      ASSERT_TRUE(text.has_value());
      EXPECT_EQ(*text, row.text);
    } else {
      EXPECT_FALSE(text.has_value()) << *text;
    }
  }
}

}  // namespace
}  // namespace cq
