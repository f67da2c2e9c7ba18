#include "model/QBMessageAdder.h"
#include "support/QBTestFiles.h"

#include <gtest/gtest.h>

using namespace qbtest;

namespace {

// Records what it saw and then wanders off with the cursor, as the organizer does.
class WanderingObserver : public IQBNewMessageObserver {
public:
  WanderingObserver(TQuillboxMessageSet& set, QString name, QStringList& log) : FSet(set), FName(name), FLog(log) {}
  void NewMessageAdded(int recNo) override {
    FLog << QStringLiteral("%1:%2@%3").arg(FName).arg(recNo).arg(FSet.RecNo());
    FSet.GotoRec(1);
  }

private:
  TQuillboxMessageSet& FSet;
  QString FName;
  QStringList& FLog;
};

TEST(MessageAdder, GivesRunningIdsNotifiesObserversInOrderAndRestoresTheCursor) {
  TQuillboxMessageSet set;
  TQBMessageAdder adder(set);
  QStringList log;
  WanderingObserver organizer(set, "organizer", log), views(set, "views", log);
  adder.AddObserver(&organizer);
  adder.AddObserver(&views);
  adder.AddObserver(&views);  // added once only

  EXPECT_EQ(adder.AddMessage(Message(0, "a")), 1);
  EXPECT_EQ(adder.AddMessage(Message(0, "b")), 2);
  EXPECT_EQ(log, QStringList({"organizer:1@1", "views:1@1", "organizer:2@2", "views:2@2"}));
  EXPECT_EQ(set.At(1).ID(), 0);
  EXPECT_EQ(set.At(2).ID(), 1);

  adder.ResetNextID();
  adder.RemoveObserver(&views);
  adder.AddMessage(Message(0, "c"));
  EXPECT_EQ(set.At(3).ID(), 0);
  EXPECT_EQ(log.size(), 5);
}

}  // namespace
