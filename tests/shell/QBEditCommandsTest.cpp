// The annotation and editing commands without a window: Clear and Clear All with their confirmation,
// the flag an edit leaves, and Add Note's edit on the view's last row.

#include "support/QBTestView.h"
#include "support/QBTestFiles.h"

#include "shell/QBEditCommands.h"
#include "settings/QBSettings.h"
#include "shell/QBViewBinding.h"

#include "model/QBMessageTypes.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class TFakeWindow final : public IQBEditWindow, public IQBAreaFeedback, public IQBCurrentView {
public:
  std::vector<std::unique_ptr<TQBTestView>> Views;
  int CurrentIndex = 0;
  mutable TQBViewBinding Bound;
  // The clear confirmation's answer and the box's state; how it was asked.
  bool Confirm = true, BoxTicked = false;
  QStringList Calls;

  TQBTestView& View(int i) { return *Views[size_t(i)]; }
  const TQBViewBinding& Current() const override {
    Bound = Views.empty() ? TQBViewBinding{} : TQBViewBinding::Of(Views[size_t(CurrentIndex)].get());
    return Bound;
  }
  int ViewCount() const override { return int(Views.size()); }
  bool ConfirmClearView(int viewCount, bool& all) override {
    Calls << QStringLiteral("confirm %1 %2").arg(viewCount).arg(all ? "all" : "current");
    if (viewCount > 1 && !all) all = BoxTicked;
    return Confirm;
  }
  bool ConfirmClearBookmarks() override { return Calls << QStringLiteral("confirm bookmarks"), Confirm; }
  void SetBusy(bool busy) override { Calls << (busy ? QStringLiteral("busy") : QStringLiteral("idle")); }
  void ReportError(const QString& text) override { Calls << QStringLiteral("error ") + text; }
  void ShowStatusText(const QString&) override {}
  void UpdateCommands() override {}
  void ClearAllMessages() override {
    Calls << QStringLiteral("clear all");
    for (auto& view : Views) view->ClearView();
    MessageSet.Close();
    MessageSet.Open();
  }
  void ClearMessageDetails() override { Calls << QStringLiteral("details"); }
};

class EditCommandsTest : public ::testing::Test {
protected:
  void SetUp() override {
    MessageSet.Close();
    MessageSet.Open();
    Adder.AddObserver(&Modified);
  }
  void TearDown() override {
    MessageSet.Close();
    MessageSet.Open();
  }
  TQBTestView& AddView(const TQBFilterCriteria& filter = {}) {
    auto& view = Window.Views.emplace_back(std::make_unique<TQBTestView>(nullptr));
    view->SetFilterCriteria(filter);
    // Views come before the modified flag, as the window adds them.
    Adder.RemoveObserver(&Modified);
    Adder.AddObserver(&view->Model());
    Adder.AddObserver(&Modified);
    return *view;
  }
  // Drops the views, and first their models from the adding path, which would call them after.
  void DropViews() {
    for (auto& view : Window.Views) Adder.RemoveObserver(&view->Model());
    Window.Views.clear();
  }
  void AddTypes(std::initializer_list<int32_t> types) {
    for (int32_t t : types) Adder.AddMessage(qbtest::Message(t, "text"));
  }
  static TQBMessageOrigin Origin() {
    TQBMessageOrigin origin;
    origin.AppName = QStringLiteral("QBFileViewer");
    return origin;
  }

  TQBLogState Log;
  TQBMessageAdder Adder{MessageSet};
  TQBModifiedFlagObserver Modified{Log};
  TQBGeneralSettings General;
  TQBAnnotations Annotations{Adder, Origin()};
  TFakeWindow Window;
  TQBEditCommands Commands{Window, Log, Adder, Annotations, General, Window, Window};
};

