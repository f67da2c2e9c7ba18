#include "window/QBStatusPanes.h"

#include "model/QBDisplayText.h"
#include "shell/QBStatusTexts.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolButton>

#include <algorithm>

namespace {

// A pane that keeps at least the room of the longest text it is meant to show, in the font it has:
// the status message beside it may be long, and the status bar gives every pane no more than its
// minimum once the texts do not all fit.
class TPane final : public QLabel {
public:
  TPane(QWidget* parent, int minWidth, QStringList longest)
      : QLabel(parent), FMinWidth(minWidth), FLongest(std::move(longest)) {}

  QSize minimumSizeHint() const override {
    QSize hint = QLabel::minimumSizeHint();
    int width = FMinWidth;
    if (!FLongest.isEmpty()) {
      // The frame, margins and indent around the text, as the label measures its own.
      const int around = QLabel::sizeHint().width() - fontMetrics().horizontalAdvance(text());
      for (const QString& sample : FLongest) width = std::max(width, around + fontMetrics().horizontalAdvance(sample));
    }
    hint.setWidth(width);
    return hint;
  }

private:
  int FMinWidth;
  QStringList FLongest;
};

// The longest plausible counts: logs of up to ten million messages (2.4 GB); longer texts show whole
// while the window has room for them.
constexpr int LargestCount = 9'999'999;

// The pane's text is its accessible value: "Message count: 12 out of 30 Messages". Texts carry names
// from files (a view's, a project's, a log's), shown on the pane's one line with their controls and
// line breaks as marks.
void SetPaneText(QLabel* pane, const QString& caption, const QString& shownText) {
  const QString text = VisibleName(shownText);
  pane->setText(text);
  pane->setAccessibleDescription(text);
  pane->setAccessibleName(text.isEmpty() ? caption : caption + QStringLiteral(": ") + text);
}

}  // namespace

TQBStatusPanes::TQBStatusPanes(QStatusBar* bar) : QObject(bar) {
  bar->setObjectName(QStringLiteral("StatusBar"));
  bar->setSizeGripEnabled(true);
  FTimeDiff = AddLabel(bar, "stsTimeDiff", QStringLiteral("Time difference"), 84, 0,
                       {qbstatus::TimeDiffText(0, 0, 0, 86'399'999), qbstatus::TimeDiffText(1, 0, 0, 0)});
  FMsgNumber = AddLabel(bar, "stsMsgNumber", QStringLiteral("Message number"), 70, 0,
                        {qbstatus::MessageNumberText(LargestCount)});
  FMsgNumber->setCursor(Qt::PointingHandCursor);
  FMsgNumber->setToolTip(QStringLiteral("Jump to Message"));
  FMsgNumber->installEventFilter(this);
  FMsgCount = AddLabel(bar, "stsMsgCount", QStringLiteral("Message count"), 170, 0,
                       {qbstatus::MessageCountText(LargestCount, LargestCount)});
  FSelCount = AddLabel(bar, "stsSelCount", QStringLiteral("Selection count"), 80, 0,
                       {qbstatus::SelectionCountText(LargestCount)});
  // The project's name and the status message give way first when the window is narrow.
  FProject = AddLabel(bar, "stsProject", QStringLiteral("Project"), 40, 0);
  // The pane keeps its place; the bar in it shows only while something reports progress.
  auto* progressPane = new QWidget(bar);
  progressPane->setObjectName(QStringLiteral("stsProgressPane"));
  progressPane->setFixedWidth(170);
  auto* paneLayout = new QHBoxLayout(progressPane);
  paneLayout->setContentsMargins(4, 0, 4, 0);
  paneLayout->setSpacing(4);
  FProgress = new QProgressBar(progressPane);
  FProgress->setObjectName(QStringLiteral("stsProgress"));
  FProgress->setAccessibleName(QStringLiteral("Progress"));
  FProgress->setMaximumHeight(14);
  FProgress->setTextVisible(false);
  paneLayout->addWidget(FProgress, 1);
  // A load of a large or slow file can be stopped here (or with Escape); what was read stays.
  FStop = new QToolButton(progressPane);
  FStop->setObjectName(QStringLiteral("btnStopLoad"));
  FStop->setText(QStringLiteral("Stop"));
  FStop->setToolTip(QStringLiteral("Stop Loading (Esc)"));
  FStop->setAccessibleName(QStringLiteral("Stop loading"));
  FStop->setAutoRaise(true);
  FStop->setFocusPolicy(Qt::NoFocus);
  QSizePolicy stopPolicy = FStop->sizePolicy();
  stopPolicy.setRetainSizeWhenHidden(true);
  FStop->setSizePolicy(stopPolicy);
  FStop->hide();
  connect(FStop, &QToolButton::clicked, this, &TQBStatusPanes::StopClicked);
  paneLayout->addWidget(FStop);
  bar->addWidget(progressPane, 0);
  SetProgressTotal(0);
  // A long message takes what the other panes leave; it never pushes them below their texts.
  FMessage = AddLabel(bar, "stsMessage", QStringLiteral("Status message"), 0, 1);
  FMessage->setSizePolicy(QSizePolicy::Ignored, FMessage->sizePolicy().verticalPolicy());
  SetPaneText(FProject, QStringLiteral("Project"), QStringLiteral("Project:"));
}

