#include "inspectors/QBInspectorPane.h"

#include "inspectors/QBCallStackList.h"
#include "inspectors/QBImageList.h"
#include "inspectors/QBInspectorPaneHost.h"
#include "inspectors/QBInspectorToolbar.h"
#include "inspectors/QBMsgTypeTab.h"
#include "plugins/widgets/QBPlugInManager.h"
#include "inspectors/QBStockInspector.h"
#include "model/QBMessageTypes.h"
#include "shell/QBAreaFeedback.h"
#include "shell/QBInspectedView.h"
#include "shell/QBFinally.h"

#include "QBResources.h"

#include <quillbox/QBInspectorIntf.h>
#include <quillbox/QuillboxMessageSet.h>

#include <QAction>
#include <QToolButton>
#include <QVBoxLayout>

#include <exception>

namespace {
QIcon PaneIcon(const char* name) { return QIcon(QStringLiteral(":/icons/inspector/%1.svg").arg(QLatin1String(name))); }

// Hints break their lines at "\r"; tool tips at "\n".
QString Hint(const char* text) { return QString::fromLatin1(text).replace(QChar('\r'), QChar('\n')); }
}  // namespace

TQBInspectorPane::TQBInspectorPane(IQBInspectedView& view, IQBInspectorPaneHost& host, IQBAreaFeedback& feedback,
                                   QWidget* parent)
    : QWidget(parent), FView(view), FHost(host), FFeedback(feedback), FToolbar(new TQBInspectorToolbar(this)), FImages(nullptr) {
  QBInitResources();
  setObjectName(QStringLiteral("pnlInspector"));
  setAccessibleName(QStringLiteral("Inspector"));
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(FToolbar);
  // The control below the toolbar is added with a stretch and fills the rest; with none shown (a
  // separator) the toolbar alone would be centred, so the column keeps to the top.
  column->setAlignment(Qt::AlignTop);
  FImages = NewInspectorImages(this);
  for (int i = 0; i < qbtypes::IconCount; ++i)
    FMsgIcons.append(QIcon(QStringLiteral(":/icons/messages/msg%1.svg").arg(i, 2, 10, QChar('0'))));
  FInspectors.Create(this, FToolbar);
  FInspectors.SetImages(FImages);
  CreateActions();
  HideAllInspectors();
}

TQBInspectorPane::~TQBInspectorPane() {
  for (QObject* child : children()) {
    if (child == FToolbar || !child->isWidgetType() || qobject_cast<TQBStockInspector*>(child)) continue;
    auto* control = static_cast<QWidget*>(child);
    control->hide();
    control->setParent(nullptr);
  }
}

void TQBInspectorPane::CreateActions() {
  FCopyAction = new QAction(PaneIcon("copycontents"), QStringLiteral("Copy Inspector Contents"), this);
  FCopyAction->setObjectName(QStringLiteral("actCopyInspectorContents"));
  FCopyAction->setToolTip(Hint("Copy Inspector Pane Contents\rto Clipboard"));
  FCopyAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  connect(FCopyAction, &QAction::triggered, this, &TQBInspectorPane::CopyInspectorContents);
  FPrintAction = new QAction(PaneIcon("printcontents"), QStringLiteral("Print Inspector Contents..."), this);
  FPrintAction->setObjectName(QStringLiteral("actPrintInspectorContents"));
  FPrintAction->setToolTip(Hint("Print Inspector Pane\rContents"));
  FPrintAction->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
  connect(FPrintAction, &QAction::triggered, this, &TQBInspectorPane::PrintInspectorContents);
  addAction(FCopyAction);
  addAction(FPrintAction);
  FToolbar->OnBottomButton()->setIcon(PaneIcon("inspectoronbottom"));
  FToolbar->FullSizeButton()->setIcon(PaneIcon("fullsizeinspector"));
  FToolbar->CopyButton()->setDefaultAction(FCopyAction);
  FToolbar->PrintButton()->setDefaultAction(FPrintAction);
  UpdateActions();
}

