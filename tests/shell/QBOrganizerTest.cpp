// The organizer against views made of the view core: its naming and value rules, what counts as an
// organized value, the one-pass "Organize Messages" checked against filling every view from the whole
// store, and the automatic pass of new messages.

#include "shell/QBOrganizer.h"
#include "support/QBOrganizedViews.h"
#include "support/QBTestStore.h"
#include "view/QBHeadlessView.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using qbtest::TMsgFields;

// Cases name only the fields they set; the others keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

// New messages reach every view through one observer that walks the list, as the window's views
// observer does.
class TFakeViews final : public qbtest::TOrganizedViews, public IQBNewMessageObserver {
public:
  using TOrganizedViews::TOrganizedViews;
  void NewMessageAdded(int recNo) override {
    for (size_t i = 0; i < Views.size(); ++i) {
      FSet.GotoRec(recNo);
      Views[i]->AddCurrentMessage(false);
    }
  }
};

// The automatic pass for every message added, as Auto-Organize runs it.
struct TAutoObserver : IQBNewMessageObserver {
  TQBOrganizer& Organizer;
  explicit TAutoObserver(TQBOrganizer& o) : Organizer(o) {}
  void NewMessageAdded(int) override { Organizer.OrganizeNewMessage(); }
};

class OrganizerTest : public ::testing::Test {
protected:
  void SetUp() override {
    qbviewregistry::Install(&Organizer);
    Organizer.SetViews(&Views);
  }
  void TearDown() override {
    Views.Views.clear();
    qbviewregistry::Install(nullptr);
  }

  // A hand-made view that filters on its criteria.
  std::unique_ptr<TQBHeadlessView> HandMadeView(const TQBFilterCriteria& criteria) {
    auto view = std::make_unique<TQBHeadlessView>(Set);
    view->SetFilterCriteria(criteria);
    return view;
  }

  TQuillboxMessageSet Set;
  qbtest::TTestStore Store{Set};
  TQBOrganizer Organizer{Set};
  TFakeViews Views{Set};
};

