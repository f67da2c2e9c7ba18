#pragma once
// Cleanup that runs however a scope ends and never throws out of a destructor: the shell's update
// brackets around a view, and (TQBFinally, QBFinally.h) the busy state (cursor, status text) of a
// long operation. A view of
// another class may throw from EndUpdate; its error is kept as text and reported after the cleanup,
// because an exception leaving a destructor during unwinding would end the program.

#include "shell/QBFinally.h"

#include <quillbox/QBCustomViewIntf.h>

#include <QString>

// BeginUpdate now, EndUpdate when the scope ends; nothing for a null list. An error EndUpdate throws
// is kept in error.
class TQBViewUpdateBracket {
public:
  TQBViewUpdateBracket(IQBMessageViewList* list, QString& error) : FList(list), FError(error) {
    if (FList) FList->BeginUpdate();
  }
  ~TQBViewUpdateBracket() {
    if (!FList) return;
    const QString text = QBCatchAll([this] { FList->EndUpdate(); });
    if (FError.isEmpty()) FError = text;
  }
  TQBViewUpdateBracket(const TQBViewUpdateBracket&) = delete;
  TQBViewUpdateBracket& operator=(const TQBViewUpdateBracket&) = delete;

private:
  IQBMessageViewList* FList;
  QString& FError;
};
