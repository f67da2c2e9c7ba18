#pragma once
// The bitmap inspector's picture: drawn at full size, shrunk to fit (scale) or stretched over the
// control, painting only the exposed part.

#include <QImage>
#include <QWidget>

class TQBPictureControl : public QWidget {
  Q_OBJECT
public:
  // 0 scale, 1 full size, 2 stretch: the values of DisplayMode.
  enum TMode { Scale = 0, FullSize = 1, Stretch = 2 };

  explicit TQBPictureControl(QWidget* parent = nullptr);

  const QImage& Picture() const { return FPicture; }
  void SetPicture(QImage picture);
  void SetMode(TMode mode);
  TMode Mode() const { return FMode; }
  // Where the picture is drawn in the control.
  QRect PictureRect() const;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QImage FPicture;
  TMode FMode = FullSize;
};
