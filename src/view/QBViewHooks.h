#pragma once
// The seams between the view's core (rows, filter, navigation, output) and whatever shows it. The
// list control implements IQBRowListHooks, the main window IQBViewHostHooks and IQBProgressSink; the
// command-line tool uses the headless list and the defaults. The core never includes a widget.

#include <QString>
#include <QtGlobal>

#include <exception>

// What the row model asks of the list control. Rows count from 0; -1 means no row.
class IQBRowListHooks {
public:
  virtual ~IQBRowListHooks() = default;
  // The number of rows shown changed. The list clears a current row past the end and keeps its
  // top row in range.
  virtual void SetRowCount(int count) = 0;
  virtual void RepaintRow(int row) = 0;
  virtual void RepaintAll() = 0;
  // The list's current row (its item index).
  virtual int CurrentRow() const = 0;
  // Moves the current row the way a user's click does: the old row is unselected and the new one
  // selected through the model's selection requests, the row becomes the anchor of range selections,
  // it is scrolled into view and the main window hears of the new selection.
  virtual void SetCurrentRow(int row) = 0;
  virtual void SetAnchorRow(int row) = 0;
  virtual int TopRow() const = 0;
  virtual void SetTopRow(int row) = 0;
  // Whole rows that fit in the list; at least 1.
  virtual int PageRows() const = 0;
  // After a bulk change that moved rows around the current one (Collapse All, Expand All): row becomes
  // the current row, the caret and the anchor at once, without selection requests (the model has set
  // the flags), top becomes the top row as far as the rows allow, and the selection is reported once,
  // as a click reports it. Costs the same however many methods the change opened or closed.
  virtual void RelocateCurrentRow(int row, int top) = 0;
  // Nestable; nothing is repainted until the outermost EndUpdate.
  virtual void BeginUpdate() = 0;
  virtual void EndUpdate() = 0;
};

// What the model receives from the list control: selection requests and queries (row -1 = all rows).
class IQBListSelectionTarget {
public:
  virtual ~IQBListSelectionTarget() = default;
  virtual void SelectRequest(int row, bool selected) = 0;
  virtual bool IsSelectedQuery(int row) const = 0;
};

// What the view's core needs from the main window. Every operation has a harmless default so a tool
// or a test overrides only what it cares about.
class IQBViewHostHooks {
public:
  virtual ~IQBViewHostHooks() = default;
  // Collapse a method at once when its exit directly follows its entry in the view.
  virtual bool AutoCollapse() const { return false; }
  // Make each new row the top row (live use only).
  virtual bool AutoScroll() const { return false; }
  // Command states may have changed.
  virtual void UpdateCommands() {}
  // A row was added for store record recNo: its names may widen the detail columns.
  virtual void RowAdded(int recNo) { (void)recNo; }
  // The view was emptied: column widths and horizontal scrolling start over.
  virtual void ViewCleared() {}
  // The method match found nothing.
  virtual void Beep() {}
  // A search found nothing; message is the complete text to show.
  virtual void ShowNotFound(const QString& message) { (void)message; }
  // A text for the status message pane (a search that found its row but could not search every
  // message before it fully).
  virtual void ShowStatusText(const QString& text) { (void)text; }
  // The hint window with a long message text must go.
  virtual void HideHint() {}
  // The log that store record recNo came from when the store holds several logs merged, -1 otherwise:
  // messages of different logs nest only within their own log.
  virtual int SourceLogOf(int recNo) const { (void)recNo; return -1; }
  // Whether the store holds several logs merged: only then are the logs told apart on screen.
  virtual bool LogsMerged() const { return false; }
  // The base name of the log that store record recNo came from; empty unless logs were merged.
  virtual QString SourceLogName(int recNo) const { (void)recNo; return {}; }
};

// Progress of a long output (save, export). SetProgressTotal(0) ends it.
class IQBProgressSink {
public:
  virtual ~IQBProgressSink() = default;
  virtual void SetProgressTotal(int total) = 0;
  virtual void StepProgress() = 0;
};

// Brackets a bulk change of a list (anything with nestable BeginUpdate and EndUpdate) and closes the
// bracket also when an exception escapes. A destructor must not throw, least of all while another
// exception unwinds the stack: an EndUpdate that fails here (its bracket was closed elsewhere already)
// is reported on the message log instead.
template <typename TList>
class TQBUpdateBracket {
public:
  explicit TQBUpdateBracket(TList& list) : FList(list) { FList.BeginUpdate(); }
  ~TQBUpdateBracket() {
    try {
      FList.EndUpdate();
    } catch (const std::exception& e) {
      qCritical("Closing an update bracket failed: %s", e.what());
    } catch (...) {
      qCritical("Closing an update bracket failed");
    }
  }
  TQBUpdateBracket(const TQBUpdateBracket&) = delete;
  TQBUpdateBracket& operator=(const TQBUpdateBracket&) = delete;

private:
  TList& FList;
};

using TQBUpdateGuard = TQBUpdateBracket<IQBRowListHooks>;
