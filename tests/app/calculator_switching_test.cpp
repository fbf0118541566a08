// The activation contract's table rows and its failure rule, over all
// nineteen calculators.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "app/calculator_table.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

TEST(Activation, EachCalculatorShowsOnlyItsPageAndStoresItsIndex) {
  TestProgram p;
  for (const auto& c : Calculators()) {
    SCOPED_TRACE(c.index);
    p.chooseMenu(std::string(c.menuItem));
    EXPECT_EQ(p.main().CurrentCalculator, c.index);
    EXPECT_EQ(p.form().get<TabControl>("TabControl1").tabIndex(), c.index);
    for (const auto& other : Calculators())
      EXPECT_EQ(p.showing(std::string(other.page)), other.index == c.index) << other.page;
    EXPECT_FALSE(p.showing("GroupBox39"));
    EXPECT_EQ(p.setting("Program"), std::to_string(c.index));
    EXPECT_EQ(p.text("RadioGroup3"), c.layer.caption);
  }
  EXPECT_TRUE(p.messages().empty());
}

TEST(Activation, OptionsPanelFollowsTheTableOfEachCalculator) {
  TestProgram p;
  // Each calculator against its table row, after coming from a calculator
  // that enables everything (Via Properties) and from one that disables
  // nearly everything (Ohm's Law), so that "untouched" cells show too.
  for (const char* from : {"ViaProperties1", "OhmsLaw1"})
    for (const auto& c : Calculators()) {
      SCOPED_TRACE(std::string(from) + " then " + std::to_string(c.index));
      p.chooseMenu(from);
      p.chooseMenu(std::string(c.menuItem));
      const OptionsRow& o = c.options;
      // The plating radio's untouched cells belong to the layer radio's
      // layouts, which set it themselves.
      auto expectState = [&](const char* name, Set state) {
        if (state != Set::Keep) {
          EXPECT_EQ(p.form().control(name).enabled(), state == Set::On) << name;
        }
      };
      auto expectStates = [&](std::initializer_list<const char*> names, Set state) {
        for (const char* name : names) expectState(name, state);
      };
      expectStates({"ComboBox1"}, o.sub);
      expectStates({"Edit7", "Label36"}, o.er);
      expectStates({"Label35"}, o.mat);
      expectStates({"Edit66", "Label9"}, o.tg);
      expectStates({"RadioGroup4"}, o.base);
      expectStates({"RadioGroup1"}, o.plate);
      expectStates({"Edit136", "Edit137", "Edit138", "Edit139"}, o.man);
      expectStates({"RadioGroup3"}, o.layer);
      expectStates({"RadioGroup5"}, o.plane);
      expectStates({"RadioGroup6"}, o.units);
      expectStates({"Edit1", "UpDown1", "Label1", "Label2"}, o.rise);
      expectStates({"Edit2", "UpDown2", "Label3", "Label4"}, o.amb);
      expectStates({"Edit227", "UpDown6"}, o.vias);
      EXPECT_EQ(p.form().control("RadioGroup5").visible(), o.planeVisible);
    }
}

TEST(Activation, AFailingSettingsWriteEndsTheActivationBeforeItsLastSolve) {
  TestProgram p;
  p.fakes.settings.keys.clear();
  p.fakes.settings.refuseCreate = true;
  p.takeSolves();
  p.chooseMenu("ConversionData1");
  // Calculator 3 refills no radio, so its only solve is the final one.
  EXPECT_EQ(p.takeSolves(), 0);
  ASSERT_EQ(p.messages().size(), 1u);
  EXPECT_EQ(p.messages()[0], (Message{Message::Kind::Error, "Failed to set data for 'Program'", {}}));
  // The switch itself happened before the write.
  EXPECT_EQ(p.main().CurrentCalculator, 3);
  EXPECT_TRUE(p.showing("GroupBox7"));
}

// The page on show is stored before the refills of the shared radios
// solve. A store that refuses it lets the refills run all the same; the
// activation then ends with the registry error where it always did, before
// its final solve, and the window matches a writable store's.
TEST(Activation, ARefusedWriteIsReportedOnceAfterTheRefillsBeforeTheLastSolve) {
  for (const char* menu : {"RFImpedances1", "DifferentialPairs1", "ConductorProperties1", "OhmsLaw1"}) {
    SCOPED_TRACE(menu);
    TestProgram writable;
    TestProgram refusing;
    refusing.fakes.settings.keys.clear();
    refusing.fakes.settings.refuseCreate = true;
    for (TestProgram* p : {&writable, &refusing}) {
      p->takeMessages();
      p->takeSolves();
      p->chooseMenu(menu);
    }
    EXPECT_TRUE(writable.takeMessages().empty());
    EXPECT_EQ(refusing.takeMessages(), (std::vector<Message>{{Message::Kind::Error, "Failed to set data for 'Program'", {}}}));
    EXPECT_EQ(refusing.takeSolves(), writable.takeSolves() - 1);
    EXPECT_EQ(refusing.main().CurrentCalculator, writable.main().CurrentCalculator);
    EXPECT_EQ(refusing.items("RadioGroup3"), writable.items("RadioGroup3"));
    EXPECT_EQ(refusing.itemIndex("RadioGroup3"), writable.itemIndex("RadioGroup3"));
    EXPECT_EQ(refusing.items("RadioGroup5"), writable.items("RadioGroup5"));
  }
}

TEST(Activation, ATextThatIsNoNumberEndsTheActivationAtItsFirstSolve) {
  TestProgram p;
  p.chooseMenu("OhmsLaw1");
  p.takeMessages();
  p.form().edit("Edit1").setText("x");
  p.chooseMenu("ViaProperties1");
  const auto shown = p.takeMessages();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, "'x' is not a valid floating point value");
  // The error came from the first selection's solve; the page on show was
  // stored before it.
  EXPECT_EQ(p.setting("Program"), "16");
}

// The tab change empties the layer radio before the Differential Pairs
// activation runs, so that page's activation starts from no items; the menu
// item does not. Seen when the activation writes the radio's caption, before
// its refill.
class LayerItemsAtCaption : public ControlObserver {
 public:
  explicit LayerItemsAtCaption(Form& form) : form_(form) { form_.addObserver(this); }
  ~LayerItemsAtCaption() override { form_.removeObserver(this); }
  void propertyChanged(Control& control, Prop prop) override {
    if (control.name() == "RadioGroup3" && prop == Prop::Caption)
      seen.push_back(form_.radio("RadioGroup3").items().size());
  }
  std::vector<size_t> seen;

 private:
  Form& form_;
};

TEST(Activation, TheTabChangeEmptiesTheLayerRadioBeforeDifferentialPairs) {
  struct Row {
    bool byTab;
    int calculator;
    size_t itemsAtSelection;
  };
  // Coming from Via Properties, whose layer radio holds three layer sets.
  for (const Row& row : {Row{true, 4, 0}, Row{false, 4, 3}, Row{true, 1, 3}}) {
    TestProgram p;
    p.chooseMenu("ViaProperties1");
    LayerItemsAtCaption observer(p.form());
    if (row.byTab)
      p.chooseTab(row.calculator);
    else
      p.chooseMenu(row.calculator == 4 ? "DifferentialPairs1" : "RFImpedances1");
    ASSERT_FALSE(observer.seen.empty());
    EXPECT_EQ(observer.seen.front(), row.itemsAtSelection) << row.byTab << " " << row.calculator;
    EXPECT_EQ(p.items("RadioGroup3").size(), 6u);
  }
}

}  // namespace
}  // namespace cq::test
