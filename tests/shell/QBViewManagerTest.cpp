// The view manager without a window: the pages and the window are fakes that record what they are
// asked; the views are test views of registered classes over the real store and adding path, plain
// objects that the fake pages make. The inspector pane's questions about the current view
// (TQBInspectedView) are answered through it.

#include "support/QBTestView.h"
#include "support/QBTestFiles.h"

#include "model/QBMessageTypes.h"
#include "plugins/QBPlugInLists.h"
#include "settings/QBSettings.h"
#include "shell/QBInspectedView.h"
#include "shell/QBViewCommands.h"
#include "shell/QBViewManager.h"
#include "shell/QBViewPages.h"

#include <quillbox/QBCustomViewClass.h>

#include <gtest/gtest.h>

#include <functional>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

// A registered class other than "Default", told apart by its class name.
class TOtherView : public TQBTestView {
public:
  using TQBTestView::TQBTestView;
  QString GetViewClassName() const override { return QStringLiteral("Other"); }
};

// An object that is no message view.
class TNotAView : public QObject {
public:
  using QObject::QObject;
};

// A view that runs a hook when a message is offered to it (a view made from inside the adding path).
class THookedView : public TQBTestView {
public:
  using TQBTestView::TQBTestView;
  void AddCurrentMessage(bool force) override {
    TQBTestView::AddCurrentMessage(force);
    if (OnAdd) OnAdd();
  }
  inline static std::function<void()> OnAdd;
};

// A registered class whose views are plain objects. The window's pages make a widget through Create;
// the fake pages make the object through Make instead, so no widget is needed.
class TObjectViewClass : public TQBCustomViewClass {
public:
  QWidget* Create(QWidget*) const override { return nullptr; }
  virtual QObject* Make() const = 0;
};

template <typename TView>
class TObjectViewClassOf final : public TObjectViewClass {
public:
  QObject* Make() const override { return new TView(nullptr); }
  bool ImplementsMessageView() const override { return std::is_base_of_v<IQBMessageView, TView>; }
};

const TObjectViewClassOf<TQBTestView> DefaultClass;
const TObjectViewClassOf<TOtherView> OtherClass;
const TObjectViewClassOf<TNotAView> NotAViewClass;
const TObjectViewClassOf<THookedView> HookedClass;

class TFakePages final : public IQBViewPages {
public:
  ~TFakePages() override { qDeleteAll(Pages); }
  QObject* CreateView(const TQBCustomViewClass& viewClass) override {
    const auto* objectClass = dynamic_cast<const TObjectViewClass*>(&viewClass);
    return objectClass ? objectClass->Make() : nullptr;
  }
  void DestroyView(QObject* view) override {
    ++Destroyed;
    delete view;
  }
  void InsertPage(int index, QObject* view, const QString& name) override {
    Pages.insert(index, view);
    Captions.insert(index, name);
  }
  void RemovePage(int index) override {
    delete Pages.takeAt(index);
    Captions.removeAt(index);
  }
  void MovePage(int from, int to) override {
    Pages.move(from, to);
    Captions.move(from, to);
  }
  void ShowPage(int index) override { Shown = index; }
  void SetCaption(int index, const QString& name) override { Captions[index] = name; }
  void SetTabStripVisible(bool visible) override { Strip = visible; }
  void SuspendUpdates(bool suspend) override { Suspended += suspend ? 1 : -1; }

  QList<QObject*> Pages;
  QStringList Captions;
  int Shown = -1, Suspended = 0, Destroyed = 0;
  bool Strip = false;
};

class TFakeWindow final : public IQBViewsWindow, public IQBAreaFeedback {
public:
  void ViewPrepared() override { ++Prepared; }
  void InspectFocusedMessage() override { ++Inspections; }
  void ReportError(const QString& text) override { Errors << text; }
  void SetBusy(bool busy) override { Busy += busy ? 1 : -1; }
  void UpdateCommands() override { ++Updates; }
  void ShowStatusText(const QString&) override {}

