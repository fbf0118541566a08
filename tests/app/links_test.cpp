// The main window's links and notes: every link opens its one target
// through the shell, and every note shows its text; neither solves, shows
// anything else or opens anything else.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "support/test_program.h"

namespace cq::test {
namespace {

using Opened = std::vector<std::pair<std::string, std::string>>;

// Runs the user's action and returns what it opened; fails on any message
// or solve on the way.
Opened openedBy(TestProgram& p, const std::function<void()>& action) {
  p.takeMessages();
  p.takeSolves();
  const size_t before = p.fakes.shell.opened.size();
  action();
  EXPECT_EQ(p.takeMessages(), std::vector<Message>{});
  EXPECT_EQ(p.takeSolves(), 0);
  return Opened(p.fakes.shell.opened.begin() + static_cast<std::ptrdiff_t>(before), p.fakes.shell.opened.end());
}

Opened single(const std::string& target) { return {{target, ""}}; }

constexpr const char* kHelp = "https://www.quillonex.example/cirquet/help";
constexpr const char* kFeedback = "https://www.quillonex.example/cirquet/feedback";
constexpr const char* kFacebook = "https://facebook.example/QuillonexPCBDesign";
constexpr const char* kInstagram = "https://instagram.example/quillonexpcbdesign";
constexpr const char* kLinkedIn = "https://linkedin.example/company/quillonex-pcb-design";
constexpr const char* kTwitter = "https://twitter.example/QuillonexPCB";
constexpr const char* kYouTube = "https://youtube.example/@QuillonexPCBDesign";
constexpr const char* kSpeedOfLight = "https://en.wikipedia.org/wiki/Speed_of_light";
constexpr const char* kErEffective = "https://en.wikipedia.org/wiki/Microstrip";

TEST(MenuLinks, EachItemOpensItsOneTarget) {
  TestProgram p;
  const std::pair<const char*, const char*> rows[] = {
      {"Calculator1", "calc.exe"},
      {"ASCIIEditor1", "notepad.exe"},
      {"HelpTopics1", kHelp},
      {"SendFeedbackToQuillonexPCBDesignInc1", kFeedback},
      {"ContactQuillonexPCBDesignInc1", "https://www.quillonex.example/contact"},
      {"RequestaDesignQuote1", "https://www.quillonex.example/quote/pcb-design"},
      {"RequestaProductDevelopmentQuote2", "https://www.quillonex.example/quote/pcb-manufacturing"},
      {"RequestaPCBAssemblyQuote1", "https://www.quillonex.example/quote/pcb-assembly"},
      {"RequestaProductDevelopmentQuote1", "https://www.quillonex.example/quote/product-development"},
      {"PCBDesignServices1", "https://www.quillonex.example/services/pcb-design"},
      {"ElectronicEngineeringServices1", "https://www.quillonex.example/services/electronic-engineering"},
      {"SoftwareDevelopmentServices1", "https://www.quillonex.example/services/software-development"},
      {"ConsultingServices1", "https://www.quillonex.example/services/consulting"},
      {"RFEngineeringServices1", "https://www.quillonex.example/services/rf-engineering"},
      {"PCBAssemblyServices1", "https://www.quillonex.example/services/pcb-assembly"},
      {"PCBManufacturingServices1", "https://www.quillonex.example/services/pcb-manufacturing"},
      {"FollowQuillonexPCBDesignonFacebook1", kFacebook},
      // The Twitter and YouTube items keep the LinkedIn handler names.
      {"FollowQuillonexPCBDesignonLinkedIn3", kTwitter},
      {"FollowQuillonexPCBDesignonLinkedIn1", kLinkedIn},
      {"FollowQuillonexPCBDesignonLinkedIn2", kYouTube},
      {"About2", "https://www.quillonex.example/about"},
  };
  for (const auto& [item, target] : rows) {
    SCOPED_TRACE(item);
    EXPECT_EQ(openedBy(p, [&] { p.chooseMenu(item); }), single(target));
  }
}

TEST(PictureLinks, TheLogoAndTheSocialRowOpenTheMakersPages) {
  TestProgram p;
  const std::pair<const char*, const char*> rows[] = {
      {"Image6", "https://www.quillonex.example"}, {"Image43", kFacebook}, {"Image77", kInstagram},
      {"Image44", kLinkedIn},                       {"Image55", kTwitter},  {"Image57", kYouTube},
  };
  for (const auto& [picture, target] : rows) {
    SCOPED_TRACE(picture);
    EXPECT_TRUE(p.form().control(picture).handCursor());
    EXPECT_EQ(openedBy(p, [&] { p.click(picture); }), single(target));
  }
}

TEST(PageLinks, EachButtonOpensItsReferenceWhileItsPageIsShown) {
  TestProgram p;
  struct Row {
    const char* calculator;  // the menu item that shows the page
    const char* button;
    const char* target;
  };
  const Row rows[] = {
      {"SignalProperties1", "Button10", kSpeedOfLight},
      {"ConversionData1", "Button6", "https://en.wikipedia.org/wiki/Metric_prefix"},
      {"ConversionData1", "Button12", "https://www.rf-components.example/appnotes/dbm-power-table.pdf"},
      {"ConversionData1", "Button13", "https://en.wikipedia.org/wiki/Ohm%27s_law"},
      {"ConversionData1", "Button14", "https://en.wikipedia.org/wiki/Farad"},
      {"ConversionData1", "Button19", "https://www.circuit-tools.example/parallel-resistor-calculator"},
      {"ConductorSpacing1", "Button11", "https://www.ipc.org"},
      {"PlanarInductors1", "Button15", "https://web.stanford.edu/~boyd/papers/pdf/inductance_expressions.pdf"},
      {"ErEffective1", "Button16", kErEffective},
      {"WavelengthCalculator1", "Button7", "https://en.wikipedia.org/wiki/Wavelength"},
      {"WavelengthCalculator1", "Button8", kErEffective},
      {"WavelengthCalculator1", "Button9", kSpeedOfLight},
      {"FuseCurrent1", "Button17", "https://www.pcb-trade-magazine.example/articles/fusing-current-when-traces-melt"},
      {"PPMCalculator1", "BitBtn5", "https://en.wikipedia.org/wiki/Crystal_oscillator"},
      {"DifferentialPairs1", "BitBtn8", "https://www.si-papers.example/coupled-transmission-lines-and-crosstalk.pdf"},
      {"ViaProperties1", "BitBtn9", "https://www.quillonex.example/references/via-stubs"},
      {"ViaProperties1", "BitBtn10", "https://www.quillonex.example/references/differential-vias"},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.button);
    Control& button = p.form().control(r.button);
    const std::string hint = std::string(r.button).starts_with("BitBtn") ? "Open help on this topic." : "Click for internet resource.";
    EXPECT_EQ(button.hint(), hint);
    // Only the help buttons among them show the hand cursor.
    EXPECT_EQ(button.handCursor(), std::string(r.button).starts_with("BitBtn"));
    // Another page is in front: the button cannot be clicked.
    p.chooseMenu(r.calculator == std::string("FuseCurrent1") ? "OhmsLaw1" : "FuseCurrent1");
    EXPECT_EQ(openedBy(p, [&] { p.click(r.button); }), Opened{});
    p.chooseMenu(r.calculator);
    // The differential-via layout of the via page shows its help buttons.
    if (std::string(r.calculator) == "ViaProperties1") button.setVisible(true);
    EXPECT_EQ(openedBy(p, [&] { p.click(r.button); }), single(r.target));
  }
}

TEST(ProgramOptionsLink, TheHelpButtonOpensTheSamePageAsHelpTopics) {
  TestProgram p;
  p.chooseMenu("CopperWeight1");
  EXPECT_EQ(openedBy(p, [&] { p.click("Form6.BitBtn1"); }), single(kHelp));
}

TEST(LicenceLink, OpensEulaFromTheProgramsFolderWithThatFolderAsWorkingDirectory) {
  const std::pair<const char*, Opened> rows[] = {
      {"/opt/cirquet/bin/cirquet", {{"/opt/cirquet/bin/EULA.pdf", "/opt/cirquet/bin/"}}},
      {"C:\\Program Files\\Cirquet\\Cirquet.exe",
       {{"C:\\Program Files\\Cirquet\\EULA.pdf", "C:\\Program Files\\Cirquet\\"}}},
      // Not the current directory, whatever it is.
      {"/cirquet", {{"/EULA.pdf", "/"}}},
  };
  for (const auto& [programPath, expected] : rows) {
    SCOPED_TRACE(programPath);
    TestProgram p;
    p.fakes.process.path = programPath;
    EXPECT_EQ(openedBy(p, [&] { p.chooseMenu("EULA1"); }), expected);
  }
}

TEST(HelpNotes, EachNoteShowsItsTextAndChangesNothingElse) {
  TestProgram p;
  // Program Options decides whether the Conductor Properties note shows:
  // only in the mode "IPC-2152 with modifiers".
  p.chooseMenu("CopperWeight1");
  p.selectRadio("Form6.RadioGroup1", 1);
  p.selectRadio("Form6.RadioGroup1", 0);
  p.click("Form6.Button1");
  struct Row {
    std::function<void()> show;
    const char* control;
    const char* caption;
    const char* hint;
    const char* text;
  };
  const Row rows[] = {
      {[] {}, "Disclaimer1", "&Program Disclaimer", "",
       "The calculations performed in this program are for reference only."},
      {[&] { p.chooseMenu("ConductorProperties1"); }, "BitBtn1", "Help", "Click for more information.",
       "This selection is only enabled for the IPC-2152 Without Modifiers and the IPC-2221 options. See Program "
       "Options to change settings."},
      {[&] {
         p.chooseMenu("RFImpedances1");
         p.selectRadio("RadioGroup3", 5);  // "Coplanar Wave"
       },
       "BitBtn3", "", "Click for help on this topic.", "Conductor thickness is disabled for this calculator due to formula restrictions."},
      {[&] { p.chooseMenu("DifferentialPairs1"); }, "BitBtn6", "!", "Attention!",
       "These values are subject to variations, please consult datasheets for specific values"},
      {[&] {
         p.chooseMenu("ViaProperties1");
         // The differential-via layout of the via page shows the button.
         p.form().control("BitBtn7").setVisible(true);
       },
       "BitBtn7", "!", "Attention!",
       "Insertion loss requires a complex formula with multiple variables for a differential via structure, this is "
       "simply a rough estimate based on known impedance values."},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.control);
    r.show();
    p.takeMessages();
    p.takeSolves();
    Control& c = p.form().control(r.control);
    EXPECT_EQ(c.caption(), r.caption);
    EXPECT_EQ(c.hint(), r.hint);
    if (auto* item = dynamic_cast<MenuItem*>(&c))
      item->userChoose();
    else
      c.userClick();
    EXPECT_EQ(p.takeMessages(), (std::vector<Message>{{Message::Kind::Info, r.text, {}}}));
    EXPECT_EQ(p.takeSolves(), 0);
    EXPECT_TRUE(p.fakes.shell.opened.empty());
  }
}

TEST(HelpNotes, TheCoplanarNoteCannotBeClickedOnTheOtherStructures) {
  TestProgram p;
  p.chooseMenu("RFImpedances1");
  p.selectRadio("RadioGroup3", 0);  // "Microstrip"
  p.takeMessages();
  p.click("BitBtn3");
  EXPECT_EQ(p.takeMessages(), std::vector<Message>{});
}

}  // namespace
}  // namespace cq::test
