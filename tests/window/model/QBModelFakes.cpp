#include "window/model/QBModelFakes.h"

#include "support/QBDialogFakes.h"

namespace qbmodel {

namespace {

class TLogDialogs final : public IQBLogDialogs {
public:
  explicit TLogDialogs(TDialogScript& s) : S(s) {}
  int AskYesNoCancel(QWidget*, const QString& text) override {
    S.Questions << text;
    return S.YesNoCancel;
  }
  QString OpenFileName(QWidget*, const QString&, const QString&) override { return S.OpenPath; }
  QString SaveFileName(QWidget*, const QString&, const QString&, const QString&, const QString&, QString*) override {
    return S.SavePath;
  }
  void ReportInvalidLog(QWidget*, const QString& path) override { S.Errors << QStringLiteral("invalid log ") + path; }
  void ReportSaveFailure(QWidget*, int n, const QString& path) override {
    S.Errors << QStringLiteral("save failed at %1: %2").arg(n).arg(path);
  }

private:
  TDialogScript& S;
};

class TProjectDialogs final : public IQBProjectDialogs {
public:
  explicit TProjectDialogs(TDialogScript& s) : S(s) {}
  // A modified view set is not saved before another project replaces it.
  int AskSaveProjectChanges(QWidget*) override { return 7; }
  int AskSaveNewProject(QWidget*) override { return 7; }
  QString OpenProjectFileName(QWidget*, const QString&) override { return S.OpenPath; }
  QString SaveProjectFileName(QWidget*, const QString&) override { return S.SavePath; }
  void ShowErrorMessage(QWidget*, const QString& text) override { S.Errors << text; }

private:
  TDialogScript& S;
};

class TViewDialogs final : public IQBViewDialogs {
public:
  explicit TViewDialogs(TDialogScript& s) : S(s) {}
  bool RunViewFilter(QWidget*, TQBViewFilterRequest& request, const std::function<void(const QString&)>&) override {
    if (request.NewView) request.Name = S.ViewName;
    request.ClassName = QStringLiteral("Default");
    request.Result = S.ViewFilter.Criteria();
    return true;
  }
  bool ConfirmRemoveAllViews(QWidget*) override { return true; }

private:
  TDialogScript& S;
};

class TOrganizerDialogs final : public IQBOrganizerDialogs {
public:
  explicit TOrganizerDialogs(TDialogScript& s) : S(s) {}
  bool RunOrganizerSettings(QWidget*, TQBOrganizerForm, uint8_t& fields, bool&) override {
    fields = S.OrganizeFields;
    return true;
  }

private:
  TDialogScript& S;
};

class TEditDialogs final : public IQBEditDialogs {
public:
  explicit TEditDialogs(TDialogScript& s) : S(s) {}
  bool ConfirmClearView(QWidget*, int, bool& all) override {
    all = all || S.ClearAll;
    return true;
  }
  bool ConfirmClearBookmarks(QWidget*) override { return true; }

private:
  TDialogScript& S;
};

class TSearchDialogs final : public IQBSearchDialogs {
public:
  explicit TSearchDialogs(TDialogScript& s) : S(s) {}
  bool AskTime(QWidget*, TQBTimeStamp& value) override {
    value = S.Time;
    return true;
  }

private:
  TDialogScript& S;
};

// The navigation dialogs are never part of a step.
class TNavigationDialogs final : public IQBNavigationDialogs {
public:
  explicit TNavigationDialogs(TDialogScript& s) : S(s) {}
  bool AskTimeDiffThreshold(QWidget*, int32_t&) override { return Unexpected(); }
  bool AskNavMessage(QWidget*, bool&, int32_t&) override { return Unexpected(); }

private:
  bool Unexpected() {
    S.Errors << QStringLiteral("a navigation dialog opened");
    return false;
  }
  TDialogScript& S;
};

}  // namespace

TQBShellDialogs ScriptedShellDialogs(TDialogScript& script) {
  TQBShellDialogs dialogs;
  dialogs.Errors = std::make_unique<qbtest::TRecordedErrors>(script.Errors);
  dialogs.Log = std::make_unique<TLogDialogs>(script);
  dialogs.Project = std::make_unique<TProjectDialogs>(script);
  dialogs.Views = std::make_unique<TViewDialogs>(script);
  dialogs.Organizer = std::make_unique<TOrganizerDialogs>(script);
  dialogs.Edit = std::make_unique<TEditDialogs>(script);
  dialogs.Search = std::make_unique<TSearchDialogs>(script);
  dialogs.Navigation = std::make_unique<TNavigationDialogs>(script);
  return dialogs;
}

}  // namespace qbmodel
