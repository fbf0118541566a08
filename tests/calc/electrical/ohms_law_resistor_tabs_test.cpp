// The Ohm's Law resistor tabs as a user drives them: LED bias, resistors in
// series and in parallel, the PI and T pads. Expected texts are worked out
// with python3 from the formulas, rounded to each box's decimals.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls.h"
#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

enum Tab { kLed = 0, kSeries = 1, kParallel = 2, kPiPad = 3, kTPad = 4 };

void OpenTab(TestProgram& t, int tab) {
  OpenCalculator(t, "OhmsLaw1");
  static_cast<TabControl&>(t.control("TabControl3")).userSelect(tab);
  t.takeMessages();
  t.takeSolves();
}

Texts InMode(Texts texts, bool comma) {
  if (comma)
    for (auto& [name, text] : texts) text = WithComma(text);
  return texts;
}

std::vector<Message> Error(const std::string& text) { return {ErrorBox(text)}; }

struct TabDefaults {
  int tab;
  Texts texts;
};

TEST(OhmsLawResistorTabs, EveryTabsDefaultsInBothDecimalModes) {
  const TabDefaults cases[] = {
      // (12 - 2) V / 10 mA = 1000 ohm; 10 V x 0.01 A = 0.1 W.
      {kLed, {{"Edit237", "1000.0"}, {"Edit299", "0.1000"}, {"Label56", "N/A"}, {"Label320", "N/A"}}},
      // 5 V over 2 x 330 ohm: 0.00757576 A, 2.5 V and 0.018939 W each.
      {kSeries,
       {{"Label55", "Total Resistance"}, {"Label56", "660.000 Ohm's"}, {"Label319", "Series Current"},
        {"Label320", "0.00757576 Amps"}, {"Edit262", "2.5000"}, {"Edit301", "0.0189"}, {"Edit263", "2.5000"},
        {"Edit302", "0.0189"}, {"Edit266", "V"}}},
      // 5 V across 2 x 330 ohm: 165 ohm, 0.030303 A, 0.015152 A and 0.075758 W each.
      {kParallel,
       {{"Label56", "165.0000 Ohm's"}, {"Label319", "Total Current"}, {"Label320", "0.03030303 Amps"},
        {"Edit319", "0.0152"}, {"Edit327", "0.0758"}, {"Edit320", "0.0152"}, {"Edit328", "0.0758"},
        {"Edit323", "A"}}},
      // 3 dB between 50 and 50 ohm.
      {kPiPad,
       {{"Edit283", "292.40 Ohms"}, {"Edit284", "292.40 Ohms"}, {"Edit285", "17.61 Ohms"}, {"Label56", "N/A"},
        {"Label320", "N/A"}}},
      {kTPad, {{"Edit295", "8.55 Ohms"}, {"Edit296", "8.55 Ohms"}, {"Edit297", "141.93 Ohms"}, {"Label56", "N/A"}}},
  };
  for (bool comma : {false, true}) {
    for (const TabDefaults& c : cases) {
      SCOPED_TRACE("tab " + std::to_string(c.tab) + (comma ? " comma" : " point"));
      TestProgram t(DecimalStart(comma));
      OpenTab(t, c.tab);
      ExpectTexts(t, InMode(c.texts, comma));
      EXPECT_TRUE(t.takeMessages().empty());
    }
  }
}

struct LedDirection {
  bool checked;
  const char* thirdCaption;
  const char* thirdText;
  const char* thirdHint;
  int thirdUnitWidth, thirdUnitLeft;
  const char* thirdUnit;
  const char* resultCaption;
  const char* resultHint;
  int resultUnitWidth, resultUnitLeft;
  const char* resultUnit;
  const char* result;  // from 12 V, 2 V and the reset third input
  const char* watts;
};