  QStringList Errors;
  int Prepared = 0, Inspections = 0, Busy = 0, Updates = 0;
};

class ViewManagerTest : public ::testing::Test {
protected:
  void SetUp() override {
    MessageSet.Close();
    MessageSet.Open();
    Registry.Add(QStringLiteral("Other"), &OtherClass);
    Registry.Add(QStringLiteral("Default"), &DefaultClass);
    Registry.Add(QStringLiteral("Not a view"), &NotAViewClass);
    Registry.Add(QStringLiteral("Hooked"), &HookedClass);
    Adder.AddObserver(&Views);
  }
  void TearDown() override {
    THookedView::OnAdd = {};
    MessageSet.Close();
    MessageSet.Open();
  }

  TQBTestView& ViewAt(int index) { return *qobject_cast<TQBTestView*>(Views.At(index).Object); }
  void AddMessages(std::initializer_list<int32_t> types) {
    for (int32_t type : types) Adder.AddMessage(qbtest::Message(type, "text"));
  }
  // Views named A, B, C ... after "All Messages".
  void CreateViews(int count) {
    ASSERT_TRUE(Views.CreateDefaultView());
    for (int n = 0; n < count; ++n) ASSERT_EQ(Views.InsertView({QString(QChar('A' + n))}), n + 1);
  }
  QStringList Names() const {
    QStringList names;
    for (int i = 0; i < Views.Count(); ++i) names << Views.At(i).View->GetViewName();
    return names;
  }

  TCustomViewList Registry;
  TFakePages Pages;
  TFakeWindow Window;
  TQBViewManager Views{Pages, Window, Window, MessageSet, &Registry};
  TQBMessageAdder Adder{MessageSet};
};

TEST(ViewClassLookup, TheNamedClassElseDefaultElseTheFirst) {
  TCustomViewList both, otherOnly, none;
  both.Add(QStringLiteral("Other"), &OtherClass);
  both.Add(QStringLiteral("Default"), &DefaultClass);
  otherOnly.Add(QStringLiteral("Other"), &OtherClass);
  struct TCase {
    const TCustomViewList* Registry;
    const char* Name;
    const TQBCustomViewClass* Found;
  } cases[] = {
      {&both, "other", &OtherClass},       // case ignored
      {&both, "missing", &DefaultClass},   // unknown: "Default"
      {&otherOnly, "missing", &OtherClass},  // no "Default": the first registered
      {&none, "Default", nullptr},
      {nullptr, "Default", nullptr},
  };
  for (const TCase& c : cases) EXPECT_EQ(QBFindViewClass(c.Registry, QString::fromLatin1(c.Name)), c.Found) << c.Name;
}

TEST_F(ViewManagerTest, ViewsThatCannotBeMadeAreReportedAndNothingIsAdded) {
  ASSERT_TRUE(Views.CreateDefaultView());
  EXPECT_EQ(Views.InsertView({QStringLiteral("X"), QStringLiteral("Not a view")}), -1);
  EXPECT_EQ(Window.Errors, QStringList{QStringLiteral("Invalid CustomView registered")});
  EXPECT_EQ(Pages.Destroyed, 1);
  TCustomViewList empty;
  TQBViewManager noClasses(Pages, Window, Window, MessageSet, &empty);
  EXPECT_FALSE(noClasses.CreateDefaultView());
  EXPECT_EQ(Window.Errors.last(), QStringLiteral("Unable to create a view. ViewClass (Default) not found."));
  EXPECT_EQ(Views.Count(), 1);
  EXPECT_EQ(Pages.Pages.size(), 1);
  // The busy cursor and the suspended repainting came back every time.
  EXPECT_EQ(Window.Busy, 0);
  EXPECT_EQ(Pages.Suspended, 0);
}

