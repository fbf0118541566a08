// The Mechanical Info page as a user drives it: every wire gauge in both
// unit systems and both decimal modes, the Units switch swapping the thread
// charts, and the fixed charts checked against the drill and thread
// standards they come from.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "calc/via/wire_gauge_table.h"
#include "support/display_modes.h"
#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

struct GaugeRow {
  const char* awg;
  const char* inches;       // "%0.4f Inches" of the AWG diameter
  const char* millimetres;  // "%0.4f mm" of the diameter times 25.4
  const char* imperialOhms;
  const char* metricOhms;
  const char* chassis;  // both unit systems, except AWG 30
  // (diameter in mils)^2 / 700, three decimals, worked with exact decimals.
  // AWG 39: 3.5 mils gives 0.0175 exactly in decimal; both binary paths land
  // a little above it, so "0.018".
  const char* powerTx;
};

// The AWG table as the page's reference chart gives it.
const std::array<GaugeRow, 44> kGauges = {{
    {"4/0", "0.4600 Inches", "11.6840 mm", "0.05 Ohms", "0.16072 Ohms", "380 Amps", "302.286 Amps"},
    {"3/0", "0.4096 Inches", "10.4038 mm", "0.06 Ohms", "0.202704 Ohms", "328 Amps", "239.675 Amps"},
    {"2/0", "0.3648 Inches", "9.2659 mm", "0.08 Ohms", "0.255512 Ohms", "283 Amps", "190.113 Amps"},
    {"1/0", "0.3249 Inches", "8.2525 mm", "0.10 Ohms", "0.322424 Ohms", "245 Amps", "150.800 Amps"},
    {"1", "0.2893 Inches", "7.3482 mm", "0.12 Ohms", "0.406392 Ohms", "211 Amps", "119.564 Amps"},
    {"2", "0.2576 Inches", "6.5430 mm", "0.16 Ohms", "0.512664 Ohms", "181 Amps", "94.797 Amps"},
    {"3", "0.2294 Inches", "5.8268 mm", "0.20 Ohms", "0.64616 Ohms", "158 Amps", "75.178 Amps"},
    {"4", "0.2043 Inches", "5.1892 mm", "0.25 Ohms", "0.81508 Ohms", "135 Amps", "59.626 Amps"},
    {"5", "0.1819 Inches", "4.6203 mm", "0.31 Ohms", "1.027624 Ohms", "118 Amps", "47.268 Amps"},
    {"6", "0.1620 Inches", "4.1148 mm", "0.40 Ohms", "1.295928 Ohms", "101 Amps", "37.491 Amps"},
    {"7", "0.1443 Inches", "3.6652 mm", "0.50 Ohms", "1.634096 Ohms", "89 Amps", "29.746 Amps"},
    {"8", "0.1285 Inches", "3.2639 mm", "0.63 Ohms", "2.060496 Ohms", "73 Amps", "23.589 Amps"},
    {"9", "0.1144 Inches", "2.9058 mm", "0.79 Ohms", "2.598088 Ohms", "64 Amps", "18.696 Amps"},
    {"10", "0.1019 Inches", "2.5883 mm", "1.00 Ohms", "3.276392 Ohms", "55 Amps", "14.834 Amps"},
    {"11", "0.0907 Inches", "2.3038 mm", "1.26 Ohms", "4.1328 Ohms", "47 Amps", "11.752 Amps"},
    {"12", "0.0808 Inches", "2.0523 mm", "1.59 Ohms", "5.20864 Ohms", "41 Amps", "9.327 Amps"},
    {"13", "0.0720 Inches", "1.8288 mm", "2.00 Ohms", "6.56984 Ohms", "35 Amps", "7.406 Amps"},
    {"14", "0.0641 Inches", "1.6281 mm", "2.53 Ohms", "8.282 Ohms", "32 Amps", "5.870 Amps"},
    {"15", "0.0571 Inches", "1.4503 mm", "3.18 Ohms", "10.44352 Ohms", "28 Amps", "4.658 Amps"},
    {"16", "0.0508 Inches", "1.2903 mm", "4.02 Ohms", "13.17248 Ohms", "22 Amps", "3.687 Amps"},
    {"17", "0.0453 Inches", "1.1506 mm", "5.06 Ohms", "16.60992 Ohms", "19 Amps", "2.932 Amps"},
    {"18", "0.0403 Inches", "1.0236 mm", "6.39 Ohms", "20.9428 Ohms", "16 Amps", "2.320 Amps"},
    {"19", "0.0359 Inches", "0.9119 mm", "8.05 Ohms", "26.40728 Ohms", "14 Amps", "1.841 Amps"},
    {"20", "0.0320 Inches", "0.8128 mm", "10.15 Ohms", "33.292 Ohms", "11 Amps", "1.463 Amps"},
    {"21", "0.0285 Inches", "0.7239 mm", "12.80 Ohms", "41.984 Ohms", "9 Amps", "1.160 Amps"},
    {"22", "0.0253 Inches", "0.6426 mm", "16.14 Ohms", "52.9392 Ohms", "7 Amps", "0.914 Amps"},
    {"23", "0.0226 Inches", "0.5740 mm", "20.36 Ohms", "66.7808 Ohms", "4.7 Amps", "0.730 Amps"},
    {"24", "0.0201 Inches", "0.5105 mm", "25.67 Ohms", "84.1976 Ohms", "3.5 Amps", "0.577 Amps"},
    {"25", "0.0179 Inches", "0.4547 mm", "32.37 Ohms", "106.1736 Ohms", "2.7 Amps", "0.458 Amps"},
    {"26", "0.0159 Inches", "0.4039 mm", "40.81 Ohms", "133.8568 Ohms", "2.2 Amps", "0.361 Amps"},
    {"27", "0.0142 Inches", "0.3607 mm", "51.47 Ohms", "168.8216 Ohms", "1.7 Amps", "0.288 Amps"},
    {"28", "0.0126 Inches", "0.3200 mm", "64.90 Ohms", "212.872 Ohms", "1.4 Amps", "0.227 Amps"},
    {"29", "0.0113 Inches", "0.2870 mm", "81.83 Ohms", "268.4024 Ohms", "1.2 Amps", "0.182 Amps"},
    {"30", "0.0100 Inches", "0.2540 mm", "103.20 Ohms", "338.496 Ohms", "0.86 Amps", "0.143 Amps"},
    {"31", "0.0089 Inches", "0.2261 mm", "130.10 Ohms", "426.728 Ohms", "0.7 Amps", "0.113 Amps"},
    {"32", "0.0080 Inches", "0.2032 mm", "164.10 Ohms", "538.248 Ohms", "0.53 Amps", "0.091 Amps"},
    {"33", "0.0071 Inches", "0.1803 mm", "206.90 Ohms", "678.632 Ohms", "0.43 Amps", "0.072 Amps"},
    {"34", "0.0063 Inches", "0.1600 mm", "260.9 Ohms", "855.752 Ohms", "0.33 Amps", "0.057 Amps"},
    {"35", "0.0056 Inches", "0.1422 mm", "329.00 Ohms", "1079.12 Ohms", "0.27 Amps", "0.045 Amps"},
    {"36", "0.0050 Inches", "0.1270 mm", "414.80 Ohms", "1360 Ohms", "0.21 Amps", "0.036 Amps"},
    {"37", "0.0045 Inches", "0.1143 mm", "523.10 Ohms", "1715 Ohms", "0.17 Amps", "0.029 Amps"},
    {"38", "0.0040 Inches", "0.1016 mm", "659.60 Ohms", "2163 Ohms", "0.13 Amps", "0.023 Amps"},
    {"39", "0.0035 Inches", "0.0889 mm", "831.80 Ohms", "2728 Ohms", "0.11 Amps", "0.018 Amps"},
    {"40", "0.0031 Inches", "0.0787 mm", "1049.00 Ohms", "3440 Ohms", "0.09 Amps", "0.014 Amps"},
}};

