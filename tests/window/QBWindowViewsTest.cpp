// The views and the project through the real main window: the last project across two sessions of
// the program, the tab strip's menu and close button, where the keyboard goes after them.

#include "QBViewerWindowFixture.h"

#include "shell/QBViewManager.h"
#include "window/QBMainLayout.h"
#include "window/QBMenus.h"
#include "window/QBStatusPanes.h"
#include "window/areas/QBProjectWindow.h"
#include "inspectors/QBInspectorPane.h"
#include "inspectors/QBInspectorToolbar.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QScreen>
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

// The panes of numbers show their texts whole beside a long status message and a project: those of
// the 1,000,000-message log in a window of 800 pixels, the longest plausible ones (ten million
// messages) in one of 1,000.
TEST_F(WindowViewsTest, TheStatusPanesShowTheirTextsWhole) {
  const struct {
    int Width;
    const char *TimeDiff, *Number, *Count, *Selected;
  } cases[] = {
      {800, "0:13:59.999", "#614,466", "614,466 out of 1,000,000 Messages", "614,466 Selected"},
      {1000, "23:59:59.999", "#9,999,999", "9,999,999 out of 9,999,999 Messages", "9,999,999 Selected"},
  };
  Create();
  TQBStatusPanes& panes = Window->StatusPanes();
  panes.SetStatusText(QStringLiteral("Loading ") + QString(200, 'x') + QStringLiteral(".qbl..."));
  panes.SetProject(QStringLiteral("Project: Scheduler and billing"));
  for (const auto& c : cases) {
    Window->resize(c.Width, 400);
    panes.SetTimeDiff(QLatin1String(c.TimeDiff), true);
    panes.SetMessageNumber(QLatin1String(c.Number));
    panes.SetMessageCount(QLatin1String(c.Count));
    panes.SetSelectionCount(QLatin1String(c.Selected));
    QCoreApplication::processEvents();
    for (QLabel* pane : {panes.TimeDiff(), panes.MessageNumber(), panes.MessageCount(), panes.SelectionCount()}) {
      // The text starts half an "x" in from the frame.
      const QFontMetrics metrics = pane->fontMetrics();
      const int needed = metrics.horizontalAdvance(pane->text()) + metrics.horizontalAdvance('x') / 2;
      EXPECT_GE(pane->contentsRect().width(), needed) << c.Width << " " << pane->text().toStdString();
    }
  }
}

// The first start, without a settings file, opens a window of two thirds of the screen's free area,
// centred, and the inspector pane, once shown, has its toolbar whole; from then on the settings file
// decides.
TEST_F(WindowViewsTest, TheFirstStartFillsTwoThirdsOfTheScreenAndTheSettingsDecideAfterIt) {
  ASSERT_FALSE(QFileInfo::exists(SettingsPath()));
  Create({}, std::nullopt);
  const QRect screen = Window->screen()->availableGeometry();
  const QRect window = Window->geometry();
  EXPECT_NEAR(window.width(), screen.width() * 2 / 3, 1);
  EXPECT_NEAR(window.height(), screen.height() * 2 / 3, 1);
  EXPECT_NEAR(window.center().x(), screen.center().x(), 1);
  EXPECT_NEAR(window.center().y(), screen.center().y(), 1);
  Trigger(TQBCmd::ViewInspector);
  QCoreApplication::processEvents();
  const QWidget& toolbar = *Window->InspectorPane().Toolbar();
  EXPECT_GE(toolbar.width(), toolbar.sizeHint().width()) << "the toolbar is cut";

  Window->setGeometry(30, 40, 500, 300);
  Exit();
  Create({}, std::nullopt);
  EXPECT_EQ(Window->geometry(), QRect(30, 40, 500, 300));
}

