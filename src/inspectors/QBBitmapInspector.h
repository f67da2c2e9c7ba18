#pragma once
// TQBBitmapInspector: a BMP file carried as hexadecimal details text, shown at full size, scaled or
// stretched; printed enlarged to the page and copied as a picture.

#include "inspectors/QBStockInspector.h"

class QScrollArea;
class TQBPictureControl;
class TQBToolButton;

class TQBBitmapInspector : public TQBStockInspector {
  Q_OBJECT
  Q_PROPERTY(int DisplayMode READ DisplayMode WRITE SetDisplayMode)
public:
  TQBBitmapInspector(QWidget* owner, TQBInspectorToolbar* toolbar);

  void CreateContent() override;
  void CreateToolButtons(QWidget* parent) override;
  bool HasStatusBar() const override { return true; }
  void Clear() override;
  // Throws std::runtime_error when the bytes are no picture.
  void Inspect() override;
  // Draws the picture instead of the (empty) lines.
  void PrintLines(const QStringList& lines) override;
  void SetContentPopupMenu(QMenu* menu) override;
  void CopyContents() override;
  void ImagesChanged() override;

  // 0 "Scale", 1 "Full Size", 2 "Stretch" (settings key "DisplayType"); other values are ignored.
  int DisplayMode() const;
  void SetDisplayMode(int mode);

  TQBPictureControl* PictureControl() const { return FPicture; }
  QScrollArea* ScrollArea() const { return FArea; }

private:
  void ApplyMode(int mode);

  QScrollArea* FArea = nullptr;
  TQBPictureControl* FPicture = nullptr;
  TQBToolButton* FScale = nullptr;
  TQBToolButton* FStretch = nullptr;
  TQBToolButton* FFullSize = nullptr;
};
