// The real settings file after someone or something damaged it, and a file
// or folder the user cannot write.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>
#include <ostream>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

#include "app/settings_key.h"
#include "platform/controls.h"
#include "program/program.h"
#include "settings/default_settings.h"
#include "support/fake_services.h"
#include "ui_qt/qt_settings_store.h"

namespace cq::ui {
namespace {

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

QByteArray RandomBytes(int count) {
  std::mt19937 gen(14);  // fixed seed: the same bytes every run
  QByteArray bytes;
  for (int i = 0; i < count; ++i) bytes.append(static_cast<char>(gen() & 0xFF));
  return bytes;
}

// Runs check as a user without rights to what root owns: as root by a
// child process that gives them up (root writes whatever the permissions
// say), otherwise in this process.
bool AsUnprivilegedUser(const std::function<bool()>& check) {
  if (geteuid() != 0) return check();
  const pid_t child = fork();
  if (child == 0) {
    const bool dropped = setgid(65534) == 0 && setuid(65534) == 0;
    _exit(dropped && check() ? 0 : 1);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Gives the file to the user AsUnprivilegedUser runs as.
void OwnForUnprivilegedUser(const QString& path) {
  if (geteuid() == 0) {
    ASSERT_EQ(chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
  }
}

struct Damage {
  const char* name;
  std::function<QByteArray(const QByteArray&)> apply;
  friend void PrintTo(const Damage& d, std::ostream* os) { *os << d.name; }
};

// Each damage applied to the file a first start wrote.
const Damage kDamages[] = {
    {"TruncatedInsideALine", [](const QByteArray& good) { return good.left(good.indexOf("Units=") + 3); }},
    {"ByteOrderMarkPrepended", [](const QByteArray& good) { return QByteArray("\xEF\xBB\xBF") + good; }},
    {"NulBytesAppended", [](const QByteArray& good) { return good + QByteArray(4, '\0'); }},
    {"RandomBytesAppended", [](const QByteArray& good) { return good + RandomBytes(4096); }},
};

class DamagedSettingsFile : public ::testing::TestWithParam<Damage> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    QtSettingsStore firstStart(file());
    ASSERT_TRUE(WriteDefaultSettings(firstStart));
  }
  QString file() const { return dir.filePath("Cirquet.conf"); }
  QString copy() const { return dir.filePath("Cirquet.conf.bad"); }
  QTemporaryDir dir;
};

TEST_P(DamagedSettingsFile, WritesSucceedAndTheDamagedFileIsKeptBesideIt) {
  const QByteArray damaged = GetParam().apply(ReadAll(file()));
  WriteAll(file(), damaged);
  WriteAll(copy(), "an older copy");
  {
    QtSettingsStore store(file());
    // Each write reports its own outcome, not the load's format error.
    EXPECT_TRUE(store.writeValue(kSettingsKey, "Plate_Weight", "2"));
    EXPECT_TRUE(store.writeValue(kSettingsKey, "Units", "1"));
    EXPECT_EQ(store.readValue(kSettingsKey, "Units"), "1");
  }
  EXPECT_EQ(ReadAll(copy()), damaged);
  QtSettingsStore nextStart(file());
  EXPECT_EQ(nextStart.readValue(kSettingsKey, "Units"), "1");
  EXPECT_EQ(nextStart.readValue(kSettingsKey, "Plate_Weight"), "2");
  // A value before the damage was readable and is still there.
  EXPECT_EQ(nextStart.readValue(kSettingsKey, "Base_Weight"), "1");
  // The rewritten file is whole again: writing it makes no new copy.
  QFile::remove(copy());
  EXPECT_TRUE(nextStart.writeValue(kSettingsKey, "Units", "0"));
  EXPECT_FALSE(QFileInfo::exists(copy()));
}

INSTANTIATE_TEST_SUITE_P(Damages, DamagedSettingsFile, ::testing::ValuesIn(kDamages),
                         [](const auto& param) { return std::string(param.param.name); });

class SettingsFileTest : public ::testing::Test {
 protected:
  QString file() const { return dir.filePath("Cirquet.conf"); }
  QString copy() const { return dir.filePath("Cirquet.conf.bad"); }
  QTemporaryDir dir;
};

TEST_F(SettingsFileTest, RandomBytesBeforeTheFirstStartTakeAllFourteenValues) {
  const QByteArray junk = RandomBytes(4096);
  WriteAll(file(), junk);
  {
    QtSettingsStore store(file());
    // QSettings reads names out of the junk, but they make no key: this is
    // a first start.
    ASSERT_FALSE(store.keyExists(kSettingsKey));
    ASSERT_TRUE(WriteDefaultSettings(store));
  }
  EXPECT_EQ(ReadAll(copy()), junk);
  QtSettingsStore nextStart(file());
  for (const auto& value : DefaultSettings())
    EXPECT_EQ(nextStart.readValue(kSettingsKey, value.name), value.text) << value.name;
}

TEST_F(SettingsFileTest, AWholeFileIsNeverCopied) {
  {
    QtSettingsStore store(file());
    ASSERT_TRUE(WriteDefaultSettings(store));
  }
  QtSettingsStore again(file());
  EXPECT_TRUE(again.writeValue(kSettingsKey, "Units", "1"));
  EXPECT_FALSE(QFileInfo::exists(copy()));
}

TEST_F(SettingsFileTest, AReadOnlyFileRefusesWritesAndStaysAsItWas) {
  {
    QtSettingsStore store(file());
    ASSERT_TRUE(WriteDefaultSettings(store));
  }
  // Damaged too: a refused write must not count as the first write.
  WriteAll(file(), ReadAll(file()) + QByteArray(4, '\0'));
  const QByteArray before = ReadAll(file());
  ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
  ASSERT_EQ(chmod(QFile::encodeName(file()).constData(), 0444), 0);
  EXPECT_TRUE(AsUnprivilegedUser([&] {
    QtSettingsStore store(file());
    return store.readValue(kSettingsKey, "Units") == "0" && !store.writeValue(kSettingsKey, "Units", "1") &&
           !store.writeValue(kSettingsKey, "Plate_Weight", "0");
  }));
  EXPECT_EQ(ReadAll(file()), before);
  EXPECT_FALSE(QFileInfo::exists(copy()));
}

TEST_F(SettingsFileTest, AReadOnlyFolderRefusesWritesAndLosesNothing) {
  {
    QtSettingsStore store(file());
    ASSERT_TRUE(WriteDefaultSettings(store));
  }
  WriteAll(file(), QByteArray("\xEF\xBB\xBF") + ReadAll(file()));
  const QByteArray damaged = ReadAll(file());
  // The file itself may be written, its folder not: no copy can be kept
  // beside it, so the damaged file is not rewritten either.
  OwnForUnprivilegedUser(file());
  ASSERT_EQ(chmod(QFile::encodeName(file()).constData(), 0644), 0);
  ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0555), 0);
  EXPECT_TRUE(AsUnprivilegedUser([&] {
    QtSettingsStore store(file());
    return !store.writeValue(kSettingsKey, "Units", "1");
  }));
  EXPECT_EQ(ReadAll(file()), damaged);
  // A whole file in that folder: QSettings cannot write beside it either.
  WriteAll(file(), damaged.mid(3));
  EXPECT_TRUE(AsUnprivilegedUser([&] {
    QtSettingsStore store(file());
    return store.readValue(kSettingsKey, "Units") == "0" && !store.writeValue(kSettingsKey, "Units", "1");
  }));
  EXPECT_EQ(ReadAll(file()), damaged.mid(3));
  ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), 0755), 0);
}

