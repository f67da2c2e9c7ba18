// The areas' dialogs as the user sees them: modal, in the program's dialog look, centred over the
// control they are about.

#include "window/dialogs/QBEditDialogs.h"
#include "window/dialogs/QBErrorReport.h"
#include "window/dialogs/QBInspectorDialogs.h"
#include "window/dialogs/QBLogDialogs.h"
#include "window/dialogs/QBNavigationDialogs.h"
#include "window/dialogs/QBOptionsDialogs.h"
#include "window/dialogs/QBPrintDialogs.h"
#include "window/dialogs/QBSearchDialogs.h"

#include "dialogs/QBAboutForm.h"
#include "dialogs/QBColumnsForm.h"
#include "dialogs/QBConfirmClearBookmarksForm.h"
#include "dialogs/QBConfirmClearViewForm.h"
#include "dialogs/QBConfirmDialogs.h"
#include "dialogs/QBDialogLook.h"
#include "dialogs/QBOptionsForm.h"
#include "dialogs/QBPrintForm.h"
#include "dialogs/QBQuestionDialogs.h"
#include "dialogs/QBSelectNavMsgForm.h"
#include "dialogs/QBTimeDiffNavForm.h"
#include "dialogs/QBGoToTimeForm.h"

#include <QFileDialog>
#include <QMessageBox>

namespace {

// Texts use "\r" line breaks; a plain-text label wants "\n".
QString LinesOf(QString text) { return text.replace(QLatin1Char('\r'), QLatin1Char('\n')); }

int ExecPlaced(QMessageBox& box, QWidget* over) {
  box.setTextFormat(Qt::PlainText);
  qbdialogs::ApplyDialogLook(box);
  box.adjustSize();
  qbdialogs::PlaceDialog(box, over);
  return box.exec();
}

void ShowErrorBox(QWidget* over, const QString& caption, const QString& text) {
  QMessageBox box(QMessageBox::Critical, caption, LinesOf(text), QMessageBox::Ok, over);
  box.setObjectName(QStringLiteral("FrmDisplayMessage"));
  ExecPlaced(box, over);
}

class TErrorReport final : public IQBErrorReport {
public:
  void ShowError(QWidget* over, const QString& caption, const QString& text) override {
    ShowErrorBox(over, caption, text);
  }
};

class TLogDialogs final : public IQBLogDialogs {
public:
  int AskYesNoCancel(QWidget* over, const QString& text) override { return ::AskYesNoCancel(over, text); }

  QString OpenFileName(QWidget* parent, const QString& title, const QString& dir) override {
    QFileDialog dialog(parent, title, dir, QStringLiteral("Quillbox Log Files (*.qbl)"));
    dialog.setObjectName(QStringLiteral("dlgOpenLog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("qbl"));
    dialog.setSizeGripEnabled(true);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty() ? dialog.selectedFiles().front()
                                                                                  : QString();
  }

  QStringList OpenFileNames(QWidget* parent, const QString& title, const QString& dir) override {
    QFileDialog dialog(parent, title, dir, QStringLiteral("Quillbox Log Files (*.qbl)"));
    dialog.setObjectName(QStringLiteral("dlgMergeLogs"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setSizeGripEnabled(true);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
  }

  QString SaveFileName(QWidget* parent, const QString& title, const QString& dir, const QString& filter,
                       const QString& suffix, QString* chosenFilter) override {
    QFileDialog dialog(parent, title, dir, filter);
    dialog.setObjectName(QStringLiteral("dlgSaveLog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    dialog.setSizeGripEnabled(true);
    // The suffix follows the chosen file type: "Text Files" saves "name.txt".
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& chosen) {
      const qsizetype star = chosen.indexOf(QStringLiteral("*."));
      if (star >= 0) dialog.setDefaultSuffix(chosen.mid(star + 2).section(QLatin1Char(')'), 0, 0).trimmed());
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    if (chosenFilter) *chosenFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().front();
  }

  void ReportInvalidLog(QWidget* over, const QString& path) override { ::ReportInvalidLog(path, over); }
  void ReportSaveFailure(QWidget* over, int messageNumber, const QString& path) override {
    ::ReportSaveFailure(messageNumber, path, over);
  }
};

class TInspectorDialogs final : public IQBInspectorDialogs {
public:
  bool AskInspectorPrintTitle(QWidget* over, QString& title) override { return RunInspectorPrintDialog(title, over); }
};

class TPrintDialogs final : public IQBPrintDialogs {
public:
  bool AskMessagePrint(QWidget* over, QString& title, bool hasSelection, bool& printSelection, TQBColumnSet& columns,
                       int& fontSize) override {
    return RunMessagePrintDialog(title, hasSelection, printSelection, over, columns, fontSize);
  }
};

class TEditDialogs final : public IQBEditDialogs {
public:
  bool ConfirmClearView(QWidget* viewsArea, int viewCount, bool& all) override {
    return ::ConfirmClearView(viewsArea, viewCount, all);
  }
  bool ConfirmClearBookmarks(QWidget* viewsArea) override { return ::ConfirmClearBookmarks(viewsArea); }
};

class TNavigationDialogs final : public IQBNavigationDialogs {
public:
  bool AskTimeDiffThreshold(QWidget* view, int32_t& threshold) override {
    return TFrmTimeDiffNav::Execute(view, threshold);
  }
  bool AskNavMessage(QWidget* window, bool& automatic, int32_t& kind) override {
    return TFrmSelectNavMsg::Execute(window, automatic, kind);
  }
};

class TOptionsDialogs final : public IQBOptionsDialogs {
public:
  bool RunOptions(QWidget* over, TQBOptionsValues& values, const std::function<void(const QString&)>& help) override {
    return TFrmOptions::Execute(over, values, help);
  }
  bool RunColumns(QWidget* over, TQBColumnSet columns, TQBColumnChoice& choice) override {
    return TFrmColumns::Execute(over, columns, choice);
  }
};

class TAboutDialogs final : public IQBAboutDialogs {
public:
  void ShowAbout(QWidget* parent) override { TFrmAbout::Execute(parent); }
};

}  // namespace

std::unique_ptr<IQBErrorReport> NewErrorReport() { return std::make_unique<TErrorReport>(); }
std::unique_ptr<IQBLogDialogs> NewLogDialogs() { return std::make_unique<TLogDialogs>(); }
std::unique_ptr<IQBInspectorDialogs> NewInspectorDialogs() { return std::make_unique<TInspectorDialogs>(); }
std::unique_ptr<IQBEditDialogs> NewEditDialogs() { return std::make_unique<TEditDialogs>(); }
std::unique_ptr<IQBNavigationDialogs> NewNavigationDialogs() { return std::make_unique<TNavigationDialogs>(); }
std::unique_ptr<IQBPrintDialogs> NewPrintDialogs() { return std::make_unique<TPrintDialogs>(); }
std::unique_ptr<IQBOptionsDialogs> NewOptionsDialogs() { return std::make_unique<TOptionsDialogs>(); }
std::unique_ptr<IQBAboutDialogs> NewAboutDialogs() { return std::make_unique<TAboutDialogs>(); }

namespace {
class TSearchDialogs final : public IQBSearchDialogs {
public:
  bool AskTime(QWidget* over, TQBTimeStamp& value) override { return TFrmGoToTime::Execute(over, value); }
};
}  // namespace

std::unique_ptr<IQBSearchDialogs> NewSearchDialogs() { return std::make_unique<TSearchDialogs>(); }
