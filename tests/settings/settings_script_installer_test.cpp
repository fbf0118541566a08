// The settings-script installer: the script written into the current
// directory byte for byte, imported into the settings store (this platform
// has no registry), and the program ended; Cancel and the failures that
// keep the window open.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "app/settings_key.h"
#include "settings/expected_settings_script.h"
#include "settings/open_with_default_action.h"
#include "settings/settings_script.h"
#include "settings/settings_script_import.h"
#include "support/test_program.h"

namespace cq::test {
namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// A fresh directory of its own for every test, removed afterwards.
class Installer : public ::testing::Test {
 protected:
  Installer() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir = fs::temp_directory_path() / ("cirquet-installer-" + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()) + "-" + info->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  ~Installer() override { fs::remove_all(dir); }

  std::unique_ptr<TestProgram> start(std::map<std::string, std::string> settings = TestProgram::installedSettings(),
                                     const fs::path& at = {}) {
    StartOptions options;
    options.settings = std::move(settings);
    options.currentDirectory = (at.empty() ? dir : at).string();
    auto p = std::make_unique<TestProgram>(options);
    p->takeMessages();
    p->takeSolves();
    return p;
  }
  fs::path script() const { return dir / "QPCBD_Reg.reg"; }

  fs::path dir;
};

TEST_F(Installer, ShowsTheScriptPathAndTheScriptsLines) {
  auto p = start();
  EXPECT_EQ(p->text("Form8.Edit1"), (dir / "QPCBD_Reg.reg").string());
  EXPECT_EQ(p->form("Form8").get<Memo>("RichEdit1").lines(), SettingsScriptLines());
  EXPECT_TRUE(p->form("Form8").edit("Edit1").readOnly());
  EXPECT_TRUE(p->form("Form8").edit("RichEdit1").readOnly());
  EXPECT_FALSE(fs::exists(script()));
}

TEST_F(Installer, TheHelpMenuAndTheRegistryErrorLabelOpenItWithTheMainWindowUsable) {
  auto settings = TestProgram::installedSettings();
  settings.erase("Registry_Status");
  auto p = start(settings);
  ASSERT_TRUE(p->showing("Label301"));
  p->click("Label301");
  EXPECT_TRUE(p->form("Form8").visible());
  EXPECT_TRUE(p->form().enabled());
  p->click("Form8.Button2");
  p->chooseMenu("ReinstallRegistryKeys1");
  EXPECT_TRUE(p->form("Form8").visible());
  EXPECT_TRUE(p->form().enabled());
}

// "Run ": the file byte for byte, its values imported into the store over
// what was there, the window closed and the program ended with status 0.
TEST_F(Installer, RunWritesTheScriptImportsItAndEndsTheProgram) {
  auto p = start({{"Units", "1"}, {"Program", "3"}, {"Registry_Status", "1"}});
  p->chooseMenu("ReinstallRegistryKeys1");
  p->click("Form8.Button1");
  EXPECT_EQ(readFile(script()), kExpectedSettingsScript);
  EXPECT_EQ(p->fakes.settings.keys[kSettingsKey], kExpectedInstalledValues);
  EXPECT_TRUE(p->fakes.shell.opened.empty());
  EXPECT_FALSE(p->form("Form8").visible());
  EXPECT_EQ(p->fakes.process.exits, std::vector<int>{0});
  EXPECT_TRUE(p->takeMessages().empty());
}

// Imported back into a store that holds nothing: exactly the fourteen
// values, and the next start runs on them without the error label.
TEST_F(Installer, ImportedIntoAnEmptyStoreTheNextStartRunsOnTheInstalledValues) {
  auto p = start();
  p->fakes.settings.keys.clear();
  p->chooseMenu("ReinstallRegistryKeys1");
  p->click("Form8.Button1");
  ASSERT_EQ(p->fakes.settings.keys[kSettingsKey], kExpectedInstalledValues);

  auto next = start(p->fakes.settings.keys[kSettingsKey]);
  EXPECT_TRUE(next->takeMessages().empty());
  EXPECT_FALSE(next->showing("Label301"));
  EXPECT_EQ(next->main().CurrentCalculator, 16);
  EXPECT_EQ(next->itemIndex("RadioGroup6"), 0);
  EXPECT_EQ(next->itemIndex("Form6.RadioGroup1"), 0);
  EXPECT_EQ(next->itemIndex("Form6.RadioGroup2"), 0);
  EXPECT_EQ(next->itemIndex("Form6.cbxVclStyles"), 2);
  EXPECT_EQ(next->fakes.styles.active, "Charcoal HiRes");
}

TEST_F(Installer, ASecondRunOverwritesTheFileWithTheSameBytes) {
  {
    std::ofstream old(script(), std::ios::binary);
    old << std::string(4000, 'x');
  }
  for (int run = 0; run < 2; ++run) {
    auto p = start();
    p->form("Form8").show();
    p->click("Form8.Button1");
    EXPECT_EQ(readFile(script()), kExpectedSettingsScript) << run;
  }
}

TEST_F(Installer, CancelWritesNothingAndTheProgramGoesOn) {
  auto p = start();
  const auto before = p->fakes.settings.keys;
  const size_t writes = p->fakes.settings.writes.size();
  p->chooseMenu("ReinstallRegistryKeys1");
  p->click("Form8.Button2");
  EXPECT_FALSE(p->form("Form8").visible());
  EXPECT_FALSE(fs::exists(script()));
  EXPECT_TRUE(fs::is_empty(dir));
  EXPECT_EQ(p->fakes.settings.keys, before);
  EXPECT_EQ(p->fakes.settings.writes.size(), writes);
  EXPECT_TRUE(p->fakes.process.exits.empty());
  EXPECT_FALSE(p->program().app().terminated());
}

// A script that cannot be written is reported with its path; nothing is
// imported and the program does not end, so the user can cancel.
TEST_F(Installer, AScriptThatCannotBeWrittenIsReportedAndTheWindowStays) {
  const fs::path missing = dir / "gone";
  auto p = start(TestProgram::installedSettings(), missing);
  const size_t writes = p->fakes.settings.writes.size();
  p->chooseMenu("ReinstallRegistryKeys1");
  p->click("Form8.Button1");
  EXPECT_EQ(p->takeMessages(),
            (std::vector<Message>{{Message::Kind::Error, "Cannot create file \"" + (missing / "QPCBD_Reg.reg").string() + "\"", {}}}));
  EXPECT_TRUE(p->form("Form8").visible());
  EXPECT_TRUE(p->fakes.process.exits.empty());
  EXPECT_TRUE(p->fakes.shell.opened.empty());
  EXPECT_EQ(p->fakes.settings.writes.size(), writes);
}

// An import the store refuses is an error, not a silent success: the
// program goes on with the window open.
TEST_F(Installer, AnImportTheStoreRefusesIsReportedAndTheProgramGoesOn) {
  // The key holds Metric, so the script's "0" is a change, which the store
  // refuses (a value it holds already would be no failure).
  auto settings = TestProgram::installedSettings();
  settings["Units"] = "1";
  auto p = start(settings);
  p->fakes.settings.refusedValues = {"Units"};
  p->chooseMenu("ReinstallRegistryKeys1");
  p->click("Form8.Button1");
  EXPECT_EQ(p->takeMessages(),
            (std::vector<Message>{{Message::Kind::Error,
                                   "Cannot import " + script().string() + ": the value Units cannot be written", {}}}));
  EXPECT_TRUE(p->form("Form8").visible());
  EXPECT_TRUE(p->fakes.process.exits.empty());
}

// The path has no length limit: a directory far past 179 characters works.
TEST_F(Installer, APathOfAnyLengthIsShownAndWritten) {
  fs::path deep = dir;
  for (int i = 0; i < 6; ++i) deep /= std::string(60, static_cast<char>('a' + i));
  fs::create_directories(deep);
  auto p = start(TestProgram::installedSettings(), deep);
  const std::string path = (deep / "QPCBD_Reg.reg").string();
  ASSERT_GT(path.size(), 380u);
  EXPECT_EQ(p->text("Form8.Edit1"), path);
  p->form("Form8").show();
  p->click("Form8.Button1");
  EXPECT_EQ(readFile(path), kExpectedSettingsScript);
  EXPECT_EQ(p->fakes.process.exits, std::vector<int>{0});
}

// The path is the directory of the start; a later change does not move it.
TEST_F(Installer, ThePathIsFixedWhenTheWindowIsCreated) {
  auto p = start();
  fs::create_directories(dir / "later");
  p->fakes.process.directory = (dir / "later").string();
  p->form("Form8").show();
  p->click("Form8.Button1");
  EXPECT_TRUE(fs::exists(script()));
  EXPECT_FALSE(fs::exists(dir / "later" / "QPCBD_Reg.reg"));
}

// Where the platform has a registry the script goes to the shell, by its
// name in its directory; other documents always go to the shell.
TEST_F(Installer, WithARegistryOrForOtherDocumentsTheShellOpensTheTarget) {
  FakeServices fakes;
  Services services = fakes.services();
  {
    std::ofstream file(script(), std::ios::binary);
    file << SettingsScriptText();
  }
  OpenWithDefaultAction(services, "QPCBD_Reg.reg", dir.string(), true);
  OpenWithDefaultAction(services, "EULA.pdf", dir.string(), false);
  EXPECT_EQ(fakes.shell.opened, (std::vector<std::pair<std::string, std::string>>{{"QPCBD_Reg.reg", dir.string()},
                                                                                  {"EULA.pdf", dir.string()}}));
  EXPECT_TRUE(fakes.settings.keys.empty());
  // Without a registry any ".reg" is imported; one that cannot be read is
  // an error, not a silent nothing.
  EXPECT_THROW(OpenWithDefaultAction(services, "Other.REG", dir.string(), false), SettingsScriptError);
}

}  // namespace
}  // namespace cq::test
