// The modal dialog helper itself: it must answer dialogs wherever they are opened from, close what the
// answer leaves open, and fail (never hang) when the expected dialog does not come or another one
// blocks the test instead.

#include "support/QBModalAnswer.h"

#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

namespace {

using namespace std::chrono_literals;
using qbtest::AnswerModal;

// A dialog that opens a second modal dialog when its button is clicked.
class TAskingDialog : public QDialog {
  Q_OBJECT
public:
  TAskingDialog() {
    setObjectName(QStringLiteral("dlgAsking"));
    Ask = new QPushButton(QStringLiteral("Ask"), this);
    connect(Ask, &QPushButton::clicked, this, [this] {
      Answer = QMessageBox::question(this, QStringLiteral("Sure?"), QStringLiteral("Really?"));
      accept();
    });
  }
  QPushButton* Ask;
  int Answer = 0;
};

TEST(ModalAnswer, AnswersADialogOpenedByTheAnswerToAnother) {
  TAskingDialog dialog;
  const auto outer = AnswerModal<TAskingDialog>([](TAskingDialog& d) { d.Ask->click(); });
  const auto inner = AnswerModal<QMessageBox>([](QMessageBox& box) {
    EXPECT_EQ(box.text(), "Really?");
    box.button(QMessageBox::Yes)->click();
  });
  EXPECT_EQ(dialog.exec(), QDialog::Accepted);
  EXPECT_EQ(dialog.Answer, QMessageBox::Yes);
}

TEST(ModalAnswer, AnswersADialogOpenedFromAnEventHandlerAfterTheCallReturned) {
  QString typed;
  auto answer = qbtest::AnswerModalNamed(QStringLiteral("dlgName"), [](QWidget& w) {
    auto& input = static_cast<QInputDialog&>(w);
    input.setTextValue(QStringLiteral("typed"));
    input.accept();
  });
  QTimer::singleShot(0, [&] {
    QInputDialog input;
    input.setObjectName(QStringLiteral("dlgName"));
    if (input.exec() == QDialog::Accepted) typed = input.textValue();
  });
  EXPECT_TRUE(answer.Wait());
  EXPECT_EQ(typed, "typed");
}

TEST(ModalAnswer, ClosesTheDialogWhenTheAnswerLeavesItOpen) {
  QDialog dialog;
  bool seen = false;
  const auto answer = AnswerModal<QDialog>([&](QDialog&) { seen = true; });
  EXPECT_EQ(dialog.exec(), QDialog::Rejected);
  EXPECT_TRUE(seen);
}

TEST(ModalAnswer, FailsWhenTheDialogNeverComes) {
  EXPECT_NONFATAL_FAILURE(
      {
        const auto answer = AnswerModal<QDialog>([](QDialog&) {}, 100ms);
      },
      "did not open within 100 ms");
}

TEST(ModalAnswer, FailsAndClosesAnotherDialogThatBlocksTheTest) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Unexpected"), QStringLiteral("unexpected"));
  EXPECT_NONFATAL_FAILURE(
      {
        const auto answer = AnswerModal<TAskingDialog>([](TAskingDialog&) {}, 100ms);
        box.exec();
      },
      "did not open within 100 ms; closing the modal dialog that came instead: QMessageBox \"Unexpected\"");
  EXPECT_FALSE(box.isVisible());
}

TEST(NoModalDialog, FailsAndClosesEveryModalDialog) {
  QDialog dialog;
  dialog.setWindowTitle(QStringLiteral("Asks anyway"));
  EXPECT_NONFATAL_FAILURE(
      {
        const qbtest::TNoModalDialog none;
        dialog.exec();
      },
      "a modal dialog opened where none may: QDialog \"Asks anyway\"");
}

}  // namespace

#include "QBModalAnswerTest.moc"
