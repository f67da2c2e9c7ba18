#pragma once
// The message dialog that reports errors and notices in the program's own look: a 32-pixel standard
// icon, the text word-wrapped and shown as it is (an ampersand stays an ampersand), and an OK button.

#include <QDialog>
#include <QString>

class QLabel;

class TFrmDisplayMessage : public QDialog {
  Q_OBJECT
public:
  enum class TKind { Error, Information };
  TFrmDisplayMessage(TKind kind, const QString& text, QWidget* parent);
  QString Text() const;

private:
  QLabel* FText = nullptr;
};

// Show the message modally, centred over control (the main window when null), and return when closed.
void ShowErrorMessage(const QString& text, QWidget* control = nullptr);
void ShowInfoMessage(const QString& text, QWidget* control = nullptr);
