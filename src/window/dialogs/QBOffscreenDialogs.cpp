#include "window/dialogs/QBOffscreenDialogs.h"

#include "dialogs/QBConfirmDialogs.h"
#include "view/QBLogSave.h"

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
  void ReportInvalidLog(QWidget*, const QString& path) override { FErrors.Add(InvalidLogText(path)); }
  void ReportSaveFailure(QWidget*, int messageNumber, const QString& path) override {
    FErrors.Add(SaveFailureMessage(messageNumber, path));
  }

private:
  TQBOffscreenErrors& FErrors;
};

class TInspectorDialogs final : public IQBInspectorDialogs {
public:
  bool AskInspectorPrintTitle(QWidget*, QString&) override { return false; }
};

class TEditDialogs final : public IQBEditDialogs {
public:
  bool ConfirmClearView(QWidget*, int, bool&) override { return false; }
  bool ConfirmClearBookmarks(QWidget*) override { return false; }
};

class TNavigationDialogs final : public IQBNavigationDialogs {
public:
  bool AskTimeDiffThreshold(QWidget*, int32_t&) override { return false; }
  bool AskNavMessage(QWidget*, bool&, int32_t&) override { return false; }
};

class TViewDialogs final : public IQBViewDialogs {
public:
  bool RunViewFilter(QWidget*, TQBViewFilterRequest&, const std::function<void(const QString&)>&) override {
    return false;
  }
  bool ConfirmRemoveAllViews(QWidget*) override { return false; }
};

class TProjectDialogs final : public IQBProjectDialogs {
public:
  explicit TProjectDialogs(TQBOffscreenErrors& errors) : FErrors(errors) {}
  int AskSaveProjectChanges(QWidget*) override { return 2; }
  int AskSaveNewProject(QWidget*) override { return 2; }
  QString OpenProjectFileName(QWidget*, const QString&) override { return {}; }
  QString SaveProjectFileName(QWidget*, const QString&) override { return {}; }
  void ShowErrorMessage(QWidget*, const QString& text) override { FErrors.Add(text); }

private:
  TQBOffscreenErrors& FErrors;
};

class TOrganizerDialogs final : public IQBOrganizerDialogs {
public:
  bool RunOrganizerSettings(QWidget*, TQBOrganizerForm, uint8_t&, bool&) override { return false; }
};

class TPrintDialogs final : public IQBPrintDialogs {
public:
  bool AskMessagePrint(QWidget*, QString&, bool, bool&, TQBColumnSet&, int&) override { return false; }
};

class TOptionsDialogs final : public IQBOptionsDialogs {
public:
  bool RunOptions(QWidget*, TQBOptionsValues&, const std::function<void(const QString&)>&) override { return false; }
  bool RunColumns(QWidget*, TQBColumnSet, TQBColumnChoice&) override { return false; }
};

class TAboutDialogs final : public IQBAboutDialogs {
public:
  void ShowAbout(QWidget*) override {}
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
  dialogs.Edit = std::make_unique<TEditDialogs>();
  dialogs.Navigation = std::make_unique<TNavigationDialogs>();
  dialogs.Views = std::make_unique<TViewDialogs>();
  dialogs.Project = std::make_unique<TProjectDialogs>(errors);
  dialogs.Organizer = std::make_unique<TOrganizerDialogs>();
  dialogs.Print = std::make_unique<TPrintDialogs>();
  dialogs.Options = std::make_unique<TOptionsDialogs>();
  dialogs.About = std::make_unique<TAboutDialogs>();
  dialogs.Search = std::make_unique<TSearchDialogs>();
  return dialogs;
}
