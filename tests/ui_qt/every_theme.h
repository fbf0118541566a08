#pragma once
// The colour styles, for tests that run once per style so that the runs go
// side by side. Each run sets its style before it makes its windows; a
// switch between styles gives the same look (ThemeSwitch).
#include <gtest/gtest.h>

#include <string>

namespace cq::test {

inline constexpr const char* kEveryTheme[] = {"Charcoal Dark Slate", "Charcoal HiRes", "Slate", "Windows", "Windows10"};

// "Charcoal Dark Slate" -> "CharcoalDarkSlate", for the test's name.
inline std::string ThemeTestName(const ::testing::TestParamInfo<const char*>& info) {
  std::string name = info.param;
  std::erase(name, ' ');
  return name;
}

}  // namespace cq::test
