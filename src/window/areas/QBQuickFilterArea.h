#pragma once
// The quick filter's area: the box above the message list (Search > Quick Filter, Ctrl+Shift+F, gives
// it the keyboard) and the narrowing of the current view as the user types. The work runs in slices
// on a zero timer, so keys are handled between slices and a newer text cancels the older one; the
// view's rows change once, when a scan is complete. The filter belongs to the current view: another
// tab gives the old view its rows back and narrows the new one. Enter makes a new view of the text
// (TQBQuickFilterView), or with Exclude down keeps the text as an exclusion chip; Esc clears the box
// and returns to the list. Nothing of it is saved in projects.

#include "view/QBQuickFilter.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class IQBAreaFeedback;
class QStackedWidget;
class TQBMessageView;
class TQBQuickFilterBox;
class TQBViewManager;

class TQBQuickFilterArea final : public QObject {
  Q_OBJECT
public:
  struct TParts {
    QStackedWidget& Pages;  // the box goes above it
    TQBViewManager& Views;
    IQBAreaFeedback& Feedback;
  };
  explicit TQBQuickFilterArea(TParts parts);

  // Search > Quick Filter.
  void Focus();
  TQBQuickFilterBox& Box() const { return *FBox; }
  const TQBQuickFilter& Filter() const { return FFilter; }
  // Completes a narrowing that runs (tests and qbrender).
  void Finish();

private:
  void SpecChanged();
  void CurrentChanged();
  void Accept();
  void Cancel();
  void RunSlice();
  void Narrowed();

  TParts P;
  TQBQuickFilterBox* FBox = nullptr;
  QPointer<TQBMessageView> FView;
  TQBQuickFilter FFilter;
  QTimer FTimer;
};
