#include "dialogs/QBAboutForm.h"

#include "QBBuildInfo.h"
#include "QBResources.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QUrl>

namespace {

constexpr QSize AboutSize(425, 350);
// The close area as the picture draws it.
constexpr QRect CloseArea(333, 312, 81, 26);

TQBLinkLabel::TOpener& Opener() {
  static TQBLinkLabel::TOpener opener = [](const QString& address) {
    return QDesktopServices::openUrl(QUrl(address));
  };
  return opener;
}

QLabel* Text(const QString& name, const QString& text, int pointSize, bool bold, const QRect& where, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  QFont font = label->font();
  font.setPointSize(pointSize);
  font.setBold(bold);
  label->setFont(font);
  label->setStyleSheet(QStringLiteral("color: #ffffff;"));
  label->setGeometry(where);
  label->setAccessibleName(text);
  return label;
}

// What a link shows: its address without the scheme, or the caption when the build names no address.
QString LinkText(const QString& address, const QString& caption) {
  if (address.isEmpty()) return caption;
  const QUrl url(address);
  return url.scheme() == QLatin1String("mailto") || url.scheme() == QLatin1String("news") ? url.path() : address;
}

}  // namespace

void TQBLinkLabel::SetOpener(TOpener opener) {
  Opener() = opener ? std::move(opener) : [](const QString& address) { return QDesktopServices::openUrl(QUrl(address)); };
}

TQBLinkLabel::TQBLinkLabel(const QString& text, const QString& address, QWidget* parent)
    : QLabel(text, parent), FAddress(address) {
  QFont f = font();
  f.setBold(true);
  f.setUnderline(true);
  setFont(f);
  setStyleSheet(QStringLiteral("color: #ffd27a;"));
  setCursor(Qt::PointingHandCursor);
  setAccessibleName(text);
  setAccessibleDescription(address);
}

void TQBLinkLabel::mousePressEvent(QMouseEvent* event) {
  // Taken here, so the release comes here too instead of moving the window.
  event->accept();
}

void TQBLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && !FAddress.isEmpty())
    Opener()(FAddress);
  event->accept();
}

TFrmAbout::TFrmAbout(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  QBInitResources();
  setObjectName(QStringLiteral("FrmAbout"));
  setWindowTitle(QStringLiteral("About Quillbox"));
  setAccessibleName(QStringLiteral("About Quillbox"));
  setFixedSize(AboutSize);
  FBackground = new QSvgRenderer(QStringLiteral(":/images/about.svg"), this);

  Text(QStringLiteral("lblVersion"), VersionText(), 9, true, {20, 14, 300, 18}, this);
  Text(QStringLiteral("lblNotice"), QStringLiteral("Copyright \u00A9 Tolvane. All rights reserved."), 7, false,
       {20, 32, 300, 14}, this);
  Text(QStringLiteral("lblTool"), QStringLiteral("Quillbox File Viewer"), 18, true, {20, 48, 300, 34}, this);
  QLabel* description = Text(QStringLiteral("lblDescription"),
                             QStringLiteral("The Quillbox File Viewer is used for analyzing Quillbox messages saved in "
                                            "Quillbox Log Files during \"file\" logging."),
                             9, false, {20, 100, 270, 70}, this);
  description->setWordWrap(true);
  description->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  Text(QStringLiteral("lblProduct"), QStringLiteral("Product Information"), 9, true, {20, 184, 260, 18}, this);
  const QString web = QStringLiteral(QB_WEB_ADDRESS);
  auto* site = new TQBLinkLabel(LinkText(web, QStringLiteral("Quillbox on the web")), web, this);
  site->setObjectName(QStringLiteral("lnkWebSite"));
  site->setGeometry(30, 202, 260, 18);

  Text(QStringLiteral("lblTechSupport"), QStringLiteral("Technical Support"), 9, true, {20, 232, 260, 18}, this);
  const struct {
    const char* Name;
    const char* Label;
    QString Address;
    const char* Caption;
    int Top;
  } links[] = {
      {"lnkNewsgroup", "Newsgroup:", QStringLiteral(QB_NEWS_ADDRESS), "Quillbox support newsgroup", 250},
      {"lnkEmail", "E-mail:", QStringLiteral(QB_MAIL_ADDRESS), "Quillbox support", 268},
  };
  for (const auto& l : links) {
    Text(QString::fromLatin1(l.Name) + QStringLiteral("Label"), QString::fromLatin1(l.Label), 9, false, {30, l.Top, 80, 18},
         this);
    auto* link = new TQBLinkLabel(LinkText(l.Address, QString::fromLatin1(l.Caption)), l.Address, this);
    link->setObjectName(QString::fromLatin1(l.Name));
    link->setGeometry(112, l.Top, 210, 18);
  }

  // The close area is drawn in the picture; this transparent button takes its clicks.
  auto* close = new QPushButton(this);
  close->setObjectName(QStringLiteral("imgClose"));
  close->setAccessibleName(QStringLiteral("Close"));
  close->setFlat(true);
  close->setStyleSheet(QStringLiteral("background: transparent; border: none;"));
  close->setCursor(Qt::PointingHandCursor);
  close->setGeometry(CloseArea);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

TFrmAbout::~TFrmAbout() = default;

QString TFrmAbout::VersionText() { return QStringLiteral("Version %1").arg(QStringLiteral(QB_VERSION_TEXT)); }

void TFrmAbout::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  FBackground->render(&painter, QRectF(rect()));
}

void TFrmAbout::mousePressEvent(QMouseEvent* event) {
  // The picture is the title bar: pressing anywhere on it picks the window up.
  if (event->button() != Qt::LeftButton) return QDialog::mousePressEvent(event);
  FDragging = true;
  FGrab = event->globalPosition().toPoint() - frameGeometry().topLeft();
  event->accept();
}

void TFrmAbout::mouseMoveEvent(QMouseEvent* event) {
  if (!FDragging || !(event->buttons() & Qt::LeftButton)) return QDialog::mouseMoveEvent(event);
  move(event->globalPosition().toPoint() - FGrab);
  event->accept();
}

void TFrmAbout::mouseReleaseEvent(QMouseEvent* event) {
  FDragging = false;
  QDialog::mouseReleaseEvent(event);
}

void TFrmAbout::Execute(QWidget* parent) {
  TFrmAbout box(parent);
  QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  if (screen) box.move(screen->availableGeometry().center() - QPoint(AboutSize.width() / 2, AboutSize.height() / 2));
  box.exec();
}
