// The base-copper and plating radios store their item index and solve.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "options/copper_weight_radios.h"
#include "platform/errors.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

struct RadioCase {
  const char* radio;
  const char* value;
  int designItem;
  int lastItem;
};

std::ostream& operator<<(std::ostream& os, const RadioCase& c) { return os << c.radio; }

class CopperRadios : public ::testing::TestWithParam<RadioCase> {
 protected:
  void SetUp() override {
    // Er Effective enables both radios.
    t.chooseMenu("ErEffective1");
    t.takeSolves();
  }
  TestProgram t;
};

// The value is written before the solve runs, so every solve of a
// selection already finds it stored.
TEST_P(CopperRadios, EachSelectionStoresItsIndexThenSolves) {
  const RadioCase& c = GetParam();
  std::string storedAtSolve;
  t.main().addPreSolveStep([&] { storedAtSolve = t.setting(c.value); });
  for (int item : {0, c.lastItem, 3}) {
    t.selectRadio(c.radio, item);
    const std::string text = std::to_string(item);
    EXPECT_EQ(t.setting(c.value), text);
    EXPECT_EQ(storedAtSolve, text);
    EXPECT_EQ(t.takeSolves(), 1);
  }
  EXPECT_TRUE(t.takeMessages().empty());
}

// Clicking the selected item changes nothing: no write, no solve.
TEST_P(CopperRadios, TheSelectedItemAgainDoesNothing) {
  const RadioCase& c = GetParam();
  ASSERT_EQ(t.itemIndex(c.radio), c.designItem);
  const size_t writes = t.fakes.settings.writes.size();
  t.selectRadio(c.radio, c.designItem);
  t.form().radio(c.radio).setItemIndex(c.designItem);
  EXPECT_EQ(t.fakes.settings.writes.size(), writes);
  EXPECT_EQ(t.takeSolves(), 0);
}

// The program's own selections (a refill by the Units switch or the splash)
// store and solve the same way.
TEST_P(CopperRadios, ASelectionByTheProgramAlsoStoresAndSolves) {
  const RadioCase& c = GetParam();
  auto& radio = t.form().radio(c.radio);
  radio.clearItems();
  for (int i = 0; i <= c.lastItem; ++i) radio.addItem("item");
  EXPECT_EQ(t.takeSolves(), 0);
  radio.setItemIndex(c.designItem);
  EXPECT_EQ(t.setting(c.value), std::to_string(c.designItem));
  EXPECT_EQ(t.takeSolves(), 1);
}

// A write that fails shows the registry error and ends the handler: the
// radio keeps its new item, nothing solves. Both ways a write can fail: the
// key cannot be opened, or the value is refused.
TEST_P(CopperRadios, AFailedWriteShowsTheErrorAndDoesNotSolve) {
  const RadioCase& c = GetParam();
  for (bool keyGone : {true, false}) {
    TestProgram p;
    p.chooseMenu("ErEffective1");
    p.takeSolves();
    p.takeMessages();
    const std::string before = p.setting(c.value);
    if (keyGone) {
      p.fakes.settings.keys.clear();
      p.fakes.settings.refuseCreate = true;
    } else {
      p.fakes.settings.refusedValues.insert(c.value);
    }
    p.selectRadio(c.radio, 4);
    auto shown = p.takeMessages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].kind, Message::Kind::Error);
    EXPECT_EQ(shown[0].text, std::string("Failed to set data for '") + c.value + "'");
    EXPECT_EQ(p.itemIndex(c.radio), 4);
    EXPECT_EQ(p.takeSolves(), 0);
    if (!keyGone) {
      EXPECT_EQ(p.setting(c.value), before);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Radios, CopperRadios,
                         ::testing::Values(RadioCase{"RadioGroup4", "Base_Weight", 1, 8},
                                           RadioCase{"RadioGroup1", "Plate_Weight", 2, 6}),
                         [](const auto& p) { return std::string(p.param.value); });

TEST(CopperDescription, RadiosThatDifferFromTheTableFailAtAttach) {
  TestProgram t;
  Form form(t.program().app(), "Probe", "TProbe");
  auto& base = form.create<RadioGroup>("RadioGroup4");
  auto& plating = form.create<RadioGroup>("RadioGroup1");
  base.setItems({"0.25oz", "0.5oz", "1oz", "1.5oz", "2oz", "2.5oz", "3oz", "4oz", "5oz"});
  plating.setItems({"Bare PCB", "0.5oz", "1oz", "1.5oz", "2oz", "2.5oz", "3oz"});
  CopperWeightRadios part(t.main());
  EXPECT_NO_THROW(part.attach(form));
  plating.setItemText(1, "0,5oz");
  EXPECT_THROW(part.attach(form), DescriptionError);
}

}  // namespace
}  // namespace cq::test