constexpr int kAwg30 = 33;

TEST(WireGaugeTable, StoredMillimetresAreTheInchesTimes25Point4) {
  for (const auto& row : WireGaugeTable()) EXPECT_NEAR(row.millimetres, row.inches * 25.4, 1e-12) << row.awg;
}

std::vector<std::string> memoLines(TestProgram& t, const std::string& memo) {
  return t.form().get<Memo>(memo).lines();
}

std::vector<std::string> words(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> out;
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

class WireGauge : public ::testing::TestWithParam<Display> {};

TEST_P(WireGauge, EveryGaugeShowsItsRow) {
  const Display d = GetParam();
  TestProgram t(DecimalStart(d.comma));
  OpenCalculator(t, "Mechanical1", d.metric);
  std::vector<std::string> awgs;
  for (const auto& row : kGauges) awgs.emplace_back(row.awg);
  ASSERT_EQ(t.items("ComboBox3"), awgs);

  for (int k = 0; k < 44; ++k) {
    const GaugeRow& row = kGauges[static_cast<size_t>(k)];
    for (const char* field : {"Edit41", "Edit95", "Edit102", "Edit141"}) t.form().edit(field).setText("stale");
    // Choosing a gauge solves through the combo's change event.
    t.selectCombo("ComboBox3", (k + 1) % 44);
    t.selectCombo("ComboBox3", k);
    std::string chassis = row.chassis;
    if (k == kAwg30 && d.metric) chassis = "0.89 Amps";
    // The chassis texts and the Imperial diameter and resistance keep the
    // point; the rest follows the decimal mode.
    auto local = [&](std::string s) { return d.comma ? WithComma(std::move(s)) : s; };
    EXPECT_EQ(t.text("Edit41"), d.metric ? local(row.millimetres) : std::string(row.inches)) << row.awg;
    EXPECT_EQ(t.text("Edit95"), d.metric ? local(row.metricOhms) : std::string(row.imperialOhms)) << row.awg;
    EXPECT_EQ(t.text("Edit102"), chassis) << row.awg;
    EXPECT_EQ(t.text("Edit141"), local(row.powerTx)) << row.awg;
  }
  EXPECT_TRUE(t.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(UnitsAndDecimals, WireGauge,
                         AllDisplays(), NameOfDisplay());

TEST(WireGaugeEdges, CommaModeLocalisesOnlyWhatTheUnitSystemAllows) {
  TestProgram t(DecimalStart(true));
  OpenCalculator(t, "Mechanical1", true);
  t.selectCombo("ComboBox3", 26);  // AWG 23
  EXPECT_EQ(t.text("Edit102"), "4.7 Amps");
  EXPECT_EQ(t.text("Edit95"), "66,7808 Ohms");
  t.selectCombo("ComboBox3", 39);  // AWG 36: a resistance without a point
  EXPECT_EQ(t.text("Edit95"), "1360 Ohms");
  ToImperial(t);
  // 0,036 Amps = 25 / 700.
  ExpectTexts(t, {{"Edit41", "0.0050 Inches"}, {"Edit95", "414.80 Ohms"}, {"Edit141", "0,036 Amps"}});
}

TEST(WireGaugeEdges, UnitsSwitchSwapsChartsCaptionAndRewritesEveryResult) {
  TestProgram t;
  OpenCalculator(t, "Mechanical1");
  t.selectCombo("ComboBox3", 33);  // AWG 30
  // Before the switch first runs the Imperial chart alone shows and the
  // caption is the designed one.
  EXPECT_TRUE(t.showing("GroupBox19"));
  EXPECT_FALSE(t.showing("GroupBox46"));
  EXPECT_EQ(t.text("Label200"), "Ohms per 1000 feet");
  const auto drill = memoLines(t, "Memo1");
  const auto imperial = memoLines(t, "Memo2");
  const auto metric = memoLines(t, "Memo4");

  ToMetric(t);
  EXPECT_FALSE(t.showing("GroupBox19"));
  EXPECT_TRUE(t.showing("GroupBox46"));
  ExpectTexts(t, {{"Label200", "Ohms per km"},
                  {"Edit41", "0.2540 mm"},
                  {"Edit95", "338.496 Ohms"},
                  {"Edit102", "0.89 Amps"},
                  {"Edit141", "0.143 Amps"}});  // 10 mils: 100 / 700

  ToImperial(t);
  EXPECT_TRUE(t.showing("GroupBox19"));
  EXPECT_FALSE(t.showing("GroupBox46"));
  ExpectTexts(t, {{"Label200", "Ohms per 1000'"}, {"Edit41", "0.0100 Inches"}, {"Edit102", "0.86 Amps"}});
  // The charts never change.
  EXPECT_EQ(memoLines(t, "Memo1"), drill);
  EXPECT_EQ(memoLines(t, "Memo2"), imperial);
  EXPECT_EQ(memoLines(t, "Memo4"), metric);
}

// A start shows the one chart of the stored unit system, so the two never
// lie on top of each other; both memos look alike.
TEST(WireGaugeEdges, AStartShowsTheChartOfItsUnitSystemOnly) {
  for (bool metric : {false, true}) {
    SCOPED_TRACE(metric ? "Metric" : "Imperial");
    TestProgram t(SettingsStart(8, metric, false));
    EXPECT_TRUE(t.showing("GroupBox11"));
    EXPECT_EQ(t.showing("GroupBox19"), !metric);
    EXPECT_EQ(t.showing("GroupBox46"), metric);
  }
  TestProgram t;
  const Control& metric = t.control("Memo4");
  const Control& imperial = t.control("Memo2");
  EXPECT_EQ(metric.color(), imperial.color());
  EXPECT_EQ(metric.font().color, imperial.font().color);
  EXPECT_EQ(metric.font().bold, imperial.font().bold);
  EXPECT_EQ(metric.bounds().left, imperial.bounds().left);
  EXPECT_EQ(metric.bounds().width, imperial.bounds().width);
}

TEST(WireGaugeEdges, ChartsReadTheSameInCommaMode) {
  TestProgram point;
  TestProgram comma(DecimalStart(true));
  OpenCalculator(point, "Mechanical1", true);
  OpenCalculator(comma, "Mechanical1", true);
  for (const char* memo : {"Memo1", "Memo2", "Memo4"}) EXPECT_EQ(memoLines(point, memo), memoLines(comma, memo)) << memo;
}

TEST(WireGaugeEdges, ActivationLeavesOnlyTheUnitsSwitchAndSolves) {
  TestProgram t;
  t.chooseMenu("Mechanical1");
  EXPECT_EQ(t.main().CurrentCalculator, 8);
  EXPECT_TRUE(t.showing("GroupBox11"));
  EXPECT_TRUE(t.enabled("RadioGroup6"));
  EXPECT_TRUE(t.enabled("Button1"));
  for (const char* off : {"RadioGroup1", "RadioGroup3", "RadioGroup4", "RadioGroup5", "ComboBox1", "Edit1", "Edit2"})
    EXPECT_FALSE(t.enabled(off)) << off;
  // 302.286 Amps = 460^2 / 700, the largest.
  ExpectTexts(t, {{"ComboBox3", "4/0"}, {"Edit102", "380 Amps"}, {"Edit141", "302.286 Amps"}});
  EXPECT_EQ(t.setting("Program"), "8");
}

// ---------------------------------------------------------------------------
// Drill chart: number drills 97 .. 1, then letter drills A .. Z.

// Inch text "0.0225" -> ten-thousandths 225.
long tenThousandths(const std::string& inches) {
  const auto point = inches.find('.');
  std::string digits = inches.substr(point + 1);
  digits.resize(4, '0');
  return std::stol(inches.substr(0, point)) * 10000 + std::stol(digits);
}

// Inches x 25.4 in units of 1e-5 mm, rounded half up to `decimals` and
// written without trailing zeros beyond them.
std::string millimetres(long tenThousandthsInch, int decimals) {
  long exact = tenThousandthsInch * 254;  // 1e-5 mm
  long unit = 1;
  for (int i = decimals; i < 5; ++i) unit *= 10;
  long rounded = (exact + unit / 2) / unit;
  long scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  std::string frac = std::to_string(rounded % scale);
  frac.insert(0, static_cast<size_t>(decimals) - frac.size(), '0');
  return std::to_string(rounded / scale) + "." + frac;
}

TEST(DrillChart, EveryLineIsItsDrillWithTheMillimetresOfItsInches) {
  TestProgram t;
  OpenCalculator(t, "Mechanical1");
  const auto lines = memoLines(t, "Memo1");
  ASSERT_EQ(lines.size(), 123u);
  std::vector<std::string> names;
  for (int n = 97; n >= 1; --n) names.push_back(std::to_string(n));
  for (char c = 'A'; c <= 'Z'; ++c) names.emplace_back(1, c);

  long previous = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const auto tab1 = line.find('\t');
    const auto tab2 = line.find('\t', tab1 + 1);
    ASSERT_NE(tab2, std::string::npos) << line;
    const std::string name = line.substr(0, tab1);
    const std::string inches = line.substr(tab1 + 1, tab2 - tab1 - 1);
    const std::string mm = line.substr(tab2 + 1);
    EXPECT_EQ(name, names[i]);
    const long inch = tenThousandths(inches);
    EXPECT_GT(inch, previous) << line;  // the drills grow down the chart
    previous = inch;
    std::string expected;
    if (i < 10) {  // "97" .. "88": exact, trailing zeros dropped
      expected = millimetres(inch, 5);
      while (expected.back() == '0') expected.pop_back();
    } else if (i < 17) {
      expected = millimetres(inch, 4);
    } else if (name == "X" || name == "Y" || name == "Z") {
      expected = millimetres(inch, 2);
    } else {
      expected = millimetres(inch, 3);
    }
    EXPECT_EQ(mm, expected) << line;
  }
  // Lines the drill standard fixes.
  for (const char* line : {"97\t0.0059\t0.14986", "93\t0.0075\t0.1905", "87\t0.0100\t0.2540", "80\t0.0135\t0.343",
                           "78\t0.016\t0.406", "74\t0.0225\t0.572", "69\t0.0292\t0.742", "1\t0.228\t5.791",
                           "A\t0.234\t5.944", "X\t0.397\t10.08", "Z\t0.413\t10.49"})
    EXPECT_NE(std::find(lines.begin(), lines.end(), line), lines.end()) << line;
}

// ---------------------------------------------------------------------------
// Metric screw threads: size, outside diameter in mm and in inches.

TEST(MetricThreadChart, EighteenSizesWithTheirInchDiameters) {
  TestProgram t;
  OpenCalculator(t, "Mechanical1", true);
  const std::vector<std::vector<std::string>> expected = {
      {"M1.6", "1.6mm", "0.063\""}, {"M1.8", "1.8mm", "0.071\""}, {"M2.0", "2.0mm", "0.078\""},
      {"M3.0", "3.0mm", "0.118\""}, {"M3.5", "3.5mm", "0.138\""}, {"M4.0", "4.0mm", "0.157\""},
      {"M5.0", "5.0mm", "0.197\""}, {"M6.0", "6.0mm", "0.236\""}, {"M7.0", "7.0mm", "0.275\""},
      {"M8.0", "8.0mm", "0.315\""}, {"M10", "10mm", "0.394\""},   {"M12", "12mm", "0.472\""},
      {"M14", "14mm", "0.551\""},   {"M16", "16mm", "0.630\""},   {"M18", "18mm", "0.708\""},
      {"M20", "20mm", "0.787\""},   {"M21", "21mm", "0.827\""},   {"M22", "22mm", "0.866\""}};
  const auto lines = memoLines(t, "Memo4");
  ASSERT_EQ(lines.size(), expected.size());
  for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(words(lines[i]), expected[i]) << lines[i];
  // The user may type into this chart, not into the other two.
  EXPECT_FALSE(t.form().get<Memo>("Memo4").readOnly());
  EXPECT_TRUE(t.form().get<Memo>("Memo1").readOnly());
  EXPECT_TRUE(t.form().get<Memo>("Memo2").readOnly());
}

// ---------------------------------------------------------------------------
// Imperial screw threads: the Unified limits of size of classes 2A and 3A.

double inches(const std::string& text) {
  // Four-decimal inch texts; integer arithmetic keeps the comparisons exact.
  return static_cast<double>(tenThousandths(text)) / 10000.0;
}

TEST(ImperialThreadChart, EverySizeFollowsTheUnifiedThreadRules) {
  TestProgram t;
  OpenCalculator(t, "Mechanical1");
  const std::vector<std::string> sizes = {"0-80",  "1-64",   "1-72",   "2-56",    "2-64",    "3-48",   "3-56",
                                          "4-40",  "4-48",   "5-40",   "5-44",    "6-32",    "6-40",   "8-32",
                                          "8-36",  "10-24",  "10-32",  "1/4-20",  "1/4-28",  "5/16-18", "5/16-24",
                                          "3/8-16", "3/8-24", "7/16-14", "7/16-20"};
  const auto lines = memoLines(t, "Memo2");
  ASSERT_EQ(lines.size(), 50u);
  for (size_t s = 0; s < sizes.size(); ++s) {
    const auto a2 = words(lines[2 * s]);
    const auto a3 = words(lines[2 * s + 1]);
    ASSERT_EQ(a2.size(), 9u) << lines[2 * s];
    ASSERT_EQ(a3.size(), 9u) << lines[2 * s + 1];
    EXPECT_EQ(a2[0], sizes[s]);
    EXPECT_EQ(a3[0], sizes[s]);
    EXPECT_EQ(a2[1], "2A");
    EXPECT_EQ(a3[1], "3A");
    for (size_t c = 2; c < 9; ++c) {
      EXPECT_EQ(a2[c].size(), 6u) << a2[c];  // four decimals
      EXPECT_EQ(a3[c].size(), 6u) << a3[c];
    }
    const long allowance = tenThousandths(a2[2]) - tenThousandths(a2[3]);
    const int tpi = std::stoi(sizes[s].substr(sizes[s].find('-') + 1));
    const double basic = inches(a2[2]);
    const std::string threadSize = sizes[s].substr(0, sizes[s].find('-'));
    // Numbered sizes: 0.060 + 0.013 x number.
    if (threadSize.find('/') == std::string::npos) {
      EXPECT_NEAR(basic, 0.060 + 0.013 * std::stoi(threadSize), 1e-9) << sizes[s];
    }
    EXPECT_EQ(a3[2], a2[2]);  // same basic diameters
    EXPECT_EQ(a3[5], a2[5]);
    // 3A has no allowance: its maxima are the basic sizes.
    EXPECT_EQ(a3[3], a3[2]) << sizes[s];
    EXPECT_EQ(a3[6], a3[5]) << sizes[s];
    // 2A lies one allowance below 3A at every maximum, and at the minimum major.
    EXPECT_EQ(tenThousandths(a2[5]) - tenThousandths(a2[6]), allowance) << sizes[s];
    EXPECT_EQ(tenThousandths(a3[4]) - tenThousandths(a2[4]), allowance) << sizes[s];
    EXPECT_EQ(tenThousandths(a3[8]) - tenThousandths(a2[8]), allowance) << sizes[s];
    EXPECT_GT(allowance, 0) << sizes[s];
    // Basic pitch diameter: D - 0.649519 / n.
    EXPECT_NEAR(inches(a2[5]), basic - 0.649519 / tpi, 0.00005) << sizes[s];
    // Major tolerance: 0.060 x cube root of the pitch squared.
    EXPECT_NEAR(inches(a2[3]) - inches(a2[4]), 0.060 * std::cbrt(1.0 / (tpi * tpi)), 0.00006) << sizes[s];
    // UNR minor diameter: the maximum pitch diameter - 0.577350 / n.
    const double a = static_cast<double>(allowance) / 10000.0;
    EXPECT_NEAR(inches(a2[8]), basic - a - 1.226869 / tpi, 0.00006) << sizes[s];
    EXPECT_NEAR(inches(a3[8]), basic - 1.226869 / tpi, 0.00006) << sizes[s];
    // The 3A pitch tolerance is three quarters of the 2A one.
    const double tol2 = inches(a2[6]) - inches(a2[7]);
    const double tol3 = inches(a3[6]) - inches(a3[7]);
    EXPECT_NEAR(tol3, 0.75 * tol2, 0.00011) << sizes[s];
  }
  // Lines the thread standard fixes.
  const std::vector<std::vector<std::string>> telling = {
      {"0-80", "2A", "0.0600", "0.0595", "0.0563", "0.0519", "0.0514", "0.0496", "0.0442"},
      {"0-80", "3A", "0.0600", "0.0600", "0.0568", "0.0519", "0.0519", "0.0506", "0.0447"},
      {"4-40", "2A", "0.1120", "0.1112", "0.1061", "0.0958", "0.0950", "0.0925", "0.0805"},
      {"1/4-20", "2A", "0.2500", "0.2489", "0.2408", "0.2175", "0.2164", "0.2127", "0.1876"},
      {"1/4-20", "3A", "0.2500", "0.2500", "0.2419", "0.2175", "0.2175", "0.2147", "0.1887"},
      {"7/16-20", "3A", "0.4375", "0.4375", "0.4294", "0.4050", "0.4050", "0.4019", "0.3762"}};
  for (const auto& row : telling) {
    bool found = false;
    for (const auto& line : lines) found = found || words(line) == row;
    EXPECT_TRUE(found) << row[0] << " " << row[1];
  }
}

}  // namespace
}  // namespace cq::test
