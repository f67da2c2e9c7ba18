#pragma once
// The progress of a search in a view. A search that ends within ShowAfterMs shows nothing and costs a
// clock reading every few rows; a longer one shows a small window, modal over the whole program, with
// the share of rows searched and a Cancel button (Escape and its close box cancel too), and lets the
// windows repaint meanwhile. A terminate signal stops the search at its next check, shown or not.

#include "view/QBViewSearch.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QString>

#include <memory>

class QProgressDialog;
class QWidget;

class TQBSearchProgressDialog final : public IQBSearchProgress {
public:
  static constexpr int ShowAfterMs = 300;

  // over: the view being searched; text: what is searched for.
  TQBSearchProgressDialog(QWidget* over, const QString& text);
  ~TQBSearchProgressDialog() override;

  bool Continue(int searched, int total) override;

  // Null until the search has taken ShowAfterMs.
  QProgressDialog* Dialog() const { return FDialog.get(); }

private:
  void Show();

  QPointer<QWidget> FOver;
  QString FText;
  QElapsedTimer FClock;
  QElapsedTimer FSinceEvents;
  std::unique_ptr<QProgressDialog> FDialog;
};
