// The substrate list and the Er and Tg boxes, driven as a user would.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "options/substrate_selection.h"
#include "options/substrate_table.h"
#include "platform/errors.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

enum class Mode { Point, Comma };

StartOptions startIn(Mode mode) {
  StartOptions options;
  options.decimalSeparator = mode == Mode::Comma ? "," : ".";
  return options;
}

class Substrate : public ::testing::Test {
 protected:
  void start(Mode mode) {
    t = std::make_unique<TestProgram>(startIn(mode));
    // The start reads the decimal mode from the locale.
    ASSERT_EQ(t->text("Label165"), mode == Mode::Comma ? "1" : "0");
  }
  void choose(int material) { t->selectCombo("ComboBox1", material); }
  double modifier() { return t->main().values.SubstrateModifier; }
  void expectBoard(const std::string& item, const std::string& er, const std::string& tg, double factor) {
    EXPECT_EQ(t->text("ComboBox1"), item);
    EXPECT_EQ(t->text("Edit7"), er);
    EXPECT_EQ(t->text("Edit66"), tg);
    EXPECT_EQ(modifier(), factor);
  }

  std::unique_ptr<TestProgram> t;
};

// Every material writes its own row, in the form of the decimal mode, and
// solves once.
TEST_F(Substrate, EveryMaterialWritesItsRowAndSolvesOnce) {
  for (Mode mode : {Mode::Point, Mode::Comma}) {
    start(mode);
    t->chooseMenu("SignalProperties1");
    for (int i = 0; i < kCustomSubstrate; ++i) {
      t->takeSolves();
      choose(i);
      const SubstrateRow& row = SubstrateTable()[static_cast<size_t>(i)];
      SCOPED_TRACE(std::string(row.item));
      expectBoard(std::string(row.item), std::string(mode == Mode::Comma ? row.erComma : row.er), std::string(row.tg),
                  row.modifier);
      EXPECT_EQ(t->takeSolves(), 1);
    }
    EXPECT_TRUE(t->takeMessages().empty());
  }
}

struct MaterialCase {
  Mode mode;
  int material;
  const char* item;
  const char* er;
  const char* tg;
  double factor;
};

std::ostream& operator<<(std::ostream& os, const MaterialCase& c) {
  return os << c.item << (c.mode == Mode::Comma ? " comma" : " point");
}

class SubstrateRows : public Substrate, public ::testing::WithParamInterface<MaterialCase> {};

// The texts as the window must show them, typed from the material list.
TEST_P(SubstrateRows, ShowsTheMaterialsTexts) {
  const MaterialCase& c = GetParam();
  start(c.mode);
  t->chooseMenu("SignalProperties1");
  choose(c.material);
  expectBoard(c.item, c.er, c.tg, c.factor);
}

INSTANTIATE_TEST_SUITE_P(Table, SubstrateRows,
                         ::testing::Values(MaterialCase{Mode::Point, 16, "RO4350", "3.66", "280", 1.0},
                                           MaterialCase{Mode::Comma, 16, "RO4350", "3,48", "280", 1.0},
                                           MaterialCase{Mode::Point, 12, "RO3003", "3.0", "N/A", 1.0},
                                           MaterialCase{Mode::Comma, 12, "RO3003", "3,0", "N/A", 1.0},
                                           MaterialCase{Mode::Comma, 14, "RO3010", "10,2", "N/A", 1.0},
                                           MaterialCase{Mode::Point, 30, "PCL-FR-370HR", "4.6", "180", 0.98},
                                           MaterialCase{Mode::Point, 44, "Air", "1", "N/A", 1.0},
                                           MaterialCase{Mode::Comma, 44, "Air", "1", "N/A", 1.0}));

// On Er Effective "Air" is refused: the message, then "FR-4 STD" in full
// (also the factor, which RO3003 had set to 1.0), then one solve that
// already sees the replacement.
TEST_F(Substrate, AirIsRefusedOnErEffective) {
  for (Mode mode : {Mode::Point, Mode::Comma}) {
    start(mode);
    t->chooseMenu("ErEffective1");
    choose(12);  // RO3003
    t->takeSolves();
    t->takeMessages();
    std::string erAtSolve;
    double factorAtSolve = 0;
    t->main().addPreSolveStep([&] {
      erAtSolve = t->text("Edit7");
      factorAtSolve = modifier();
    });

    choose(kAirSubstrate);

    const std::string fr4 = mode == Mode::Comma ? "4,6" : "4.6";
    auto shown = t->takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], (Message{Message::Kind::Info, "Air cannot be selected for this calculator", {}}));
    expectBoard("FR-4 STD", fr4, "130", 0.98);
    EXPECT_EQ(t->itemIndex("ComboBox1"), kDefaultSubstrate);
    EXPECT_EQ(t->takeSolves(), 1);
    EXPECT_EQ(erAtSolve, fr4);
    EXPECT_EQ(factorAtSolve, 0.98);
  }
}

