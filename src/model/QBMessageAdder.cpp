#include "model/QBMessageAdder.h"

#include <algorithm>

int TQBMessageAdder::AddMessage(const TQBRawMessage& msg) {
  TQuillboxMessageSet& set = FSet;
  const int recNo = set.AppendMessage(FNextID++, msg);
  for (IQBNewMessageObserver* observer : FObservers) {
    observer->NewMessageAdded(recNo);
    if (set.RecNo() != recNo) set.GotoRec(recNo);
  }
  return recNo;
}

void TQBMessageAdder::AddObserver(IQBNewMessageObserver* observer) {
  if (std::find(FObservers.begin(), FObservers.end(), observer) == FObservers.end())
    FObservers.push_back(observer);
}

void TQBMessageAdder::RemoveObserver(IQBNewMessageObserver* observer) {
  std::erase(FObservers, observer);
}
