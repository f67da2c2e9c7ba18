#pragma once
// The call stack list: the enclosing method entries of the focused message; a double click selects
// the entry's row in the view.

#include "view/QBViewNavigation.h"

#include <QListWidget>

#include <vector>

class TQBCallStackList : public QListWidget {
  Q_OBJECT
public:
  explicit TQBCallStackList(QWidget* parent = nullptr);

  void Fill(const std::vector<TQBCallStackEntry>& entries);

signals:
  // The row of the entry the user double-clicked.
  void RowChosen(int row);
};
