// The settings script as text, and the program's own import of it into the
// settings store where the platform has no registry.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <ostream>
#include <string>

#include "app/settings_key.h"
#include "settings/default_settings.h"
#include "settings/expected_settings_script.h"
#include "settings/settings_script.h"
#include "settings/settings_script_import.h"
#include "support/fake_services.h"

namespace cq::test {
namespace {

std::string CaseName(const std::string& what) {
  std::string name;
  for (char c : what) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
}

const std::string kMakerKey = "Software\\Quillonex PCB Design, Inc.";

TEST(SettingsScript, TextIsTheInstalledScriptByteForByte) {
  EXPECT_EQ(SettingsScriptText(), kExpectedSettingsScript);
  // The preview shows the same lines as the file, without line ends.
  std::string joined;
  for (const std::string& line : SettingsScriptLines()) joined += line + "\r\n";
  EXPECT_EQ(joined, kExpectedSettingsScript);
}

// Import into an empty store: both keys, spelt as the program reads them,
// the fourteen values in the script's order and nothing else.
TEST(SettingsScriptImport, TheScriptFillsAnEmptyStoreWithTheFourteenValues) {
  FakeSettingsStore store;
  ImportSettingsScript(SettingsScriptText(), store, "QPCBD_Reg.reg");
  EXPECT_EQ(store.keys.size(), 2u);
  EXPECT_TRUE(store.keyExists(kMakerKey));
  ASSERT_TRUE(store.keyExists(kSettingsKey));
  EXPECT_EQ(store.keys[kSettingsKey], kExpectedInstalledValues);
  ASSERT_EQ(store.writes.size(), 14u);
  for (size_t i = 0; i < store.writes.size(); ++i)
    EXPECT_EQ(std::get<1>(store.writes[i]), DefaultSettings()[i].name) << i;
}

// Importing over a key with other values replaces the script's values and
// keeps the rest, as the registry import does.
TEST(SettingsScriptImport, OverAnExistingKeyReplacesOnlyTheScriptsValues) {
  FakeSettingsStore store;
  store.keys[kSettingsKey] = {{"Program", "3"}, {"Units", "1"}, {"Other", "x"}};
  ImportSettingsScript(SettingsScriptText(), store, "QPCBD_Reg.reg");
  EXPECT_EQ(store.keys[kSettingsKey]["Program"], "16");
  EXPECT_EQ(store.keys[kSettingsKey]["Units"], "0");
  EXPECT_EQ(store.keys[kSettingsKey]["Other"], "x");
}

struct ParseCase {
  const char* what;
  std::string text;
  std::map<std::string, std::map<std::string, std::string>> keys;
};

// Tests list the case by its name.
void PrintTo(const ParseCase& c, std::ostream* os) { *os << c.what; }

class SettingsScriptAccepted : public ::testing::TestWithParam<ParseCase> {};

TEST_P(SettingsScriptAccepted, ImportsAsWritten) {
  FakeSettingsStore store;
  ImportSettingsScript(GetParam().text, store, "test.reg");
  EXPECT_EQ(store.keys, GetParam().keys);
}

const std::string kHeader = "Windows Registry Editor Version 5.00";

INSTANTIATE_TEST_SUITE_P(
    Texts, SettingsScriptAccepted,
    ::testing::Values(
        ParseCase{"LF line ends", kHeader + "\n\n[HKEY_CURRENT_USER\\Software\\A]\n\"x\"=\"1\"\n", {{"Software\\A", {{"x", "1"}}}}},
        ParseCase{"no line end after the last line", kHeader + "\r\n[HKEY_CURRENT_USER\\Software\\A]\r\n\"x\"=\"1\"",
                  {{"Software\\A", {{"x", "1"}}}}},
        ParseCase{"byte-order mark, comment and blank lines",
                  "\xEF\xBB\xBF" + kHeader + "\r\n; note\r\n\r\n[HKCU\\software\\A]\r\n  \r\n\"x\"=\"1\"  \r\n",
                  {{"Software\\A", {{"x", "1"}}}}},
        ParseCase{"escaped quote and backslash, empty text, blanks and '=' inside",
                  kHeader + "\n[HKEY_CURRENT_USER\\Software\\A]\n\"a b\"=\"say \\\"hi\\\" = C:\\\\dir\"\n\"e\"=\"\"\n",
                  {{"Software\\A", {{"a b", "say \"hi\" = C:\\dir"}, {"e", ""}}}}},
        ParseCase{"older header", "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\A]\n\"x\"=\"2\"\n", {{"Software\\A", {{"x", "2"}}}}},
        ParseCase{"the program's key in any case",
                  kHeader + "\n[hkey_current_user\\SOFTWARE\\QUILLONEX PCB DESIGN, INC.\\cirquet]\n\"Units\"=\"1\"\n",
                  {{kSettingsKey, {{"Units", "1"}}}}}),
    [](const auto& param) { return CaseName(param.param.what); });

struct RejectCase {
  const char* what;
  std::string text;
  std::string message;
};

// Tests list the case by its name.
void PrintTo(const RejectCase& c, std::ostream* os) { *os << c.what; }

class SettingsScriptRejected : public ::testing::TestWithParam<RejectCase> {};

// A malformed script is refused whole: the store stays empty.
TEST_P(SettingsScriptRejected, NamesTheFaultAndChangesNothing) {
  FakeSettingsStore store;
  try {
    ImportSettingsScript(GetParam().text, store, "test.reg");
    FAIL() << "imported";
  } catch (const SettingsScriptError& e) {
    EXPECT_EQ(std::string(e.what()), GetParam().message);
  }
  EXPECT_TRUE(store.keys.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SettingsScriptRejected,
    ::testing::Values(
        RejectCase{"empty", "", "Cannot import test.reg: not a registry script"},
        RejectCase{"no header", "[HKEY_CURRENT_USER\\Software\\A]\n", "Cannot import test.reg: not a registry script (line 1)"},
        RejectCase{"value before a key", kHeader + "\n\"x\"=\"1\"\n",
                   "Cannot import test.reg: a value before the first key (line 2)"},
        RejectCase{"another root", kHeader + "\n[HKEY_LOCAL_MACHINE\\Software\\A]\n",
                   "Cannot import test.reg: only keys of the current user can be imported (line 2)"},
        RejectCase{"a key deletion", kHeader + "\n[-HKEY_CURRENT_USER\\Software\\A]\n",
                   "Cannot import test.reg: deleting a key is not supported (line 2)"},
        RejectCase{"a number value", kHeader + "\n[HKEY_CURRENT_USER\\Software\\A]\n\"x\"=\"1\"\n\"n\"=dword:00000001\n",
                   "Cannot import test.reg: only string values can be imported (line 4)"},
        RejectCase{"an open quote", kHeader + "\n[HKEY_CURRENT_USER\\Software\\A]\n\"x\"=\"1\n",
                   "Cannot import test.reg: a text without its closing quote (line 3)"},
        RejectCase{"text after the value", kHeader + "\n[HKEY_CURRENT_USER\\Software\\A]\n\"x\"=\"1\" ;c\n",
                   "Cannot import test.reg: text after the value (line 3)"},
        RejectCase{"an open bracket", kHeader + "\n[HKEY_CURRENT_USER\\Software\\A\n",
                   "Cannot import test.reg: a key line without its closing bracket (line 2)"}),
    [](const auto& param) { return CaseName(param.param.what); });

// A store that refuses the key or a value makes the import fail loudly
// instead of reporting success.
TEST(SettingsScriptImport, AStoreThatRefusesIsAnError) {
  FakeSettingsStore refusingKeys;
  refusingKeys.refuseCreate = true;
  EXPECT_THROW(ImportSettingsScript(SettingsScriptText(), refusingKeys, "QPCBD_Reg.reg"), SettingsScriptError);

  FakeSettingsStore refusingValue;
  refusingValue.refusedValues = {"Units"};
  try {
    ImportSettingsScript(SettingsScriptText(), refusingValue, "QPCBD_Reg.reg");
    FAIL() << "imported";
  } catch (const SettingsScriptError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot import QPCBD_Reg.reg: the value Units cannot be written");
  }
}

TEST(SettingsScriptImport, CanonicalKeyPathSpellsTheProgramsKeyItsOwnWay) {
  EXPECT_EQ(CanonicalKeyPath("SOFTWARE\\Quillonex PCB Design, Inc.\\Cirquet"), kSettingsKey);
  EXPECT_EQ(CanonicalKeyPath("software\\quillonex pcb design, inc."), kMakerKey);
  // Past the settings key, or off its path, the parts stay as written.
  EXPECT_EQ(CanonicalKeyPath("SOFTWARE\\Other\\Cirquet"), "Software\\Other\\Cirquet");
  EXPECT_EQ(CanonicalKeyPath("SOFTWARE\\Quillonex PCB Design, Inc.\\Cirquet\\Sub"), std::string(kSettingsKey) + "\\Sub");
}

}  // namespace
}  // namespace cq::test
