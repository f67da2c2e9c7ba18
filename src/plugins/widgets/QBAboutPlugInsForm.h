#pragma once
// TFrmAboutPlugIns, the plug-ins dialog: the loaded inspector plug-ins by name, and the description,
// version, message type and support links of the one selected; below them every module file found
// with what became of it (loaded, no units, or failed and why).

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;
class TInternalPlugInManager;

class TFrmAboutPlugIns : public QDialog {
  Q_OBJECT
public:
  // Fills the list from the manager, sorted without regard to case, and shows the first entry.
  explicit TFrmAboutPlugIns(const TInternalPlugInManager& manager, QWidget* parent = nullptr);

  QListWidget* lstPlugIns = nullptr;
  QLabel* lblLongDesc = nullptr;
  QLabel* lblVersion = nullptr;
  QLabel* lblMsgType = nullptr;
  QLabel* lblEmail = nullptr;
  QLabel* lblWebSite = nullptr;
  // One row per module file: its name and its state.
  QTreeWidget* lstModules = nullptr;
  QPushButton* btnOK = nullptr;

  // Where the two links lead; empty when there is no link.
  const QString& EmailTarget() const { return FEmailTarget; }
  const QString& WebSiteTarget() const { return FWebSiteTarget; }

private:
  void BuildLayout();
  void FillModules();
  void ShowDetails(const QString& name);
  void ClearDetails();
  void SetLink(QLabel* label, QString& target, const QString& text, const QString& href);

  const TInternalPlugInManager& FManager;
  QString FEmailTarget;
  QString FWebSiteTarget;
};
