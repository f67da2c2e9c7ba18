#include "model/QBMessageAdder.h"

#include <algorithm>

int TQBMessageAdder::AddMessage(const TQBRawMessage& msg) {
  TQuillboxMessageSet& set = FSet;
  set.Append();
  set.SetID(FNextID++);
  set.SetMsgType(msg.MsgType);
  set.SetMsgText(msg.MsgText);
  set.SetDetails(msg.Details);
  set.SetDate(msg.Date);
  set.SetTime(msg.Time);
  set.SetTimeBias(msg.TimeBias);
  set.SetProcessID(msg.ProcessID);
  set.SetThreadName(msg.ThreadName);
  set.SetComputerName(msg.ComputerName);
  set.SetAppName(msg.AppName);
  set.SetTypeName(msg.TypeName);
  set.SetCategory(msg.Category);
  set.SetCategoryColor(msg.CategoryColor);
  set.SetCategoryFontColor(msg.CategoryFontColor);
  set.Post();

  const int recNo = set.RecNo();
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
