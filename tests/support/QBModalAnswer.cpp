#include "support/QBModalAnswer.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

namespace qbtest {

namespace {

constexpr std::chrono::milliseconds kPollInterval{10};

// Set on a dialog once a helper has taken it, so a second helper waiting for the same class answers
// the next dialog, not this one while its answer is still running.
constexpr char kClaimed[] = "qbtestModalClaimed";

bool IsOpenModal(const QWidget* w) { return w->isVisible() && w->isModal(); }

// The visible modal windows nobody has taken, the active one first.
QList<QWidget*> OpenModals() {
  QList<QWidget*> found;
  if (QWidget* active = QApplication::activeModalWidget(); active && !active->property(kClaimed).toBool())
    found << active;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (IsOpenModal(w) && !w->property(kClaimed).toBool() && !found.contains(w)) found << w;
  return found;
}

std::string Describe(const QWidget* w) {
  return QStringLiteral("%1 \"%2\" (%3)")
      .arg(QString::fromLatin1(w->metaObject()->className()), w->windowTitle(), w->objectName())
      .toStdString();
}

}  // namespace

void CloseModal(QWidget* window) {
  QPointer<QWidget> w(window);
  if (auto* dialog = qobject_cast<QDialog*>(w)) dialog->reject();
  else w->close();
  // A window that refuses to close still leaves its event loop when hidden.
  if (w && w->isVisible()) w->hide();
}

TModalAnswer::TModalAnswer(QString what, TMatch match, TAnswer answer, std::chrono::milliseconds timeout)
    : FWhat(std::move(what)), FMatch(std::move(match)), FAnswer(std::move(answer)), FTimeout(timeout) {
  FClock.start();
  QObject::connect(&FTimer, &QTimer::timeout, [this] { Poll(); });
  FTimer.start(kPollInterval);
}

TModalAnswer::~TModalAnswer() { Wait(); }

bool TModalAnswer::Wait() {
  // A wait that runs out leaves the state at Waiting, which the next line handles.
  if (FState == TState::Waiting)
    (void)QTest::qWaitFor([this] { return FState != TState::Waiting; }, int(FTimeout.count()) + 1000);
  if (FState == TState::Waiting) GiveUp();
  return Answered();
}

void TModalAnswer::Poll() {
  if (FState != TState::Waiting) return;
  for (QWidget* w : OpenModals()) {
    if (!FMatch(w)) continue;
    FTimer.stop();
    FState = TState::Answered;
    QPointer<QWidget> dialog(w);
    dialog->setProperty(kClaimed, true);
    FAnswer(dialog);
    if (dialog && dialog->isVisible()) CloseModal(dialog);
    if (dialog) dialog->setProperty(kClaimed, QVariant());
    return;
  }
  if (FClock.elapsed() > FTimeout.count()) GiveUp();
}

void TModalAnswer::GiveUp() {
  FTimer.stop();
  FState = TState::TimedOut;
  std::string closed;
  for (QWidget* w : OpenModals()) {
    closed += "; closing the modal dialog that came instead: " + Describe(w);
    CloseModal(w);
  }
  ADD_FAILURE() << "the modal dialog " << FWhat.toStdString() << " did not open within " << FTimeout.count()
                << " ms" << closed;
}

TModalAnswer AnswerModalNamed(const QString& objectName, std::function<void(QWidget&)> answer,
                              std::chrono::milliseconds timeout) {
  return TModalAnswer(
      objectName, [objectName](QWidget* w) { return w->objectName() == objectName; },
      [answer = std::move(answer)](QWidget* w) { answer(*w); }, timeout);
}

TNoModalDialog::TNoModalDialog() {
  QObject::connect(&FTimer, &QTimer::timeout, [this] { Poll(); });
  FTimer.start(kPollInterval);
}

TNoModalDialog::~TNoModalDialog() { Poll(); }

void TNoModalDialog::Poll() {
  for (QWidget* w : OpenModals()) {
    ADD_FAILURE() << "a modal dialog opened where none may: " << Describe(w);
    ++FClosed;
    CloseModal(w);
  }
}

}  // namespace qbtest
