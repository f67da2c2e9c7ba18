// The About box: its size and frame, the version of the build, its links, moving and closing.

#include "support/QBChild.h"
#include "support/QBModalAnswer.h"

#include "dialogs/QBAboutForm.h"

#include "QBBuildInfo.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

namespace {

using qbtest::Child;
using qbtest::AnswerModal;

TEST(AboutBox, IsABorderlessPictureWithTheBuildsVersionAndTheToolsName) {
  TFrmAbout box;
  box.show();
  EXPECT_EQ(box.size(), QSize(425, 350));
  EXPECT_TRUE(box.windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(Child<QLabel>(&box, "lblVersion")->text(), QStringLiteral("Version ") + QStringLiteral(QB_VERSION_TEXT));
  EXPECT_FALSE(QStringLiteral(QB_VERSION_TEXT).isEmpty());
  EXPECT_EQ(Child<QLabel>(&box, "lblTool")->text(), QStringLiteral("Quillbox File Viewer"));
  EXPECT_EQ(Child<QLabel>(&box, "lblDescription")->text(),
            QStringLiteral("The Quillbox File Viewer is used for analyzing Quillbox messages saved in Quillbox Log "
                           "Files during \"file\" logging."));
  // The picture is drawn: its pixels are not all one colour.
  const QImage shot = box.grab().toImage();
  EXPECT_NE(shot.pixelColor(5, 5), shot.pixelColor(400, 340));
}

TEST(AboutBox, LinksOpenTheirAddressAndAnEmptyOneDoesNothing) {
  QStringList opened;
  TQBLinkLabel::SetOpener([&](const QString& address) {
    opened << address;
    return true;
  });
  TQBLinkLabel given(QStringLiteral("write"), QStringLiteral("mailto:someone@example.org"), nullptr);
  TQBLinkLabel empty(QStringLiteral("nowhere"), QString(), nullptr);
  given.show();
  empty.show();
  EXPECT_EQ(given.cursor().shape(), Qt::PointingHandCursor);
  EXPECT_TRUE(given.font().bold() && given.font().underline());
  QTest::mouseClick(&given, Qt::LeftButton);
  QTest::mouseClick(&empty, Qt::LeftButton);
  EXPECT_EQ(opened, QStringList{QStringLiteral("mailto:someone@example.org")});
  TQBLinkLabel::SetOpener(nullptr);
}

TEST(AboutBox, DraggingThePictureMovesTheBox) {
  TFrmAbout box;
  box.move(100, 100);
  box.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
  const QPoint start = box.pos();
  QTest::mousePress(&box, Qt::LeftButton, Qt::NoModifier, QPoint(200, 20));
  QMouseEvent move(QEvent::MouseMove, QPointF(260, 70), box.mapToGlobal(QPointF(260, 70)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&box, &move);
  QTest::mouseRelease(&box, Qt::LeftButton, Qt::NoModifier, QPoint(260, 70));
  EXPECT_EQ(box.pos(), start + QPoint(60, 50));
}

TEST(AboutBox, TheCloseAreaAndEscapeCloseIt) {
  for (const bool escape : {false, true}) {
    bool closed = false;
    auto answer = AnswerModal<TFrmAbout>([&](TFrmAbout& d) {
      if (escape) QTest::keyClick(&d, Qt::Key_Escape);
      else QTest::mouseClick(Child<QPushButton>(&d, "imgClose"), Qt::LeftButton);
      closed = !d.isVisible();
    });
    TFrmAbout::Execute(nullptr);
    EXPECT_TRUE(closed) << (escape ? "Escape" : "the close area") << " left the box open";
  }
}

}  // namespace
