#pragma once
// The one path by which messages enter the system: loading a log and the editing commands both add
// through here. The message is stored with the next running ID, then each observer hears of it in the
// order they were added (the main window adds navigation, the organizer, the views and the modified
// flag in that order). An observer may move the store's cursor; the adder puts it back on the new
// record before the next observer runs.

#include "model/QBRawMessage.h"

#include <quillbox/QuillboxMessageSet.h>

#include <vector>

class IQBNewMessageObserver {
public:
  virtual ~IQBNewMessageObserver() = default;
  // recNo is the new message's record number; it is the store's current record.
  virtual void NewMessageAdded(int recNo) = 0;
};

class TQBMessageAdder {
public:
  explicit TQBMessageAdder(TQuillboxMessageSet& set) : FSet(set) {}

  // Stores msg and tells the observers; returns the new record number.
  int AddMessage(const TQBRawMessage& msg);

  void AddObserver(IQBNewMessageObserver* observer);
  void RemoveObserver(IQBNewMessageObserver* observer);

  // The running ID: 0 at start-up and after every message was cleared.
  int32_t NextID() const { return FNextID; }
  void ResetNextID() { FNextID = 0; }

  TQuillboxMessageSet& MessageSet() const { return FSet; }

private:
  TQuillboxMessageSet& FSet;
  int32_t FNextID = 0;
  std::vector<IQBNewMessageObserver*> FObservers;
};
