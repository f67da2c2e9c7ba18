// The progress of a long search: nothing shows for a short search, a long one shows a modal window
// whose Cancel (or Escape) stops it, and a terminate signal stops it at the next check, shown or not.

#include "dialogs/QBSearchProgress.h"
#include "shell/QBTerminateRequest.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QProgressDialog>
#include <QTest>
#include <QThread>
#include <QTimer>

namespace {

struct TTerminateReset {
  ~TTerminateReset() { qbterminate::Reset(); }
};

TEST(SearchProgress, ShowsAfterAWhileAndCancelOrEscapeStopsTheSearch) {
  QWidget view;
  view.resize(300, 200);
  view.show();
  TQBSearchProgressDialog progress(&view, QStringLiteral("(a+)+$"));
  EXPECT_TRUE(progress.Continue(32, 2000));
  EXPECT_EQ(progress.Dialog(), nullptr) << "a short search shows nothing";

  QThread::msleep(TQBSearchProgressDialog::ShowAfterMs + 20);
  EXPECT_TRUE(progress.Continue(64, 2000));
  QProgressDialog* dialog = progress.Dialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
  EXPECT_EQ(dialog->labelText(), QStringLiteral("Searching for '(a+)+$'..."));

  // Escape in the active dialog is a shortcut; a second shortcut on the key would make it do nothing.
  QTimer::singleShot(0, dialog, [dialog] {
    dialog->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
    QTest::keyClick(dialog, Qt::Key_Escape);
  });
  const QDeadlineTimer deadline(5000);
  bool stopped = false;
  for (int searched = 96; !deadline.hasExpired() && !stopped; searched += 32) {
    stopped = !progress.Continue(searched, 2000);
    QThread::msleep(5);
  }
  EXPECT_TRUE(stopped) << "Escape never reached the search";
}

TEST(SearchProgress, ATerminateRequestStopsTheSearchAtItsNextCheck) {
  const TTerminateReset reset;
  TQBSearchProgressDialog progress(nullptr, QStringLiteral("x"));
  EXPECT_TRUE(progress.Continue(1, 10));
  qbterminate::Request();
  EXPECT_FALSE(progress.Continue(2, 10));
  EXPECT_EQ(progress.Dialog(), nullptr);
}

}  // namespace
