#pragma once
// The virtual list box as accessibility clients see it: a list whose children are its rows, named by
// their text, with the current row as the focused child. Row objects are made only when a client asks
// for a row, so a list of millions of rows costs nothing until read.
//
// Lifetime, as Qt's accessibility expects it: every row object is registered with QAccessible and kept
// by row until the rows change (a count change, a bulk change of the owner's rows) or the list goes;
// then each is deleted through QAccessible::deleteAccessibleInterface, which invalidates its id. So a
// pointer a client was handed stays valid until the rows change, whatever else it asks meanwhile, and
// a client that holds on across changes holds the id and finds it gone. The cache grows only with the
// rows a client asks for between two changes.

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
  mutable QHash<int, QAccessible::Id> FRows;
};

namespace qbvlistaccess {

// Installs the factory that gives every list box the interface above; once per process.
void InstallFactory();
// Tells clients that the focused row changed (only while a client listens).
void CurrentRowChanged(TQBCustomVirtualListBox* list, int row);
// Drops the row objects handed out and tells listening clients that the rows were renumbered.
void RowsChanged(TQBCustomVirtualListBox* list);

}  // namespace qbvlistaccess
