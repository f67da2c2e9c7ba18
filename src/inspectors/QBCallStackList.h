#pragma once
// The call stack list: the enclosing method entries of the focused message; a double click selects
// the entry's row in the view.
//
// A log can leave a million methods open, so the list is a view on a model filled in one step: the
// entries are handed over whole, and each is turned into its shown text only when the list paints it.

#include "view/QBViewNavigation.h"

#include <QAbstractListModel>
#include <QListView>

#include <vector>

// The entries as a list model; texts show their first line, cut, with bidirectional controls as marks.
class TQBCallStackModel : public QAbstractListModel {
  Q_OBJECT
public:
  using QAbstractListModel::QAbstractListModel;

  // The longest text an entry shows.
  static constexpr qsizetype MaxShownChars = 1000;

  void SetEntries(std::vector<TQBCallStackEntry> entries);
  const std::vector<TQBCallStackEntry>& Entries() const { return FEntries; }

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

private:
  std::vector<TQBCallStackEntry> FEntries;
};

class TQBCallStackList : public QListView {
  Q_OBJECT
public:
  explicit TQBCallStackList(QWidget* parent = nullptr);

  void Fill(std::vector<TQBCallStackEntry> entries);
  void clear();
  int count() const;
  // The shown text of entry i.
  QString ItemText(int i) const;

signals:
  // The row of the entry the user double-clicked.
  void RowChosen(int row);

private:
  TQBCallStackModel* FModel;
};
