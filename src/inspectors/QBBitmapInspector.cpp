#include "inspectors/QBBitmapInspector.h"

#include "inspectors/QBPictureControl.h"
#include "inspectors/QBPopupMenus.h"
#include "inspectors/QBPrintJob.h"
#include "inspectors/QBToolButtons.h"
#include "inspectors/parsers/QBHexDecoder.h"
#include "inspectors/parsers/QBPrintLayout.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QButtonGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QScrollArea>
#include <QScrollBar>

#include <stdexcept>

TQBBitmapInspector::TQBBitmapInspector(QWidget* owner, TQBInspectorToolbar* toolbar)
    : TQBStockInspector(owner, toolbar) {}

void TQBBitmapInspector::CreateContent() {
  FArea = new QScrollArea(this);
  FArea->setObjectName(QStringLiteral("sbxPicture"));
  FArea->setFrameShape(QFrame::NoFrame);
  FArea->setBackgroundRole(QPalette::Base);
  FPicture = new TQBPictureControl;
  FArea->setWidget(FPicture);
  AddContent(FArea);
  SetDisplayMode(TQBPictureControl::FullSize);
}

void TQBBitmapInspector::CreateToolButtons(QWidget* parent) {
  FScale = AddToolButton(parent, QStringLiteral("Scale"), 3, true);
  AddButtonGap(parent, 1);
  FStretch = AddToolButton(parent, QStringLiteral("Stretch"), 5, true);
  AddButtonGap(parent, 1);
  FFullSize = AddToolButton(parent, QStringLiteral("Full Size"), 4, true);
  AddButtonGroove(parent);
  auto* group = new QButtonGroup(parent);
  group->setExclusive(true);
  group->addButton(FScale, TQBPictureControl::Scale);
  group->addButton(FFullSize, TQBPictureControl::FullSize);
  group->addButton(FStretch, TQBPictureControl::Stretch);
  FFullSize->setChecked(true);
  connect(group, &QButtonGroup::idClicked, this, &TQBBitmapInspector::ApplyMode);
}

void TQBBitmapInspector::ImagesChanged() {
  for (TQBToolButton* button : {FScale, FStretch, FFullSize}) button->SetImages(Images());
}

int TQBBitmapInspector::DisplayMode() const {
  if (FScale->isChecked()) return TQBPictureControl::Scale;
  return FFullSize->isChecked() ? TQBPictureControl::FullSize : TQBPictureControl::Stretch;
}

void TQBBitmapInspector::SetDisplayMode(int mode) {
  TQBToolButton* button = mode == TQBPictureControl::Scale      ? FScale
                          : mode == TQBPictureControl::FullSize ? FFullSize
                          : mode == TQBPictureControl::Stretch  ? FStretch
                                                                : nullptr;
  if (!button) return;
  button->setChecked(true);
  ApplyMode(mode);
}

void TQBBitmapInspector::ApplyMode(int mode) {
  const auto m = TQBPictureControl::TMode(mode);
  // Scale and stretch draw into the whole area; full size keeps the picture's size and scrolls.
  FArea->setWidgetResizable(m != TQBPictureControl::FullSize);
  FPicture->SetMode(m);
  if (m == TQBPictureControl::FullSize) FPicture->resize(FPicture->Picture().size());
}

void TQBBitmapInspector::Clear() {
  FPicture->SetPicture(QImage());
  SetStatus(QStringLiteral("0 x 0"));
}

void TQBBitmapInspector::Inspect() {
  // The hex digits are ASCII, so the stored UTF-8 bytes decode the same as the text would up to the
  // first pair that is not hex; reading them directly spares converting a picture's worth of text. Only
  // the count of zero bytes after such a pair can differ, and a BMP file ends where its header says.
  const int recNo = MessageSet.RecNo();
  const QByteArray bytes =
      recNo >= 1 && recNo <= MessageSet.GetRecordCount()
          ? DecodeHexBytes(MessageSet.At(recNo).DetailsUtf8())
          : DecodeHexBytes(MessageSet.GetDetails());
  QImage picture;
  if (!picture.loadFromData(bytes, "BMP")) throw std::runtime_error("The bitmap could not be decoded.");
  FPicture->SetPicture(std::move(picture));
  FArea->horizontalScrollBar()->setValue(0);
  FArea->verticalScrollBar()->setValue(0);
  SetStatus(QStringLiteral("%1 x %2").arg(FPicture->Picture().width()).arg(FPicture->Picture().height()));
}

void TQBBitmapInspector::PrintLines(const QStringList&) {
  if (!PrintJob()) return;
  const QRect target = ScaledPictureRect(FPicture->Picture().size(), PrintJob()->PageSize());
  if (target.isNull()) return;
  PrintJob()->Painter().drawImage(target, FPicture->Picture());
}

void TQBBitmapInspector::SetContentPopupMenu(QMenu* menu) { AttachPopupMenu(FPicture, menu); }

void TQBBitmapInspector::CopyContents() { QGuiApplication::clipboard()->setImage(FPicture->Picture()); }