QLabel* TQBStatusPanes::AddLabel(QStatusBar* bar, const char* name, const QString& accessible, int minWidth,
                                 int stretch, const QStringList& longest) {
  auto* label = new TPane(bar, minWidth, longest);
  label->setObjectName(QLatin1String(name));
  label->setAccessibleName(accessible);
  label->setContentsMargins(4, 0, 4, 0);
  label->setTextFormat(Qt::PlainText);
  label->setFrameShape(QFrame::StyledPanel);
  label->setFrameShadow(QFrame::Sunken);
  bar->addWidget(label, stretch);
  return label;
}

void TQBStatusPanes::SetTimeDiff(const QString& text, bool enabled) {
  SetPaneText(FTimeDiff, QStringLiteral("Time difference"), enabled ? text : QString());
  FTimeDiff->setEnabled(enabled);
}

void TQBStatusPanes::SetMessageNumber(const QString& text) {
  SetPaneText(FMsgNumber, QStringLiteral("Message number"), text);
}
void TQBStatusPanes::SetMessageCount(const QString& text) {
  SetPaneText(FMsgCount, QStringLiteral("Message count"), text);
}
void TQBStatusPanes::SetSelectionCount(const QString& text) {
  SetPaneText(FSelCount, QStringLiteral("Selection count"), text);
}
void TQBStatusPanes::SetProject(const QString& text) { SetPaneText(FProject, QStringLiteral("Project"), text); }
void TQBStatusPanes::SetStatusText(const QString& text) {
  SetPaneText(FMessage, QStringLiteral("Status message"), text);
}

void TQBStatusPanes::SetProgressTotal(int total) {
  FProgress->setRange(0, total > 0 ? total : 1);
  FProgress->setValue(0);
  // Hidden without a total; retained size keeps the status message pane from jumping.
  QSizePolicy policy = FProgress->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  FProgress->setSizePolicy(policy);
  FProgress->setVisible(total > 0);
}

void TQBStatusPanes::SetProgress(int position) { FProgress->setValue(qMin(position, FProgress->maximum())); }

void TQBStatusPanes::StepProgress() { SetProgress(FProgress->value() + 1); }

void TQBStatusPanes::SetStopVisible(bool visible) { FStop->setVisible(visible); }

bool TQBStatusPanes::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FMsgNumber && event->type() == QEvent::MouseButtonRelease) emit MessageNumberClicked();
  return QObject::eventFilter(watched, event);
}
