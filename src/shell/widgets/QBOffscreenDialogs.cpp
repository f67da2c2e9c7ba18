#include "shell/widgets/QBOffscreenDialogs.h"

#include <QRegularExpression>

void TQBOffscreenErrors::Add(const QString& text) {
  // The first paragraph says what went wrong; the rest of a report explains possible causes.
  static const QRegularExpression paragraph(QStringLiteral("(\\r\\n?|\\n)\\s*(\\r\\n?|\\n)"));
  static const QRegularExpression breaks(QStringLiteral("\\s*[\\r\\n]+\\s*"));
  Lines.append(text.section(paragraph, 0, 0).replace(breaks, QStringLiteral(" ")).trimmed());
}

namespace {

class TErrors final : public IQBErrorReport {
public:
  explicit TErrors(TQBOffscreenErrors& errors) : FErrors(errors) {}
  void ShowError(QWidget*, const QString&, const QString& text) override { FErrors.Add(text); }

private:
  TQBOffscreenErrors& FErrors;
};

class TLogDialogs final : public IQBLogDialogs {
public:
  explicit TLogDialogs(TQBOffscreenErrors& errors) : FErrors(errors) {}
  int AskYesNoCancel(QWidget*, const QString&) override { return 2; }
  QString OpenFileName(QWidget*, const QString&, const QString&) override { return {}; }
  QString SaveFileName(QWidget*, const QString&, const QString&, const QString&, const QString&, QString*) override {
    return {};
  }
  void ShowError(QWidget*, const QString&, const QString& text) override { FErrors.Add(text); }

private:
  TQBOffscreenErrors& FErrors;
};

class TInspectorDialogs final : public IQBInspectorDialogs {
public:
  bool AskInspectorPrintTitle(QWidget*, QString&) override { return false; }
};

class TSearchDialogs final : public IQBSearchDialogs {
public:
  bool AskTime(QWidget*, TQBTimeStamp&) override { return false; }
};

}  // namespace

TQBShellDialogs QBOffscreenDialogs(TQBOffscreenErrors& errors) {
  TQBShellDialogs dialogs;
  dialogs.Errors = std::make_unique<TErrors>(errors);
  dialogs.Log = std::make_unique<TLogDialogs>(errors);
  dialogs.Inspector = std::make_unique<TInspectorDialogs>();
  dialogs.Search = std::make_unique<TSearchDialogs>();
  return dialogs;
}
