// Manual copper turned on while a page that reads no copper is shown: every
// page that reads the typed thicknesses must still take them when opened.
#include <gtest/gtest.h>

#include <string>

#include "support/page_steps.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

struct Reader {
  const char* menuItem;
  // The total copper thickness the solve writes from 1.2 + 0.9 mils, or
  // nullptr where the page shows no total.
  const char* total;
};

// 1.2 mils base + 0.9 mils plating = 2.10 mils (by hand); every reader
// counts the plating at its default structure or layer.
const Reader kReaders[] = {
    {"ConductorProperties1", "2.10 mils"}, {"ErEffective1", "2.10 mils"}, {"FuseCurrent1", "2.10 mils"},
    {"RFImpedances1", nullptr},            {"DifferentialPairs1", nullptr},
};

// Pages that read no copper, where the box is ticked.
const char* const kTickedOn[] = {"ConductorSpacing1", "PDNImpedance1", "ThermalManagement1", "ViaProperties1"};

TEST(ManualCopperOnAnotherPage, EveryReaderTakesTheTypedThicknesses) {
  for (const char* ticked : kTickedOn)
    for (const Reader& reader : kReaders) {
      SCOPED_TRACE(std::string(ticked) + " -> " + reader.menuItem);
      TestProgram t;
      t.chooseMenu(ticked);
      // Options > Copper Weight, tick, Close: the way a user turns it on.
      t.chooseMenu("CopperWeight1");
      t.click("Form6.CheckBox1");
      t.click("Form6.Button1");
      ASSERT_FALSE(t.form("Form6").showing());
      ASSERT_TRUE(t.form("Form6").checkBox("CheckBox1").checked());

      t.chooseMenu(reader.menuItem);
      for (const char* box : {"GroupBox31", "GroupBox32", "Edit136", "Edit138"}) {
        EXPECT_TRUE(t.showing(box)) << box;
        EXPECT_TRUE(t.enabled(box)) << box;
      }
      if (reader.total == nullptr) continue;
      t.takeMessages();
      EnterAll(t, {{"Edit136", "1.2"}, {"Edit138", "0.9"}});
      EXPECT_TRUE(t.takeMessages().empty());
      EXPECT_EQ(t.text("Label56"), reader.total);
    }
}

// Back on a page that reads no copper the boxes are greyed again.
TEST(ManualCopperOnAnotherPage, APageThatReadsNoCopperGreysTheBoxesAgain) {
  TestProgram t;
  t.chooseMenu("FuseCurrent1");
  t.chooseMenu("CopperWeight1");
  t.click("Form6.CheckBox1");
  t.click("Form6.Button1");
  t.chooseMenu("PDNImpedance1");
  for (const char* box : {"GroupBox31", "GroupBox32"}) {
    EXPECT_TRUE(t.showing(box)) << box;
    EXPECT_FALSE(t.enabled(box)) << box;
  }
}

}  // namespace
}  // namespace cq::test