TEST(OhmsLawResistorTabs, TheLedCheckBoxRelabelsAndResetsTheThirdInput) {
  const LedDirection cases[] = {
      // 10 V / 1000 ohm = 10 mA; 10 V x 10 mA = 0.1 W.
      {true, "Resistor Value", "1000", "Enter the desired LED resistor value.", 57, 86, "Ohms", "LED Current",
       "Calculated LED current based on inputs.", 33, 282, "mA", "10.0", "0.1000"},
      {false, "LED Current", "10", "Enter the desired LED current.", 33, 106, "mA", "Resistor Value",
       "Calculated resistor value based on inputs.", 57, 262, "Ohms", "1000.0", "0.1000"},
  };
  TestProgram t;
  OpenTab(t, kLed);
  for (const LedDirection& c : cases) {
    SCOPED_TRACE(c.checked ? "checked" : "unchecked");
    t.type("Edit239", "47");  // lost when the direction changes
    t.click("CheckBox6");
    ExpectTexts(t, {{"Label305", c.thirdCaption}, {"Edit239", c.thirdText}, {"Edit243", c.thirdUnit},
                    {"Label303", c.resultCaption}, {"Edit240", c.resultUnit}, {"Edit237", c.result},
                    {"Edit299", c.watts}});
    EXPECT_EQ(t.control("Edit239").hint(), c.thirdHint);
    EXPECT_EQ(t.control("Edit237").hint(), c.resultHint);
    EXPECT_EQ(t.control("Edit243").bounds().width, c.thirdUnitWidth);
    EXPECT_EQ(t.control("Edit243").bounds().left, c.thirdUnitLeft);
    EXPECT_EQ(t.control("Edit240").bounds().width, c.resultUnitWidth);
    EXPECT_EQ(t.control("Edit240").bounds().left, c.resultUnitLeft);
    EXPECT_EQ(t.takeSolves(), 1);
  }
}

TEST(OhmsLawResistorTabs, LedBiasEdgeCases) {
  TestProgram t;
  OpenTab(t, kLed);
  // 9 V, 3.3 V, 20 mA: 5.7 / 0.02 = 285 ohm, 5.7 x 0.02 = 0.114 W.
  EnterAll(t, {{"Edit236", "9"}, {"Edit238", "3.3"}, {"Edit239", "20"}});
  ExpectTexts(t, {{"Edit237", "285.0"}, {"Edit299", "0.1140"}});
  // Below the forward voltage the resistor turns negative: -0.5 V / 10 mA.
  EnterAll(t, {{"Edit236", "1.5"}, {"Edit238", "2"}, {"Edit239", "10"}});
  ExpectTexts(t, {{"Edit237", "-50.0"}, {"Edit299", "-0.0050"}});
  EXPECT_TRUE(t.takeMessages().empty());
  Enter(t, "Edit239", "0");
  EXPECT_EQ(t.takeMessages(), Error("Floating point division by zero"));
  ExpectTexts(t, {{"Edit237", "-50.0"}, {"Edit299", "-0.0050"}});
  // Solving for the current through 470 ohm: 5.7 V / 470 = 12.128 mA, 0.069128 W.
  t.click("CheckBox6");
  t.takeMessages();
  EnterAll(t, {{"Edit236", "9"}, {"Edit238", "3.3"}, {"Edit239", "470"}});
  ExpectTexts(t, {{"Edit237", "12.1"}, {"Edit299", "0.0691"}});
  EnterAll(t, {{"Edit236", "2"}, {"Edit238", "2"}, {"Edit239", "0"}});
  EXPECT_EQ(t.takeMessages(), Error("Invalid floating point operation"));
  ExpectTexts(t, {{"Edit237", "12.1"}});
}

// The boxes of one resistor row, input side and result side.
std::vector<std::string> SeriesRow(int k) {
  static const std::vector<std::vector<std::string>> rows = {
      {"Label311", "Edit253", "Edit260", "Label315", "Edit262", "Edit266", "Edit301", "Edit305"},
      {"Label312", "Edit254", "Edit259", "Label316", "Edit263", "Edit267", "Edit302", "Edit306"},
      {"Label313", "Edit255", "Edit258", "Label317", "Edit264", "Edit268", "Edit303", "Edit307"},
      {"Label314", "Edit256", "Edit257", "Label318", "Edit265", "Edit269", "Edit304", "Edit308"}};
  return rows[static_cast<std::size_t>(k)];
}
std::vector<std::string> ParallelRow(int k) {
  static const std::vector<std::vector<std::string>> rows = {
      {"Label283", "Edit310", "Edit317", "Label345", "Edit319", "Edit323", "Edit327", "Edit331"},
      {"Label342", "Edit311", "Edit316", "Label346", "Edit320", "Edit324", "Edit328", "Edit332"},
      {"Label343", "Edit312", "Edit315", "Label347", "Edit321", "Edit325", "Edit329", "Edit333"},
      {"Label344", "Edit313", "Edit314", "Label348", "Edit322", "Edit326", "Edit330", "Edit334"}};
  return rows[static_cast<std::size_t>(k)];
}

