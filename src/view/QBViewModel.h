#pragma once
// The core of one message view, without a widget: its rows, its filter, its bookmarks and sync mark,
// and the adding of new messages. The message view widget owns one and routes input to it; the
// command-line tool uses it with the headless list.

#include "view/QBBookmarks.h"
#include "view/QBFilterCriteria.h"
#include "view/QBFilterMatcher.h"
#include "view/QBTimeIndex.h"
#include "view/QBViewRows.h"

#include "model/QBMessageAdder.h"

class TQBViewModel : public IQBNewMessageObserver {
public:
  TQBViewModel(TQuillboxMessageSet& set, IQBRowListHooks& list, IQBViewHostHooks& host)
      : FRows(set, list, host) {}

  TQBViewRows& Rows() { return FRows; }
  const TQBViewRows& Rows() const { return FRows; }
  // The items by time stamp, for Go to Time; it catches up with the rows when asked.
  TQBTimeIndex& TimeIndex() { return FTimes; }
  TQuillboxMessageSet& MessageSet() const { return FRows.MessageSet(); }

  // Filter. Setting the criteria does not re-filter existing rows: the caller clears and refills.
  const TQBFilterCriteria& GetFilterCriteria() const { return FMatcher.Criteria(); }
  void SetFilterCriteria(const TQBFilterCriteria& criteria) { FMatcher.SetCriteria(criteria); }
  void LoadFilter(const IQBSettingsReader& reader) { SetFilterCriteria(qbfilter::LoadFilter(reader)); }
  void SaveFilter(IQBSettingsWriter& writer) const { qbfilter::SaveFilter(GetFilterCriteria(), writer); }
  // Whether the store's current message passes the filter.
  bool MatchesFilter();

  // Offers the store's current message; it becomes a row when it passes the filter (or force is true).
  // The store is back on that message afterwards.
  void AddCurrentMessage(bool force);
  // The adding path's notice of a new message.
  void NewMessageAdded(int recNo) override;
  void ResetDepth() { FRows.ResetDepth(); }

  // Removes every row and item and the bookmarks; the sync mark stays.
  void ClearView();

  TQBBookmarks& Bookmarks() { return FBookmarks; }
  const TQBBookmarks& Bookmarks() const { return FBookmarks; }
  void ClearBookmarks();
  int GetBookmark(int n) const { return FBookmarks.Get(n); }

  // The record number of the sync-marked message, -1 when none.
  int SyncMessage() const { return FSyncRecNo; }
  void SetSyncMessage(int recNo);

private:
  TQBViewRows FRows;
  TQBTimeIndex FTimes{FRows};
  TQBFilterMatcher FMatcher;
  TQBBookmarks FBookmarks;
  int FSyncRecNo = -1;
};
