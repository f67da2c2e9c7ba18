#pragma once
// TFrmViewFilter: the dialog in which a view is named and its filter criteria are chosen. The rules
// (auto name, the check on OK, reading and loading the criteria, the value lists) live in
// view/QBViewFilterRules; this class holds the controls and wires them to those rules.

#include "view/QBViewFilterRules.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;
class TQuillboxMessage;

class TFrmViewFilter : public QDialog {
  Q_OBJECT
public:
  // Fills the value lists from the store and the hidden view type list with the registered view
  // class names, the first one selected.
  TFrmViewFilter(const TQuillboxMessageSet& set, const QStringList& viewClassNames, QWidget* parent = nullptr);

  void SetHelpTopic(const QString& topic) { FHelpTopic = topic; }
  const QString& HelpTopic() const { return FHelpTopic; }

  QString ViewName() const;
  void SetViewName(const QString& name);
  // The class chosen for a new view.
  QString ViewClassName() const;

  // New view: the value fields show the message's texts; no criterion is ticked.
  void PrefillFromMessage(const TQuillboxMessage& message);
  void LoadCriteria(const TQBFilterCriteria& criteria);
  TQBFilterCriteria ReadCriteria() const;
  // The whole "Filter Details" group is disabled: only the name can change.
  void DisableDetails();
  // Ticks Auto Name exactly when the name is the auto name of the current criteria.
  void SyncAutoNameCheck();

  // The controls' contents as the rules see them.
  qbviewfilter::TQBFilterForm Form() const;

signals:
  // Help was pressed; the window opens the topic.
  void HelpRequested(const QString& topic);

private:
  struct TValueCriterion {
    qbviewfilter::TCriterion Criterion;
    QCheckBox* Check;
    QWidget* Field;
  };

  QWidget* BuildNameRow();
  QGroupBox* BuildDetails(const qbviewfilter::TQBValueLists& lists);
  QWidget* BuildTypeGrid(QWidget* parent);
  QWidget* BuildTimeRange(QWidget* parent);
  QCheckBox* AddValueCriterion(qbviewfilter::TCriterion criterion, const char* checkName, const char* caption,
                               QWidget* field);
  void CriterionToggled(const TValueCriterion& criterion, bool on);
  void MsgTypeToggled(bool on);
  void SetAllTypes(bool down);
  void NoFilter();
  void UpdateAutoName();
  void AutoNameToggled(bool on);
  void Confirm();
  QWidget* FieldOf(qbviewfilter::TCriterion criterion) const;
  void ApplyForm(const qbviewfilter::TQBFilterForm& form);

  QString FHelpTopic;
  bool FLoading = false;
  QLineEdit* FViewName = nullptr;
  QCheckBox* FAutoName = nullptr;
  QComboBox* FViewType = nullptr;
  QGroupBox* FDetails = nullptr;
  QComboBox* FAppName = nullptr;
  QComboBox* FCategory = nullptr;
  QComboBox* FComputerName = nullptr;
  QComboBox* FProcessID = nullptr;
  QComboBox* FThreadName = nullptr;
  QLineEdit* FMessageText = nullptr;
  QWidget* FTimeRange = nullptr;  // the two ends side by side, one field of the time range criterion
  QLineEdit* FTimeFrom = nullptr;
  QLineEdit* FTimeTo = nullptr;
  std::array<TValueCriterion, 7> FCriteria{};
  int FCriterionCount = 0;
  QCheckBox* FMsgType = nullptr;
  std::array<QToolButton*, qbviewfilter::TypeButtonCount> FTypeButtons{};
  QPushButton* FSelectAll = nullptr;
  QPushButton* FUnselectAll = nullptr;
  QPushButton* FOK = nullptr;
};