TEST_F(ViewManagerTest, AllMessagesIsTheFirstPageAndCurrent) {
  ASSERT_TRUE(Views.CreateDefaultView());
  EXPECT_EQ(Views.Count(), 1);
  EXPECT_EQ(Pages.Captions, QStringList{QBAllMessagesName});
  EXPECT_EQ(Views.Current().View->GetViewName(), QBAllMessagesName);
  EXPECT_EQ(Views.Current().View->GetViewClassName(), QStringLiteral("Default"));
  EXPECT_EQ(Views.CurrentIndex(), 0);
  EXPECT_EQ(Pages.Shown, 0);
  EXPECT_FALSE(Pages.Strip);
  EXPECT_EQ(Window.Prepared, 1);
  EXPECT_FALSE(Views.ProjectModified());
}

TEST_F(ViewManagerTest, AFilledViewShowsTheMatchingMessagesAndBecomesCurrent) {
  ASSERT_TRUE(Views.CreateDefaultView());
  AddMessages({0, 2, 1, 2});
  MessageSet.GotoRec(3);
  TQBNewView errors{QStringLiteral("Errors")};
  errors.Criteria.CheckMsgTypes = true;
  errors.Criteria.MsgTypes.set(2);
  errors.Fill = true;
  errors.MarkProjectModified = true;
  ASSERT_EQ(Views.InsertView(errors), 1);
  EXPECT_EQ(Views.CurrentIndex(), 1);
  EXPECT_EQ(Views.Current().View->GetCount(), 2);
  EXPECT_EQ(Pages.Shown, 1);
  EXPECT_TRUE(Pages.Strip);
  EXPECT_TRUE(Views.ProjectModified());
  EXPECT_EQ(MessageSet.RecNo(), 3);
  // Not filled: it starts empty behind the current view, and hears of the next messages.
  ASSERT_EQ(Views.InsertView({QStringLiteral("Later")}), 2);
  EXPECT_EQ(Views.CurrentIndex(), 1);
  EXPECT_EQ(ViewAt(2).GetCount(), 0);
  AddMessages({0});
  EXPECT_EQ(ViewAt(2).GetCount(), 1);
  EXPECT_EQ(ViewAt(0).GetCount(), 5);
  // Nothing goes before "All Messages".
  ASSERT_EQ(Views.InsertView({QStringLiteral("First?")}, 0), 1);
  EXPECT_EQ(Names(), (QStringList{QBAllMessagesName, "First?", "Errors", "Later"}));
  EXPECT_EQ(Views.CurrentIndex(), 2);
  EXPECT_EQ(Views.Current().View->GetViewName(), QStringLiteral("Errors"));
}

TEST_F(ViewManagerTest, RemovingTheCurrentViewBindsANeighbourAtOnce) {
  CreateViews(3);  // All Messages, A, B, C
  Views.Select(2);
  Views.RemoveView(2);  // B: C takes its place
  EXPECT_EQ(Names(), (QStringList{QBAllMessagesName, "A", "C"}));
  EXPECT_EQ(Views.Current().View->GetViewName(), QStringLiteral("C"));
  EXPECT_EQ(Pages.Shown, 2);
  Views.RemoveView(2);  // C, the last: A before it
  EXPECT_EQ(Views.Current().View->GetViewName(), QStringLiteral("A"));
  Views.RemoveView(0);  // "All Messages" stays
  EXPECT_EQ(Views.Count(), 2);
  EXPECT_TRUE(Pages.Strip);
  Views.Select(0);
  Views.RemoveView(1);  // not the current one: the current stays bound
  EXPECT_EQ(Views.Current().View->GetViewName(), QBAllMessagesName);
  EXPECT_FALSE(Pages.Strip);
  EXPECT_EQ(Pages.Pages.size(), 1);
  EXPECT_TRUE(Views.ProjectModified());
  ASSERT_EQ(Views.InsertView({QStringLiteral("D"), QStringLiteral("Default"), {}, true}), 1);
  Views.RemoveAllViews();
  EXPECT_EQ(Names(), QStringList{QBAllMessagesName});
  EXPECT_EQ(Views.CurrentIndex(), 0);
  EXPECT_EQ(Views.Current().View, Views.At(0).View);
}

