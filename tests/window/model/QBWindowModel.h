#pragma once
// The reference model of the main window: what the window should show after each command, computed
// the plain way. The store is a list of messages; a view is its filter, the record numbers it took
// with the nesting level each got, the set of its collapsed methods, the focused message, the set of
// selected messages and the anchor of a Shift-extension. Rows are recomputed from that on every
// question; nothing here is fast, and nothing uses the window's code.
//
// The rules are the intended ones: whatever a search, a collapse, an expansion, a filter change or a
// reload does to the rows, the focused message stays focused and the selection keeps exactly the
// messages the user selected, never a hidden one; a row the program moves to becomes the anchor.

#include "window/model/QBModelLog.h"

#include "view/QBFilterCriteria.h"

#include <QString>

#include <array>
#include <map>
#include <optional>
#include <set>
#include <vector>

namespace qbmodel {

struct TFilter {
  QString App, Thread;         // empty: not checked
  std::vector<int32_t> Types;  // empty: every type
  bool Accepts(const TMessage& m) const;
  TQBFilterCriteria Criteria() const;
  // The value the organizer counts the view as owning: an application or a thread checked alone.
  bool OwnsValue(int field, const QString& value) const;
  friend bool operator==(const TFilter&, const TFilter&) = default;
};

struct TItem {
  int RecNo;
  int Level;
};

struct TView {
  TView(const QString& name, const TFilter& filter) : Name(name), Filter(filter) { Bookmarks.fill(-1); }
  QString Name;
  TFilter Filter;
  std::vector<TItem> Items;
  std::set<int> Collapsed;  // record numbers of collapsed method entries
  int Depth = 0;
  int Focus = -1;           // record number; -1: no focused row
  std::set<int> Selected;   // record numbers of selected rows
  int Anchor = -1;          // record number of the anchor row; -1: row 0
  std::array<int, 10> Bookmarks;
};

struct TProjectView {
  QString Name;
  TFilter Filter;
};

enum class TOrganizeField { App, Thread };

class TWindowModel {
public:
  // The store and its files.
  std::vector<TMessage> Store;
  std::map<QString, std::vector<TMessage>> Files;
  QString CurrentFile;
  bool LogModified = false;
  bool Following = false;
  // A reload left the followed view empty while it showed its last row.
  bool EndAfterReload = false;
  // Views and projects.
  std::vector<TView> Views{TView(QStringLiteral("All Messages"), {})};
  int Current = 0;
  QString Project;
  bool ProjectModified = false;
  std::map<QString, std::vector<TProjectView>> Projects;
  // Settings the commands change.
  bool AutoCollapse = true;
  int32_t NavKind = 2;
  QString FindText;
  bool MatchCase = false, RegularExpression = false, FromCursor = false;
  // The list's page: whole rows that fit, from the window.
  int PageRows = 10;

  // --- Questions (QBWindowModel.cpp) ---------------------------------------------------------------
  const TMessage& Msg(int recNo) const { return Store[size_t(recNo - 1)]; }
  TView& View() { return Views[size_t(Current)]; }
  const TView& View() const { return Views[size_t(Current)]; }
  // Per item, the item of its matching exit (-1 none): exits close the latest open entry.
  std::vector<int> MatchingExits(const TView& v) const;
  // The items shown as rows, in order.
  std::vector<int> Rows(const TView& v) const;
  std::vector<int> RowRecNos(const TView& v) const;
  int RowOf(const TView& v, int recNo) const;
  int ItemOf(const TView& v, int recNo) const;
  int FocusRow(const TView& v) const { return RowOf(v, v.Focus); }
  // The messages a selected row stands for: a collapsed method brings its hidden body.
  std::set<int> SelectedWithBodies(const TView& v) const;
  // The count "N Selected" shows: the focused row always counts.
  int SelectedCount(const TView& v) const;
  // Navigation: a row of the kind before / after the focused one.
  bool HasKindBefore(const TView& v) const;
  bool HasKindAfter(const TView& v) const;
  bool TypeMatches(int32_t type, int32_t kind) const { return kind >= 100 ? type >= 100 : type == kind; }

  // --- Messages arriving and views filled (QBWindowModel.cpp) --------------------------------------
  int AddMessage(const TMessage& m);
  void Fill(TView& v);
  // Open, a follow reload, Refresh: the store becomes the file; every view is filled again.
  void Load(const QString& path);
  void Append(const QString& path);

  // --- Focus and selection (QBModelSelection.cpp) -------------------------------------------------
  void MoveTo(int row);
  void ExtendTo(int row);
  void Key(int key, bool shift, bool control);
  void CtrlClick(int row);
  void SelectAll();
  // A row the program moves to: selected alone, focused, the anchor.
  void SelectRow(int row);
  // The current row set the way the list does it: the old row is unselected, the new one selected.
  void SetCurrentRow(int row);

  // --- Searching and navigating (QBModelSearch.cpp) -----------------------------------------------
  // False when nothing was found (the window then says so).
  bool Find(bool fresh);
  void GoToTime(int32_t date, int32_t time);
  void Navigate(int kind);
  void MethodMatch();
  void CurrentMethod();
  void ToggleBookmark(int n);
  void JumpToBookmark(int n);
  void GoToMessage(int recNo);

  // --- Methods (QBModelSelection.cpp) -------------------------------------------------------------
  void ExpandAll(bool fromStart);
  void CollapseAll();
  void ToggleMethod();

  // --- Views and projects (QBModelViews.cpp) -------------------------------------------------------
  void NewView(const QString& name, const TFilter& filter);
  void ModifyView(const TFilter& filter);
  void RemoveView();
  void RemoveAllViews();
  void Organize(TOrganizeField field);
  bool SaveProject(const QString& path);
  void CloseProject();
  void OpenProject(const QString& path);

  // --- Editing (QBModelEdits.cpp) -----------------------------------------------------------------
  void Delete();
  void Crop();
  void Clear(bool all);
  void EditFocused(const QString& text);
  void AddNote(const TMessage& note, const std::optional<QString>& edited);
  // The clipboard after Copy: none when no message is flagged.
  std::optional<QString> ClipboardText() const;
  void Save(const QString& path);
  // Follow Log File read what was appended to the current file.
  void FollowAppended(const std::vector<TMessage>& added);
  // The current file was cut or replaced: it is loaded again, and a view that showed its last row
  // shows the new last row (or, cut to nothing, the last row of the first records that arrive).
  void FollowReload();
  // The current view shows its last row, or was left empty by a reload while it did.
  bool FollowsEnd() const;

private:
  void AppendItem(TView& v, int recNo);
  void KeepVisibleSelection(TView& v);
  void ExpandBefore(TView& v, int item);
  void RemoveItems(TView& v, const std::set<int>& recNos);
  void AfterRemoval(TView& v, int lowestRow);
  void EmptyView(TView& v);
};

}  // namespace qbmodel
