#pragma once
// The quick filter's box above the message list: the text field, the toggles Match case, Regular
// expression, Details and Exclude, the exclusions as removable chips ("exclude 'heartbeat'") and a
// note on the right (the rows left, or what is wrong with an expression). The box only collects what
// is asked for; TQBQuickFilterArea narrows the view.

#include "view/QBQuickFilter.h"

#include <QWidget>

#include <vector>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QToolButton;

class TQBQuickFilterBox : public QWidget {
  Q_OBJECT
public:
  explicit TQBQuickFilterBox(QWidget* parent = nullptr);

  // The typed text (an exclusion while Exclude is down) with the toggles, and the chips.
  TQBQuickFilterSpec Spec() const;
  bool ExcludeDown() const;
  // The typed text becomes a chip and the field empties; false when the field is empty.
  bool PinExclusion();
  // A chip for term, as if it had been typed with Exclude down and Enter pressed.
  void AddExclusion(const TQBQuickTerm& term);
  // Empties the field and removes every chip.
  void ClearAll();
  void FocusText();
  void SetNote(const QString& text);
  QString Note() const;

  QLineEdit* TextField() const { return FEdit; }

signals:
  void specChanged();
  void accepted();   // Enter in the field
  void cancelled();  // Esc in the field

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QToolButton* AddToggle(QHBoxLayout* row, const char* name, const QString& text, const QString& hint);
  void AddChip(const TQBQuickTerm& term);
  TQBQuickTerm TypedTerm() const;

  QLineEdit* FEdit = nullptr;
  QToolButton* FMatchCase = nullptr;
  QToolButton* FRegex = nullptr;
  QToolButton* FDetails = nullptr;
  QToolButton* FExclude = nullptr;
  QHBoxLayout* FChipRow = nullptr;
  QLabel* FNote = nullptr;
  std::vector<TQBQuickTerm> FExcludes;
};
