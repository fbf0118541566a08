// The first start on a machine where no installer has run: the settings key
// does not exist, so the program installs the settings script's values and
// starts as after an installation. A key that exists is never completed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/default_settings.h"
#include "settings/expected_settings_script.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

TEST(FirstStart, WithoutAKeyInstallsTheScriptValuesAndStartsOnViaPropertiesInImperial) {
  TestProgram p;  // no key at all
  EXPECT_EQ(p.fakes.settings.keys.at(TestProgram::settingsKey()), kExpectedInstalledValues);
  // No conversion error from the loader or the Program Options window.
  EXPECT_TRUE(p.messages().empty());
  EXPECT_FALSE(p.form().control("Label301").visible());
  EXPECT_EQ(p.main().CurrentCalculator, 16);
  EXPECT_EQ(p.itemIndex("RadioGroup6"), 0);
  EXPECT_EQ(p.text("Edit136"), "0.7");
}

TEST(FirstStart, TheInstalledValuesAreWrittenInTheScriptsOrder) {
  const char* const order[] = {"Conductor_Reduction", "IPC_Version", "Derating",          "Manual_Copper_Weight",
                               "Program",             "Units",       "Via_Height_Enable", "Registry_Status",
                               "Base_Weight",         "Plate_Weight", "TH_Via_AR_Setting", "UVia_AR_Setting",
                               "Cirquet_Theme",       "File_Index"};
  ASSERT_EQ(DefaultSettings().size(), std::size(order));
  for (size_t i = 0; i < std::size(order); ++i) EXPECT_STREQ(DefaultSettings()[i].name, order[i]) << i;
}

TEST(FirstStart, AKeyThatExistsIsNotCompleted) {
  StartOptions options;
  options.settings = TestProgram::installedSettings();
  options.settings.erase("Units");
  TestProgram p(options);
  EXPECT_EQ(p.setting("Units"), "<missing>");
  EXPECT_EQ(p.takeMessages().at(0).text, "'' is not a valid integer value");
}

// A store that cannot create the key starts without it: the missing
// settings are reported as for any damaged key, and start-up still ends.
TEST(FirstStart, AStoreThatRefusesTheKeyStartsWithTheMissingSettingsReported) {
  StartOptions options;
  options.storeRefusesNewKeys = true;
  TestProgram p(options);
  EXPECT_FALSE(p.fakes.settings.keyExists(TestProgram::settingsKey()));
  std::vector<std::string> errors;
  for (const auto& m : p.messages()) errors.push_back(m.text);
  // The Program Options window's theme and the loader's units.
  EXPECT_EQ(errors, (std::vector<std::string>{"'' is not a valid integer value", "'' is not a valid integer value"}));
  EXPECT_TRUE(p.showing("Label301"));
  EXPECT_EQ(p.main().CurrentCalculator, 0);
  EXPECT_FALSE(p.form("Form4").visible());
  EXPECT_EQ(p.startUp().sleeps, 101);
}

}  // namespace
}  // namespace cq::test
