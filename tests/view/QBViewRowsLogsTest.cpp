// The rows of a view over merged logs: each log's methods nest and pair within that log, and the
// method commands stay sound when methods of different logs overlap.

#include "QBViewFixture.h"

#include "model/QBMessageTypes.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using qbtest::TViewFixture;

// Adds a message of type from log to the view's store.
void AddFrom(TViewFixture& f, int log, int32_t type) {
  f.Host.SourceLogs.push_back(log);
  f.Add({type});
}

// The levels one log gets alone: its own enter and exit messages only.
std::vector<int> LevelsAlone(const std::vector<int32_t>& types) {
  std::vector<int> levels;
  int depth = 0;
  for (int32_t t : types) {
    if (qbtypes::OpensMethod(t)) levels.push_back(depth++);
    else if (qbtypes::ClosesMethod(t)) levels.push_back(depth = std::max(0, depth - 1));
    else levels.push_back(depth);
  }
  return levels;
}

TEST(ViewRowsLogs, EachLogNestsAloneAndOverlappingMethodsCollapseAndExpandSoundly) {
  std::mt19937 random(2025);
  const int32_t kTypes[] = {qbmEnterMethod, qbmEnterMethod, qbmExitMethod, qbmExitMethod, qbmInfo};
  for (int round = 0; round < 40; ++round) {
    SCOPED_TRACE(round);
    TViewFixture f(round % 2 == 0);
    const int logs = 2 + int(random() % 3);
    std::vector<std::vector<int32_t>> typesOf(static_cast<size_t>(logs));
    std::vector<std::vector<int>> itemsOf(static_cast<size_t>(logs));
    for (int i = 0; i < 60; ++i) {
      const int log = int(random() % uint32_t(logs));
      const int32_t type = kTypes[random() % 5];
      itemsOf[size_t(log)].push_back(f.Rows.ItemCount());
      typesOf[size_t(log)].push_back(type);
      AddFrom(f, log, type);
    }
    for (int log = 0; log < logs; ++log) {
      std::vector<int> levels;
      for (int item : itemsOf[size_t(log)]) levels.push_back(f.Rows.ItemLevel(item));
      EXPECT_EQ(levels, LevelsAlone(typesOf[size_t(log)])) << "log " << log;
      // An entry's exit is of its own log.
      for (int item : itemsOf[size_t(log)])
        if (const int exit = f.Rows.MatchingExit(item); exit >= 0)
          EXPECT_EQ(f.Host.SourceLogs[size_t(f.Rows.ItemRecNo(exit)) - 1], log);
    }
    // Method commands in any order keep the rows whole: every item is shown again after Expand All.
    for (int step = 0; step < 30; ++step) {
      if (f.Rows.RowCount() == 0) break;
      const int row = int(random() % uint32_t(f.Rows.RowCount()));
      switch (random() % 4) {
        case 0: f.Rows.ToggleMethod(row); break;
        case 1: f.Rows.CollapseClosedMethod(row); break;
        case 2: f.Rows.CollapseAll(); break;
        default: f.Rows.ExpandAll(false); break;
      }
      ASSERT_LE(f.Rows.RowCount(), f.Rows.ItemCount());
    }
    f.Rows.ExpandAll(true);
    EXPECT_EQ(f.Rows.RowCount(), f.Rows.ItemCount());
  }
}

TEST(ViewRowsLogs, AResetSeparatorResetsOnlyTheDepthOfItsOwnLog) {
  TViewFixture f;
  AddFrom(f, 0, qbmEnterMethod);
  AddFrom(f, 1, qbmEnterMethod);
  AddFrom(f, 1, qbmResetSeparator);
  f.View.ResetDepth();  // as the window does after a reset separator arrives
  AddFrom(f, 0, qbmInfo);
  AddFrom(f, 1, qbmInfo);
  EXPECT_EQ(f.RowLevels(), std::vector<int>({0, 0, 1, 1, 0}));
}

}  // namespace
