#pragma once
// Cleanup that runs however a scope ends and never throws out of a destructor: the shell's update
// brackets around a view, and the busy state (cursor, status text) of a long operation. A view of
// another class may throw from EndUpdate; its error is kept as text and reported after the cleanup,
// because an exception leaving a destructor during unwinding would end the program.

#include <quillbox/QBCustomViewIntf.h>

#include <QString>

#include <exception>
#include <utility>

// Runs f; returns the text of an error it throws instead of letting it escape (empty when none).
template <typename F>
QString QBCatchAll(F&& f) noexcept {
  try {
    f();
    return {};
  } catch (const std::exception& e) {
    const QString text = QString::fromUtf8(e.what());
    return text.isEmpty() ? QStringLiteral("An unknown error occurred.") : text;
  } catch (...) {
    return QStringLiteral("An unknown error occurred.");
  }
}

// Runs f when the scope ends; an error f throws is kept in error (the first one wins).
template <typename F>
class TQBFinally {
public:
  TQBFinally(QString& error, F f) : FError(error), FF(std::move(f)) {}
  ~TQBFinally() {
    const QString text = QBCatchAll(FF);
    if (FError.isEmpty()) FError = text;
  }
  TQBFinally(const TQBFinally&) = delete;
  TQBFinally& operator=(const TQBFinally&) = delete;

private:
  QString& FError;
  F FF;
};

// BeginUpdate now, EndUpdate when the scope ends; nothing for a null list. An error EndUpdate throws
// is kept in error.
class TQBUpdateBracket {
public:
  TQBUpdateBracket(IQBMessageViewList* list, QString& error) : FList(list), FError(error) {
    if (FList) FList->BeginUpdate();
  }
  ~TQBUpdateBracket() {
    if (!FList) return;
    const QString text = QBCatchAll([this] { FList->EndUpdate(); });
    if (FError.isEmpty()) FError = text;
  }
  TQBUpdateBracket(const TQBUpdateBracket&) = delete;
  TQBUpdateBracket& operator=(const TQBUpdateBracket&) = delete;

private:
  IQBMessageViewList* FList;
  QString& FError;
};
