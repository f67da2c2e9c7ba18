#include "window/areas/QBQuickFilterBox.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

TQBQuickFilterBox::TQBQuickFilterBox(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pnlQuickFilter"));
  setAccessibleName(QStringLiteral("Quick filter"));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(2, 2, 2, 2);
  row->setSpacing(3);
  FEdit = new QLineEdit(this);
  FEdit->setObjectName(QStringLiteral("edtQuickFilter"));
  FEdit->setAccessibleName(QStringLiteral("Quick filter text"));
  FEdit->setAccessibleDescription(
      QStringLiteral("Shows only the messages that match as you type; Enter makes a view of them, Esc clears"));
  FEdit->setPlaceholderText(QStringLiteral("Quick filter (Ctrl+Shift+F)"));
  FEdit->setClearButtonEnabled(true);
  FEdit->installEventFilter(this);
  row->addWidget(FEdit, 3);
  FMatchCase = AddToggle(row, "btnQuickMatchCase", QStringLiteral("Aa"), QStringLiteral("Match case"));
  FRegex = AddToggle(row, "btnQuickRegex", QStringLiteral(".*"), QStringLiteral("Regular expression"));
  FDetails = AddToggle(row, "btnQuickDetails", QStringLiteral("Details"), QStringLiteral("Search the details too"));
  FExclude = AddToggle(row, "btnQuickExclude", QStringLiteral("Exclude"),
                       QStringLiteral("Hide the messages that match; Enter keeps the text as an exclusion"));
  FChipRow = new QHBoxLayout;
  FChipRow->setSpacing(2);
  row->addLayout(FChipRow);
  FNote = new QLabel(this);
  FNote->setObjectName(QStringLiteral("lblQuickFilterNote"));
  row->addWidget(FNote, 2);
  connect(FEdit, &QLineEdit::textChanged, this, &TQBQuickFilterBox::specChanged);
}

QToolButton* TQBQuickFilterBox::AddToggle(QHBoxLayout* row, const char* name, const QString& text, const QString& hint) {
  auto* button = new QToolButton(this);
  button->setObjectName(QString::fromLatin1(name));
  button->setText(text);
  button->setToolTip(hint);
  button->setAccessibleName(hint.section(QLatin1Char(';'), 0, 0));
  button->setCheckable(true);
  button->setFocusPolicy(Qt::TabFocus);
  connect(button, &QToolButton::toggled, this, &TQBQuickFilterBox::specChanged);
  row->addWidget(button);
  return button;
}

TQBQuickTerm TQBQuickFilterBox::TypedTerm() const {
  return {FEdit->text(), {FMatchCase->isChecked(), FRegex->isChecked()}, FDetails->isChecked()};
}

TQBQuickFilterSpec TQBQuickFilterBox::Spec() const {
  TQBQuickFilterSpec spec;
  spec.Excludes = FExcludes;
  if (FExclude->isChecked())
    spec.Excludes.push_back(TypedTerm());
  else
    spec.Include = TypedTerm();
  return spec;
}

bool TQBQuickFilterBox::ExcludeDown() const { return FExclude->isChecked(); }

bool TQBQuickFilterBox::PinExclusion() {
  const TQBQuickTerm term = TypedTerm();
  if (term.Text.isEmpty()) return false;
  AddChip(term);
  // The chip now holds the text: emptying the field changes nothing the view shows.
  const QSignalBlocker quiet(FEdit);
  FEdit->clear();
  return true;
}

void TQBQuickFilterBox::AddChip(const TQBQuickTerm& term) {
  FExcludes.push_back(term);
  auto* chip = new QToolButton(this);
  chip->setObjectName(QStringLiteral("btnQuickExclusion"));
  chip->setText(qbquick::ChipText(term) + QStringLiteral("  \u00D7"));
  chip->setAccessibleName(qbquick::ChipText(term));
  chip->setAccessibleDescription(QStringLiteral("Removes this exclusion"));
  chip->setToolTip(QStringLiteral("Remove this exclusion"));
  chip->setAutoRaise(false);
  FChipRow->addWidget(chip);
  connect(chip, &QToolButton::clicked, this, [this, chip, term] {
    const auto it = std::find(FExcludes.begin(), FExcludes.end(), term);
    if (it != FExcludes.end()) FExcludes.erase(it);
    chip->deleteLater();
    emit specChanged();
  });
}

void TQBQuickFilterBox::AddExclusion(const TQBQuickTerm& term) {
  if (term.Text.isEmpty()) return;
  AddChip(term);
  emit specChanged();
}

void TQBQuickFilterBox::ClearAll() {
  FExcludes.clear();
  while (QLayoutItem* item = FChipRow->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  FEdit->clear();
  emit specChanged();
}

void TQBQuickFilterBox::FocusText() {
  FEdit->setFocus(Qt::ShortcutFocusReason);
  FEdit->selectAll();
}

void TQBQuickFilterBox::SetNote(const QString& text) { FNote->setText(text); }
QString TQBQuickFilterBox::Note() const { return FNote->text(); }

bool TQBQuickFilterBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FEdit && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      emit accepted();
      return true;
    }
    if (key == Qt::Key_Escape) {
      emit cancelled();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}
