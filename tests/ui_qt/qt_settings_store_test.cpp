#include "ui_qt/qt_settings_store.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "settings/default_settings.h"

namespace cq::ui {
namespace {

const std::string kKey = "Software\\Quillonex PCB Design, Inc.\\Cirquet";

class QtSettingsStoreTest : public ::testing::Test {
 protected:
  QString file() const { return dir.filePath("Cirquet.conf"); }
  QTemporaryDir dir;
};

TEST_F(QtSettingsStoreTest, TextsComeBackExactlyAsWrittenAfterARestart) {
  // Commas would split into a list on reading if the text format saw them
  // bare; blanks, quotes, '@' and '=' are its other special characters.
  const std::vector<std::string> values = {"2,5", "a,b,c", "", "0", " 10 ", "\"quoted\"", "@at", "x=y", "a;b",
                                           "0,7", "line\\with\\backslashes"};
  {
    QtSettingsStore store(file());
    ASSERT_TRUE(store.createKey(kKey));
    for (size_t i = 0; i < values.size(); ++i)
      ASSERT_TRUE(store.writeValue(kKey, "Value" + std::to_string(i), values[i])) << values[i];
  }
  QtSettingsStore reopened(file());
  EXPECT_TRUE(reopened.keyExists(kKey));
  for (size_t i = 0; i < values.size(); ++i) {
    const auto read = reopened.readValue(kKey, "Value" + std::to_string(i));
    ASSERT_TRUE(read.has_value()) << values[i];
    EXPECT_EQ(*read, values[i]);
    EXPECT_TRUE(reopened.holdsText(kKey, "Value" + std::to_string(i)));
  }
}

TEST_F(QtSettingsStoreTest, EveryWriteIsOnDiskAtOnce) {
  QtSettingsStore writer(file());
  ASSERT_TRUE(writer.createKey(kKey));
  ASSERT_TRUE(writer.writeValue(kKey, "Units", "1"));
  // A second store on the same file stands for the next start.
  QtSettingsStore reader(file());
  EXPECT_EQ(reader.readValue(kKey, "Units"), "1");
  ASSERT_TRUE(writer.writeValue(kKey, "Units", "0"));
  QtSettingsStore again(file());
  EXPECT_EQ(again.readValue(kKey, "Units"), "0");
}

QByteArray contents(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST_F(QtSettingsStoreTest, AValueAlreadyStoredIsNotWrittenAgain) {
  // Written by hand: a rewrite would tidy the blanks and the comment away.
  QFile f(file());
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("[General]\n; kept as it is\nUnits = 1\nProgram=16\n");
  f.close();
  const QByteArray byHand = contents(file());
  QtSettingsStore store(file());
  ASSERT_TRUE(store.writeValue(kKey, "Units", "1"));
  ASSERT_TRUE(store.writeValue(kKey, "Program", "16"));
  EXPECT_EQ(contents(file()), byHand);
  // A new value, or a new name, still lands at once.
  ASSERT_TRUE(store.writeValue(kKey, "Units", "0"));
  ASSERT_TRUE(store.writeValue(kKey, "Derating", "1"));
  QtSettingsStore reopened(file());
  EXPECT_EQ(reopened.readValue(kKey, "Units"), "0");
  EXPECT_EQ(reopened.readValue(kKey, "Derating"), "1");
  EXPECT_EQ(reopened.readValue(kKey, "Program"), "16");
}

TEST_F(QtSettingsStoreTest, AValueAnotherProgramChangedIsWrittenBack) {
  QtSettingsStore first(file());
  ASSERT_TRUE(first.createKey(kKey));
  ASSERT_TRUE(first.writeValue(kKey, "Program", "16"));
  // Another program writes the file: the user picks another calculator in
  // a second copy...
  QFile f(file());
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("[General]\nProgram=3\n");
  f.close();
  // ...then the first chooses its own again: the file must say so, though
  // the first had read that value before.
  ASSERT_TRUE(first.writeValue(kKey, "Program", "16"));
  QtSettingsStore next(file());
  EXPECT_EQ(next.readValue(kKey, "Program"), "16");
}

TEST_F(QtSettingsStoreTest, MissingKeysAndValues) {
  QtSettingsStore store(file());
  EXPECT_FALSE(store.keyExists(kKey));
  EXPECT_EQ(store.readValue(kKey, "Units"), std::nullopt);
  // A value cannot be written under a key that was never opened with create.
  EXPECT_FALSE(store.writeValue(kKey, "Units", "1"));
  EXPECT_FALSE(QFileInfo::exists(file()));

  ASSERT_TRUE(store.createKey(kKey));
  EXPECT_TRUE(store.keyExists(kKey));
  EXPECT_EQ(store.readValue(kKey, "Units"), std::nullopt);
  ASSERT_TRUE(store.writeValue(kKey, "Units", "1"));
  // The parent of a key exists too; a sibling does not.
  EXPECT_TRUE(store.keyExists("Software\\Quillonex PCB Design, Inc."));
  EXPECT_FALSE(store.keyExists("Software\\Quillonex PCB Design, Inc.\\Other"));
  EXPECT_EQ(store.readValue("Software\\Quillonex PCB Design, Inc.\\Other", "Units"), std::nullopt);
}

TEST_F(QtSettingsStoreTest, AHandEditedListReadsAsTheWholeText) {
  QFile f(file());
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("[General]\nBase_Weight=2,5\nUnits=1\n");
  f.close();
  QtSettingsStore store(file());
  EXPECT_TRUE(store.keyExists(kKey));
  EXPECT_EQ(store.readValue(kKey, "Base_Weight"), "2,5");
  EXPECT_EQ(store.readValue(kKey, "Units"), "1");
}

TEST_F(QtSettingsStoreTest, AFirstStartWritesThePlainNames) {
  {
    QtSettingsStore store(file());
    ASSERT_TRUE(WriteDefaultSettings(store));
  }
  QFile f(file());
  ASSERT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text));
  QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  // The general section, then the fourteen values of the settings script
  // in any order, each as the user would write it by hand.
  ASSERT_FALSE(lines.isEmpty());
  EXPECT_EQ(lines.takeFirst(), "[General]");
  lines.sort();
  const QStringList expected = {"Base_Weight=1",       "Cirquet_Theme=2",     "Conductor_Reduction=100",
                                "Derating=0",          "File_Index=1",        "IPC_Version=0",
                                "Manual_Copper_Weight=0", "Plate_Weight=2",   "Program=16",
                                "Registry_Status=0",   "TH_Via_AR_Setting=10", "UVia_AR_Setting=1",
                                "Units=0",             "Via_Height_Enable=1"};
  QStringList sortedExpected = expected;
  sortedExpected.sort();
  EXPECT_EQ(lines, sortedExpected);
}

TEST_F(QtSettingsStoreTest, AFileOfAnEarlierBuildMovesToThePlainNames) {
  QFile f(file());
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("[Software]\nQuillonex%20PCB%20Design%2C%20Inc.\\Cirquet\\Units=1\n"
          "Quillonex%20PCB%20Design%2C%20Inc.\\Cirquet\\Base_Weight=2,5\n");
  f.close();
  {
    QtSettingsStore store(file());
    EXPECT_TRUE(store.keyExists(kKey));
    EXPECT_EQ(store.readValue(kKey, "Units"), "1");
  }
  ASSERT_TRUE(f.open(QIODevice::ReadOnly | QIODevice::Text));
  EXPECT_EQ(QString::fromUtf8(f.readAll()), "[General]\nBase_Weight=\"2,5\"\nUnits=1\n");
}

TEST_F(QtSettingsStoreTest, AStoreThatCannotBeWrittenRefusesKeysAndValues) {
  // A file where the folder should be: no one, not even root, can create
  // the store below it.
  QFile blocker(dir.filePath("not-a-folder"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  QtSettingsStore store(dir.filePath("not-a-folder/Cirquet.conf"));
  EXPECT_FALSE(store.createKey(kKey));
  EXPECT_FALSE(store.writeValue(kKey, "Units", "1"));
}

TEST(QtSettingsStoreUser, LivesInTheUsersConfigurationFolder) {
  QtSettingsStore store;
  EXPECT_TRUE(store.location().endsWith("/Quillonex PCB Design, Inc./Cirquet.conf")) << store.location().toStdString();
}

}  // namespace
}  // namespace cq::ui
