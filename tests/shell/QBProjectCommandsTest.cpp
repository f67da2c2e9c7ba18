// The project commands without a window: Save Step's answers as a table, what each command asks and
// does, Cancel on every question, and the views a project brings back through a real file.

#include "shell/QBProjectCommands.h"
#include "settings/QBProjectFile.h"
#include "support/QBTestFiles.h"
#include "support/QBTestStore.h"
#include "view/QBHeadlessView.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <memory>
#include <vector>

// Cases name only the fields they set; the others keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

class TFakeWindow final : public IQBProjectWindow, public IQBAreaFeedback {
public:
  explicit TFakeWindow(TQuillboxMessageSet& set) : FSet(set) {}

  int AskSaveProjectChanges() override { return Calls << "ask-changes", Answer; }
  int AskSaveNewProject() override { return Calls << "ask-new", Answer; }
  QString AskOpenProjectFileName(const QString& dir) override {
    Calls << "open-dialog:" + dir;
    return OpenName;
  }
  QString AskSaveProjectFileName(const QString& dir) override {
    Calls << "save-dialog:" + dir;
    return SaveName;
  }
  void ShowErrorMessage(const QString& text) override { Calls << "message:" + text; }
  void ReportError(const QString&) override { Calls << "error"; }
  void SetBusy(bool) override {}
  void ShowStatusText(const QString&) override {}
  void UpdateCommands() override {}
  bool ProjectModified() const override { return Modified; }
  void SetProjectModified(bool modified) override { Modified = modified; }
  QList<IQBMessageView*> ProjectViews() override {
    QList<IQBMessageView*> list;
    for (const auto& v : Views) list << v.get();
    return list;
  }
  void RemoveProjectViews() override {
    Calls << "remove";
    Views.clear();
  }
  IQBMessageView* CreateProjectView(const QString& name, const QString& className) override {
    Calls << "create:" + name + "/" + className;
    Views.push_back(std::make_unique<TQBHeadlessView>(FSet));
    Views.back()->SetViewName(name);
    return Views.back().get();
  }
  void FillViews(const QList<IQBMessageView*>& views) override {
    for (int recNo = 1; recNo <= FSet.GetRecordCount(); ++recNo)
      for (IQBMessageView* view : views) {
        FSet.GotoRec(recNo);
        view->AddCurrentMessage(false);
      }
  }
  void BeginManyViews() override { Calls << "begin"; }
  void EndManyViews() override { Calls << "end"; }
  void SelectFirstView() override { Calls << "first"; }
  void ProjectChanged() override { Calls << "changed"; }

  // A view as New View makes it.
  TQBHeadlessView& AddView(const QString& name, const TQBFilterCriteria& criteria) {
    Views.push_back(std::make_unique<TQBHeadlessView>(FSet));
    Views.back()->SetViewName(name);
    Views.back()->SetFilterCriteria(criteria);
    return *Views.back();
  }
  QStringList Names() const {
    QStringList names;
    for (const auto& v : Views) names << v->GetViewName();
    return names;
  }

  QStringList Calls;
  bool Modified = false;
  int Answer = qbCancel;
  QString OpenName, SaveName;
  std::vector<std::unique_ptr<TQBHeadlessView>> Views;

private:
  TQuillboxMessageSet& FSet;
};

TQBFilterCriteria App(const QString& name) {
  TQBFilterCriteria c;
  c.CheckAppName = true;
  c.AppName = name;
  return c;
}

class ProjectCommandsTest : public ::testing::Test {
protected:
  void SetUp() override {
    Store.Add({.App = "Orders"});
    Store.Add({.App = "Server"});
    Store.Add({.App = "Orders"});
    State.LastProjectDir = Files.Path("");
  }

  qbtest::TTempFiles Files;
  TQuillboxMessageSet Set;
  qbtest::TTestStore Store{Set};
  TQBProjectState State;
  TFakeWindow Window{Set};
  TQBProjectCommands Commands{State, Window, Window};
};

