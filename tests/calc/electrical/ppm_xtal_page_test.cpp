// The PPM-XTAL Calculator page as a user drives it: the three blocks from
// the defaults and in comma mode, the eight "not above zero" checks whose
// "1" counts from the next solve, and the errors that end a solve.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

constexpr const char* kCentre = "Center frequency cannot be less than or equal to zero.";

// The results: the frequency variation and band, the band's variation and
// ppm, the load capacitance and its rule of thumb.
const std::vector<std::string> kResultFields = {"Edit172", "Edit173", "Edit180", "Edit183",
                                                "Edit184", "Edit341", "Edit340"};

TextsByName results(TestProgram& t) { return TextsOf(t, kResultFields); }

// Defaults by hand:
//   df = 50e6 x 25 / 1e6 = 1250; 50e6 + 1250; 50e6 - 1250
//   32001 - 32000 = 1; 1e6 x 1 / 32000 = 31.25 ppm
//   14 x 14 / 28 + 3 = 10 pF; 2 x 10 - 2 x 3 = 14 pF
const TextsByName kDefaults = {{"Edit172", "1250.00"}, {"Edit173", "50001250.00"}, {"Edit180", "49998750.00"},
                               {"Edit183", "1.00"},    {"Edit184", "31.25"},       {"Edit341", "10.00 pF"},
                               {"Edit340", "14.00 pF"}};

TEST(PpmXtalPage, TheDefaultsInPointAndCommaMode) {
  {
    TestProgram t;
    OpenCalculator(t, "PPMCalculator1");
    EXPECT_EQ(results(t), kDefaults);
  }
  TestProgram t(CommaStart());
  OpenCalculator(t, "PPMCalculator1");
  EXPECT_EQ(results(t), (TextsByName{{"Edit172", "1250,00"}, {"Edit173", "50001250,00"}, {"Edit180", "49998750,00"},
                                     {"Edit183", "1,00"}, {"Edit184", "31,25"}, {"Edit341", "10,00 pF"},
                                     {"Edit340", "14,00 pF"}}));
  // Inputs are read in the user's decimal form too: 10 x 20 / 30 + 2,5 = 9,17 pF.
  EnterAll(t, {{"Edit339", "10"}, {"Edit338", "20"}, {"Edit115", "2,5"}});
  EXPECT_EQ(t.text("Edit341"), "9,17 pF");
  EXPECT_EQ(t.text("Edit340"), "15,00 pF");  // 2 x 10 - 2 x 2.5
}

TEST(PpmXtalPage, ActivationShowsThePageWithoutUnitsAndRemembersIt) {
  TestProgram t;
  OpenCalculator(t, "PPMCalculator1");
  EXPECT_EQ(t.main().CurrentCalculator, 14);
  EXPECT_TRUE(t.showing("GroupBox36"));
  EXPECT_FALSE(t.showing("GroupBox48"));
  EXPECT_FALSE(t.enabled("RadioGroup6"));
  EXPECT_FALSE(t.enabled("RadioGroup3"));
  EXPECT_EQ(t.itemIndex("RadioGroup3"), -1);
  EXPECT_EQ(t.setting("Program"), "14");
  // The help button belongs to the capacitor group.
  EXPECT_EQ(t.control("BitBtn5").parent()->name(), "GroupBox50");
  EXPECT_EQ(t.text("GroupBox50"), " XTAL Capacitor Value  ");
}

TEST(PpmXtalPage, CapacitorsOfDifferentValues) {
  TestProgram t;
  OpenCalculator(t, "PPMCalculator1");
  EnterAll(t, {{"Edit339", "10"}, {"Edit338", "20"}});
  EXPECT_EQ(t.text("Edit341"), "9.67 pF");  // 10 x 20 / 30 + 3 = 9.6667
  EXPECT_EQ(t.text("Edit340"), "14.00 pF");
  EXPECT_TRUE(t.takeMessages().empty());
}

struct RejectedCase {
  const char* field;
  const char* typed;
  const char* message;
  TextsByName changes;  // from the defaults, computed with the typed value
};

