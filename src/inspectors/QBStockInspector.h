#pragma once
// TQBStockInspector: the base of the built-in inspectors. An inspector reads MessageSet's current
// record and shows it in its content control(s); it has a title bar, a status bar and a panel of tool
// buttons that lives in the inspector pane's toolbar, not inside the inspector.
//
// Construction runs the virtual steps CreateButtonPanel, CreateTitleBar, CreateStatusBar and
// CreateContent in that order. C++ does not dispatch virtual calls to a descendant from a base
// constructor, so inspectors are made by NewInspector<T>, which runs the steps once the object is
// complete.

#include "inspectors/QBImageList.h"
#include "inspectors/parsers/QBShownText.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QPointer>
#include <QStringList>
#include <QWidget>

class QFont;
class QLabel;
class QMenu;
class TQBGradientPanel;
class TQBImageList;
class TQBInspectorToolbar;
class TQBPrintJob;

class TQBStockInspector : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString Title READ GetTitle WRITE SetTitle)
  Q_PROPERTY(QString Status READ GetStatus WRITE SetStatus)
public:
  ~TQBStockInspector() override;

  // Shows the button panel (painted at once, so the toolbar never shows a gap) and then the inspector.
  void ShowInspector();
  void HideInspector();

  TQBImageList* Images() const { return FImages; }
  // Not owned; the inspector repaints on the list's change notices and forgets it when it is destroyed.
  void SetImages(TQBImageList* images);

  QWidget* ButtonPanel() const { return FButtonPanel; }
  TQBGradientPanel* TitleBar() const { return FTitleBar; }
  TQBGradientPanel* StatusBar() const { return FStatusBar; }

  // The virtual operations, in the order descendants know them.
  virtual void CreateContent() {}
  virtual void CreateToolButtons(QWidget* parent) { (void)parent; }
  virtual void CreateButtonPanel(TQBInspectorToolbar* toolbar);
  virtual void CreateTitleBar();
  virtual void CreateStatusBar();
  // The contents as lines of text, for copying and printing.
  virtual void GetLines(QStringList& lines) { (void)lines; }
  virtual void PrintLines(const QStringList& lines);
  virtual bool HasTitleBar() const { return false; }
  virtual bool HasStatusBar() const { return false; }
  virtual void ImagesChanged() {}
  virtual QString GetTitle() const;
  virtual void SetTitle(const QString& title);
  virtual QString GetStatus() const;
  virtual void SetStatus(const QString& status);
  virtual void Clear();
  // Loads MessageSet's current record. Malformed details raise std::exception with a text for the user.
  virtual void Inspect() {}
  // The font of title and status bar; the bars become height + 2 and height + 6 pixels high.
  virtual void SetFrameFont(const QFont& font, int height);
  virtual void SetContentFont(const QFont& font) { (void)font; }
  virtual void SetContentPopupMenu(QMenu* menu) { (void)menu; }
  virtual void CopyContents() {}
  // Prints GetLines on QBSharedPrinter under a page header carrying the title, and the shown notice
  // (below) as the last line when there is one.
  virtual void PrintContents(const QString& title);

  // The notice bar below the title bar: what of a large message the inspector leaves out
  // (inspectors/parsers/QBShownText.h); hidden when the notice is empty.
  QString ShownNotice() const;
  void SetShownNotice(const QString& notice);

  template <typename T, typename... TArgs>
  friend T* NewInspector(QWidget* owner, TQBInspectorToolbar* toolbar, TArgs&&... args);

protected:
  TQBStockInspector(QWidget* owner, TQBInspectorToolbar* toolbar);

  // Places a content control below the title bar and above the status bar, filling the inspector.
  void AddContent(QWidget* content);
  // The UTF-8 bytes of MessageSet's current record, valid until the store changes; empty when there
  // is no current record.
  static QByteArrayView CurrentMsgTextUtf8();
  static QByteArrayView CurrentDetailsUtf8();
  // Shows the notice for what of the details counts leaves out and, when it leaves out anything,
  // keeps the details so that copying still gives all of them (WholeDetailsCopy).
  void ShowInPart(const TQBShownCounts& counts, QByteArrayView details);
  // Every line of the kept details followed by CR LF; empty (null) when the contents were shown whole
  // and the inspector copies what it shows.
  QString WholeDetailsCopy() const;
  // The print job while PrintContents runs, null otherwise.
  TQBPrintJob* PrintJob() const { return FPrintJob; }
  // The characters a printed line can show (QBPrintLayout.h's maxChars) while printing.
  qsizetype PrintWidth() const;
  void PrintText(const QString& text);
  void PrintLine(const QString& text);

private:
  void Construct();

  TQBInspectorToolbar* FToolbar;
  QPointer<QWidget> FButtonPanel;  // parented into the toolbar, which may go first
  TQBGradientPanel* FTitleBar = nullptr;
  TQBGradientPanel* FStatusBar = nullptr;
  QLabel* FNoticeBar = nullptr;  // made on first use
  QByteArray FWholeDetails;      // see ShowInPart
  QPointer<TQBImageList> FImages;
  TQBPrintJob* FPrintJob = nullptr;
};

// Creates an inspector and runs its construction steps; the inspector fills owner.
template <typename T, typename... TArgs>
T* NewInspector(QWidget* owner, TQBInspectorToolbar* toolbar, TArgs&&... args) {
  T* inspector = new T(owner, toolbar, std::forward<TArgs>(args)...);
  inspector->Construct();
  return inspector;
}