TEST_F(OrganizerTest, NamesEachViewAfterItsValueAndFiltersOnThatFieldAlone) {
  struct TCase {
    const char* Why;
    uint8_t Field;
    std::vector<TMsgFields> Messages;
    QStringList Names;
  };
  const TCase cases[] = {
      {"applications, an empty one gets its view too", orgAppName,
       {{.App = "OrderService"}, {.App = ""}, {.App = "Billing"}, {.App = "OrderService"}},
       {"OrderService", "", "Billing"}},
      {"categories: the empty one never, Net and NET are one value", orgCategory,
       {{.Category = "Net"}, {.Category = ""}, {.Category = "NET"}, {.Category = "Db"}}, {"Net", "Db"}},
      {"process ids, unsigned", orgProcessID, {{.Pid = 1234}, {.Pid = 5678}, {.Pid = 1234}, {.Pid = 4294967295u}},
       {"PID 1234", "PID 5678", "PID 4294967295"}},
      {"threads, the empty one named with nothing after the space", orgThreadName,
       {{.Thread = "Main"}, {.Thread = ""}, {.Thread = "main"}}, {"Thread Main", "Thread "}},
      {"computers: the empty one never", orgComputerName, {{.Computer = ""}, {.Computer = "WS-ANNA"}}, {"WS-ANNA"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Why);
    Views.Views.clear();
    Set.Close();
    Set.Open();
    for (const TMsgFields& m : c.Messages) Store.Add(m);
    Organizer.OrganizeAll(c.Field);
    EXPECT_EQ(Views.Names(), c.Names);
    for (const auto& view : Views.Views) {
      TQBFilterCriteria criteria;
      view->GetFilterCriteria(criteria);
      TQBFilterCriteria only;  // exactly one check, the field's
      only.CheckAppName = c.Field == orgAppName;
      only.CheckCategory = c.Field == orgCategory;
      only.CheckProcessID = c.Field == orgProcessID;
      only.CheckThreadName = c.Field == orgThreadName;
      only.CheckComputerName = c.Field == orgComputerName;
      only.AppName = criteria.AppName;
      only.Category = criteria.Category;
      only.ProcessID = criteria.ProcessID;
      only.ThreadName = criteria.ThreadName;
      only.ComputerName = criteria.ComputerName;
      EXPECT_EQ(criteria, only) << view->GetViewName().toStdString();
    }
    // Every message is in the view of its value, and a second pass finds nothing new.
    int held = 0;
    for (const auto& view : Views.Views) held += view->ItemCount();
    const bool emptyNeverOrganized = c.Field == orgCategory || c.Field == orgComputerName;
    if (!emptyNeverOrganized) {
      EXPECT_EQ(held, int(c.Messages.size()));
    }
    Organizer.OrganizeAll(c.Field);
    EXPECT_EQ(Views.Names(), c.Names) << "second pass";
  }
}

TEST_F(OrganizerTest, OneMessageMakesUpToFiveViewsInFieldOrder) {
  Store.Add({.App = "App", .Category = "Cat", .Pid = 7, .Thread = "T", .Computer = "PC"});
  Set.GotoRec(1);
  Organizer.OrganizeMessage(TQBOrganizer::AllFields);
  EXPECT_EQ(Views.Names(), (QStringList{"App", "Cat", "PID 7", "Thread T", "PC"}));
  // Outside an automatic pass the views are filled and the last becomes current.
  for (const auto& view : Views.Views) EXPECT_EQ(view->ItemCount(), 1);
  EXPECT_EQ(Views.Shown, Views.Views.back().get());
}

TEST_F(OrganizerTest, ViewsMadeByHandCountWhenTheyFilterOnOneFieldOnly) {
  Store.Add({.Category = "Net", .Pid = 1});
  Store.Add({.Category = "Db", .Pid = 2});
  TQBFilterCriteria netWithTypes;
  netWithTypes.CheckCategory = true;
  netWithTypes.Category = "net";
  netWithTypes.CheckMsgTypes = true;
  netWithTypes.MsgTypes.set(2);
  TQBFilterCriteria dbAndPid;
  dbAndPid.CheckCategory = dbAndPid.CheckProcessID = true;
  dbAndPid.Category = "Db";
  dbAndPid.ProcessID = 2;
  const auto net = HandMadeView(netWithTypes);
  const auto db = HandMadeView(dbAndPid);
  EXPECT_EQ(Organizer.OrganizedValues(orgCategory), QStringList{"net"});
  EXPECT_TRUE(Organizer.OrganizedValues(orgProcessID).isEmpty());
  Organizer.OrganizeAll(orgCategory | orgProcessID);
  EXPECT_EQ(Views.Names(), (QStringList{"PID 1", "Db", "PID 2"}));
}

TEST_F(OrganizerTest, RemovingOneOfTwoViewsOfAValueForgetsIt) {
  Store.Add({.Category = "Net"});
  TQBFilterCriteria net;
  net.CheckCategory = true;
  net.Category = "Net";
  auto first = HandMadeView(net);
  const auto second = HandMadeView(net);
  Organizer.OrganizeAll(orgCategory);
  EXPECT_TRUE(Views.Views.empty());
  first.reset();
  Organizer.OrganizeAll(orgCategory);
  EXPECT_EQ(Views.Names(), QStringList{"Net"});
}

TEST_F(OrganizerTest, OnePassHoldsWhatFillingEachViewFromTheWholeStoreWould) {
  // Threads and applications in runs and mixed case, with nested methods, so rows have levels.
  const QString threads[] = {"Main", "worker", "WORKER", "IO", ""};
  const QString apps[] = {"Orders", "Billing", "orders"};
  uint32_t seed = 7;
  const auto next = [&seed](uint32_t n) { return (seed = seed * 1103515245u + 12345u) / 65536u % n; };
  for (int i = 0; i < 3000; ++i) {
    const int32_t types[] = {0, 1, 2, 9, 10, 9, 10};
    Store.Add({.App = apps[next(3)], .Thread = threads[next(5)], .Type = types[next(7)]});
  }
  Set.GotoRec(1234);
  Organizer.OrganizeAll(orgAppName | orgThreadName);
  EXPECT_EQ(Views.Names().size(), 6);  // Orders, Billing, and four thread values
  EXPECT_EQ(Set.RecNo(), 1234);
  EXPECT_EQ(Views.Shown, Views.Views.back().get());
  for (const auto& view : Views.Views) {
    TQBFilterCriteria criteria;
    view->GetFilterCriteria(criteria);
    // The plain way: a view with the same criteria offered every message of the store.
    IQBViewHostHooks host;
    TQBHeadlessList list;
    TQBViewModel reference(Set, list, host);
    list.SetTarget(&reference.Rows());
    reference.SetFilterCriteria(criteria);
    for (int recNo = 1; recNo <= Set.GetRecordCount(); ++recNo) {
      Set.GotoRec(recNo);
      reference.AddCurrentMessage(false);
    }
    const TQBViewRows& rows = reference.Rows();
    ASSERT_EQ(view->ItemCount(), rows.ItemCount()) << view->GetViewName().toStdString();
    for (int item = 0; item < rows.ItemCount(); ++item) {
      ASSERT_EQ(view->Model().Rows().ItemRecNo(item), rows.ItemRecNo(item));
      ASSERT_EQ(view->Model().Rows().ItemLevel(item), rows.ItemLevel(item));
    }
  }
}

TEST_F(OrganizerTest, AutomaticPassMakesBackgroundViewsThatReceiveTheMessageAfterwards) {
  Organizer.SetOrganizeBy(orgThreadName);
  TAutoObserver autoOrganize(Organizer);
  // The organizer hears of a message before the views.
  Store.Adder().AddObserver(&autoOrganize);
  Store.Adder().AddObserver(&Views);
  Store.Add({.Thread = "Main"});
  Store.Add({.Thread = "Worker"});
  Store.Add({.Thread = "main"});
  EXPECT_EQ(Views.Names(), (QStringList{"Thread Main", "Thread Worker"}));
  EXPECT_EQ(Views.Shown, nullptr);
  EXPECT_EQ(Views.Views[0]->ItemCount(), 2);
  EXPECT_EQ(Views.Views[1]->ItemCount(), 1);
  EXPECT_FALSE(Organizer.AutomaticPass());

  // Once the store was emptied, name ids are handed out again: the new first name is no old one.
  Set.Close();
  Set.Open();
  for (const auto& v : Views.Views) v->ClearView();
  Store.Add({.Thread = "Timer"});
  Store.Add({.Thread = "Main"});
  EXPECT_EQ(Views.Names(), (QStringList{"Thread Main", "Thread Worker", "Thread Timer"}));
  EXPECT_EQ(Views.Views[0]->ItemCount(), 1);
  EXPECT_EQ(Views.Views[2]->ItemCount(), 1);
}

TEST_F(OrganizerTest, AFailedViewEndsThePassAndLeavesTheValueForLater) {
  for (const char* app : {"A", "B", "C"}) Store.Add({.App = app, .Thread = "T"});
  Views.Fail = true;
  Organizer.OrganizeAll(orgAppName | orgThreadName);
  EXPECT_EQ(Views.Attempts, 1);
  EXPECT_TRUE(Organizer.OrganizedValues(orgAppName).isEmpty());
  Views.Fail = false;
  Organizer.OrganizeAll(orgAppName | orgThreadName);
  EXPECT_EQ(Views.Names(), (QStringList{"A", "Thread T", "B", "C"}));
}

// At most MaxViews values keep views, made by the organizer or by hand; a value left out is counted
// once, in any case of its ASCII letters, and gets its view once a view is removed and there is room.
TEST_F(OrganizerTest, MaxViewsBoundsTheViewsAndCountsEachLeftOutValueOnce) {
  Organizer.SetMaxViews(2);
  for (const char* thread : {"A", "B", "C", "c", "D", "A"}) Store.Add({.Thread = thread});
  EXPECT_EQ(Organizer.OrganizeAll(orgThreadName), 2);
  EXPECT_EQ(Views.Names(), (QStringList{"Thread A", "Thread B"}));
  EXPECT_EQ(Views.Views[0]->ItemCount(), 2);
  EXPECT_EQ(Organizer.OrganizeAll(orgThreadName), 2) << "a second pass counts again";

  Organizer.SetOrganizeBy(orgThreadName);
  TAutoObserver autoOrganize(Organizer);
  Store.Adder().AddObserver(&autoOrganize);
  Store.Adder().AddObserver(&Views);
  for (const char* thread : {"E", "e", "E", "F", "a"}) Store.Add({.Thread = thread});
  EXPECT_EQ(Organizer.TakeLeftOut(), 2);
  EXPECT_EQ(Organizer.TakeLeftOut(), 0);
  Views.Views.erase(Views.Views.begin());  // "Thread A" goes
  Store.Add({.Thread = "F"});
  EXPECT_EQ(Views.Names(), (QStringList{"Thread B", "Thread F"}));
  EXPECT_EQ(Views.Views[1]->ItemCount(), 1);
  const std::unique_ptr<TQBHeadlessView> byHand = HandMadeView({.CheckAppName = true, .AppName = "G"});
  Store.Add({.Thread = "G"});
  EXPECT_EQ(Views.Views.size(), 2u) << "a view made by hand counts too";
}

}  // namespace
