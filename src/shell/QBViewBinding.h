#pragma once
// A view and the interfaces it offers, fetched once when the view is created: a cast per message or
// per command would cost a tenth of a large load. IQBMessageView is always there; the others are null
// when the view lacks them, which leaves their commands disabled.

#include <quillbox/QBCustomViewIntf.h>

class QObject;

struct TQBViewBinding {
  QObject* Object = nullptr;  // the view control; owned by the main window, never by a binding
  IQBMessageView* View = nullptr;
  IQBMessageViewList* List = nullptr;
  IQBMessageViewMethods* Methods = nullptr;
  IQBMessageViewSearch* Search = nullptr;
  IQBMessageViewPrint* Print = nullptr;
  IQBMessageViewSave* Save = nullptr;
  IQBMessageViewExport* Export = nullptr;
  IQBViewActivation* Activation = nullptr;
  IQBMessageViewTime* Time = nullptr;
  IQBMessageViewFindOptions* FindOptions = nullptr;

  // The interfaces of view; View stays null when it does not offer IQBMessageView.
  static TQBViewBinding Of(QObject* view);

  // The focused row, -1 when there is none (or no list interface to ask).
  int FocusedRow() const;
  // The focused row's record number, -1 when there is none.
  int FocusedRecNo() const;
};

// The current view, as the command areas that act on it see it.
class IQBCurrentView {
public:
  virtual ~IQBCurrentView() = default;
  // Empty (all null) when there is no current view.
  virtual const TQBViewBinding& Current() const = 0;
};
