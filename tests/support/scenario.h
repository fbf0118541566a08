#pragma once
// Plain-text behaviour checks: one action or expectation per line.
// The syntax is documented in the README's testing section.
#include <string>
#include <vector>

namespace cq::test {

struct ScenarioResult {
  bool passed = true;
  std::vector<std::string> failures;  // "line N: ..."
};

ScenarioResult RunScenario(const std::string& text);
ScenarioResult RunScenarioFile(const std::string& path);

// Splits a line into words; "quoted text" is one word (\" and \\ escape).
std::vector<std::string> SplitScenarioLine(const std::string& line);

}  // namespace cq::test