TEST_F(Substrate, AirIsAcceptedOnEveryOtherCalculator) {
  start(Mode::Point);
  // On the calculator of the start and after a switch away from Er Effective.
  choose(kAirSubstrate);
  expectBoard("Air", "1", "N/A", 1.0);
  // Er Effective refuses the Er of 1 that Air left behind.
  t->chooseMenu("ErEffective1");
  EXPECT_EQ(t->takeMessages().size(), 1u);
  EXPECT_EQ(t->text("Edit7"), "1.001");
  t->chooseMenu("PDNImpedance1");
  choose(0);
  choose(kAirSubstrate);
  expectBoard("Air", "1", "N/A", 1.0);
  EXPECT_TRUE(t->takeMessages().empty());
}

TEST_F(Substrate, CustomKeepsTheBoxesAndTheFactorAndStillSolves) {
  start(Mode::Point);
  t->chooseMenu("ErEffective1");
  choose(12);  // RO3003
  t->type("Edit7", "3.5");
  t->takeSolves();
  choose(kCustomSubstrate);
  expectBoard("Custom", "3.5", "N/A", 1.0);
  EXPECT_EQ(t->takeSolves(), 1);
}

// A click in a box clears it and names the material "Custom"; leaving it
// empty brings back FR-4's value for that box only. Nothing of it solves.
TEST_F(Substrate, ErBoxClearedByAClickRefillsWithFr4WhenLeftEmpty) {
  for (Mode mode : {Mode::Point, Mode::Comma}) {
    start(mode);
    t->chooseMenu("ErEffective1");
    choose(12);  // RO3003
    t->takeSolves();
    t->focus("Edit7");
    t->click("Edit7");
    expectBoard("Custom", "", "N/A", 1.0);
    EXPECT_EQ(t->itemIndex("ComboBox1"), kCustomSubstrate);
    t->focus("ComboBox1");
    expectBoard("FR-4 STD", mode == Mode::Comma ? "4,6" : "4.6", "N/A", 1.0);
    EXPECT_EQ(t->itemIndex("ComboBox1"), kDefaultSubstrate);
    EXPECT_EQ(t->takeSolves(), 0);
    EXPECT_TRUE(t->takeMessages().empty());
  }
}

TEST_F(Substrate, TgBoxClearedByAClickRefillsWith130InEveryMode) {
  for (Mode mode : {Mode::Point, Mode::Comma}) {
    start(mode);
    t->chooseMenu("ViaProperties1");  // its Tg box is enabled
    choose(16);  // RO4350
    t->takeSolves();
    const std::string er = mode == Mode::Comma ? "3,48" : "3.66";
    t->focus("Edit66");
    t->click("Edit66");
    expectBoard("Custom", er, "", 1.0);
    t->focus("Edit7");
    expectBoard("FR-4 STD", er, "130", 1.0);
    EXPECT_EQ(t->takeSolves(), 0);
  }
}

// A typed value stays when the box is left, and takes effect with Enter.
TEST_F(Substrate, TypedValuesStayAsTypedUnderCustom) {
  start(Mode::Point);
  t->chooseMenu("ViaProperties1");
  choose(12);  // RO3003
  t->focus("Edit7");
  t->click("Edit7");
  t->type("Edit7", "3.2");
  t->focus("Edit66");
  t->click("Edit66");
  t->type("Edit66", "155");
  t->takeSolves();
  t->pressEnter("Edit66");
  EXPECT_EQ(t->takeSolves(), 1);
  t->focus("ComboBox1");
  expectBoard("Custom", "3.2", "155", 1.0);
}

// A decimal mode that is neither "0" nor "1" (the label's design caption)
// writes numbers with a point, and so is a material's Er: the selection is
// not silently dropped.
TEST_F(Substrate, UnknownDecimalModeWritesThePointForm) {
  t = std::make_unique<TestProgram>();
  t->chooseMenu("ErEffective1");
  t->form().label("Label165").setCaption("Label165");
  t->takeSolves();
  choose(16);  // RO4350
  expectBoard("RO4350", "3.66", "280", 1.0);
  EXPECT_EQ(t->takeSolves(), 1);
  t->focus("Edit7");
  t->click("Edit7");
  t->focus("ComboBox1");
  EXPECT_EQ(t->text("Edit7"), "4.6");
}

// The list's items index the material table: a description whose list
// differs from it fails when the window is built.
TEST(SubstrateDescription, AListThatDiffersFromTheTableFailsAtAttach) {
  TestProgram t;
  Form form(t.program().app(), "Probe", "TProbe");
  auto& list = form.create<ComboBox>("ComboBox1");
  form.create<Edit>("Edit7");
  form.create<Edit>("Edit66");
  std::vector<std::string> items;
  for (const auto& row : SubstrateTable()) items.emplace_back(row.item);
  SubstrateSelection part(t.main());

  list.setItems(items);
  EXPECT_NO_THROW(part.attach(form));
  std::swap(items[15], items[16]);
  list.setItems(items);
  EXPECT_THROW(part.attach(form), DescriptionError);
  items.pop_back();
  list.setItems(items);
  EXPECT_THROW(part.attach(form), DescriptionError);
}

}  // namespace
}  // namespace cq::test