TEST_F(ProjectCommandsTest, SaveStepAsksSavesAndStopsAsItsAnswersSay) {
  const QString current = Files.Path("current.qbp");
  const QString unwritable = Files.Path("no/such/folder/x.qbp");
  struct TCase {
    const char* Why;
    bool Modified;
    QString Current;
    bool Ask;
    int Answer;
    QString SaveName;
    bool GoesOn;
    QStringList Calls;
  } cases[] = {
      {"unmodified: nothing asked", false, "", true, qbYes, "", true, {}},
      {"new project, No", true, "", true, qbNo, "", true, {"ask-new"}},
      {"new project, Cancel", true, "", true, qbCancel, "", false, {"ask-new"}},
      {"changes, Cancel", true, current, true, qbCancel, "", false, {"ask-changes"}},
      {"changes, Yes: written", true, current, true, qbYes, "", true, {"ask-changes", "changed"}},
      {"new project, Yes, dialog cancelled: stop", true, "", true, qbYes, "", false,
       {"ask-new", "save-dialog:" + Files.Path("")}},
      {"new project, Yes, saved", true, "", true, qbYes, Files.Path("new.qbp"), true,
       {"ask-new", "save-dialog:" + Files.Path(""), "changed"}},
      {"changes, Yes, write fails: stop", true, unwritable, true, qbYes, "", false, {"ask-changes", "error"}},
      {"without asking: written", true, current, false, qbCancel, "", true, {"changed"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Why);
    Window.Modified = c.Modified;
    State.CurrentProject = c.Current;
    Window.Answer = c.Answer;
    Window.SaveName = c.SaveName;
    Window.Calls.clear();
    EXPECT_EQ(Commands.SaveStep(c.Ask), c.GoesOn);
    EXPECT_EQ(Window.Calls, c.Calls);
    const bool saved = c.Calls.contains("changed");
    EXPECT_EQ(Window.Modified, c.Modified && !saved);
  }
}

TEST_F(ProjectCommandsTest, CancelOnEveryQuestionChangesNothing) {
  Window.AddView("Errors", App("Orders"));
  const QString project = Files.Path("kept.qbp");
  ASSERT_TRUE(Commands.Write(project));
  Window.AddView("Server", App("Server"));
  Window.Modified = true;
  Window.OpenName = project;
  const auto unchanged = [&](const char* what) {
    EXPECT_EQ(Window.Names(), (QStringList{"Errors", "Server"})) << what;
    EXPECT_TRUE(Window.Modified) << what;
    EXPECT_EQ(State.CurrentProject, QFileInfo(project).absoluteFilePath()) << what;
  };
  Window.Answer = qbCancel;
  Commands.CloseProject();
  unchanged("close, Cancel");
  Commands.OpenProject();
  unchanged("open, Cancel");
  // Yes with a write that fails is no save either.
  Window.Answer = qbYes;
  QFile::remove(project);
  ASSERT_TRUE(QDir().mkdir(project));
  Commands.CloseProject();
  unchanged("close, Yes, write failed");
  QDir().rmdir(project);
  // A project that cannot be read leaves the views.
  Window.Answer = qbNo;
  Window.OpenName = Files.Path("missing.qbp");
  Commands.OpenProject();
  EXPECT_EQ(Window.Names(), (QStringList{"Errors", "Server"}));
  EXPECT_TRUE(Window.Calls.contains("error"));
}

TEST_F(ProjectCommandsTest, ClosingAnUnsavedSetAsksTheAdditionalViewsQuestionAndNoDropsThem) {
  Window.AddView("Errors", App("Orders"));
  Window.Modified = true;
  Window.Answer = qbNo;
  Commands.CloseProject();
  EXPECT_EQ(Window.Calls, (QStringList{"ask-new", "begin", "remove", "end", "changed"}));
  EXPECT_TRUE(Window.Views.empty());
  EXPECT_FALSE(Window.Modified);
}

TEST_F(ProjectCommandsTest, ARoundTripThroughAFileBringsBackTheViewsFilledFromTheStore) {
  Window.AddView("Errors", App("Orders"));
  Window.AddView("Server", App("Server"));
  Window.Modified = true;
  Window.SaveName = Files.Path("two.qbp");
  ASSERT_TRUE(Commands.SaveProjectAs());
  EXPECT_FALSE(Window.Modified);
  EXPECT_EQ(State.CurrentProject, Files.Path("two.qbp"));

  Commands.CloseProject();
  EXPECT_TRUE(Window.Views.empty());
  EXPECT_TRUE(State.CurrentProject.isEmpty());

  Window.Calls.clear();
  Window.OpenName = Files.Path("two.qbp");
  Commands.OpenProject();
  EXPECT_EQ(Window.Calls, (QStringList{"open-dialog:" + Files.Path(""), "begin", "remove", "create:Errors/Default",
                                      "create:Server/Default", "end", "first", "changed"}));
  ASSERT_EQ(Window.Names(), (QStringList{"Errors", "Server"}));
  TQBFilterCriteria criteria;
  Window.Views[1]->GetFilterCriteria(criteria);
  EXPECT_EQ(criteria, App("Server"));
  EXPECT_EQ(Window.Views[0]->ItemCount(), 2);
  EXPECT_EQ(Window.Views[1]->ItemCount(), 1);
  EXPECT_EQ(State.CurrentProject, Files.Path("two.qbp"));
  EXPECT_FALSE(Window.Modified);
}

TEST_F(ProjectCommandsTest, AProjectWithoutViewsSaysSoAndOpensEmpty) {
  const QString path = Files.Write("Empty.qbp", "[Views]\nViewCount=0\n");
  Window.AddView("Errors", App("Orders"));
  Window.OpenName = path;
  Commands.OpenProject();
  EXPECT_TRUE(Window.Calls.contains("message:" + qbproject::NoViewsMessage(path)));
  EXPECT_TRUE(Window.Views.empty());
  EXPECT_EQ(State.CurrentProject, path);
}

// "All Messages" is the window's own first view: a project view named so (or so it reads) would pass
// for it, so it gets a suffix. Its criteria are read under the name the file has.
TEST_F(ProjectCommandsTest, AViewThatReadsAsAllMessagesGetsASuffix) {
  const QString path = Files.Write(
      "Names.qbp",
      "[Views]\nViewCount=4\n1_ViewName=All Messages\n1_ViewClassName=Default\n2_ViewName=all  messages\n"
      "2_ViewClassName=Default\n3_ViewNameEncoded=All%E2%80%8BMessages\n3_ViewName=AllMessages\n"
      "3_ViewClassName=Default\n4_ViewName=All Messages 2\n4_ViewClassName=Default\n\n"
      "[1_All Messages]\nCheckAppName=1\nAppName=Orders\n");
  Window.OpenName = path;
  Commands.OpenProject();
  const QStringList created = Window.Calls.filter(QStringLiteral("create:"));
  EXPECT_EQ(created, QStringList({"create:All Messages (2)/Default", "create:all  messages (2)/Default",
                                  u"create:All\u200BMessages (2)/Default"_qs, "create:All Messages 2/Default"}));
  ASSERT_EQ(Window.Views.size(), 4u);
  EXPECT_EQ(Window.Views[0]->GetCount(), 2);
}

// What cannot be read as a project (a pipe, which would block the open, a folder, a missing file, a file
// too large to be one) is reported before the views go, and the current project stays.
TEST_F(ProjectCommandsTest, WhatIsNotARegularFileIsRefusedAndTheViewsStay) {
  const QString pipe = Files.Path("pipe.qbp");
  ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
  const QString large = Files.Write("large.qbp", "[Views]\nViewCount=1\n1_ViewName=A\n" +
                                                     QByteArray(qbproject::MaxFileBytes, ';') + "\n");
  for (const QString& path : {pipe, Files.Path(QString()), Files.Path("missing.qbp"), large}) {
    SCOPED_TRACE(path.toStdString());
    Window.Views.clear();
    Window.Calls.clear();
    Window.AddView("Errors", App("Orders"));
    EXPECT_FALSE(Commands.Open(path));
    EXPECT_EQ(Window.Calls, QStringList({"error"}));
    EXPECT_EQ(Window.Views.size(), 1u);
    EXPECT_TRUE(State.CurrentProject.isEmpty());
  }
}

// More views than a project opens: the first ones are opened, and the window says how many were listed.
TEST_F(ProjectCommandsTest, AProjectOfTooManyViewsOpensTheFirstAndSaysSo) {
  const int listed = qbproject::MaxViews + 1;
  QByteArray text = "[Views]\nViewCount=" + QByteArray::number(listed) + "\n";
  for (int place = 1; place <= listed; ++place) text += QByteArray::number(place) + "_ViewName=V\n";
  const QString path = Files.Write("Many.qbp", text);
  EXPECT_TRUE(Commands.Open(path));
  EXPECT_EQ(Window.Views.size(), size_t(qbproject::MaxViews));
  EXPECT_TRUE(Window.Calls.contains("message:" + qbproject::TooManyViewsMessage(path, listed)));
  EXPECT_EQ(State.CurrentProject, path);
}

TEST_F(ProjectCommandsTest, ClosingTheWindowSavesOnlyACurrentProjectWithAutoSaveOn) {
  Window.AddView("Errors", App("Orders"));
  Window.Modified = true;
  EXPECT_TRUE(Commands.CanClose(true)) << "no current project: nothing asked";
  State.CurrentProject = Files.Path("auto.qbp");
  EXPECT_TRUE(Commands.CanClose(false));
  EXPECT_TRUE(Window.Calls.isEmpty());
  EXPECT_TRUE(Commands.CanClose(true));
  EXPECT_EQ(Window.Calls, QStringList{"changed"});
  EXPECT_TRUE(QFile::exists(Files.Path("auto.qbp")));
  // A save that fails keeps the window open rather than losing the views.
  Window.Modified = true;
  State.CurrentProject = Files.Path("no/such/folder/auto.qbp");
  EXPECT_FALSE(Commands.CanClose(true));
}

}  // namespace
