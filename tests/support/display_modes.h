#pragma once
// The four ways a page shows its numbers, as a test parameter: Imperial or
// Metric, with the decimal point or the comma.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace cq::test {

struct Display {
  bool metric;
  bool comma;
};

// "ImperialPoint", "MetricComma", ...
std::string DisplayName(const Display& d);
inline void PrintTo(const Display& d, std::ostream* os) { *os << DisplayName(d); }

// All four, for INSTANTIATE_TEST_SUITE_P(..., AllDisplays(), NameOfDisplay()).
inline auto AllDisplays() {
  return ::testing::Values(Display{false, false}, Display{true, false}, Display{false, true}, Display{true, true});
}
struct NameOfDisplay {
  std::string operator()(const ::testing::TestParamInfo<Display>& info) const { return DisplayName(info.param); }
};

}  // namespace cq::test