TEST(PpmXtalPage, AValueNotAboveZeroIsReportedAndTheSolveGoesOnWithIt) {
  const std::vector<RejectedCase> cases = {
      // f = 0: df = 0, band 0 .. 0.
      {"Edit170", "0", kCentre, {{"Edit172", "0.00"}, {"Edit173", "0.00"}, {"Edit180", "0.00"}}},
      // f = -1e6: df = -25; -1e6 - 25; -1e6 + 25.
      {"Edit170", "-1000000", kCentre, {{"Edit172", "-25.00"}, {"Edit173", "-1000025.00"}, {"Edit180", "-999975.00"}}},
      {"Edit171",
       "0",
       "PPM Value cannot be less than or equal to zero.",
       {{"Edit172", "0.00"}, {"Edit173", "50000000.00"}, {"Edit180", "50000000.00"}}},
      // fmax = -5: -5 - 32000 = -32005; 1e6 x -32005 / 32000 = -1000156.25.
      {"Edit182",
       "-5",
       "Maximum frequency cannot be less than or equal to zero.",
       {{"Edit183", "-32005.00"}, {"Edit184", "-1000156.25"}}},
      // CL = 0: 2 x 0 - 2 x 3 = -6.
      {"Edit106", "0", "Load capacitance cannot be less than or equal to zero.", {{"Edit340", "-6.00 pF"}}},
      // Cs = 0 is refused like a negative one: 14 x 14 / 28 = 7; 2 x 10 = 20.
      {"Edit115",
       "0",
       "Stray capacitance cannot be less than or equal to zero.",
       {{"Edit341", "7.00 pF"}, {"Edit340", "20.00 pF"}}},
      // C1 = -7: -98 / 7 + 3 = -11.
      {"Edit339", "-7", "C1 value cannot be less than or equal to zero.", {{"Edit341", "-11.00 pF"}}},
      // C2 = 0: 0 / 14 + 3 = 3.
      {"Edit338", "0", "C2 value cannot be less than or equal to zero.", {{"Edit341", "3.00 pF"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.field) + " " + c.typed);
    TestProgram t;
    OpenCalculator(t, "PPMCalculator1");
    Enter(t, c.field, c.typed);
    EXPECT_EQ(t.takeMessages(), std::vector<Message>{InfoBox(c.message)});
    EXPECT_EQ(t.text(c.field), "1");
    EXPECT_EQ(t.takeSolves(), 1);
    EXPECT_EQ(results(t), With(kDefaults, c.changes));
  }
}

TEST(PpmXtalPage, TheRewrittenOneCountsFromTheNextSolve) {
  TestProgram t;
  OpenCalculator(t, "PPMCalculator1");
  Enter(t, "Edit170", "0");
  t.takeMessages();
  t.pressEnter("Edit170");
  EXPECT_TRUE(t.takeMessages().empty());
  // f = 1: df = 25e-6, shown as 0.00; band 1.00 .. 1.00.
  ExpectTexts(t, {{"Edit172", "0.00"}, {"Edit173", "1.00"}, {"Edit180", "1.00"}});
}

TEST(PpmXtalPage, AZeroBandCentreEndsTheSolveAfterTheVariation) {
  TestProgram t;
  OpenCalculator(t, "PPMCalculator1");
  EnterAll(t, {{"Edit339", "10"}, {"Edit338", "20"}});  // the capacitor block now reads 9.67 pF
  t.type("Edit181", "0");
  t.type("Edit339", "14");
  t.type("Edit338", "14");
  t.pressEnter("Edit181");
  EXPECT_EQ(t.takeMessages(), (std::vector<Message>{InfoBox(kCentre), ErrorBox("Floating point division by zero")}));
  ExpectTexts(t, {{"Edit181", "1"},
                  {"Edit183", "32001.00"},   // 32001 - 0, written before the division
                  {"Edit184", "31.25"},      // kept from before
                  {"Edit341", "9.67 pF"}});  // the capacitor block did not run

  // The next solve computes with the centre of 1 Hz:
  // 32001 - 1 = 32000; 1e6 x 32000 / 1 = 32000000000 ppm.
  t.pressEnter("Edit181");
  EXPECT_TRUE(t.takeMessages().empty());
  ExpectTexts(t, {{"Edit183", "32000.00"}, {"Edit184", "32000000000.00"}, {"Edit341", "10.00 pF"}});
}

TEST(PpmXtalPage, SeveralBadInputsGiveTheirMessagesInBlockOrder) {
  TestProgram t;
  OpenCalculator(t, "PPMCalculator1");
  EnterAll(t, {{"Edit115", "0"}, {"Edit181", "-1"}, {"Edit170", "0"}});
  // The centre message serves both frequency blocks.
  EXPECT_EQ(t.takeMessages(),
            (std::vector<Message>{InfoBox(kCentre), InfoBox(kCentre),
                                  InfoBox("Stray capacitance cannot be less than or equal to zero.")}));
  // f0 = -1: 1e6 x (32001 + 1) / -1 = -32002000000.
  EXPECT_EQ(t.text("Edit184"), "-32002000000.00");
  EXPECT_EQ(t.text("Edit341"), "7.00 pF");
}

TEST(PpmXtalPage, ErrorsEndTheSolveAndKeepLaterResults) {
  {
    // C1 = C2 = 0: 0 / 0 after two messages; the rule of thumb keeps 14.00 pF.
    TestProgram t;
    OpenCalculator(t, "PPMCalculator1");
    EnterAll(t, {{"Edit106", "8"}, {"Edit339", "0"}, {"Edit338", "0"}});
    EXPECT_EQ(t.takeMessages(), (std::vector<Message>{InfoBox("C1 value cannot be less than or equal to zero."),
                                                      InfoBox("C2 value cannot be less than or equal to zero."),
                                                      ErrorBox("Invalid floating point operation")}));
    EXPECT_EQ(t.text("Edit341"), "10.00 pF");
    EXPECT_EQ(t.text("Edit340"), "14.00 pF");
  }
  {
    // A tolerance that is no number stops before anything is written.
    TestProgram t;
    OpenCalculator(t, "PPMCalculator1");
    EnterAll(t, {{"Edit170", "1000"}, {"Edit171", "25ppm"}});
    EXPECT_EQ(t.takeMessages(), std::vector<Message>{ErrorBox("'25ppm' is not a valid floating point value")});
    EXPECT_EQ(results(t), kDefaults);
  }
  {
    // An empty stray field: the frequency blocks are already written.
    TestProgram t;
    OpenCalculator(t, "PPMCalculator1");
    t.type("Edit171", "50");
    t.type("Edit115", "");
    t.pressEnter("Edit171");
    EXPECT_EQ(t.takeMessages(), std::vector<Message>{ErrorBox("'' is not a valid floating point value")});
    EXPECT_EQ(t.text("Edit172"), "2500.00");  // 50e6 x 50 / 1e6
    EXPECT_EQ(t.text("Edit341"), "10.00 pF");
  }
}

}  // namespace
}  // namespace cq::test
