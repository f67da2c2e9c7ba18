// File > Recent Files and Recent Projects in the main window, across two sessions of the program: the
// list kept in the settings file, an entry opening its file, and an entry whose file is gone.

#include "QBViewerWindowFixture.h"

#include "window/QBMenus.h"
#include "shell/QBViewManager.h"
#include "window/areas/QBProjectWindow.h"
#include "window/areas/QBRecentMenu.h"

#include <QAction>
#include <QFile>
#include <QMenu>

using namespace qbtest;

namespace {

class WindowRecentFiles : public TViewerWindowTest {
protected:
  QString Log(const QString& name, int messages) {
    QByteArray bytes;
    for (int i = 0; i < messages; ++i) bytes += MarkedRecord(Message(0, "message"));
    return Files.Write(name, bytes);
  }
  QStringList MenuTexts() const {
    QStringList texts;
    for (QAction* action : Window->Menus().RecentFiles->actions()) texts << action->text();
    return texts;
  }
  void ChooseInMenu(int index) { Window->Menus().RecentFiles->actions().at(index)->trigger(); }
};

TEST_F(WindowRecentFiles, TheListOutlivesTheSessionOpensItsFilesAndDropsOnesThatAreGone) {
  const QString a = Log(QStringLiteral("a.qbl"), 1), b = Log(QStringLiteral("b.qbl"), 2);
  const QString broken = Files.Write(QStringLiteral("broken.qbl"), QByteArray("\x01\x00\x00\x7F", 4) + "short");
  Create();
  EXPECT_FALSE(Window->Menus().RecentFiles->isEnabled());
  ASSERT_TRUE(Window->LoadFile(a, false));
  ASSERT_TRUE(Window->LoadFile(b, false));
  ASSERT_TRUE(Window->LoadFile(a, false));
  // A file that did not load is not listed.
  EXPECT_FALSE(Window->LoadFile(broken, false));
  Script.Errors.clear();
  const QString dir = QFileInfo(a).path();
  EXPECT_EQ(MenuTexts(), QStringList({"&1 a.qbl  (" + dir + ")", "&2 b.qbl  (" + dir + ")"}));

  EndSession();
  Create();
  ASSERT_EQ(Window->RecentFiles().List().Files(), QStringList({a, b}));
  EXPECT_TRUE(Window->Menus().RecentFiles->isEnabled());
  ChooseInMenu(1);
  EXPECT_EQ(Window->LogState().CurrentFile, b);
  EXPECT_EQ(Window->CurrentView().View->GetCount(), 2);
  EXPECT_EQ(Window->RecentFiles().List().Files(), QStringList({b, a}));

  ASSERT_TRUE(QFile::remove(a));
  ChooseInMenu(1);
  ASSERT_EQ(Script.Errors.size(), 1);
  EXPECT_TRUE(Script.Errors.front().contains("a.qbl")) << Script.Errors.front().toStdString();
  EXPECT_EQ(Window->LogState().CurrentFile, b);
  EXPECT_EQ(MenuTexts(), QStringList({"&1 b.qbl  (" + dir + ")"}));

  EndSession();
  TQBIniFile settings(SettingsPath());
  EXPECT_EQ(settings.ReadInteger("MRULists", "RecentFile_Count", -1), 1);
  EXPECT_EQ(settings.ReadString("MRULists", "RecentFile_Item0", ""), b);
  EXPECT_FALSE(settings.ValueExists("MRULists", "RecentFile_Item1"));
}

// Projects reach the list when they are written or opened; an entry reopens its views on the log
// that is loaded, and a project that is gone is reported and dropped.
TEST_F(WindowRecentFiles, RecentProjectsReopenTheirViews) {
  const QString log = Log(QStringLiteral("a.qbl"), 3);
  const QString one = Files.Path(QStringLiteral("one.qbp")), two = Files.Path(QStringLiteral("two.qbp"));
  Create();
  EXPECT_FALSE(Window->Menus().RecentProjects->isEnabled());
  TQBFilterCriteria criteria;
  criteria.CheckMessageText = true;
  criteria.MessageText = QStringLiteral("message");
  ASSERT_GE(Window->ViewManager().InsertView({QStringLiteral("Messages"), QStringLiteral("Default"), criteria, true}), 1);
  TQBProjectCommands& projects = Window->ProjectArea().Commands();
  ASSERT_TRUE(projects.Write(one));
  ASSERT_TRUE(projects.Write(two));
  EXPECT_EQ(Window->RecentProjects().List().Files(), QStringList({two, one}));

  EndSession();
  Create();
  ASSERT_TRUE(Window->LoadFile(log, false));
  ASSERT_EQ(Window->RecentProjects().List().Files(), QStringList({two, one}));
  QList<QAction*> entries = Window->Menus().RecentProjects->actions();
  ASSERT_EQ(entries.size(), 2);
  EXPECT_EQ(entries[1]->objectName(), "mnuRecentProject1");
  entries[1]->trigger();
  EXPECT_EQ(Window->ProjectArea().State().CurrentProject, one);
  EXPECT_EQ(Window->ViewManager().Count(), 2);
  EXPECT_EQ(Window->CurrentView().View->GetCount(), 3) << "the views show the loaded log";
  EXPECT_EQ(Window->RecentProjects().List().Files(), QStringList({one, two}));

  EXPECT_EQ(Script.Errors, QStringList()) << Script.Errors.join('|').toStdString();
  ASSERT_TRUE(QFile::remove(two));
  Script.Errors.clear();
  Window->Menus().RecentProjects->actions().at(1)->trigger();
  ASSERT_EQ(Script.Errors.size(), 1);
  EXPECT_TRUE(Script.Errors.front().contains("two.qbp") && Script.Errors.front().contains("recent projects"))
      << Script.Errors.front().toStdString();
  EXPECT_EQ(Window->RecentProjects().List().Files(), QStringList({one}));
  EXPECT_EQ(Window->ProjectArea().State().CurrentProject, one);
  EXPECT_EQ(Script.Questions, QStringList()) << Script.Questions.join('|').toStdString();
}

}  // namespace