TEST_F(ViewManagerTest, MovesNeverTouchAllMessages) {
  struct TCase {
    int Index, By;
    QStringList After;
  } cases[] = {
      {1, -1, {"A", "B", "C"}},  // not onto place 0
      {3, +1, {"A", "B", "C"}},  // not past the last
      {0, +1, {"A", "B", "C"}},  // "All Messages" does not move
      {2, -1, {"B", "A", "C"}},
      {1, +1, {"B", "A", "C"}},
  };
  for (const TCase& c : cases) {
    TFakePages pages;
    TFakeWindow window;
    TQBViewManager views(pages, window, window, MessageSet, &Registry);
    ASSERT_TRUE(views.CreateDefaultView());
    for (const char* name : {"A", "B", "C"}) views.InsertView({QString::fromLatin1(name)});
    views.Select(c.Index);
    views.MoveView(c.Index, c.By);
    QStringList names;
    for (int i = 1; i < views.Count(); ++i) names << views.At(i).View->GetViewName();
    EXPECT_EQ(names, c.After) << c.Index << " by " << c.By;
    EXPECT_EQ(pages.Captions.mid(1), c.After);
    // The moved view stays current wherever it went.
    EXPECT_EQ(views.Current().View, views.At(views.CurrentIndex()).View);
    EXPECT_EQ(pages.Shown, views.CurrentIndex());
  }
}

TEST_F(ViewManagerTest, SyncModeMarksEveryViewAndTabChangesGoToTheMessage) {
  CreateViews(1);
  AddMessages({0, 0, 0, 0});
  Views.Current().List->SetItemIndex(2);
  Views.SetSyncMode(true);
  EXPECT_EQ(Views.SyncRecNo(), 3);
  EXPECT_EQ(ViewAt(0).SyncMark, 3);
  EXPECT_EQ(ViewAt(1).SyncMark, 3);
  Views.Select(1);
  EXPECT_EQ(ViewAt(1).WentTo, 3);
  Views.SetSyncMode(false);
  EXPECT_EQ(ViewAt(0).SyncMark, -1);
  ViewAt(0).WentTo = -1;
  Views.Select(0);
  EXPECT_EQ(ViewAt(0).WentTo, -1);
  EXPECT_EQ(Views.SwitchToViewEntries(),
            (QList<TQBSwitchEntry>{{QBAllMessagesName, true}, {QStringLiteral("A"), false}}));
}

// The organizer files a message into a view of its own before the views hear of it, and a view may
// be made while the views are being told; either way the new view hears of the message too.
TEST_F(ViewManagerTest, AViewMadeWhileAMessageIsAddedHearsOfIt) {
  ASSERT_TRUE(Views.CreateDefaultView());
  struct TOrganizer final : IQBNewMessageObserver {
    TQBViewManager& Views;
    explicit TOrganizer(TQBViewManager& views) : Views(views) {}
    void NewMessageAdded(int recNo) override {
      if (recNo == 2) Views.InsertView({QStringLiteral("Organized")});
    }
  } organizer(Views);
  TQBMessageAdder adder(MessageSet);
  adder.AddObserver(&organizer);
  adder.AddObserver(&Views);
  for (int n = 0; n < 3; ++n) adder.AddMessage(qbtest::Message(0, "text"));
  EXPECT_EQ(ViewAt(1).GetCount(), 2);

  ASSERT_EQ(Views.InsertView({QStringLiteral("Hooked"), QStringLiteral("Hooked")}), 2);
  THookedView::OnAdd = [this] {
    THookedView::OnAdd = {};
    Views.InsertView({QStringLiteral("Made inside")});
  };
  adder.AddMessage(qbtest::Message(0, "text"));
  ASSERT_EQ(Views.Count(), 4);
  EXPECT_EQ(ViewAt(3).GetCount(), 1);
  EXPECT_EQ(ViewAt(0).GetCount(), 4);
}

