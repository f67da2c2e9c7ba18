// Folder resolution, with the platform's standard locations pointed at a temporary tree.

#include "settings/QBFolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(QBFolders, RulesOnGivenLocations) {
  using namespace qbfolders;
  EXPECT_EQ(UserDataFolder("/home/u/.local/share", "/opt/qb/Bin"), "/home/u/.local/share/Tolvane/Quillbox/4.0/");
  EXPECT_EQ(UserDataFolder("", "/opt/qb/Bin"), "/opt/qb/Bin/");
  EXPECT_EQ(DocumentsFolder("/home/u/Documents/", "/opt/qb/", "Sub/"), "/home/u/Documents/Sub/");
  EXPECT_EQ(DocumentsFolder("", "/opt/qb/", "Sub/"), "/opt/qb/Sub/");
  EXPECT_EQ(DocumentsFolder("", "", "Sub/"), "");
  // The folder above a "Bin" folder is an install folder; any other program folder says nothing.
  EXPECT_EQ(InstallFolderOfProgram("/opt/qb/Bin"), "/opt/qb/");
  EXPECT_EQ(InstallFolderOfProgram("/usr/lib/quillbox/Bin/"), "/usr/lib/quillbox/");
  EXPECT_EQ(InstallFolderOfProgram("/Bin"), "/");
  EXPECT_EQ(InstallFolderOfProgram("/opt/qb/bin"), "");
  EXPECT_EQ(InstallFolderOfProgram("/opt/qb/Bin/PlugIns"), "");
  EXPECT_EQ(InstallFolderOfProgram(""), "");
}

// A home, a user config and two system config folders under one temporary folder.
class QBFoldersOnDisk : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(FRoot.isValid());
    for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CONFIG_DIRS"})
      FSaved.append({name, qgetenv(name)});
    QDir().mkpath(Path("home"));
    qputenv("HOME", Path("home").toUtf8());
    qputenv("XDG_DATA_HOME", Path("data").toUtf8());
    qputenv("XDG_CONFIG_HOME", Path("config").toUtf8());
    qputenv("XDG_CONFIG_DIRS", (Path("etc1") + ':' + Path("etc2")).toUtf8());
  }
  void TearDown() override {
    for (const auto& [name, value] : FSaved) qputenv(name, value);
  }
  QString Path(const QString& sub) const { return FRoot.filePath(sub); }
  void WriteConfig(const QString& folder, const QByteArray& text) {
    QDir().mkpath(Path(folder + "/Tolvane"));
    QFile file(Path(folder + "/Tolvane/Quillbox.conf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }

  QTemporaryDir FRoot;
  QList<std::pair<const char*, QByteArray>> FSaved;
};

TEST_F(QBFoldersOnDisk, ResolvesAndCreatesFoldersUnderTheDocuments) {
  QDir().mkpath(Path("home/Documents"));
  WriteConfig("etc2", "[4.0]\nInstallPath=" + Path("install").toUtf8() + "\n");
  const TQBFolders f = qbfolders::ResolveFolders();
  EXPECT_EQ(f.Install, Path("install") + '/');
  EXPECT_EQ(f.UserData, Path("data/Tolvane/Quillbox/4.0/"));
  EXPECT_EQ(f.DefaultLogs, Path("home/Documents/My Quillbox Files/Logs/"));
  EXPECT_EQ(f.DefaultProjects, Path("home/Documents/My Quillbox Files/Projects/"));
  EXPECT_TRUE(QDir(f.UserData).exists());
  EXPECT_TRUE(QDir(f.DefaultLogs).exists());
  EXPECT_TRUE(QDir(f.DefaultProjects).exists());
}

TEST_F(QBFoldersOnDisk, WithoutDocumentsTheDefaultFoldersGoUnderTheInstallFolder) {
  WriteConfig("etc1", "[4.0]\nInstallPath=" + Path("install/").toUtf8() + "\n");
  const TQBFolders f = qbfolders::ResolveFolders();
  EXPECT_EQ(f.DefaultLogs, Path("install/My Quillbox Files/Logs/"));
  EXPECT_EQ(f.DefaultProjects, Path("install/My Quillbox Files/Projects/"));
  // The install folder belongs to the installation: nothing is made in it.
  EXPECT_FALSE(QDir(Path("install")).exists());
}

TEST_F(QBFoldersOnDisk, InstallFolderComesOnlyFromTheSystemWideConfig) {
  WriteConfig("config", "[4.0]\nInstallPath=/user/choice\n");
  EXPECT_EQ(qbfolders::ReadInstallFolder(), "");
  WriteConfig("etc1", "[3.0]\nInstallPath=/old\n");
  WriteConfig("etc2", "[4.0]\nInstallPath=/opt/quillbox\n");
  EXPECT_EQ(qbfolders::ReadInstallFolder(), "/opt/quillbox/");
}

}  // namespace
