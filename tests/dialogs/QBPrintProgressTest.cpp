// The print job's progress: modal over the program while the job runs, the windows still repaint,
// input reaches only the Cancel button, and Cancel ends the job.

#include "dialogs/QBPrintProgress.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QMainWindow>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

namespace {

// A window that counts its paints and has a command on a shortcut.
class TCountingWindow final : public QMainWindow {
public:
  TCountingWindow() {
    Command = new QAction(this);
    Command->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    addAction(Command);
    connect(Command, &QAction::triggered, this, [this] { ++Commands; });
    resize(300, 200);
  }
  int Paints = 0;
  int Commands = 0;
  QAction* Command;

protected:
  void paintEvent(QPaintEvent* event) override {
    ++Paints;
    QMainWindow::paintEvent(event);
  }
};

// Steps the job until it reports a cancel or the deadline passes; the steps' count.
int StepUntilCancelled(TQBPrintProgressDialog& progress, int maxMs) {
  const QDeadlineTimer deadline(maxMs);
  int steps = 0;
  while (!deadline.hasExpired()) {
    ++steps;
    if (!progress.Step()) return steps;
    QThread::msleep(2);
  }
  return -1;
}

TEST(PrintProgress, ModalOverTheProgramRepaintingAndCancelEndsTheJob) {
  TCountingWindow window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  // The shortcut works while nothing prints.
  QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
  ASSERT_EQ(window.Commands, 1);

  TQBPrintProgressDialog progress(&window, QStringLiteral("Errors"));
  progress.Start(1000);
  QProgressDialog* dialog = progress.Dialog();
  ASSERT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
  EXPECT_EQ(QApplication::activeModalWidget(), dialog);
  EXPECT_EQ(dialog->labelText(), QStringLiteral("Printing Errors..."));

  // The window repaints while the job runs.
  const int paints = window.Paints;
  window.update();
  QThread::msleep(60);
  EXPECT_TRUE(progress.Step());
  EXPECT_GT(window.Paints, paints);

  // A command of the window does not run: the window takes no input while the job runs.
  QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
  QThread::msleep(60);
  EXPECT_TRUE(progress.Step());
  EXPECT_EQ(window.Commands, 1);

  // Cancel ends the job at the next step.
  auto* cancel = dialog->findChild<QPushButton*>(QStringLiteral("btnCancel"));
  ASSERT_NE(cancel, nullptr);
  QTimer::singleShot(0, cancel, [cancel] { cancel->click(); });
  EXPECT_GT(StepUntilCancelled(progress, 5000), 0) << "Cancel never reached the job";
}

}  // namespace
