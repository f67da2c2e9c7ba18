#pragma once
// The program's questions in its own look: the remove-all-views confirmation (TFrmRemoveView) and the
// yes/no/cancel question (TFrmYesNoCancel) with the four questions the viewer asks through it. Each
// routine creates its dialog, shows it modally centred over the control it names (the main window
// when null), and returns the answer.

#include <QDialog>
#include <QString>

class QLabel;

class TFrmYesNoCancel : public QDialog {
  Q_OBJECT
public:
  TFrmYesNoCancel(const QString& text, QWidget* parent);
  QString Text() const;
  // The answer the dialog was closed with: 6 (Yes), 7 (No) or 2 (Cancel; also Escape and the close box).
  int Answer() const { return FAnswer; }

private:
  QLabel* FText = nullptr;
  int FAnswer;
};

class TFrmRemoveView : public QDialog {
  Q_OBJECT
public:
  explicit TFrmRemoveView(QWidget* parent);
  QString Text() const;

private:
  QLabel* FText = nullptr;
};

// The yes/no/cancel question with text: 6 (Yes), 7 (No) or 2 (Cancel).
int AskYesNoCancel(QWidget* control, const QString& text);
int AskSaveBeforeLoad(QWidget* control);
int AskSaveBeforeExit(QWidget* control);
int AskSaveProjectChanges(QWidget* control);
int AskSaveNewProject(QWidget* control);

// "Remove All Views?", centred over the views area; true for Yes.
bool ConfirmRemoveAllViews(QWidget* viewsArea);
