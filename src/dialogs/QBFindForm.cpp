#include "dialogs/QBFindForm.h"

#include "dialogs/QBDialogLook.h"
#include "dialogs/QBMessageDialogs.h"
#include "settings/QBIniFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>

namespace {

// A group of two radio buttons, the first selected.
QGroupBox* RadioGroup(const QString& title, const char* name, QRadioButton* first, QRadioButton* second,
                      QWidget* parent) {
  auto* group = new QGroupBox(title, parent);
  group->setObjectName(QLatin1String(name));
  auto* column = new QVBoxLayout(group);
  column->addWidget(first);
  column->addWidget(second);
  first->setChecked(true);
  return group;
}

QRadioButton* Radio(const QString& text, const char* name) {
  auto* radio = new QRadioButton(text);
  radio->setObjectName(QLatin1String(name));
  return radio;
}

}  // namespace

TFrmFind::TFrmFind(TQBFindHistory& history, std::function<void(const TQBFindHistory&)> save, QWidget* parent)
    : QDialog(parent), FHistory(history), FSave(std::move(save)) {
  setObjectName(QStringLiteral("FrmFind"));
  setWindowTitle(QStringLiteral("Find"));
  qbdialogs::ApplyDialogLook(*this);

  QFrame* frame = qbdialogs::NewContentFrame(this);
  auto* label = new QLabel(QStringLiteral("&Text to find"), frame);
  FFindText = new QComboBox(frame);
  FFindText->setObjectName(QStringLiteral("cbxFindText"));
  FFindText->setAccessibleName(QStringLiteral("Text to find"));
  FFindText->setEditable(true);
  FFindText->setInsertPolicy(QComboBox::NoInsert);
  FFindText->setMinimumWidth(260);
  // What the user types stays as typed: completion from the list must not change its case.
  FFindText->completer()->setCaseSensitivity(Qt::CaseSensitive);
  // One character more than a search takes, so a longer text pasted in is refused on OK rather than
  // cut to the field's length without a word.
  FFindText->lineEdit()->setMaxLength(int(TQBTextPattern::MaxTextLength) + 1);
  FFindText->addItems(FHistory.Texts());
  if (FFindText->count() > 0) FFindText->setCurrentIndex(0);
  label->setBuddy(FFindText);

  FForward = Radio(QStringLiteral("&Forward"), "rbForward");
  FBackward = Radio(QStringLiteral("&Backward"), "rbBackward");
  FFromCursor = Radio(QStringLiteral("From &Cursor"), "rbFromCursor");
  FEntireScope = Radio(QStringLiteral("&Entire Scope"), "rbEntireScope");
  FInDetails = new QCheckBox(QStringLiteral("Include Message &Details in Search"), frame);
  FInDetails->setObjectName(QStringLiteral("chkFindInDetails"));
  FMatchCase = new QCheckBox(QStringLiteral("&Match case"), frame);
  FMatchCase->setObjectName(QStringLiteral("chkMatchCase"));
  FRegularExpression = new QCheckBox(QStringLiteral("Regular e&xpression"), frame);
  FRegularExpression->setObjectName(QStringLiteral("chkRegularExpression"));
  FExpressionError = new QLabel(frame);
  FExpressionError->setObjectName(QStringLiteral("lblExpressionError"));
  FExpressionError->setTextFormat(Qt::PlainText);
  FExpressionError->setWordWrap(true);
  FExpressionError->setStyleSheet(QStringLiteral("color: #b00000;"));
  FExpressionError->hide();
  // An error shown for the old text or option would mislead once either changes.
  connect(FFindText, &QComboBox::editTextChanged, FExpressionError, &QWidget::hide);
  connect(FRegularExpression, &QCheckBox::toggled, FExpressionError, &QWidget::hide);

  auto* grid = new QGridLayout(frame);
  grid->addWidget(label, 0, 0, 1, 2);
  grid->addWidget(FFindText, 1, 0, 1, 2);
  grid->addWidget(RadioGroup(QStringLiteral("Direction"), "grpDirection", FForward, FBackward, frame), 2, 0);
  grid->addWidget(RadioGroup(QStringLiteral("Origin"), "grpOrigin", FFromCursor, FEntireScope, frame), 2, 1);
  grid->addWidget(FInDetails, 3, 0, 1, 2);
  grid->addWidget(FMatchCase, 4, 0);
  grid->addWidget(FRegularExpression, 4, 1);
  grid->addWidget(FExpressionError, 5, 0, 1, 2);

  qbdialogs::FinishOkCancel(*this, frame);
}

void TFrmFind::Load(const TQBFindRequest& request) {
  FFindText->setEditText(request.Text);
  (request.Forward ? FForward : FBackward)->setChecked(true);
  (request.FromCursor ? FFromCursor : FEntireScope)->setChecked(true);
  FInDetails->setChecked(request.InDetails);
  FMatchCase->setChecked(request.Options.MatchCase);
  FRegularExpression->setChecked(request.Options.RegularExpression);
}

TQBFindRequest TFrmFind::Request() const {
  return {FFindText->currentText(),
          FForward->isChecked(),
          FInDetails->isChecked(),
          FFromCursor->isChecked(),
          {FMatchCase->isChecked(), FRegularExpression->isChecked()}};
}

bool TFrmFind::CheckText() {
  const QString text = FFindText->currentText();
  const TQBTextPattern pattern(text, Request().Options);
  if (pattern.IsValid()) return true;
  const qsizetype at = std::max<qsizetype>(0, pattern.ErrorOffset());
  FExpressionError->setText(text.size() > TQBTextPattern::MaxTextLength
                                ? pattern.ErrorString()
                                : QStringLiteral("Invalid regular expression at position %1: %2")
                                      .arg(at + 1)
                                      .arg(pattern.ErrorString()));
  FExpressionError->show();
  FFindText->setFocus();
  FFindText->lineEdit()->setCursorPosition(int(at));
  return false;
}

void TFrmFind::accept() {
  if (!CheckText()) return;
  // The history keeps the form stored first; the field, and so the search, keep what the user typed.
  const QString typed = FFindText->currentText();
  if (!typed.isEmpty()) {
    FHistory.Add(typed);
    if (FSave) FSave(FHistory);
  }
  QDialog::accept();
}

bool TFrmFind::Execute(QWidget* view, TQBIniFile* settings, TQBFindRequest& request) {
  TQBFindHistory history;
  if (settings) history.Load(settings->Reader());
  const auto save = [settings, view](const TQBFindHistory& h) {
    if (!settings) return;
    h.Save(settings->Writer());
    // The history reaches the disk at once; the rest of the settings are written with it.
    try {
      settings->UpdateFile();
    } catch (const std::exception& e) {
      ShowErrorMessage(QString::fromUtf8(e.what()), view);
    }
  };
  TFrmFind dialog(history, save, view ? view->window() : nullptr);
  dialog.Load(request);
  qbdialogs::PlaceDialog(dialog, view);
  if (dialog.exec() != QDialog::Accepted) return false;
  request = dialog.Request();
  return true;
}