TEST_F(ViewManagerTest, AHeldSelectionIsCountedOnce) {
  ASSERT_TRUE(Views.CreateDefaultView());
  AddMessages({0, 0});
  Views.Current().View->SelectAll();
  TQBTestView& view = ViewAt(0);
  view.SelectionCounts = 0;
  {
    const TQBViewManager::THold hold = Views.HoldSelectedCount();
    TQBCommandInputs in;
    Views.GatherInputs(in);
    EXPECT_EQ(in.Selected, 2);
    EXPECT_EQ(Views.SelectedCount(), 2);
  }
  EXPECT_EQ(view.SelectionCounts, 1);
  Views.SelectedCount();
  EXPECT_EQ(view.SelectionCounts, 2);
}


// The view commands over the manager, with the filter dialog and the Remove All question scripted.
class TScriptedQuestions final : public IQBViewQuestions {
public:
  bool RunViewFilter(TQBViewFilterRequest& request) override {
    Requests.append(request);
    if (!Accept) return false;
    request.Name = Name;
    request.ClassName = QStringLiteral("Default");
    request.Result = Result;
    return true;
  }
  bool ConfirmRemoveAllViews() override {
    ++RemoveAllAsked;
    return Yes;
  }
  bool Accept = true, Yes = true;
  QString Name;
  TQBFilterCriteria Result;
  QList<TQBViewFilterRequest> Requests;
  int RemoveAllAsked = 0;
};

class ViewCommandsTest : public ViewManagerTest {
protected:
  TScriptedQuestions Questions;
  TQBViewCommands Commands{Views, MessageSet, Questions};
};

TEST_F(ViewCommandsTest, NewViewIsProposedTheFocusedMessageAndAddsOnlyOnOK) {
  ASSERT_TRUE(Views.CreateDefaultView());
  Commands.NewView();  // an empty view: nothing to propose
  ASSERT_EQ(Questions.Requests.size(), 1);
  EXPECT_FALSE(Questions.Requests[0].Prefill.has_value());
  EXPECT_EQ(Views.Count(), 2);
  Commands.RemoveView();
  Views.SetProjectModified(false);

  AddMessages({0, 2, 1, 2});
  Views.Current().List->SetItemIndex(2);
  MessageSet.GotoRec(1);
  Questions.Accept = false;
  Commands.NewView();
  const TQBViewFilterRequest& asked = Questions.Requests.last();
  EXPECT_TRUE(asked.NewView);
  EXPECT_EQ(asked.Caption, QStringLiteral("Create a New View"));
  EXPECT_EQ(asked.HelpTopic, QStringLiteral("Viewer_Commands_Organize_NewView"));
  EXPECT_EQ(asked.ClassNames, (QStringList{"Other", "Default", "Not a view", "Hooked"}));
  ASSERT_TRUE(asked.Prefill.has_value());
  EXPECT_EQ(asked.Prefill->MsgType, 1);  // the focused row, not the store's position
  EXPECT_EQ(Views.Count(), 1);
  EXPECT_FALSE(Views.ProjectModified());

  Questions.Accept = true;
  Questions.Name = QStringLiteral("Errors");
  Questions.Result.CheckMsgTypes = true;
  Questions.Result.MsgTypes.set(2);
  Commands.NewView();
  ASSERT_EQ(Views.Count(), 2);
  EXPECT_EQ(Views.CurrentIndex(), 1);
  EXPECT_EQ(Views.Current().View->GetViewName(), QStringLiteral("Errors"));
  EXPECT_EQ(Views.Current().View->GetCount(), 2);
  EXPECT_TRUE(Views.ProjectModified());
}