struct CountCase {
  int item;                  // the count radio's item: 2, 3 or 4 resistors
  const char* total;         // Label56
  const char* current;       // Label320
  std::vector<Texts> rows;   // result texts of the shown rows
};

struct NetworkCase {
  int tab;
  const char* countRadio;
  const char* voltage;
  std::vector<std::string> (*row)(int);
  std::vector<CountCase> counts;
};

// 12 V over 100, 220, 470 and 1000 ohm (python3: Rt, I = V / Rt, Vk = Rk I,
// Pk = Vk I in series; Ik = V / Rk, Pk = V Ik in parallel).
TEST(OhmsLawResistorTabs, TheCountRadioShowsWholeRowsAndSumsOnlyThem) {
  const NetworkCase cases[] = {
      {kSeries, "RadioGroup16", "Edit252", SeriesRow,
       {{1, "790.000 Ohm's", "0.01518987 Amps",
         {{{"Edit262", "1.5190"}, {"Edit301", "0.0231"}},
          {{"Edit263", "3.3418"}, {"Edit302", "0.0508"}},
          {{"Edit264", "7.1392"}, {"Edit303", "0.1084"}}}},
        {2, "1790.000 Ohm's", "0.00670391 Amps",
         {{{"Edit262", "0.6704"}, {"Edit301", "0.0045"}},
          {{"Edit263", "1.4749"}, {"Edit302", "0.0099"}},
          {{"Edit264", "3.1508"}, {"Edit303", "0.0211"}},
          {{"Edit265", "6.7039"}, {"Edit304", "0.0449"}}}},
        {0, "320.000 Ohm's", "0.03750000 Amps",
         {{{"Edit262", "3.7500"}, {"Edit301", "0.1406"}}, {{"Edit263", "8.2500"}, {"Edit302", "0.3094"}}}}}},
      {kParallel, "RadioGroup23", "Edit309", ParallelRow,
       {{1, "59.9768 Ohm's", "0.20007737 Amps",
         {{{"Edit319", "0.1200"}, {"Edit327", "1.4400"}},
          {{"Edit320", "0.0545"}, {"Edit328", "0.6545"}},
          {{"Edit321", "0.0255"}, {"Edit329", "0.3064"}}}},
        {2, "56.5831 Ohm's", "0.21207737 Amps",
         {{{"Edit319", "0.1200"}, {"Edit327", "1.4400"}},
          {{"Edit320", "0.0545"}, {"Edit328", "0.6545"}},
          {{"Edit321", "0.0255"}, {"Edit329", "0.3064"}},
          {{"Edit322", "0.0120"}, {"Edit330", "0.1440"}}}},
        {0, "68.7500 Ohm's", "0.17454545 Amps",
         {{{"Edit319", "0.1200"}, {"Edit327", "1.4400"}}, {{"Edit320", "0.0545"}, {"Edit328", "0.6545"}}}}}},
  };
  const char* values[] = {"100", "220", "470", "1000"};
  for (const NetworkCase& n : cases) {
    TestProgram t;
    OpenTab(t, n.tab);
    // The hidden rows take input once they show; fill them first.
    t.selectRadio(n.countRadio, 2);
    for (int k = 0; k < 4; ++k) t.type(n.row(k)[1], values[k]);
    Enter(t, n.voltage, "12");
    t.takeSolves();
    for (const CountCase& c : n.counts) {
      SCOPED_TRACE("tab " + std::to_string(n.tab) + " item " + std::to_string(c.item));
      t.selectRadio(n.countRadio, c.item);
      EXPECT_EQ(t.takeSolves(), 1);
      ExpectTexts(t, {{"Label56", c.total}, {"Label320", c.current}});
      for (int k = 0; k < 4; ++k)
        for (const std::string& part : n.row(k))
          EXPECT_EQ(t.showing(part), k < static_cast<int>(c.rows.size())) << part;
      for (const Texts& row : c.rows) ExpectTexts(t, row);
    }
    // Hidden rows keep their texts.
    t.selectRadio(n.countRadio, 2);
    ExpectTexts(t, {{n.row(3)[1], "1000"}});
    EXPECT_TRUE(t.takeMessages().empty());
  }
}