// A complete file that cannot be changed: the file itself, or only its
// folder, which QSettings writes the new file into.
struct Lock {
  const char* name;
  mode_t file;
  mode_t folder;
  friend void PrintTo(const Lock& l, std::ostream* os) { *os << l.name; }
};

const Lock kLocks[] = {{"ReadOnlyFile", 0444, 0755}, {"ReadOnlyFolder", 0644, 0555}};

class LockedCompleteFile : public ::testing::TestWithParam<Lock> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    {
      QtSettingsStore firstStart(file());
      ASSERT_TRUE(WriteDefaultSettings(firstStart));
    }
    installed = ReadAll(file());
    OwnForUnprivilegedUser(file());
    ASSERT_EQ(chmod(QFile::encodeName(file()).constData(), GetParam().file), 0);
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()).constData(), GetParam().folder), 0);
  }
  void TearDown() override { chmod(QFile::encodeName(dir.path()).constData(), 0755); }
  QString file() const { return dir.filePath("Cirquet.conf"); }
  QTemporaryDir dir;
  QByteArray installed;
};

// A value the file holds is stored: writing it again succeeds without
// touching the file. A change is refused.
TEST_P(LockedCompleteFile, TakesTheValuesItHoldsAndRefusesAChange) {
  EXPECT_TRUE(AsUnprivilegedUser([&] {
    QtSettingsStore store(file());
    bool held = true;
    for (const auto& value : DefaultSettings()) held = store.writeValue(kSettingsKey, value.name, value.text) && held;
    return held && !store.writeValue(kSettingsKey, "Units", "1");
  }));
  EXPECT_EQ(ReadAll(file()), installed);
}

// Start-up writes back the values it has just read, which is no failure;
// the first change the user makes is still reported.
TEST_P(LockedCompleteFile, AStartShowsNoBoxAndAChangeIsStillReported) {
  EXPECT_TRUE(AsUnprivilegedUser([&] {
    QtSettingsStore store(file());
    test::FakeServices fakes;
    Program program({fakes.dialogs, store, fakes.shell, fakes.locale, fakes.loop, fakes.clock, fakes.printer,
                     fakes.styles, fakes.process});
    program.createWindows();
    program.showMainWindow();
    const bool quietStart = fakes.dialogs.shown.empty();
    program.form("Form1").radio("RadioGroup6").userSelect(1);
    const std::vector<test::Message> reported = {
        {test::Message::Kind::Error, "Failed to set data for 'Units'", ""}};
    // The child's checks cannot fail the test themselves: say what showed.
    for (const test::Message& m : fakes.dialogs.shown) std::fprintf(stderr, "shown: %s\n", m.text.c_str());
    return quietStart && fakes.dialogs.shown == reported;
  }));
  EXPECT_EQ(ReadAll(file()), installed);
}

INSTANTIATE_TEST_SUITE_P(Locks, LockedCompleteFile, ::testing::ValuesIn(kLocks),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
}  // namespace cq::ui
