// The modal dialogs of view management, projects and the organizer as the user sees them.

#include "window/dialogs/QBViewAreaDialogs.h"

#include "dialogs/QBDialogLook.h"
#include "dialogs/QBMessageDialogs.h"
#include "dialogs/QBOrganizerSettingsForm.h"
#include "dialogs/QBQuestionDialogs.h"
#include "dialogs/QBViewFilterForm.h"

#include <QFileDialog>

namespace {

class TViewDialogs final : public IQBViewDialogs {
public:
  bool RunViewFilter(QWidget* window, TQBViewFilterRequest& r,
                     const std::function<void(const QString&)>& help) override {
    static const TQuillboxMessageSet none;
    TFrmViewFilter dialog(r.Store ? *r.Store : none, r.ClassNames, window);
    qbdialogs::PlaceDialog(dialog, window);
    dialog.setWindowTitle(r.Caption);
    dialog.SetHelpTopic(r.HelpTopic);
    QObject::connect(&dialog, &TFrmViewFilter::HelpRequested, &dialog, [&help](const QString& topic) {
      if (help) help(topic);
    });
    if (r.NewView) {
      dialog.SetViewName(QString());
      if (r.Prefill) dialog.PrefillFromMessage(*r.Prefill);
    } else {
      if (r.Criteria) dialog.LoadCriteria(*r.Criteria);
      else dialog.DisableDetails();
      dialog.SetViewName(r.Name);
    }
    dialog.SyncAutoNameCheck();
    if (dialog.exec() != QDialog::Accepted) return false;
    r.Name = dialog.ViewName();
    r.ClassName = dialog.ViewClassName();
    r.Result = dialog.ReadCriteria();
    return true;
  }

  bool ConfirmRemoveAllViews(QWidget* viewsArea) override { return ::ConfirmRemoveAllViews(viewsArea); }
};

// A project file dialog: resizable, starting in dir, proposing the "qbp" extension.
QString ProjectFileName(QWidget* window, bool save, const QString& dir) {
  QFileDialog dialog(window, save ? QStringLiteral("Save Quillbox Project") : QStringLiteral("Open Quillbox Project"),
                     dir,
                     save ? QStringLiteral("Quillbox Projects (*.qbp)") : QStringLiteral("Quillbox Project Files ( *.qbp )"));
  dialog.setObjectName(save ? QStringLiteral("dlgSaveProject") : QStringLiteral("dlgOpenProject"));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  // Opening needs an existing file; saving asks before it replaces one (the dialog's default).
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setDefaultSuffix(QStringLiteral("qbp"));
  dialog.setSizeGripEnabled(true);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().front();
}

class TProjectDialogs final : public IQBProjectDialogs {
public:
  int AskSaveProjectChanges(QWidget* window) override { return ::AskSaveProjectChanges(window); }
  int AskSaveNewProject(QWidget* window) override { return ::AskSaveNewProject(window); }
  QString OpenProjectFileName(QWidget* window, const QString& dir) override { return ProjectFileName(window, false, dir); }
  QString SaveProjectFileName(QWidget* window, const QString& dir) override { return ProjectFileName(window, true, dir); }
  void ShowErrorMessage(QWidget* window, const QString& text) override { ::ShowErrorMessage(text, window); }
};

class TOrganizerDialogs final : public IQBOrganizerDialogs {
public:
  bool RunOrganizerSettings(QWidget* window, TQBOrganizerForm form, uint8_t& fields, bool& autoOrganize) override {
    return TFrmOrganizerSettings::Execute(window, form, fields, autoOrganize);
  }
};

}  // namespace

std::unique_ptr<IQBViewDialogs> NewViewDialogs() { return std::make_unique<TViewDialogs>(); }
std::unique_ptr<IQBProjectDialogs> NewProjectDialogs() { return std::make_unique<TProjectDialogs>(); }
std::unique_ptr<IQBOrganizerDialogs> NewOrganizerDialogs() { return std::make_unique<TOrganizerDialogs>(); }