TEST(OhmsLawResistorTabs, AHiddenRowIsStillRead) {
  struct Network {
    int tab;
    const char* radio;
    std::vector<std::string> (*row)(int);
  };
  for (const auto& [tab, radio, row] : {Network{kSeries, "RadioGroup16", SeriesRow},
                                        Network{kParallel, "RadioGroup23", ParallelRow}}) {
    SCOPED_TRACE(radio);
    TestProgram t;
    OpenTab(t, tab);
    t.selectRadio(radio, 2);
    Enter(t, row(3)[1], "4k7");
    EXPECT_EQ(t.takeMessages(), Error("'4k7' is not a valid floating point value"));
    t.selectRadio(radio, 0);
    EXPECT_FALSE(t.showing(row(3)[1]));
    EXPECT_EQ(t.takeMessages(), Error("'4k7' is not a valid floating point value"));
  }
}

TEST(OhmsLawResistorTabs, ZeroResistanceTrapsAfterWhatWasAlreadyShown) {
  {
    TestProgram t;
    OpenTab(t, kSeries);
    // 330 + (-330) = 0: the total is shown, then 5 V / 0 traps.
    Enter(t, "Edit254", "-330");
    EXPECT_EQ(t.takeMessages(), Error("Floating point division by zero"));
    ExpectTexts(t, {{"Label56", "0.000 Ohm's"}, {"Label320", "0.00757576 Amps"}, {"Edit262", "2.5000"}});
  }
  TestProgram t(CommaStart());
  OpenTab(t, kParallel);
  Enter(t, "Edit311", "0");
  EXPECT_EQ(t.takeMessages(), Error("Floating point division by zero"));
  // The panel above cleared the total before the tab trapped.
  ExpectTexts(t, {{"Label56", "N/A"}, {"Edit319", "0,0152"}, {"Edit320", "0,0152"}});
}

struct PadCase {
  const char* zin;
  const char* zout;
  const char* db;
  const char* r1;  // the row at Zin
  const char* r2;  // the row at Zout
  const char* r3;
};

struct PadBoxes {
  int tab;
  const char *attenuation, *zin, *zout, *larger, *smaller, *third;
  std::vector<PadCase> cases;
};

const char* BoxAtTop(TestProgram& t, const PadBoxes& p, int top) {
  if (t.control(p.larger).bounds().top == top) return p.larger;
  if (t.control(p.smaller).bounds().top == top) return p.smaller;
  return "(none)";
}

// python3 from the pad formulas; rows in the order Zin, Zout, third.
TEST(OhmsLawResistorTabs, PadsPlaceEachResistorInTheRowOfItsSide) {
  const PadBoxes pads[] = {
      {kPiPad, "Edit288", "Edit281", "Edit282", "Edit283", "Edit284", "Edit285",
       {{"75", "50", "10", "207.43 Ohms", "77.11 Ohms", "87.14 Ohms"},
        {"50", "75", "10", "77.11 Ohms", "207.43 Ohms", "87.14 Ohms"},
        // Below the 75:50 minimum loss the 75-ohm shunt turns negative.
        {"75", "50", "3", "-160.62 Ohms", "72.27 Ohms", "21.57 Ohms"},
        {"50", "75", "3", "72.27 Ohms", "-160.62 Ohms", "21.57 Ohms"},
        {"50", "50", "3", "292.40 Ohms", "292.40 Ohms", "17.61 Ohms"}}},
      {kTPad, "Edit290", "Edit292", "Edit294", "Edit295", "Edit296", "Edit297",
       {{"75", "50", "10", "48.63 Ohms", "18.08 Ohms", "43.03 Ohms"},
        {"50", "75", "10", "18.08 Ohms", "48.63 Ohms", "43.03 Ohms"},
        {"75", "50", "3", "51.89 Ohms", "-23.35 Ohms", "173.82 Ohms"},
        {"50", "75", "3", "-23.35 Ohms", "51.89 Ohms", "173.82 Ohms"},
        // A zero impedance is no error on a T pad: the shunt is 0.
        {"50", "0", "6", "83.54 Ohms", "0.00 Ohms", "0.00 Ohms"}}},
  };
  for (const PadBoxes& p : pads) {
    TestProgram t;
    OpenTab(t, p.tab);
    for (const PadCase& c : p.cases) {
      SCOPED_TRACE("tab " + std::to_string(p.tab) + " " + c.zin + "/" + c.zout + " " + c.db + " dB");
      EnterAll(t, {{p.zin, c.zin}, {p.zout, c.zout}, {p.attenuation, c.db}});
      EXPECT_TRUE(t.takeMessages().empty());
      const bool zinLarger = std::stod(c.zin) >= std::stod(c.zout);
      const char* r1Box = zinLarger ? p.larger : p.smaller;
      const char* r2Box = zinLarger ? p.smaller : p.larger;
      EXPECT_STREQ(BoxAtTop(t, p, 40), r1Box);
      EXPECT_STREQ(BoxAtTop(t, p, 96), r2Box);
      EXPECT_EQ(t.control(p.third).bounds().top, 152);
      ExpectTexts(t, {{r1Box, c.r1}, {r2Box, c.r2}, {p.third, c.r3}});
      EXPECT_EQ(t.control(r1Box).hint(), "R1 value based on inputs.");
      EXPECT_EQ(t.control(r2Box).hint(), "R2 value based on inputs.");
    }
  }
}

