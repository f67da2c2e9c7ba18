#pragma once
// Cleanup that runs however a scope ends and never throws out of a destructor (TQBFinally), for every
// busy or running state of a command; QBScopeGuards.h adds the update bracket of a view. An error the
// cleanup raises is kept as text for the caller to report after the scope, because an exception
// leaving a destructor during unwinding would end the program.

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
