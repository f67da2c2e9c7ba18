// The router against the views' own filters: on random stores and criteria, every view that accepts a
// message is among its candidates, and an indexed view only when its value matches; criteria changes
// and an emptied store that hands name ids out again are followed.

#include "view/QBHeadlessView.h"
#include "view/QBViewRegistry.h"
#include "view/QBViewRouter.h"
#include "support/QBTestStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

class ViewRouterTest : public ::testing::Test {
protected:
  uint32_t Next(uint32_t n) { return (FSeed = FSeed * 1103515245u + 12345u) / 65536u % n; }

  void FillStore(int count, const QStringList& names) {
    Set.Close();
    Set.Open();
    for (int i = 0; i < count; ++i)
      Store.Add({names[int(Next(uint32_t(names.size())))], names[int(Next(uint32_t(names.size())))], Next(4),
                 names[int(Next(uint32_t(names.size())))], names[int(Next(uint32_t(names.size())))],
                 Next(2) ? "an error" : "fine", int32_t(Next(3))});
  }

  TQBFilterCriteria RandomCriteria(const QStringList& names) {
    TQBFilterCriteria c;
    const auto name = [&] { return names[int(Next(uint32_t(names.size())))]; };
    if (Next(3) == 0) c.CheckThreadName = true, c.ThreadName = name();
    if (Next(3) == 0) c.CheckAppName = true, c.AppName = name().toLower();
    if (Next(4) == 0) c.CheckCategory = true, c.Category = name();
    if (Next(4) == 0) c.CheckComputerName = true, c.ComputerName = name();
    if (Next(4) == 0) c.CheckProcessID = true, c.ProcessID = int32_t(Next(4));
    if (Next(5) == 0) c.CheckMessageText = true, c.MessageText = "ERROR";
    return c;
  }

  // Every accepting view is a candidate; an indexed view is one only if it may accept.
  void CheckEveryMessage(TQBViewRouter& router, const std::vector<std::unique_ptr<TQBHeadlessView>>& views,
                         size_t unindexed) {
    for (int recNo = 1; recNo <= Set.GetRecordCount(); ++recNo) {
      Set.GotoRec(recNo);
      const auto& candidates = router.Candidates(Set, Set.At(recNo));
      for (size_t i = 0; i < views.size(); ++i) {
        const bool candidate = std::count(candidates.begin(), candidates.end(), views[i].get()) == 1;
        const bool accepts = views[i]->Model().MatchesFilter();
        if (accepts) {
          ASSERT_TRUE(candidate) << "view " << i << " message " << recNo;
        }
        TQBFilterCriteria c;
        views[i]->GetFilterCriteria(c);
        const bool named = c.CheckThreadName || c.CheckAppName || c.CheckCategory || c.CheckComputerName ||
                           c.CheckProcessID;
        if (!named || i < unindexed) {
          ASSERT_TRUE(candidate) << "view " << i;
        }
      }
      ASSERT_LE(candidates.size(), views.size());
    }
  }

  uint32_t FSeed = 11;
  TQuillboxMessageSet Set;
  qbtest::TTestStore Store{Set};
};

TEST_F(ViewRouterTest, CandidatesHoldEveryViewThatAcceptsAMessage) {
  const QStringList names = {"Main", "MAIN", "worker", "", "IO", QString::fromUtf8("\xC3\x84rger"),
                             QString::fromUtf8("\xC3\xA4rger")};
  FillStore(400, names);
  std::vector<std::unique_ptr<TQBHeadlessView>> views;
  std::vector<TQBViewRouter::TTarget> targets;
  for (int i = 0; i < 60; ++i) {
    views.push_back(std::make_unique<TQBHeadlessView>(Set));
    views.back()->SetFilterCriteria(RandomCriteria(names));
    // The first two have no list operations to ask: they take every message.
    targets.push_back({views.back().get(), i < 2 ? nullptr : views.back().get()});
  }
  TQBViewRouter router;
  router.SetViews(targets);
  CheckEveryMessage(router, views, 2);

  // New criteria are noticed without a word to the router.
  for (size_t i = 0; i < views.size(); i += 3) views[i]->SetFilterCriteria(RandomCriteria(names));
  CheckEveryMessage(router, views, 2);

  // An emptied store hands the ids out again, to other names.
  FillStore(300, {"IO", "worker", "Main", "new", "", "MAIN"});
  CheckEveryMessage(router, views, 2);

  // Views appended one by one, each indexed alone, for names already looked up as having no view.
  for (int i = 0; i < 20; ++i) {
    const uint64_t generation = qbviewregistry::Generation();
    views.push_back(std::make_unique<TQBHeadlessView>(Set));
    views.back()->SetFilterCriteria(RandomCriteria({"IO", "worker", "new", "MAIN", "Timer"}));
    router.Append({views.back().get(), views.back().get()}, generation);
    CheckEveryMessage(router, views, 2);
  }
}

TEST_F(ViewRouterTest, AThreadViewIsOfferedOnlyItsThreadsMessages) {
  FillStore(200, {"Main", "Worker", "IO"});
  std::vector<std::unique_ptr<TQBHeadlessView>> views;
  std::vector<TQBViewRouter::TTarget> targets;
  for (const char* thread : {"main", "Worker", "IO", "Timer"}) {
    TQBFilterCriteria c;
    c.CheckThreadName = true;
    c.ThreadName = thread;
    views.push_back(std::make_unique<TQBHeadlessView>(Set));
    views.back()->SetFilterCriteria(c);
    targets.push_back({views.back().get(), views.back().get()});
  }
  TQBViewRouter router;
  router.SetViews(targets);
  for (int recNo = 1; recNo <= Set.GetRecordCount(); ++recNo) {
    const auto& candidates = router.Candidates(Set, Set.At(recNo));
    ASSERT_EQ(candidates.size(), 1u);
    Set.GotoRec(recNo);
    EXPECT_TRUE(static_cast<TQBHeadlessView*>(candidates[0])->Model().MatchesFilter());
  }
}

}  // namespace
