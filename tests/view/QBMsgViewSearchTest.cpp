// The message view's find operations: the find dialog through the view's dialogs, the search it then
// starts, Find Next, and the notice of a search that found nothing.

#include "view/widgets/QBMsgView.h"
#include "view/widgets/QBMsgViewDialogs.h"
#include "view/QBViewSearch.h"

#include "model/QBMessageAdder.h"
#include "model/QBMessageTypes.h"

#include "QBHostDouble.h"
#include "support/QBTestFiles.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

class TFindDialogs final : public IQBMsgViewDialogs {
public:
  bool AskJumpToRow(QWidget*, int&) override { return false; }
  bool AskEditedText(QWidget*, const QFont&, const QRect&, int, QString&) override { return false; }
  void ShowInfo(QWidget*, const QString& text) override { Infos << text; }
  bool AskFind(QWidget*, TQBFindRequest& request) override {
    Shown = request;
    if (Answer) request = *Answer;
    return Answer.has_value();
  }
  std::optional<TQBFindRequest> Answer;
  TQBFindRequest Shown;
  QStringList Infos;
};

class MsgViewSearchTest : public ::testing::Test {
protected:
  MsgViewSearchTest() : View(nullptr, Set), Adder(Set) {
    View.SetDialogs(&Dialogs);
    Adder.AddObserver(&View.Model());
    View.resize(600, 300);
    View.Initialize();
  }
  void Add(int32_t type, const QByteArray& text, const QByteArray& details = {}) {
    Adder.AddMessage(qbtest::Message(type, Keep(text), Keep(details)));
  }
  const QByteArray& Keep(const QByteArray& b) { return FKept.emplace_back(b); }

  qbtest::THostDouble Host;
  TFindDialogs Dialogs;
  TQuillboxMessageSet Set;
  TQBMessageView View;
  TQBMessageAdder Adder;

private:
  std::deque<QByteArray> FKept;
};

TEST_F(MsgViewSearchTest, OffersSearchAndFindsWhatTheDialogAsked) {
  auto* search = qobject_cast<IQBMessageViewSearch*>(&View);
  ASSERT_NE(search, nullptr);
  Add(qbmInfo, "alpha");
  Add(qbmInfo, "beta", "the needle is here");
  Add(qbmInfo, "gamma NEEDLE");
  Add(qbmInfo, "delta");

  // Cancelled: the caller's values stay and nothing is searched.
  QString text = "old";
  bool forward = true, inDetails = true, fromCursor = false;
  EXPECT_FALSE(search->ShowFindDialog(text, forward, inDetails, fromCursor));
  EXPECT_EQ(Dialogs.Shown, (TQBFindRequest{"old", true, true, false}));
  EXPECT_EQ(text, "old");
  EXPECT_EQ(View.GetItemIndex(), -1);

  // Confirmed: the values come back and a new search selects the first match, in the details too.
  Dialogs.Answer = TQBFindRequest{"Needle", true, true, false};
  EXPECT_TRUE(search->ShowFindDialog(text, forward, inDetails, fromCursor));
  EXPECT_EQ(text, "Needle");
  EXPECT_EQ(View.GetItemIndex(), 1);
  EXPECT_EQ(Host.SelectionNotices > 0, true);

  // Find Next continues after the current row; past the last match it reports the text.
  search->FindText(false, text, inDetails, fromCursor, forward);
  EXPECT_EQ(View.GetItemIndex(), 2);
  search->FindText(false, text, inDetails, fromCursor, forward);
  EXPECT_EQ(Dialogs.Infos, QStringList({"Search string 'Needle' not found."}));

  // Without details the details do not count: backward from the end finds only the text match.
  search->FindText(true, text, false, false, false);
  EXPECT_EQ(View.GetItemIndex(), 2);
  search->FindText(false, text, false, false, false);
  EXPECT_EQ(Dialogs.Infos.size(), 2);
  search->FindText(false, text, true, false, false);
  EXPECT_EQ(View.GetItemIndex(), 1);
}

TEST_F(MsgViewSearchTest, AnEmptyTextIsAlwaysNotFound) {
  Add(qbmInfo, "anything");
  auto* search = qobject_cast<IQBMessageViewSearch*>(&View);
  search->FindText(true, QString(), true, false, true);
  EXPECT_EQ(Dialogs.Infos, QStringList({"Search string '' not found."}));
}

// Find Next from the last row forwards (or the first backwards) has nowhere to go: it reports the
// text instead of finding the matching row it stands on once more.
TEST_F(MsgViewSearchTest, FindNextAtTheEndOfItsDirectionReportsTheText) {
  Add(qbmInfo, "needle first");
  Add(qbmInfo, "hay");
  Add(qbmInfo, "needle last");
  auto* search = qobject_cast<IQBMessageViewSearch*>(&View);
  const struct {
    int From;
    bool Forward;
  } cases[] = {{2, true}, {0, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Forward ? "forward" : "backward");
    Dialogs.Infos.clear();
    View.SelectRow(c.From);
    search->FindText(false, "needle", false, false, c.Forward);
    EXPECT_EQ(Dialogs.Infos, QStringList({"Search string 'needle' not found."}));
    EXPECT_EQ(View.GetItemIndex(), c.From);
  }
}

}  // namespace