TEST_F(ViewCommandsTest, ModifyViewRenamesAndRefillsOnOKOnly) {
  CreateViews(1);
  AddMessages({0, 2, 2});
  EXPECT_EQ(ViewAt(1).GetCount(), 3);
  TQBFilterCriteria errors;
  errors.CheckMsgTypes = true;
  errors.MsgTypes.set(2);
  struct TCase {
    int Tab;
    bool Accept;
    int Asked;
    QString Name;
    int Rows;
  } cases[] = {
      {0, true, 0, QStringLiteral("A"), 3},         // "All Messages" is never modified
      {1, false, 1, QStringLiteral("A"), 3},        // Cancel changes nothing
      {1, true, 1, QStringLiteral("Errors"), 2},    // renamed, new criteria, refilled
  };
  for (const TCase& c : cases) {
    Views.Select(c.Tab);
    Views.SetProjectModified(false);
    Questions.Requests.clear();
    Questions.Accept = c.Accept;
    Questions.Name = QStringLiteral("Errors");
    Questions.Result = errors;
    Commands.ModifyView();
    SCOPED_TRACE(testing::Message() << "tab " << c.Tab << ", accept " << c.Accept);
    ASSERT_EQ(Questions.Requests.size(), c.Asked);
    EXPECT_EQ(ViewAt(1).GetViewName(), c.Name);
    EXPECT_EQ(Pages.Captions[1], c.Name);
    EXPECT_EQ(ViewAt(1).GetCount(), c.Rows);
    EXPECT_EQ(Views.ProjectModified(), c.Accept && c.Asked > 0);
    if (c.Asked == 0) continue;
    const TQBViewFilterRequest& asked = Questions.Requests[0];
    EXPECT_FALSE(asked.NewView);
    EXPECT_EQ(asked.Caption, QStringLiteral("Modify Current View"));
    EXPECT_EQ(asked.HelpTopic, QStringLiteral("Viewer_Commands_Organize_ModifyView"));
    EXPECT_EQ(asked.Name, QStringLiteral("A"));
    EXPECT_EQ(asked.Criteria, TQBFilterCriteria{});
  }
}

TEST_F(ViewCommandsTest, RemoveAllAsksOnlyWithViewsAndKeepsThemOnNo) {
  struct TCase {
    int Views;
    bool Yes;
    int Asked, Left;
  } cases[] = {{0, true, 0, 1}, {2, false, 1, 3}, {2, true, 1, 1}};
  for (const TCase& c : cases) {
    TFakePages pages;
    TFakeWindow window;
    TQBViewManager views(pages, window, window, MessageSet, &Registry);
    TScriptedQuestions questions;
    TQBViewCommands commands(views, MessageSet, questions);
    ASSERT_TRUE(views.CreateDefaultView());
    for (int n = 0; n < c.Views; ++n) views.InsertView({QString::number(n), QStringLiteral("Default"), {}, true});
    questions.Yes = c.Yes;
    commands.RemoveAllViews();
    EXPECT_EQ(questions.RemoveAllAsked, c.Asked) << c.Views << c.Yes;
    EXPECT_EQ(views.Count(), c.Left) << c.Views << c.Yes;
  }
}

// Remove, Move Left and Move Right act on the current view; Synchronize Message Mode toggles.
TEST_F(ViewCommandsTest, CurrentViewCommandsAndSyncToggle) {
  CreateViews(3);  // All Messages, A, B, C
  Views.Select(2);
  Commands.MoveLeft();
  EXPECT_EQ(Names(), (QStringList{QBAllMessagesName, "B", "A", "C"}));
  EXPECT_EQ(Views.CurrentIndex(), 1);
  Commands.MoveLeft();  // never before "All Messages"
  EXPECT_EQ(Views.CurrentIndex(), 1);
  Commands.MoveRight();
  Commands.MoveRight();
  EXPECT_EQ(Names(), (QStringList{QBAllMessagesName, "A", "C", "B"}));
  EXPECT_EQ(Views.Current().View->GetViewName(), QStringLiteral("B"));
  Commands.RemoveView();
  EXPECT_EQ(Names(), (QStringList{QBAllMessagesName, "A", "C"}));
  EXPECT_EQ(Views.Current().View->GetViewName(), QStringLiteral("C"));

  AddMessages({0, 0});
  Views.Current().List->SetItemIndex(1);
  Commands.ToggleSyncMode();
  EXPECT_TRUE(Views.SyncMode());
  EXPECT_EQ(Views.SyncRecNo(), 2);
  Commands.ToggleSyncMode();
  EXPECT_FALSE(Views.SyncMode());
  EXPECT_EQ(Views.SyncRecNo(), -1);
  EXPECT_EQ(ViewAt(1).SyncMark, -1);
}