TEST_F(EditCommandsTest, ClearAsksAndEmptiesTheViewsItShould) {
  struct TCase {
    const char* Name;
    int Views;
    bool All;
    bool Confirm, BoxTicked, Ask;
    const char* Asked;      // the confirmation's question, empty when none
    int StoreAfter;         // records in the store afterwards
    std::vector<int> RowsAfter;
  } cases[] = {
      {"one view", 1, false, true, false, true, "confirm 1 current", 0, {0}},
      {"two views, box clear", 2, false, true, false, true, "confirm 2 current", 3, {3, 0}},
      {"two views, box ticked", 2, false, true, true, true, "confirm 2 current", 0, {0, 0}},
      {"clear all", 2, true, true, false, true, "confirm 2 all", 0, {0, 0}},
      {"declined", 2, true, false, false, true, "confirm 2 all", 3, {3, 3}},
      {"without confirmation", 2, false, true, false, false, "", 3, {3, 0}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    SetUp();
    Adder.ResetNextID();
    DropViews();
    for (int i = 0; i < c.Views; ++i) AddView();
    Window.CurrentIndex = c.Views - 1;
    AddTypes({0, 1, 2});
    Log.CurrentFile = QStringLiteral("/logs/Trace.qbl");
    Window.Confirm = c.Confirm, Window.BoxTicked = c.BoxTicked;
    General.ConfirmOnClear = c.Ask;
    Window.Calls.clear();

    Commands.Clear(c.All);

    const QStringList asked = Window.Calls.filter(QStringLiteral("confirm"));
    EXPECT_EQ(asked.isEmpty() ? QString() : asked.front(), QString::fromLatin1(c.Asked));
    EXPECT_EQ(MessageSet.GetRecordCount(), c.StoreAfter);
    for (int i = 0; i < c.Views; ++i) EXPECT_EQ(Window.View(i).GetCount(), c.RowsAfter[size_t(i)]) << "view " << i;
    const bool emptied = c.StoreAfter == 0;
    EXPECT_EQ(Log.CurrentFile.isEmpty(), emptied);
    EXPECT_EQ(Log.Modified, !emptied);
    EXPECT_EQ(Adder.NextID(), emptied ? 0 : 3);
  }
}

TEST_F(EditCommandsTest, ClearRunsItsStepsInOrder) {
  AddView();
  AddTypes({0});
  Commands.Clear(false);
  EXPECT_EQ(Window.Calls, QStringList({"confirm 1 current", "busy", "clear all", "details", "idle"}));
  // Nothing to clear: nothing is asked.
  Window.Calls.clear();
  Commands.Clear(false);
  Commands.Clear(true);
  EXPECT_TRUE(Window.Calls.isEmpty());
}

TEST_F(EditCommandsTest, OnlyARealEditMarksTheLogModified) {
  TQBTestView& view = AddView();
  AddTypes({0, 0});
  view.SetItemIndex(1);
  struct TCase {
    const char* Name;
    std::optional<QString> Answer;
    bool Modified;
  } cases[] = {
      {"cancelled", std::nullopt, false},
      {"confirmed unchanged", QStringLiteral("text"), false},
      {"changed", QStringLiteral("edited"), true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Log.Modified = false;
    view.EditAnswer = c.Answer;
    Commands.EditMessage();
    EXPECT_EQ(view.EditedRows.back(), 1);
    EXPECT_EQ(Log.Modified, c.Modified);
    EXPECT_EQ(Log.Title().startsWith('*'), c.Modified);
  }
  EXPECT_EQ(MessageSet.At(2).MsgText(), "edited");
}

TEST_F(EditCommandsTest, AddNoteEditsTheCurrentViewsLastRow) {
  TQBFilterCriteria errors;
  errors.CheckMsgTypes = true;
  errors.MsgTypes.set(qbmError);
  TQBTestView& all = AddView();
  TQBTestView& filtered = AddView(errors);
  AddTypes({2, 0, 2});

  // In the view of errors the note is not a row: the edit opens on the last error.
  Window.CurrentIndex = 1;
  Log.Modified = false;
  Commands.AddNote();
  EXPECT_EQ(MessageSet.At(4).MsgType(), qbmNote);
  EXPECT_EQ(all.GetCount(), 4);
  EXPECT_EQ(filtered.GetCount(), 2);
  EXPECT_EQ(filtered.EditedRows, QList<int>({1}));
  EXPECT_EQ(filtered.GetItemIndex(), 1);
  EXPECT_TRUE(Log.Modified);

  // In "All Messages" it is the note itself.
  Window.CurrentIndex = 0;
  all.EditAnswer = QStringLiteral("my note");
  Commands.AddNote();
  EXPECT_EQ(all.EditedRows, QList<int>({4}));
  EXPECT_EQ(MessageSet.At(5).MsgText(), "my note");
}

TEST_F(EditCommandsTest, AnnotationsAndTheResetSeparator) {
  TQBTestView& view = AddView();
  AddTypes({qbmEnterMethod, 0});
  Commands.AddResetSeparator();
  AddTypes({0});
  EXPECT_EQ(view.GetRowLevel(3), 0);
  Commands.AddCheckPoint();
  Commands.AddSeparator();
  EXPECT_EQ(MessageSet.At(5).MsgText(), "QBFileViewer: Check Point #1");
  EXPECT_EQ(MessageSet.At(6).MsgType(), qbmSeparator);
}

TEST_F(EditCommandsTest, ClearBookmarksAsksWhenItShould) {
  TQBTestView& view = AddView();
  AddTypes({0});
  view.SetItemIndex(0);
  for (bool ask : {true, false}) {
    for (bool confirm : {true, false}) {
      view.ToggleBookmark(4);
      if (view.GetBookmark(4) < 0) view.ToggleBookmark(4);
      General.ConfirmOnClearBookmarks = ask;
      Window.Confirm = confirm;
      Window.Calls.clear();
      Commands.ClearBookmarks();
      EXPECT_EQ(Window.Calls.contains("confirm bookmarks"), ask);
      EXPECT_EQ(view.GetBookmark(4) < 0, confirm || !ask) << ask << confirm;
    }
  }
}

}  // namespace