TEST(OhmsLawResistorTabs, PadDivisionsByZeroKeepTheLastResults) {
  struct Case {
    int tab;
    const char* field;
    const char* text;
    const char* error;
    Texts kept;
  };
  const Case cases[] = {
      {kPiPad, "Edit281", "0", "Floating point division by zero", {{"Edit283", "292.40 Ohms"}}},
      // Matched and flat: 0 / 0.
      {kPiPad, "Edit288", "0", "Invalid floating point operation", {{"Edit285", "17.61 Ohms"}}},
      {kTPad, "Edit290", "0", "Floating point division by zero", {{"Edit297", "141.93 Ohms"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    TestProgram t;
    OpenTab(t, c.tab);
    Enter(t, c.field, c.text);
    EXPECT_EQ(t.takeMessages(), Error(c.error));
    ExpectTexts(t, c.kept);
  }
}

TEST(OhmsLawResistorTabs, ANegativeImpedanceGivesTheRootsDomainBoxAndNoNumbers) {
  // Every square root of a negative ratio or product reports once and goes
  // on with "not a number": two roots on the PI pad, one on the T pad.
  const struct {
    int tab;
    const char* zout;
    int roots;
    std::vector<std::string> results;
  } cases[] = {{kPiPad, "Edit282", 2, {"Edit283", "Edit284", "Edit285"}},
               {kTPad, "Edit294", 1, {"Edit295", "Edit296", "Edit297"}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.zout);
    TestProgram t;
    OpenTab(t, c.tab);
    Enter(t, c.zout, "-50");
    const Message domain{Message::Kind::MathError, "sqrt: DOMAIN error", "cirquet"};
    EXPECT_EQ(t.takeMessages(), std::vector<Message>(static_cast<std::size_t>(c.roots), domain));
    for (const std::string& box : c.results) EXPECT_EQ(t.text(box), "+NAN Ohms") << box;
  }
}

TEST(OhmsLawResistorTabs, AnEirFailureKeepsTheTabFromSolving) {
  TestProgram t;
  OpenTab(t, kSeries);
  t.selectRadio("RadioGroup13", 1);  // amps from volts and ohms
  Enter(t, "Edit246", "0");
  t.takeMessages();
  Enter(t, "Edit252", "10");
  EXPECT_EQ(t.takeMessages(), Error("Floating point division by zero"));
  ExpectTexts(t, {{"Label320", "0.00757576 Amps"}, {"Edit262", "2.5000"}});
  // Once the panel solves again the tab follows: 10 V / 660 ohm.
  Enter(t, "Edit246", "12");
  EXPECT_TRUE(t.takeMessages().empty());
  ExpectTexts(t, {{"Label320", "0.01515152 Amps"}, {"Edit262", "5.0000"}});
}

TEST(OhmsLawResistorTabs, TheCurrentCaptionStaysWhereNoTabWritesIt) {
  TestProgram t;
  OpenTab(t, kParallel);
  for (int tab : {kPiPad, kLed, kTPad}) {
    static_cast<TabControl&>(t.control("TabControl3")).userSelect(tab);
    ExpectTexts(t, {{"Label319", "Total Current"}, {"Label55", "Total Resistance"}, {"Label56", "N/A"},
                    {"Label320", "N/A"}});
  }
  static_cast<TabControl&>(t.control("TabControl3")).userSelect(kSeries);
  ExpectTexts(t, {{"Label319", "Series Current"}});
}

}  // namespace
}  // namespace cq::test