void TQBInspectorPane::SetLayoutActions(QAction* onBottom, QAction* fullSize) {
  if (onBottom->icon().isNull()) onBottom->setIcon(PaneIcon("inspectoronbottom"));
  if (fullSize->icon().isNull()) fullSize->setIcon(PaneIcon("fullsizeinspector"));
  FToolbar->OnBottomButton()->setDefaultAction(onBottom);
  FToolbar->FullSizeButton()->setDefaultAction(fullSize);
}

void TQBInspectorPane::AdoptContentActions(QAction* copy, QAction* print) {
  if (copy->icon().isNull()) copy->setIcon(FCopyAction->icon());
  if (print->icon().isNull()) print->setIcon(FPrintAction->icon());
  delete FCopyAction;
  delete FPrintAction;
  FCopyAction = copy;
  FPrintAction = print;
  FToolbar->CopyButton()->setDefaultAction(copy);
  FToolbar->PrintButton()->setDefaultAction(print);
}

void TQBInspectorPane::SetCallStackList(TQBCallStackList* list) {
  if (FCallStack) disconnect(FCallStack, nullptr, this, nullptr);
  FCallStack = list;
  if (list) connect(list, &TQBCallStackList::RowChosen, this, [this](int row) { FView.SelectRow(row); });
}

template <typename TStep> void TQBInspectorPane::Guarded(TStep step) {
  try {
    step();
  } catch (const std::exception& e) {
    FFeedback.ReportError(QString::fromUtf8(e.what()));
  }
}

void TQBInspectorPane::InspectFocusedMessage() {
  if (FView.IsClearingViews()) return;
  if (FView.HasActiveView() && FView.FocusedRow() == -1) {
    HideAllInspectors();
    ClearCallStack();
    FHost.ClearMessageDetails();
    FFeedback.UpdateCommands();
    return;
  }
  if (!FView.HasActiveView() || FView.RowCount() == 0) {
    HideAllInspectors();
    ClearCallStack();
    // The message details go with the inspectors: after a clear they must not show a message gone.
    FHost.ClearMessageDetails();
    FFeedback.UpdateCommands();
    return;
  }
  FView.GotoCurrentMessage();
  FHost.MessageFocused();
  const auto supports = [this](int count, int32_t type) {
    return FPlugIns && FPlugIns->InspectorSupports(count, type);
  };
  const TQBInspectorKind kind =
      ChooseInspectorKind(MessageSet.GetMsgType(), FView.IsInspectorShown(), FView.SelectedCount(), supports);
  if (kind == TQBInspectorKind::None) {
    HideAllInspectors();
    ClearCallStack();
  } else {
    InspectWith(kind);
    FillCallStack();
  }
  FFeedback.UpdateCommands();
}

void TQBInspectorPane::InspectWith(TQBInspectorKind kind) {
  ShowInspectorKind(kind);
  SetTypeGlyph();
  if (TQBStockInspector* inspector = FInspectors.ForKind(kind))
    Guarded([inspector] { inspector->Inspect(); });
  else if (kind == TQBInspectorKind::PlugIn)
    ShowPlugInInspector();
}

void TQBInspectorPane::ShowInspectorKind(TQBInspectorKind kind) {
  TQBStockInspector* inspector = FInspectors.ForKind(kind);
  if (inspector && !inspector->isHidden()) return;
  HideAllInspectors();
  if (inspector) inspector->ShowInspector();
}

void TQBInspectorPane::HideAllInspectors() {
  FToolbar->MsgTypeTab()->SetGlyph(QIcon(), QString());
  for (QObject* child : children()) {
    if (child == FToolbar || !child->isWidgetType()) continue;
    if (auto* inspector = qobject_cast<TQBStockInspector*>(child))
      inspector->HideInspector();
    else
      static_cast<QWidget*>(child)->hide();
  }
}

void TQBInspectorPane::SetTypeGlyph() {
  const TQBMessageRef msg = MessageSet.At(MessageSet.RecNo());
  const int image = msg.MsgType() >= qbmFirstCustom ? qbtypes::CustomIconIndex : msg.MsgType();
  const QIcon icon = image >= 0 && image < FMsgIcons.size() ? FMsgIcons[image] : QIcon();
  FToolbar->MsgTypeTab()->SetGlyph(icon, MsgTypeHint(msg));
}

