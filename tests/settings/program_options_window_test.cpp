// The Program Options window: opening and closing, every stored choice, the
// IPC method's effects on the calculator pages, manual copper, the etch
// factor and the colour theme.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/calculator_page.h"
#include "app/main_window.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

// The program started, the Program Options window shown the way the
// Conductor Properties button shows it (the main window stays usable).
class OptionsWindow : public ::testing::Test {
 protected:
  explicit OptionsWindow(StartOptions options = {}) : t(std::move(options)) { open(); }
  void open() {
    t.form("Form6").show();
    t.takeSolves();
    t.takeMessages();
  }
  // Every write of one value since the start of the test.
  std::vector<std::string> writesOf(const std::string& name) {
    std::vector<std::string> out;
    for (const auto& [key, value, text] : t.fakes.settings.writes)
      if (value == name) out.push_back(text);
    return out;
  }
  TestProgram t;
};

TEST_F(OptionsWindow, TheThemeListHoldsTheSystemStyleThenTheFourCarriedStyles) {
  EXPECT_EQ(t.items("Form6.cbxVclStyles"),
            (std::vector<std::string>{"Windows", "Charcoal Dark Slate", "Charcoal HiRes", "Slate", "Windows10"}));
  EXPECT_EQ(t.items("Form6.RadioGroup1"), (std::vector<std::string>{"IPC-2152 with modifiers", "IPC-2152 without modifiers",
                                                                    "IPC-2221A (Obsolete for amperage)"}));
  EXPECT_EQ(t.items("Form6.RadioGroup2"), (std::vector<std::string>{"Etch Factor 1:1", "Etch Factor 2:1", "None"}));
}

// The Tools menu disables the main window; each way of closing enables it
// again. Only "Close" solves; the theme choice stores and closes.
TEST(ProgramOptionsOpening, EveryWayOfClosingReenablesTheMainWindowAndOnlyCloseSolves) {
  struct Way {
    const char* what;
    void (*close)(TestProgram&);
    int solves;
  };
  const Way ways[] = {
      {"Close", [](TestProgram& p) { p.click("Form6.Button1"); }, 1},
      {"close box", [](TestProgram& p) { p.closeWindow("Form6"); }, 0},
      {"theme", [](TestProgram& p) { p.selectCombo("Form6.cbxVclStyles", 3); }, 0},
  };
  for (const Way& way : ways) {
    TestProgram p;
    p.chooseMenu("CopperWeight1");
    EXPECT_TRUE(p.form("Form6").visible()) << way.what;
    EXPECT_FALSE(p.form().enabled()) << way.what;
    p.takeSolves();
    way.close(p);
    EXPECT_FALSE(p.form("Form6").visible()) << way.what;
    EXPECT_TRUE(p.form().enabled()) << way.what;
    EXPECT_EQ(p.takeSolves(), way.solves) << way.what;
    EXPECT_TRUE(p.takeMessages().empty()) << way.what;
  }
}

TEST(ProgramOptionsOpening, TheConductorPropertiesButtonLeavesTheMainWindowUsable) {
  TestProgram p;
  p.chooseMenu("ConductorProperties1");
  p.form().control("BitBtn2").setVisible(true);  // shown while solving for the width
  p.click("BitBtn2");
  EXPECT_TRUE(p.form("Form6").visible());
  EXPECT_TRUE(p.form().enabled());
}

TEST_F(OptionsWindow, TheHelpButtonOpensTheOnlineHelpWithoutSolving) {
  t.click("Form6.BitBtn1");
  ASSERT_EQ(t.fakes.shell.opened.size(), 1u);
  // The same page as the Help menu's "Help Topics".
  t.chooseMenu("HelpTopics1");
  ASSERT_EQ(t.fakes.shell.opened.size(), 2u);
  EXPECT_EQ(t.fakes.shell.opened[0].first, t.fakes.shell.opened[1].first);
  EXPECT_EQ(t.fakes.shell.opened[0].first.rfind("https://", 0), 0u);
  EXPECT_EQ(t.takeSolves(), 0);
}

TEST_F(OptionsWindow, ChoosingAThemeSwitchesTheStyleAndStoresItsPosition) {
  t.selectCombo("Form6.cbxVclStyles", 3);
  EXPECT_EQ(t.fakes.styles.active, "Slate");
  EXPECT_EQ(t.setting("Cirquet_Theme"), "3");
  t.form("Form6").show();
  t.selectCombo("Form6.cbxVclStyles", 0);
  EXPECT_EQ(t.fakes.styles.active, "Windows");
  EXPECT_EQ(t.setting("Cirquet_Theme"), "0");
}

