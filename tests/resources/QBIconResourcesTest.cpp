// The compiled-in icon lists: the message icons (one per type code 0..44, 45 for custom types)
// and the bookmark icons (bookmarks 0..9, the sync mark at 10).

#include "QBResources.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

// Readable failure messages for the Qt values compared below.
void PrintTo(const QSize& size, std::ostream* out) { *out << size.width() << 'x' << size.height(); }
void PrintTo(const QRectF& r, std::ostream* out) {
  *out << '(' << r.x() << ',' << r.y() << ' ' << r.width() << 'x' << r.height() << ')';
}
void PrintTo(const QStringList& list, std::ostream* out) { *out << '[' << list.join(", ").toStdString() << ']'; }
void PrintTo(const QImage& image, std::ostream* out) { PrintTo(image.size(), out); }

namespace {

struct IconList {
  const char* Name;
  QString Folder;
  QStringList Files;  // in index order
  QSize Size;
};

std::vector<IconList> IconLists() {
  IconList messages{"message icons", ":/icons/messages", {}, QSize(16, 11)};
  for (int n = 0; n < 46; ++n) messages.Files << QStringLiteral("msg%1.svg").arg(n, 2, 10, QChar('0'));
  IconList bookmarks{"bookmark icons", ":/icons/bookmarks", {}, QSize(16, 11)};
  for (int n = 0; n < 10; ++n) bookmarks.Files << QStringLiteral("bookmark%1.svg").arg(n);
  bookmarks.Files << QStringLiteral("sync.svg");
  return {messages, bookmarks};
}

// Warnings that the SVG module prints while parsing: an element or attribute it does not
// support is dropped silently from the picture, so any warning is a fault in the icon.
QStringList g_svgWarnings;

void CollectWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtDebugMsg && type != QtInfoMsg)
    g_svgWarnings << QStringLiteral("%1: %2").arg(QString::fromLatin1(context.category), message);
}

QImage Render(QSvgRenderer& renderer, QSize size) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter, QRectF(QPointF(0, 0), size));
  return image;
}

double Coverage(const QImage& image) {
  int painted = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) painted += qAlpha(image.pixel(x, y)) > 0;
  return double(painted) / (image.width() * image.height());
}

class IconResources : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { QBInitResources(); }
};

TEST_F(IconResources, EachListHoldsExactlyItsIndexedFiles) {
  for (const IconList& list : IconLists()) {
    SCOPED_TRACE(list.Name);
    QStringList present = QDir(list.Folder).entryList(QDir::Files, QDir::Name);
    QStringList expected = list.Files;
    expected.sort();
    EXPECT_EQ(present, expected);
  }
}

TEST_F(IconResources, EveryIconIsCleanSvgOfItsNominalSizeAndDrawsAVisibleShape) {
  for (const IconList& list : IconLists()) {
    for (const QString& file : list.Files) {
      const QString path = list.Folder + '/' + file;
      SCOPED_TRACE(path.toStdString());
      ASSERT_TRUE(QFile::exists(path));

      g_svgWarnings.clear();
      QtMessageHandler previous = qInstallMessageHandler(CollectWarnings);
      QSvgRenderer renderer(path);
      const QImage image = Render(renderer, list.Size);
      qInstallMessageHandler(previous);

      ASSERT_TRUE(renderer.isValid());
      EXPECT_EQ(g_svgWarnings, QStringList());
      EXPECT_EQ(renderer.defaultSize(), list.Size);
      EXPECT_EQ(renderer.viewBoxF(), QRectF(QPointF(0, 0), list.Size));
      // A real picture covers a fair part of its cell (the sparsest, 41, about a fifth); an empty,
      // shrunken or misplaced drawing does not.
      EXPECT_GE(Coverage(image), 0.15);
    }
  }
}

TEST_F(IconResources, NoTwoIconsOfAListLookAlike) {
  for (const IconList& list : IconLists()) {
    SCOPED_TRACE(list.Name);
    std::vector<QImage> images;
    for (const QString& file : list.Files) {
      QSvgRenderer renderer(list.Folder + '/' + file);
      images.push_back(Render(renderer, list.Size));
    }
    for (size_t a = 0; a < images.size(); ++a)
      for (size_t b = a + 1; b < images.size(); ++b)
        EXPECT_NE(images[a], images[b]) << list.Files[a].toStdString() << " and " << list.Files[b].toStdString();
  }
}

TEST_F(IconResources, InitialisingTwiceKeepsTheIcons) {
  QBInitResources();
  EXPECT_TRUE(QSvgRenderer(QStringLiteral(":/icons/messages/msg45.svg")).isValid());
}

}  // namespace
