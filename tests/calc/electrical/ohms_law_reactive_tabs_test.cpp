// The capacitor and inductor tabs of the Ohm's Law page as a user drives
// them: totals, the count and unit radios, the shared total-unit suffix and
// the error boxes.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

constexpr int kCSeries = 5, kCParallel = 6, kLSeries = 7, kLParallel = 8;

struct TabNames {
  int tab;
  const char* count;
  const char* units;
  std::array<std::array<const char*, 3>, 4> rows;  // caption, input, unit box
  const char* total;
};

const TabNames kTabs[] = {
    {kCSeries, "RadioGroup25", "RadioGroup26",
     {{{"Label278", "Edit346", "Edit353"}, {"Label282", "Edit347", "Edit352"}, {"Label286", "Edit348", "Edit351"},
       {"Label297", "Edit349", "Edit350"}}},
     "Edit354"},
    {kCParallel, "RadioGroup27", "RadioGroup28",
     {{{"Label364", "Edit356", "Edit363"}, {"Label365", "Edit357", "Edit362"}, {"Label366", "Edit358", "Edit361"},
       {"Label367", "Edit359", "Edit360"}}},
     "Edit364"},
    {kLSeries, "RadioGroup29", "RadioGroup30",
     {{{"Label369", "Edit366", "Edit373"}, {"Label370", "Edit367", "Edit372"}, {"Label371", "Edit368", "Edit371"},
       {"Label372", "Edit369", "Edit370"}}},
     "Edit374"},
    {kLParallel, "RadioGroup31", "RadioGroup32",
     {{{"Label374", "Edit376", "Edit383"}, {"Label375", "Edit377", "Edit382"}, {"Label376", "Edit378", "Edit381"},
       {"Label377", "Edit379", "Edit380"}}},
     "Edit384"},
};

const TabNames& Names(int tab) { return kTabs[tab - kCSeries]; }

void SelectOhmsTab(TestProgram& t, int tab) { static_cast<TabControl&>(t.control("TabControl3")).userSelect(tab); }

// The Ohm's Law page on one of these tabs, its solves and messages forgotten.
void OpenTab(TestProgram& t, int tab) {
  OpenCalculator(t, "OhmsLaw1");
  SelectOhmsTab(t, tab);
  t.takeSolves();
  t.takeMessages();
}

void ExpectTotal(TestProgram& t, int tab, const std::string& text) {
  ExpectTexts(t, {{Names(tab).total, text}, {"Label56", text}});
}

TEST(OhmsLawReactiveTabs, DefaultsOnEachTab) {
  struct Case {
    int tab;
    const char* caption;
    const char* total;
  };
  // Two values of 330: 1 / (2/330) = 165, 330 + 330 = 660.
  const Case cases[] = {{kCSeries, "Total Capacitance", "165.0000 uF"},
                        {kCParallel, "Total Capacitance", "660.0000 uF"},
                        {kLSeries, "Total Inductance", "660.0000 mH"},
                        {kLParallel, "Total Inductance", "165.0000 mH"}};
  TestProgram t;
  OpenCalculator(t, "OhmsLaw1");
  for (const Case& c : cases) {
    SelectOhmsTab(t, c.tab);
    ExpectTotal(t, c.tab, c.total);
    ExpectTexts(t, {{"Label55", c.caption}, {"Label319", "Series Current"}, {"Label320", "N/A"}});
    EXPECT_EQ(t.takeSolves(), 1) << c.tab;
  }
  EXPECT_TRUE(t.takeMessages().empty());
}

TEST(OhmsLawReactiveTabs, CountThreeAndFourAddTheShownRows) {
  TestProgram t;
  OpenTab(t, kCSeries);
  t.selectRadio("RadioGroup25", 1);
  ExpectTotal(t, kCSeries, "110.0000 uF");  // 330 / 3
  EXPECT_EQ(t.takeSolves(), 1);
  SelectOhmsTab(t, kCParallel);
  t.selectRadio("RadioGroup27", 1);
  ExpectTotal(t, kCParallel, "990.0000 uF");  // 3 x 330
  // Four inductors in parallel, 1 / (1/100 + 1/200 + 1/400 + 1/400) = 50.
  SelectOhmsTab(t, kLParallel);
  t.selectRadio("RadioGroup31", 2);
  EnterAll(t, {{"Edit376", "100"}, {"Edit377", "200"}, {"Edit378", "400"}, {"Edit379", "400"}});
  ExpectTotal(t, kLParallel, "50.0000 mH");
  // Back to two: 1 / (1/100 + 1/200) = 66.66667; rows 3 and 4 keep their texts.
  t.selectRadio("RadioGroup31", 0);
  ExpectTotal(t, kLParallel, "66.6667 mH");
  ExpectTexts(t, {{"Edit378", "400"}, {"Edit379", "400"}});
}

TEST(OhmsLawReactiveTabs, CountRadiosShowAndHideRows) {
  // Rows shown for items "2", "3", "4".
  const std::array<std::array<bool, 4>, 3> shown = {{{true, true, false, false},
                                                     {true, true, true, false},
                                                     {true, true, true, true}}};
  TestProgram t;
  for (const TabNames& names : kTabs) {
    OpenTab(t, names.tab);
    for (int item : {2, 1, 0}) {
      t.selectRadio(names.count, item);
      for (std::size_t row = 0; row < 4; ++row)
        for (const char* part : names.rows[row])
          EXPECT_EQ(t.showing(part), shown[static_cast<std::size_t>(item)][row])
              << names.count << " item " << item << " " << part;
    }
  }
}

