#pragma once
// The virtual list box as accessibility clients see it: a list whose children are its rows, named by
// their text, with the current row as the focused child. Row objects are made only when a client asks
// for a row and are kept in a small cache, so a list of millions of rows costs nothing until read.

#include <QAccessibleWidget>
#include <QHash>

class TQBCustomVirtualListBox;

class TQBVListAccessible : public QAccessibleWidget {
public:
  explicit TQBVListAccessible(TQBCustomVirtualListBox* list);
  ~TQBVListAccessible() override;

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* focusChild() const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessible::State state() const override;

  TQBCustomVirtualListBox* List() const;
  // Forgets every row object (the rows were renumbered).
  void ClearRows();

private:
  static constexpr int CacheLimit = 512;
  mutable QHash<int, QAccessible::Id> FRows;
};

namespace qbvlistaccess {

// Installs the factory that gives every list box the interface above; once per process.
void InstallFactory();
// Tells clients that the focused row changed (only while a client listens).
void CurrentRowChanged(TQBCustomVirtualListBox* list, int row);
// Tells clients that the rows were renumbered.
void RowsChanged(TQBCustomVirtualListBox* list);

}  // namespace qbvlistaccess
