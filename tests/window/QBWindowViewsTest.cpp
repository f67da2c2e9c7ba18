// The views and the project through the real main window: the last project across two sessions of
// the program, the tab strip's menu and close button, where the keyboard goes after them.

#include "QBViewerWindowFixture.h"

#include "shell/QBViewManager.h"
#include "window/QBMainLayout.h"
#include "window/QBMenus.h"
#include "window/QBStatusPanes.h"
#include "window/areas/QBProjectWindow.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTabBar>

#include <sys/stat.h>

using namespace qbtest;

namespace {

TQBFilterCriteria TextFilter(const char* text) {
  TQBFilterCriteria criteria;
  criteria.CheckMessageText = true;
  criteria.MessageText = QLatin1String(text);
  return criteria;
}

class WindowViewsTest : public TViewerWindowTest {
protected:
  // Three "alpha" messages and two "beta" ones.
  QString Log() {
    QByteArray bytes;
    for (const char* text : {"alpha 1", "beta 1", "alpha 2", "beta 2", "alpha 3"})
      bytes += MarkedRecord(Message(0, text));
    return Files.Write(QStringLiteral("Trace.qbl"), bytes);
  }
  void AddView(const char* name, const char* text) {
    ASSERT_GE(Window->ViewManager().InsertView({QLatin1String(name), QStringLiteral("Default"), TextFilter(text), true, true}), 1);
  }
  std::string ViewNames() const {
    QStringList names;
    for (int i = 0; i < Window->Views().Count(); ++i) names << Window->Views().Caption(i);
    return names.join('|').toStdString();
  }
  QString ProjectPane() const { return Window->StatusPanes().Project()->text(); }
  // Exit as the user does: the close request (the project's auto-save), then the session ends.
  void Exit() {
    EXPECT_TRUE(Window->close()) << "the window stayed open";
    EndSession();
  }
  QString StoredLastProject() {
    Exit();
    return TQBIniFile(SettingsPath()).ReadString(QStringLiteral("General"), QStringLiteral("LastProject"), QStringLiteral("?"));
  }
};

// The project saved in one session comes back whole in the next, over the command-line log, and what
// is added to it is saved with what was there.
TEST_F(WindowViewsTest, TheLastProjectOpensWithItsViewsOverTheCommandLineLogAndKeepsThem) {
  const QString log = Log();
  const QString project = Files.Path(QStringLiteral("p.qbp"));
  Create({log});
  AddView("Alpha", "alpha");
  AddView("Beta", "beta");
  Script.ProjectFile = project;
  Trigger(TQBCmd::SaveProjectAs);
  Exit();

  Create({log});
  ASSERT_EQ(ViewNames(), "All Messages|Alpha|Beta");
  EXPECT_EQ(ProjectPane(), "Project: p");
  EXPECT_EQ(Window->Views().At(1).View->GetCount(), 3) << "the views are filled from the log";
  EXPECT_EQ(Window->Views().At(2).View->GetCount(), 2);
  TQBFilterCriteria criteria;
  Window->Views().At(2).List->GetFilterCriteria(criteria);
  EXPECT_TRUE(criteria.CheckMessageText);
  EXPECT_EQ(criteria.MessageText, "beta");
  EXPECT_FALSE(Window->Action(TQBCmd::SaveProject)->isEnabled()) << "an opened project is not modified";

  AddView("Two", "2");
  Exit();
  TQBIniFile saved(project);
  EXPECT_EQ(saved.ReadInteger("Views", "ViewCount", 0), 3) << "auto-save kept the views it had and the new one";
  EXPECT_EQ(saved.ReadString("Views", "3_ViewName", ""), "Two");
  EXPECT_EQ(Script.Errors, QStringList()) << Script.Errors.join('|').toStdString();
  EXPECT_EQ(Script.Questions, QStringList()) << Script.Questions.join('|').toStdString();
}

// A last project that cannot be read is reported once, no project is current (so exit writes nothing
// there) and the settings forget it.
TEST_F(WindowViewsTest, ALastProjectThatCannotBeReadIsReportedForgottenAndNeverWritten) {
  const QString log = Log();
  const struct {
    const char* Name;
    std::function<void(const QString&)> Break;
    bool Exists;  // the path is still there afterwards (not a file, or unreadable)
  } cases[] = {
      {"deleted", [](const QString& path) { QFile::remove(path); }, false},
      {"a folder", [](const QString& path) { QFile::remove(path), QDir().mkdir(path); }, true},
      {"a named pipe", [](const QString& path) { QFile::remove(path), ::mkfifo(qPrintable(path), 0600); }, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const QString project = Files.Path(QStringLiteral("%1.qbp").arg(QString::fromLatin1(c.Name).replace(' ', '_')));
    Create({log});
    AddView("Alpha", "alpha");
    ASSERT_TRUE(Window->ProjectArea().Commands().Write(project));
    Exit();
    c.Break(project);
    Script.Errors.clear();

    Create({log});
    ASSERT_EQ(Script.Errors.size(), 1) << Script.Errors.join('|').toStdString();
    EXPECT_TRUE(Script.Errors.front().contains(project)) << Script.Errors.front().toStdString();
    EXPECT_EQ(ViewNames(), "All Messages");
    EXPECT_EQ(ProjectPane(), "Project:");
    EXPECT_EQ(Window->LogState().CurrentFile, log) << "the log loaded all the same";
    AddView("New", "beta");
    EXPECT_EQ(StoredLastProject(), "");
    EXPECT_EQ(QFileInfo::exists(project), c.Exists);
    EXPECT_FALSE(QFileInfo(project).isFile()) << "nothing was written to the project";
    Script.Errors.clear();
  }
}

}  // namespace