struct StoreCase {
  const char* what;
  void (*act)(TestProgram&);
  const char* value;
  const char* stored;
  int solves;
};

// Tests list the case by its name.
void PrintTo(const StoreCase& c, std::ostream* os) { *os << c.what; }

class OptionsStore : public OptionsWindow, public ::testing::WithParamInterface<StoreCase> {};

// Each choice is stored at once; all but manual copper solve.
TEST_P(OptionsStore, StoresTheChoiceAndSolvesAsItsHandlerSays) {
  const StoreCase& c = GetParam();
  c.act(t);
  EXPECT_EQ(t.setting(c.value), c.stored);
  EXPECT_EQ(t.takeSolves(), c.solves);
  EXPECT_TRUE(t.takeMessages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Choices, OptionsStore,
    ::testing::Values(
        StoreCase{"IpcWithoutModifiers", [](TestProgram& p) { p.selectRadio("Form6.RadioGroup1", 1); }, "IPC_Version", "1", 1},
        StoreCase{"Ipc2221", [](TestProgram& p) { p.selectRadio("Form6.RadioGroup1", 2); }, "IPC_Version", "2", 1},
        StoreCase{"EtchTwoToOne", [](TestProgram& p) { p.selectRadio("Form6.RadioGroup2", 1); }, "Derating", "1", 1},
        StoreCase{"EtchNone", [](TestProgram& p) { p.selectRadio("Form6.RadioGroup2", 2); }, "Derating", "2", 1},
        StoreCase{"ManualCopperOn", [](TestProgram& p) { p.click("Form6.CheckBox1"); }, "Manual_Copper_Weight", "1", 0},
        StoreCase{"ManualCopperOff",
                  [](TestProgram& p) {
                    p.click("Form6.CheckBox1");
                    p.click("Form6.CheckBox1");
                  },
                  "Manual_Copper_Weight", "0", 0},
        StoreCase{"ViaHeightDisabled", [](TestProgram& p) { p.click("Form6.CheckBox2"); }, "Via_Height_Enable", "0", 1},
        StoreCase{"ViaHeightCounted",
                  [](TestProgram& p) {
                    p.click("Form6.CheckBox2");
                    p.click("Form6.CheckBox2");
                  },
                  "Via_Height_Enable", "1", 2},
        StoreCase{"ThroughHoleLimit", [](TestProgram& p) { p.type("Form6.Edit1", "12"); }, "TH_Via_AR_Setting", "12", 1},
        StoreCase{"MicroviaLimit", [](TestProgram& p) { p.type("Form6.Edit2", "0.75"); }, "UVia_AR_Setting", "0.75", 1}),
    [](const auto& param) { return std::string(param.param.what); });

// The IPC method and the etch factor are stored before the solves they
// start, so that a failing solve cannot leave the old choice stored.
TEST_F(OptionsWindow, TheIpcMethodAndTheEtchFactorAreStoredBeforeTheirSolves) {
  std::string ipcAtSolve, etchAtSolve;
  t.main().addPreSolveStep([&] {
    ipcAtSolve = t.setting("IPC_Version");
    etchAtSolve = t.setting("Derating");
  });
  t.selectRadio("Form6.RadioGroup1", 2);
  EXPECT_EQ(ipcAtSolve, "2");
  EXPECT_EQ(t.setting("IPC_Version"), "2");
  t.selectRadio("Form6.RadioGroup2", 1);
  EXPECT_EQ(etchAtSolve, "1");
}

struct LimitCase {
  const char* typed;
  const char* stored;
};

// The field keeps the text as typed; the stored text is the number's
// shortest general form.
TEST_F(OptionsWindow, AspectRatioLimitsAreStoredInTheirShortestForm) {
  const LimitCase cases[] = {{"12", "12"}, {"2.50", "2.5"}, {" 7 ", "7"}, {"1e1", "10"}, {".5", "0.5"}, {"10.000", "10"}};
  for (const LimitCase& c : cases) {
    t.type("Form6.Edit1", c.typed);
    EXPECT_EQ(t.text("Form6.Edit1"), c.typed);
    EXPECT_EQ(t.setting("TH_Via_AR_Setting"), c.stored) << c.typed;
  }
}

TEST(ProgramOptionsLimits, WithADecimalCommaTwoCommaFiveIsStoredAsTyped) {
  StartOptions comma;
  comma.decimalSeparator = ",";
  TestProgram t(comma);
  t.form("Form6").show();
  t.type("Form6.Edit1", "2,5");
  EXPECT_EQ(t.setting("TH_Via_AR_Setting"), "2,5");
  t.type("Form6.Edit2", "0,50");
  EXPECT_EQ(t.setting("UVia_AR_Setting"), "0,5");
  EXPECT_TRUE(t.takeMessages().empty());
}

// Retyping digit by digit stores each number on the way; emptying the field
// raises the conversion error, stores nothing and does not solve.
TEST_F(OptionsWindow, EveryKeystrokeStoresAndAnEmptyFieldIsAConversionError) {
  for (const char* text : {"1", "15"}) {
    t.type("Form6.Edit1", text);
    EXPECT_EQ(t.setting("TH_Via_AR_Setting"), text);
  }
  EXPECT_EQ(t.takeSolves(), 2);
  for (const char* bad : {"", "1,5", "x"}) {
    t.type("Form6.Edit1", bad);
    EXPECT_EQ(t.text("Form6.Edit1"), bad);
    EXPECT_EQ(t.setting("TH_Via_AR_Setting"), "15");
    EXPECT_EQ(t.takeSolves(), 0);
    EXPECT_EQ(t.takeMessages(),
              (std::vector<Message>{{Message::Kind::Error, "'" + std::string(bad) + "' is not a valid floating point value", {}}}));
  }
}

// Enter does not solve in the two limit fields and the manual-copper box
// (the change has solved already); other keys reach the control.
TEST_F(OptionsWindow, EnterIsSwallowedInTheLimitFieldsAndTheManualCopperBox) {
  Form& options = t.form("Form6");
  for (const char* name : {"Edit1", "Edit2"}) {
    options.edit(name).userFocus();
    EXPECT_EQ(options.edit(name).userPressEnter(), 0) << name;
    EXPECT_EQ(options.edit(name).userKey('5', '5'), '5') << name;
  }
  EXPECT_EQ(options.checkBox("CheckBox1").userKeyPress('\r'), 0);
  EXPECT_EQ(options.checkBox("CheckBox1").userKeyPress(' '), ' ');
  EXPECT_EQ(t.takeSolves(), 0);
}

// Checking the box shows the manual boxes with the defaults of the unit
// system, whatever they held before; unchecking shows the radios again.
TEST(ManualCopper, CheckingWritesTheDefaultsOfTheUnitSystemOverWhatWasTyped) {
  struct Case {
    const char* separator;
    bool metric;
    const char* base;
    const char* plating;
  };
  const Case cases[] = {{".", false, "0.7", "1.4"}, {",", false, "0,7", "1,4"}, {".", true, "18", "35"}, {",", true, "18", "35"}};
  for (const Case& c : cases) {
    StartOptions options;
    options.decimalSeparator = c.separator;
    TestProgram t(options);
    t.chooseMenu("FuseCurrent1");  // takes both thicknesses
    if (c.metric) t.form().radio("RadioGroup6").setItemIndex(1);
    t.form("Form6").show();
    t.click("Form6.CheckBox1");
    t.type("Edit136", "3");
    t.type("Edit138", "4");
    t.click("Form6.CheckBox1");
    t.click("Form6.CheckBox1");
    EXPECT_EQ(t.text("Edit136"), c.base) << c.separator << c.metric;
    EXPECT_EQ(t.text("Edit138"), c.plating) << c.separator << c.metric;
  }
}

TEST_F(OptionsWindow, ADecimalModeThatIsNeitherLeavesTheImperialBoxesAlone) {
  t.chooseMenu("FuseCurrent1");
  t.form().label("Label165").setCaption("Label165");
  t.form().edit("Edit136").setText("3");
  t.form().edit("Edit138").setText("4");
  t.click("Form6.CheckBox1");
  EXPECT_TRUE(t.showing("GroupBox31"));
  EXPECT_TRUE(t.showing("GroupBox32"));
  EXPECT_EQ(t.text("Edit136"), "3");
  EXPECT_EQ(t.text("Edit138"), "4");
}

TEST_F(OptionsWindow, UncheckingShowsTheRadiosAgainWithTheirItems) {
  t.chooseMenu("FuseCurrent1");
  t.selectRadio("RadioGroup4", 3);
  t.selectRadio("RadioGroup1", 4);
  t.click("Form6.CheckBox1");
  EXPECT_FALSE(t.showing("RadioGroup4"));
  EXPECT_FALSE(t.showing("RadioGroup1"));
  t.click("Form6.CheckBox1");
  EXPECT_TRUE(t.showing("RadioGroup4"));
  EXPECT_TRUE(t.showing("RadioGroup1"));
  EXPECT_FALSE(t.showing("GroupBox31"));
  EXPECT_FALSE(t.showing("GroupBox32"));
  EXPECT_EQ(t.itemIndex("RadioGroup4"), 3);
  EXPECT_EQ(t.itemIndex("RadioGroup1"), 4);
}

TEST(ManualCopper, EnabledBoxesFollowTheActiveCalculatorAndItsLayer) {
  struct Case {
    int calculator;
    int layer;
    bool base;
    bool plating;
  };
  const Case cases[] = {
      {1, 0, true, true},   {1, 1, true, false},  {2, 1, true, true},   {2, 0, true, false}, {4, 0, true, true},
      {4, 3, true, false},  {6, -1, true, true},  {7, 2, true, true},   {0, 0, false, false}, {3, 0, false, false},
      {5, 0, false, false}, {10, 0, false, false}, {16, 0, false, false}, {18, 0, false, false}};
  TestProgram t;
  for (const Case& c : cases) {
    const CalculatorPage* page = t.main().page(static_cast<CalculatorId>(c.calculator));
    ASSERT_NE(page, nullptr) << c.calculator;
    const ManualCopperEnabled e = page->manualCopperEnabled(c.layer);
    EXPECT_EQ(e.base, c.base) << c.calculator << "/" << c.layer;
    EXPECT_EQ(e.plating, c.plating) << c.calculator << "/" << c.layer;
  }
}

// Through the windows: the boxes, the plating edit and its unit box.
TEST_F(OptionsWindow, ManualBoxesOnOhmsLawAreDisabledAndOnAnInnerConductorOnlyTheBaseIsEnabled) {
  t.chooseMenu("OhmsLaw1");
  t.click("Form6.CheckBox1");
  EXPECT_TRUE(t.showing("GroupBox31"));
  EXPECT_FALSE(t.enabled("GroupBox31"));
  EXPECT_FALSE(t.enabled("GroupBox32"));

  t.click("Form6.CheckBox1");
  t.chooseMenu("ConductorProperties1");
  t.form().radio("RadioGroup3").setItemIndex(0);  // "Internal Layer"
  t.click("Form6.CheckBox1");
  EXPECT_TRUE(t.enabled("GroupBox31"));
  for (const char* plating : {"GroupBox32", "Edit138", "Edit139"}) EXPECT_FALSE(t.form().control(plating).enabled()) << plating;
}

// The three etch-factor sets: the page texts and one picture each.
TEST_F(OptionsWindow, TheEtchFactorShowsItsTextsAndOnePictureOfEachSet) {
  struct Case {
    int item;
    const char* text;
    const char* shown[3];
    const char* derating;
  };
  const Case cases[] = {{1, "2:1", {"Image73", "Image76", "Form6.Image4"}, "1"},
                        {2, "None", {"Image69", "Image75", "Form6.Image2"}, "2"},
                        {0, "1:1", {"Image68", "Image74", "Form6.Image3"}, "0"}};
  const std::vector<std::string> all = {"Image68", "Image73", "Image69", "Image74", "Image76", "Image75",
                                        "Form6.Image3", "Form6.Image4", "Form6.Image2"};
  for (const Case& c : cases) {
    t.selectRadio("Form6.RadioGroup2", c.item);
    EXPECT_EQ(t.text("Label126"), c.text);
    EXPECT_EQ(t.text("Label380"), c.text);
    for (const std::string& picture : all) {
      const bool expected = std::find(std::begin(c.shown), std::end(c.shown), picture) != std::end(c.shown);
      EXPECT_EQ(t.control(picture).visible(), expected) << c.item << " " << picture;
    }
    EXPECT_EQ(t.setting("Derating"), c.derating);
  }
}

TEST_F(OptionsWindow, ShowingTheWindowShowsThePictureOfTheCurrentEtchFactor) {
  t.click("Form6.Button1");
  t.form("Form6").radio("RadioGroup2").setItemIndex(1);
  t.form("Form6").image("Image4").setVisible(false);
  t.form("Form6").image("Image3").setVisible(true);
  t.form("Form6").show();
  EXPECT_TRUE(t.control("Form6.Image4").visible());
  EXPECT_FALSE(t.control("Form6.Image3").visible());
  EXPECT_FALSE(t.control("Form6.Image2").visible());
}

// A store that refuses the method: the pages still change to it and solve
// as with a writable store, and the refusal is reported once, at the end.
TEST(ProgramOptionsStore, ARefusedIpcMethodIsReportedOnceAfterThePagesChanged) {
  TestProgram writable;
  TestProgram refusing;
  refusing.fakes.settings.refusedValues = {"IPC_Version"};
  for (TestProgram* p : {&writable, &refusing}) {
    p->chooseMenu("ConductorProperties1");
    p->form("Form6").show();
    p->takeMessages();
    p->takeSolves();
    p->selectRadio("Form6.RadioGroup1", 1);
  }
  EXPECT_TRUE(writable.takeMessages().empty());
  EXPECT_EQ(refusing.takeMessages(),
            (std::vector<Message>{{Message::Kind::Error, "Failed to set data for 'IPC_Version'", {}}}));
  EXPECT_EQ(refusing.takeSolves(), writable.takeSolves());
  EXPECT_EQ(refusing.text("Label243"), "IPC-2152 without modifiers mode");
  EXPECT_EQ(refusing.text("Label187"), "IPC-2152 without modifiers mode");
  EXPECT_TRUE(refusing.form().control("RadioGroup8").enabled());
  EXPECT_FALSE(refusing.form().control("RadioGroup15").enabled());
  for (Control* c : writable.form().allControls()) EXPECT_EQ(refusing.text(c->name()), c->caption()) << c->name();
  EXPECT_EQ(refusing.setting("IPC_Version"), "0");
}

// On Conductor Properties: the method texts, the help button, " Solve For "
// and the modifier inputs.
TEST_F(OptionsWindow, TheIpcMethodSetsTheConductorPropertiesInputs) {
  t.chooseMenu("ConductorProperties1");
  const std::vector<std::string> modifiers = {"Label235", "Label37", "Label236", "Edit126", "Edit127",
                                              "Edit132",  "Edit133", "Edit128",  "RadioGroup2"};
  Form& main = t.form();
  main.radio("RadioGroup15").setItemIndex(1);
  t.selectRadio("Form6.RadioGroup1", 1);
  EXPECT_EQ(t.text("Label243"), "IPC-2152 without modifiers mode");
  EXPECT_EQ(t.text("Label187"), "IPC-2152 without modifiers mode");
  EXPECT_FALSE(main.control("BitBtn1").visible());
  EXPECT_TRUE(main.control("RadioGroup8").enabled());
  EXPECT_EQ(t.itemIndex("RadioGroup15"), 0);
  EXPECT_FALSE(main.control("RadioGroup15").enabled());
  for (const std::string& name : modifiers) EXPECT_FALSE(main.control(name).enabled()) << name;

  // "Conductor Width" goes back to "Amperage" with the modifiers; the
  // parallel radio is enabled again and keeps "No".
  main.radio("RadioGroup8").setItemIndex(1);
  t.selectRadio("Form6.RadioGroup1", 0);
  EXPECT_EQ(t.text("Label243"), "IPC-2152 with modifiers mode");
  EXPECT_TRUE(main.control("BitBtn1").visible());
  EXPECT_EQ(t.itemIndex("RadioGroup8"), 0);
  EXPECT_FALSE(main.control("RadioGroup8").enabled());
  EXPECT_TRUE(main.control("RadioGroup15").enabled());
  EXPECT_EQ(t.itemIndex("RadioGroup15"), 0);
  for (const std::string& name : modifiers) EXPECT_TRUE(main.control(name).enabled()) << name;

  // Another mode enables " Solve For " without changing its item.
  main.radio("RadioGroup8").setItemIndex(1);
  t.selectRadio("Form6.RadioGroup1", 2);
  EXPECT_EQ(t.text("Label243"), "IPC-2221 mode");
  EXPECT_TRUE(main.control("RadioGroup8").enabled());
  EXPECT_EQ(t.itemIndex("RadioGroup8"), 1);
}

TEST_F(OptionsWindow, OnConductorPropertiesThePlaneThicknessFollowsPlanePresent) {
  t.chooseMenu("ConductorProperties1");
  Form& main = t.form();
  RadioGroup& planeThickness = main.radio("RadioGroup5");
  main.radio("RadioGroup2").setItemIndex(0);
  planeThickness.setEnabled(true);
  t.selectRadio("Form6.RadioGroup1", 1);
  EXPECT_FALSE(planeThickness.enabled());  // no plane: disabled in every mode

  main.radio("RadioGroup2").setItemIndex(1);
  planeThickness.setEnabled(false);
  t.selectRadio("Form6.RadioGroup1", 2);
  EXPECT_FALSE(planeThickness.enabled());  // modes 1 and 2 leave it
  t.selectRadio("Form6.RadioGroup1", 0);
  EXPECT_TRUE(planeThickness.enabled());
}

// On Via Properties the via height is an input on the single-via layout
// only with the modifiers; on the differential layout it stays one.
TEST_F(OptionsWindow, OnViaPropertiesTheViaHeightFollowsTheMethodAndLayout) {
  t.chooseMenu("ViaProperties1");
  const std::vector<std::string> height = {"Edit6", "Label8", "Edit55"};
  Form& main = t.form();
  main.radio("RadioGroup5").setItemIndex(0);
  t.selectRadio("Form6.RadioGroup1", 1);
  for (const std::string& name : height) EXPECT_FALSE(main.control(name).enabled()) << name;
  t.selectRadio("Form6.RadioGroup1", 0);
  for (const std::string& name : height) EXPECT_TRUE(main.control(name).enabled()) << name;

  main.radio("RadioGroup5").setItemIndex(1);
  for (const std::string& name : height) main.control(name).setEnabled(false);
  t.selectRadio("Form6.RadioGroup1", 2);
  for (const std::string& name : height) EXPECT_TRUE(main.control(name).enabled()) << name;
}

struct ThemeCase {
  const char* what;
  std::optional<std::string> stored;  // nothing: the value is missing
  std::string active;
  int index;
  std::string error;  // empty: none
  bool written;
};

// Tests list the case by its name.
void PrintTo(const ThemeCase& c, std::ostream* os) { *os << c.what; }

class ThemeAtCreation : public ::testing::TestWithParam<ThemeCase> {};

// The stored theme is applied while the window is created and written
// back; a value that is missing, no integer or outside the list leaves
// the start-up style and writes nothing.
TEST_P(ThemeAtCreation, AppliesTheStoredThemeOrKeepsTheStartUpStyle) {
  const ThemeCase& c = GetParam();
  StartOptions options;
  options.settings = TestProgram::installedSettings();
  if (c.stored)
    options.settings["Cirquet_Theme"] = *c.stored;
  else
    options.settings.erase("Cirquet_Theme");
  options.showMainWindow = false;
  TestProgram t(options);
  EXPECT_EQ(t.fakes.styles.active, c.active);
  EXPECT_EQ(t.itemIndex("Form6.cbxVclStyles"), c.index);
  std::vector<Message> errors;
  if (!c.error.empty()) errors.push_back({Message::Kind::Error, c.error, {}});
  EXPECT_EQ(t.takeMessages(), errors);
  bool written = false;
  for (const auto& write : t.fakes.settings.writes) written = written || std::get<1>(write) == "Cirquet_Theme";
  EXPECT_EQ(written, c.written);
  EXPECT_FALSE(t.form("Form6").visible());
  EXPECT_TRUE(t.form().enabled());
}

INSTANTIATE_TEST_SUITE_P(
    Stored, ThemeAtCreation,
    ::testing::Values(ThemeCase{"Installed", "2", "Charcoal HiRes", 2, "", true},
                      ThemeCase{"System", "0", "Windows", 0, "", true},
                      ThemeCase{"Last", "4", "Windows10", 4, "", true},
                      ThemeCase{"Missing", std::nullopt, "Charcoal HiRes", 2, "'' is not a valid integer value", false},
                      ThemeCase{"NoInteger", "x", "Charcoal HiRes", 2, "'x' is not a valid integer value", false},
                      ThemeCase{"OutsideTheList", "7", "Charcoal HiRes", -1, "", false}),
    [](const auto& param) { return std::string(param.param.what); });

}  // namespace
}  // namespace cq::test