TEST(OhmsLawReactiveTabs, UnitRadiosRelabelWithoutConverting) {
  struct Case {
    int tab;
    int item;
    const char* unit;
    const char* total;
  };
  const Case cases[] = {{kCSeries, 1, "nF", "165.0000 nF"},   {kCSeries, 2, "pF", "165.0000 pF"},
                        {kCParallel, 2, "pF", "660.0000 pF"}, {kLSeries, 1, "uH", "660.0000 uH"},
                        {kLParallel, 2, "nH", "165.0000 nH"}, {kLParallel, 0, "mH", "165.0000 mH"}};
  TestProgram t;
  OpenCalculator(t, "OhmsLaw1");
  for (const Case& c : cases) {
    const TabNames& names = Names(c.tab);
    SelectOhmsTab(t, c.tab);
    t.takeSolves();
    t.selectRadio(names.units, c.item);
    EXPECT_EQ(t.takeSolves(), 1) << names.units;
    ExpectTotal(t, c.tab, c.total);
    for (const auto& row : names.rows) ExpectTexts(t, {{row[1], "330"}, {row[2], c.unit}});
  }
}

TEST(OhmsLawReactiveTabs, TheSuffixFollowsTheTabSolvedLast) {
  TestProgram t;
  OpenTab(t, kCSeries);
  t.selectRadio("RadioGroup26", 2);
  ExpectTotal(t, kCSeries, "165.0000 pF");
  SelectOhmsTab(t, kLSeries);
  ExpectTotal(t, kLSeries, "660.0000 mH");
  SelectOhmsTab(t, kCSeries);
  ExpectTotal(t, kCSeries, "165.0000 pF");
  // The inductor tab left behind still shows what it showed.
  EXPECT_EQ(t.text("Edit374"), "660.0000 mH");
}

TEST(OhmsLawReactiveTabs, CommaModeTotals) {
  TestProgram t(CommaStart());
  OpenTab(t, kCSeries);
  ExpectTotal(t, kCSeries, "165,0000 uF");
  // 2,5 + 0,25 = 2.75
  SelectOhmsTab(t, kLSeries);
  EnterAll(t, {{"Edit366", "2,5"}, {"Edit367", "0,25"}});
  ExpectTotal(t, kLSeries, "2,7500 mH");
  EXPECT_TRUE(t.takeMessages().empty());
}

TEST(OhmsLawReactiveTabs, NegativeValuesAreTakenAsTyped) {
  TestProgram t;
  OpenTab(t, kCSeries);
  // 1 / (1/330 - 1/110) = -165
  Enter(t, "Edit347", "-110");
  ExpectTotal(t, kCSeries, "-165.0000 uF");
  EXPECT_TRUE(t.takeMessages().empty());
}

TEST(OhmsLawReactiveTabs, AHiddenRowIsStillRead) {
  TestProgram t;
  OpenTab(t, kCParallel);
  t.selectRadio("RadioGroup27", 1);
  Enter(t, "Edit358", "abc");
  t.takeMessages();
  Enter(t, "Edit358", "x1");  // a typo
  t.takeMessages();
  t.selectRadio("RadioGroup27", 0);
  EXPECT_FALSE(t.showing("Edit358"));
  EXPECT_EQ(t.takeMessages(), (std::vector<Message>{ErrorBox("'x1' is not a valid floating point value")}));
  // The solve ended before the total: the box keeps the last good one
  // (3 x 330), the Information row the "N/A" the E-I-R step wrote.
  ExpectTexts(t, {{"Edit364", "990.0000 uF"}, {"Label56", "N/A"}});
}

TEST(OhmsLawReactiveTabs, ZeroInAReciprocalSumIsADivisionByZero) {
  struct Case {
    int tab;
    const char* input;
    const char* before;
    const char* zeroTotal;  // nullptr: the zero divides
  };
  // A zero capacitor in parallel or inductor in series simply adds nothing.
  const Case cases[] = {{kCSeries, "Edit346", "165.0000 uF", nullptr},
                        {kLParallel, "Edit377", "165.0000 mH", nullptr},
                        {kCParallel, "Edit356", "660.0000 uF", "330.0000 uF"},
                        {kLSeries, "Edit367", "660.0000 mH", "330.0000 mH"}};
  for (const Case& c : cases) {
    TestProgram t;
    OpenTab(t, c.tab);
    Enter(t, c.input, "0");
    if (c.zeroTotal == nullptr) {
      EXPECT_EQ(t.takeMessages(), (std::vector<Message>{ErrorBox("Floating point division by zero")})) << c.input;
      ExpectTexts(t, {{Names(c.tab).total, c.before}, {"Label56", "N/A"}});
    } else {
      EXPECT_TRUE(t.takeMessages().empty()) << c.input;
      ExpectTotal(t, c.tab, c.zeroTotal);
    }
    // The E-I-R panel was solved before the tab's block.
    EXPECT_EQ(t.text("Edit244"), "12.0000");
  }
}

}  // namespace
}  // namespace cq::test
