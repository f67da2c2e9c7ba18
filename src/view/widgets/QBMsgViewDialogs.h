#pragma once
// The dialogs a message view opens on its own: the jump-to dialog, the edit message dialog, the find
// dialog, the information box of a search that found nothing and the progress of printing and searching. The view
// does not know the dialog classes; it asks through this interface, which the program installs once for
// every view (and a test per view), so the view's code and tests need no modal windows.

#include <QString>

#include <memory>

class IQBPrintProgress;
class IQBSearchProgress;
struct TQBFindRequest;
class QFont;
class QRect;
class QWidget;

class IQBMsgViewDialogs {
public:
  virtual ~IQBMsgViewDialogs() = default;
  // The jump-to dialog centred over view; true with the row index when confirmed with a number.
  virtual bool AskJumpToRow(QWidget* view, int& row) = 0;
  // The edit message dialog for text in font, placed at below's top left and as wide as below, kept
  // above bottomLimit (a screen y); true with the new text when confirmed.
  virtual bool AskEditedText(QWidget* view, const QFont& font, const QRect& below, int bottomLimit,
                             QString& text) = 0;
  // An information box over view.
  virtual void ShowInfo(QWidget* view, const QString& text) = 0;
  // The find dialog over view, opened with request; true with the confirmed values. Without a find
  // dialog of its own an implementation counts the find as cancelled.
  virtual bool AskFind(QWidget* view, TQBFindRequest& request) {
    (void)view, (void)request;
    return false;
  }
  // The progress of printing title, modal over the whole program while the job runs, with a Cancel
  // button. Null (the default) prints without showing progress.
  virtual std::unique_ptr<IQBPrintProgress> BeginPrintProgress(QWidget* view, const QString& title);
  // The progress of a search for text over view, shown once the search takes a while, with a Cancel
  // button. Null (the default) searches to the end without asking.
  virtual std::unique_ptr<IQBSearchProgress> BeginSearchProgress(QWidget* view, const QString& text);
};

namespace qbmsgviewdialogs {

// The dialogs of every view that has none of its own; null until the program installs its own, and
// then a view opens no dialog (a jump or an edit counts as cancelled, a notice is dropped).
void Install(IQBMsgViewDialogs* dialogs);
IQBMsgViewDialogs* Installed();

}  // namespace qbmsgviewdialogs
