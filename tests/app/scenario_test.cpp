// Runs every behaviour scenario in tests/scenarios.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/scenario.h"

namespace cq::test {
namespace {

std::vector<std::string> scenarioFiles() {
  std::vector<std::string> files;
  if (!std::filesystem::is_directory(CIRQUET_SCENARIO_DIR)) return files;
  for (const auto& entry : std::filesystem::directory_iterator(CIRQUET_SCENARIO_DIR))
    if (entry.path().extension() == ".txt") files.push_back(entry.path().filename().string());
  std::sort(files.begin(), files.end());
  return files;
}

class Scenario : public ::testing::TestWithParam<std::string> {};
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(Scenario);

TEST_P(Scenario, Passes) {
  auto result = RunScenarioFile(std::string(CIRQUET_SCENARIO_DIR) + "/" + GetParam());
  for (const auto& f : result.failures) ADD_FAILURE() << GetParam() << " " << f;
  EXPECT_TRUE(result.passed);
}

INSTANTIATE_TEST_SUITE_P(Files, Scenario, ::testing::ValuesIn(scenarioFiles()),
                         [](const auto& param_info) {
                           std::string name = param_info.param.substr(0, param_info.param.size() - 4);
                           std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
                           return name;
                         });

TEST(ScenarioRunner, ReportsTheLineOfAFailedExpectation) {
  auto result = RunScenario("# a comment\nexpect text Label29 \"Not this\"\nexpect hidden Label29\n");
  ASSERT_FALSE(result.passed);
  ASSERT_EQ(result.failures.size(), 1u);
  EXPECT_EQ(result.failures[0].rfind("line 2:", 0), 0u) << result.failures[0];
}

TEST(ScenarioRunner, SplitsQuotedWords) {
  EXPECT_EQ(SplitScenarioLine(R"(expect text Label1 "Printing..." )"),
            (std::vector<std::string>{"expect", "text", "Label1", "Printing..."}));
  EXPECT_EQ(SplitScenarioLine(R"(type Edit1 "say \"hi\"")"), (std::vector<std::string>{"type", "Edit1", "say \"hi\""}));
  EXPECT_EQ(SplitScenarioLine(R"(expect text Label1 "")"), (std::vector<std::string>{"expect", "text", "Label1", ""}));
}

}  // namespace
}  // namespace cq::test