class WindowTabsTest : public WindowViewsTest {
protected:
  void SetUp() override {
    WindowViewsTest::SetUp();
    Create({Log()});
    AddView("Scheduler", "alpha");
    AddView("Thread=Main", "beta");
    AddView("Third", "2");
  }
  QTabBar& Tabs() const { return *Window->Layout().Tabs(); }
  QWidget* CurrentViewWidget() const { return qobject_cast<QWidget*>(Window->CurrentView().Object); }
  void Select(int tab) {
    Window->ViewManager().Select(tab);
    CurrentViewWidget()->setFocus();
    QCoreApplication::processEvents();
  }
  // A right click on the tab opens the tab strip's menu there.
  QMenu& RightClick(int tab) {
    // Through the window system, which turns the click into the context menu request.
    const QPoint at = Tabs().mapTo(Window.get(), Tabs().tabRect(tab).center());
    QTest::mouseClick(Window->windowHandle(), Qt::RightButton, {}, at);
    QMenu& menu = *Window->Menus().Views;
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&menu)) << "the tab menu did not open";
    return menu;
  }
  void Choose(QMenu& menu, TQBCmd cmd) {
    QAction* action = Window->Action(cmd);
    ASSERT_TRUE(menu.actions().contains(action));
    ASSERT_TRUE(action->isEnabled()) << QBCommandInfo(cmd).Name;
    QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(action).center());
    QCoreApplication::processEvents();
  }
  static std::string FocusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->metaObject()->className() : "no focus";
  }
  // The keyboard is on the current view (the view or a part of it).
  bool KeyboardOnCurrentView() const {
    QWidget* focus = QApplication::focusWidget();
    return focus && (focus == CurrentViewWidget() || CurrentViewWidget()->isAncestorOf(focus));
  }
};

// Right-clicking "Scheduler" while "Thread=Main" is current: each command of the tab menu acts on
// "Scheduler", and the keyboard is back on the current view afterwards.
TEST_F(WindowTabsTest, TheTabMenuActsOnTheTabUnderTheMouse) {
  const struct {
    TQBCmd Command;
    const char* Views;  // the tabs afterwards
  } cases[] = {
      {TQBCmd::ViewRemove, "All Messages|Thread=Main|Third"},
      {TQBCmd::ViewMoveRight, "All Messages|Thread=Main|Scheduler|Third"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(QBCommandInfo(c.Command).Name);
    Select(2);
    Choose(RightClick(1), c.Command);
    EXPECT_EQ(ViewNames(), c.Views);
    EXPECT_TRUE(KeyboardOnCurrentView()) << FocusName();
    // Back to the start.
    while (Window->Views().Count() > 1) Window->ViewManager().RemoveView(1);
    AddView("Scheduler", "alpha");
    AddView("Thread=Main", "beta");
    AddView("Third", "2");
  }
  Select(3);
  Choose(RightClick(2), TQBCmd::ViewMoveLeft);
  EXPECT_EQ(ViewNames(), "All Messages|Thread=Main|Scheduler|Third");
}

// After the tab menu the keyboard is on the view, also when the menu ran nothing and also when the
// keyboard was on the tab strip before the right click.
TEST_F(WindowTabsTest, TheKeyboardGoesBackToTheViewAfterTheTabMenu) {
  for (const bool onStrip : {false, true}) {
    SCOPED_TRACE(onStrip ? "from the tab strip" : "from the view");
    Select(2);
    if (onStrip) Tabs().setFocus(Qt::TabFocusReason);
    QMenu& menu = RightClick(1);
    QTest::keyClick(&menu, Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_FALSE(menu.isVisible());
    EXPECT_TRUE(KeyboardOnCurrentView()) << FocusName();
  }
}

// The close button sits on the current tab, and "All Messages", which cannot be removed, has none.
TEST_F(WindowTabsTest, AllMessagesHasNoCloseButton) {
  Select(0);
  for (int i = 0; i < Tabs().count(); ++i) EXPECT_EQ(Tabs().tabButton(i, QTabBar::RightSide), nullptr) << i;
  Select(2);
  QWidget* button = Tabs().tabButton(2, QTabBar::RightSide);
  ASSERT_NE(button, nullptr);
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(ViewNames(), "All Messages|Scheduler|Third");
  EXPECT_TRUE(KeyboardOnCurrentView());
}

}  // namespace
