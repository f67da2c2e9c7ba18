#pragma once
// The question before the current view's bookmarks are removed.

#include <QDialog>

class QLabel;

class TFrmConfirmClearBookmarks : public QDialog {
  Q_OBJECT
public:
  explicit TFrmConfirmClearBookmarks(QWidget* parent = nullptr);
  QString Text() const;

private:
  QLabel* FText = nullptr;
};

// Asks over the views area; true for Yes.
bool ConfirmClearBookmarks(QWidget* viewsArea);