// TQBInspectedView: the inspector pane's questions about the current view, answered through the
// manager without a window.

// A view that lists three call stack entries, whatever its rows.
class TStackView : public TQBTestView {
public:
  using TQBTestView::TQBTestView;
  void GetCallStack(QStringList& texts) const override { texts = {"Inner", "Outer", "Beyond"}; }
};
const TObjectViewClassOf<TStackView> StackClass;

TEST_F(ViewManagerTest, InspectedViewAnswersFromTheCurrentView) {
  TQBDisplaySettings display;
  TQBInspectedView inspected(Views, display, MessageSet);
  int first = -1, last = -1;
  EXPECT_FALSE(inspected.HasActiveView());
  EXPECT_EQ(inspected.RowCount(), 0);
  EXPECT_EQ(inspected.FocusedRow(), -1);
  EXPECT_FALSE(inspected.GotoCurrentMessage());
  inspected.GetSelectedRange(first, last);
  EXPECT_EQ(std::pair(first, last), std::pair(0, 0));

  ASSERT_TRUE(Views.CreateDefaultView());
  AddMessages({0, 0, 0});
  EXPECT_TRUE(inspected.HasActiveView());
  EXPECT_FALSE(inspected.IsClearingViews());
  EXPECT_EQ(inspected.RowCount(), 3);
  EXPECT_EQ(inspected.FocusedRow(), -1);
  inspected.SelectRow(1);
  EXPECT_EQ(inspected.FocusedRow(), 1);
  ASSERT_TRUE(inspected.GotoCurrentMessage());
  EXPECT_EQ(MessageSet.RecNo(), ViewAt(0).GetRowRecNo(1));
  inspected.SelectRow(-1);  // a call stack entry without a row
  EXPECT_EQ(inspected.FocusedRow(), 1);
  ViewAt(0).SetRowSelected(0, true);
  ViewAt(0).SetRowSelected(2, true);
  EXPECT_EQ(inspected.SelectedCount(), ViewAt(0).SelectedCount());
  int viewFirst = -1, viewLast = -1;
  ViewAt(0).GetSelectedRange(viewFirst, viewLast);
  inspected.GetSelectedRange(first, last);
  EXPECT_EQ(std::pair(first, last), std::pair(viewFirst, viewLast));
  display.Inspector = false;
  EXPECT_FALSE(inspected.IsInspectorShown());
  display.Inspector = true;
  EXPECT_TRUE(inspected.IsInspectorShown());
}

TEST_F(ViewManagerTest, InspectedViewFindsTheRowsOfTheEnclosingMethods) {
  Registry.Add(QStringLiteral("Stack"), &StackClass);
  ASSERT_TRUE(Views.CreateDefaultView());
  TQBNewView calls{QStringLiteral("Calls"), QStringLiteral("Stack")};
  calls.Fill = true;
  ASSERT_EQ(Views.InsertView(calls), 1);
  AddMessages({qbmEnterMethod, qbmInfo, qbmEnterMethod, qbmInfo});
  TQBDisplaySettings display;
  TQBInspectedView inspected(Views, display, MessageSet);
  std::vector<TQBCallStackEntry> entries;

  inspected.SelectRow(3);
  inspected.GetCallStack(entries);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(std::pair(entries[0].Text, entries[0].Row), std::pair(QStringLiteral("Inner"), 2));
  EXPECT_EQ(std::pair(entries[1].Text, entries[1].Row), std::pair(QStringLiteral("Outer"), 0));
  // An entry the walk does not find is listed without a row.
  EXPECT_EQ(std::pair(entries[2].Text, entries[2].Row), std::pair(QStringLiteral("Beyond"), -1));

  // The outermost level has no enclosing method; the view is not asked.
  inspected.SelectRow(0);
  inspected.GetCallStack(entries);
  EXPECT_TRUE(entries.empty());
}

}  // namespace
