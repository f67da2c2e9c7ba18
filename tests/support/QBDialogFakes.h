#pragma once
// Stand-ins for the main window's dialogs that several window tests share: a prompt a test does not
// expect fails that test instead of waiting for a person; errors a test expects are recorded for it
// to read.

#include "window/dialogs/QBErrorReport.h"
#include "window/dialogs/QBLogDialogs.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace qbtest {

// The log's own prompts, none of which may appear: a question is answered Cancel, a file name is none.
class TNoLogDialogs final : public IQBLogDialogs {
public:
  int AskYesNoCancel(QWidget*, const QString& text) override {
    ADD_FAILURE() << text.toStdString();
    return 2;
  }
  QString OpenFileName(QWidget*, const QString&, const QString&) override { return {}; }
  QString SaveFileName(QWidget*, const QString&, const QString&, const QString&, const QString&, QString*) override {
    return {};
  }
  void ReportInvalidLog(QWidget*, const QString& path) override { ADD_FAILURE() << path.toStdString(); }
  void ReportSaveFailure(QWidget*, int, const QString& path) override { ADD_FAILURE() << path.toStdString(); }
};

// The error report, which must not appear.
class TNoErrors final : public IQBErrorReport {
public:
  void ShowError(QWidget*, const QString&, const QString& text) override { ADD_FAILURE() << text.toStdString(); }
};

// The error report, each text appended to the test's list.
class TRecordedErrors final : public IQBErrorReport {
public:
  explicit TRecordedErrors(QStringList& errors) : FErrors(errors) {}
  void ShowError(QWidget*, const QString&, const QString& text) override { FErrors << text; }

private:
  QStringList& FErrors;
};

}  // namespace qbtest
