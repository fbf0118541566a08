// The worked example of each inner-layer structure of the Conductor
// Impedance page, solved from the form defaults in Imperial, then converted
// to Metric by the Units switch: the line results and the structure's own
// rows, which stay black inside their ranges. Expected texts: python3 with
// Er 4.6 and Tpd sqrt(4.6) 1.017 / 12 1000 ps/in (/ 2.54 per cm) for the
// striplines, Co = Tpd / Zo, Lo = Zo^2 Co / 1000.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "calc/tline/impedance/structure_steps.h"

namespace cq::test {
namespace {

struct WorkedExample {
  const char* name;
  ImpedanceStructure structure;
  const char* entered;  // the field Enter is pressed in
  Texts imperial;
  std::vector<const char*> blackImperial;
  Texts metric;
  std::vector<const char*> blackMetric;
};

std::ostream& operator<<(std::ostream& os, const WorkedExample& e) { return os << e.name; }

const WorkedExample kExamples[] = {
    // 60 / sqrt(4.6) ln(1.9 (2H + T) / (0.8 W + T)); W 5, H 10 mils, base
    // copper 0.7 mils, then the defaults converted: W 0.127, H 0.254 mm,
    // copper 0.018 mm.
    {"Stripline", kStripline, "Edit67",
     LineResults("59.431 Ohms", "181.7685 ps/in", "3.0585 pF/in", "10.8027 nH/in",
                 {{"Label56", "0.70 mils"}, {"Label85", "5mils < (W) < 15mils"},
                  {"Label86", "5mils < (2H) < 15mils"}, {"Label246", "40< Ohms < 90"}, {"Label107", "(W) = "},
                  {"Label108", "5"}, {"Label111", "(H) = "}, {"Label112", "10"}, {"Label261", "59.4311"}}),
     {"Label108", "Label112", "Label261"},
     LineResults("59.391 Ohms", "71.5624 ps/cm", "1.2049 pF/cm", "4.2502 nH/cm",
                 {{"Label56", " 18 um"}, {"Label85", "0.127mm < (W) < 0.381mm"},
                  {"Label86", "0.127mm < (2H) < 0.381mm"}, {"Label108", "0.127"}, {"Label112", "0.254"},
                  {"Label261", "59.3913"}}),
     {"Label108"}},
    // 80 / sqrt(4.6) ln(1.9 (2H + T) / (0.8 W + T)) (1 - H / (4 (H + C + T)));
    // W 5, H 10, C 8 mils, copper 0.7 mils, then 0.127, 0.254, 0.2032 and
    // 0.018 mm, taken to mils.
    {"DualStripline", kDualStripline, "Edit74",
     LineResults("68.648 Ohms", "181.7685 ps/in", "2.6478 pF/in", "12.4780 nH/in", {{"Label56", "0.70 mils"}}),
     {},
     LineResults("68.607 Ohms", "71.5624 ps/cm", "1.0431 pF/cm", "4.9097 nH/cm", {{"Label56", " 18 um"}}),
     {}},
    // In inches: Er' = 4.6 (1 - exp(-1.55 H1 / H2)), Zo = 60 / sqrt(Er')
    // ln(5.98 H2 / (0.8 W + T)), Tpd = sqrt(Er') 84.57 ps/in; W 5, H1 10,
    // H2 8 mils, copper 0.7 mils: Er' 3.9373. Then 0.127, 0.254, 0.2032 mm
    // and 0.018 mm of copper.
    {"EmbeddedMicrostrip", kMicrostripEmbed, "Edit74",
     LineResults("70.1610 Ohms", "167.8093 ps/in", "2.3918 pF/in", "11.7737 nH/in",
                 {{"Label56", "0.70 mils"}, {"Label85", "5mils < (W) < 15mils"},
                  {"Label86", "5mils < (H1) < 15mils"}, {"Label246", "40< Ohms < 90"}, {"Label108", "5"},
                  {"Label111", "(H) = "}, {"Label112", "10"}, {"Label261", "70.1610"}}),
     {"Label261"},
     LineResults("70.1053 Ohms", "66.0666 ps/cm", "0.9424 pF/cm", "4.6316 nH/cm",
                 {{"Label56", " 18 um"}, {"Label86", "0.127mm < (H1) < 0.381mm"}, {"Label112", "0.254"}}),
     {}},
};

class WorkedExamples : public ::testing::TestWithParam<WorkedExample> {};

TEST_P(WorkedExamples, InBothUnitSystems) {
  const WorkedExample& e = GetParam();
  TestProgram t;
  OpenStructure(t, e.structure);
  t.pressEnter(e.entered);
  ExpectTexts(t, e.imperial);
  for (const char* row : e.blackImperial) EXPECT_EQ(t.fontColor(row), colors::Black) << row;

  ToMetric(t);
  ExpectTexts(t, e.metric);
  for (const char* row : e.blackMetric) EXPECT_EQ(t.fontColor(row), colors::Black) << row;
  EXPECT_TRUE(t.takeMessages().empty());
}

INSTANTIATE_TEST_SUITE_P(InnerStructures, WorkedExamples, ::testing::ValuesIn(kExamples),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace cq::test
