// The centred stripline on the Conductor Impedance page. Expected texts:
// python3, 60 / sqrt(4.6) ln(1.9 (2H + T) / (0.8 W + T)), Tpd sqrt(4.6)
// 1.017 / 12 1000 ps/in (/ 2.54 per cm), Co = Tpd / Zo, Lo = Zo^2 Co / 1000.
// The worked example is in worked_examples_test.cpp.
#include <gtest/gtest.h>

#include <string>

#include "calc/tline/impedance/structure_steps.h"

namespace cq::test {
namespace {

TEST(StriplineBlock, RangeRowsTurnRedOutsideTheirBounds) {
  const struct {
    bool metric;
    const char *w, *h;
    const char *wRow, *hRow, *zoRow;
  } rows[] = {
      {false, "15", "10", "15", "10", "31.6227 Warning!"},
      {false, "16", "10", "16.0 Warning!", "10", "29.9138 Warning!"},
      {false, "4.9", "10", "4.9 Warning!", "10", "59.9114"},
      // The bound is on H itself, though the line speaks of 2H.
      {false, "5", "4", "5", "4.0 Warning!", "35.1819 Warning!"},
      {false, "5", "20", "5", "20.0 Warning!", "78.3449"},
      // Just outside each bound, width and height.
      {false, "15.01", "10", "15.0 Warning!", "10", "31.6051 Warning!"},
      {false, "4.99", "10", "5.0 Warning!", "10", "59.4788"},
      {false, "5", "15.01", "5", "15.0 Warning!", "70.4751"},
      {false, "5", "4.99", "5", "5.0 Warning!", "40.9182"},
      // The metric bounds are 0.1269 and 0.3811, both inside.
      {true, "0.1269", "0.254", "0.1269", "0.254", "59.4100"},
      {true, "0.3811", "0.254", "0.3811", "0.254", "31.6084 Warning!"},
      {true, "0.254", "0.3811", "0.254", "0.3811", "53.2181"},
      {true, "0.254", "0.1269", "0.254", "0.1269", "23.7188 Warning!"},
      // And just outside them.
      {true, "0.3812", "0.254", "0.4 Warning!", "0.254", "31.6015 Warning!"},
      {true, "0.1268", "0.254", "0.1 Warning!", "0.254", "59.4287"},
      {true, "0.254", "0.3812", "0.254", "0.4 Warning!", "53.2253"},
      {true, "0.254", "0.1268", "0.254", "0.1 Warning!", "23.6982 Warning!"},
      {true, "0.5", "0.254", "0.5 Warning!", "0.254", "24.3852 Warning!"},
  };
  for (const auto& r : rows) {
    TestProgram t;
    OpenStructure(t, kStripline, r.metric);
    EnterAll(t, {{"Edit67", r.w}, {"Edit68", r.h}});
    ExpectTexts(t, {{"Label108", r.wRow}, {"Label112", r.hRow}, {"Label261", r.zoRow}});
    for (const auto& [row, text] : {std::pair{"Label108", r.wRow}, {"Label112", r.hRow}, {"Label261", r.zoRow}}) {
      const bool warned = std::string(text).find("Warning!") != std::string::npos;
      EXPECT_EQ(t.fontColor(row), warned ? colors::Red : colors::Black) << row << " " << r.w << " " << r.h;
    }
  }
}

TEST(StriplineBlock, CommaModeWritesCommasInLinesRowsAndResults) {
  TestProgram t(CommaStart());
  OpenStructure(t, kStripline, true);
  EnterAll(t, {{"Edit67", "0,5"}, {"Edit68", "0,254"}});
  ExpectTexts(t, {{"Label85", "0,127mm < (W) < 0,381mm"},
                  {"Label86", "0,127mm < (2H) < 0,381mm"},
                  {"Label108", "0,5 Warning!"},
                  {"Label112", "0,254"},
                  {"Label261", "24,3852 Warning!"},
                  {"Edit70", "24,385 Ohms"}});
  EXPECT_TRUE(t.takeMessages().empty());
}

// 0.8 W + T beyond 1.9 (2H + T): the logarithm is negative and every value
// is written as it is (this structure has no "Error" guard).
TEST(StriplineBlock, AVeryWideConductorShowsNegativeValues) {
  TestProgram t;
  OpenStructure(t, kStripline);
  Enter(t, "Edit67", "60");
  ExpectTexts(t, LineResults("-5.978 Ohms", "181.7685 ps/in", "-30.4060 pF/in", "-1.0866 nH/in"));
}

}  // namespace
}  // namespace cq::test