void TQBInspectorPane::ShowPlugInInspector() {
  if (!FPlugIns) return;
  const int count = FView.SelectedCount();
  int first = 0, last = 0;
  if (count == 2) {
    FView.GetSelectedRange(first, last);
    MessageSet.GotoRec(first);
    const int32_t firstType = MessageSet.GetMsgType();
    MessageSet.GotoRec(last);
    if (MessageSet.GetMsgType() != firstType) return;
  }
  QWidget* control = FPlugIns->GetInspectorControlFor(MessageSet.GetMsgType());
  if (!control) return;
  for (QObject* child : children()) {
    if (child == control || child == FToolbar || !child->isWidgetType()) continue;
    if (!qobject_cast<TQBStockInspector*>(child)) static_cast<QWidget*>(child)->hide();
  }
  if (control->parentWidget() != this) {
    control->setParent(this);
    static_cast<QBoxLayout*>(layout())->addWidget(control, 1);
  }
  control->show();
  if (auto* one = qobject_cast<IQBInspectMessage*>(control); one && count == 1)
    Guarded([one] { one->Inspect(); });
  else if (auto* pair = qobject_cast<IQBInspectMessagePair*>(control); pair && count == 2)
    Guarded([pair, first, last] { pair->InspectPair(first, last); });
}

QWidget* TQBInspectorPane::VisibleInspectorControl() const {
  for (QObject* child : children()) {
    if (child == FToolbar || !child->isWidgetType()) continue;
    auto* widget = static_cast<QWidget*>(child);
    if (!widget->isHidden()) return widget;
  }
  return nullptr;
}

void TQBInspectorPane::ClearCallStack() {
  if (FCallStack) FCallStack->clear();
}

void TQBInspectorPane::FillCallStack() {
  if (!FCallStack) return;
  std::vector<TQBCallStackEntry> entries;
  FView.GetCallStack(entries);
  FCallStack->Fill(std::move(entries));
}

bool TQBInspectorPane::HasFocusedMessage() const { return FView.HasActiveView() && FView.FocusedRow() >= 0; }

bool TQBInspectorPane::CanCopyContents() const {
  QWidget* c = VisibleInspectorControl();
  return HasFocusedMessage() && c && (qobject_cast<TQBStockInspector*>(c) || qobject_cast<IQBInspectorCopy*>(c));
}

bool TQBInspectorPane::CanPrintContents() const {
  QWidget* c = VisibleInspectorControl();
  return HasFocusedMessage() && c && (qobject_cast<TQBStockInspector*>(c) || qobject_cast<IQBInspectorPrint*>(c));
}

void TQBInspectorPane::UpdateActions() {
  FCopyAction->setEnabled(CanCopyContents());
  FPrintAction->setEnabled(CanPrintContents());
}

void TQBInspectorPane::CopyInspectorContents() {
  QWidget* c = VisibleInspectorControl();
  if (auto* inspector = qobject_cast<TQBStockInspector*>(c))
    Guarded([inspector] { inspector->CopyContents(); });
  else if (auto* copy = qobject_cast<IQBInspectorCopy*>(c))
    Guarded([copy] { copy->CopyContents(); });
}

void TQBInspectorPane::PrintInspectorContents() {
  QWidget* c = VisibleInspectorControl();
  auto* inspector = qobject_cast<TQBStockInspector*>(c);
  auto* print = inspector ? nullptr : qobject_cast<IQBInspectorPrint*>(c);
  if (!inspector && !print) return;
  QString title;
  if (inspector) {
    const bool focused = HasFocusedMessage() && FView.GotoCurrentMessage();
    title = ProposedPrintTitle(focused, focused ? MessageSet.GetMsgText() : QString());
  } else {
    title = print->GetPrintTitle();
  }
  if (!FHost.RunInspectorPrintDialog(title)) return;
  QString error;
  {
    FFeedback.SetBusy(true);
    const TQBFinally notBusy(error, [this] { FFeedback.SetBusy(false); });
    if (inspector)
      Guarded([inspector, &title] { inspector->PrintContents(title); });
    else
      Guarded([print, &title] { print->PrintContents(title); });
  }
  if (!error.isEmpty()) FFeedback.ReportError(error);
}
