#pragma once
// The About box: a borderless 425 by 350 picture window centred on the screen, with the version, a
// notice line, the tool's name and description and the contact links drawn over the picture. Pressing
// the mouse on the picture moves the window; the close area in the picture's corner and Escape close
// it. A link opens its address with the desktop's handler for that kind of address; an empty address
// does nothing.

#include <QDialog>
#include <QLabel>
#include <QPoint>
#include <QString>

#include <functional>

class QSvgRenderer;

// A link drawn bold, underlined and coloured, with the hand cursor.
class TQBLinkLabel : public QLabel {
  Q_OBJECT
public:
  TQBLinkLabel(const QString& text, const QString& address, QWidget* parent);
  const QString& Address() const { return FAddress; }

  // Opens an address; tests replace it. Returns whether it was handed to a handler.
  using TOpener = std::function<bool(const QString& address)>;
  static void SetOpener(TOpener opener);

protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  QString FAddress;
};

class TFrmAbout : public QDialog {
  Q_OBJECT
public:
  explicit TFrmAbout(QWidget* parent = nullptr);
  ~TFrmAbout() override;

  // The version text the build gives ("Version 4.0.0").
  static QString VersionText();
  // Shows the box modally, centred on the screen.
  static void Execute(QWidget* parent);

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  QSvgRenderer* FBackground = nullptr;
  bool FDragging = false;
  QPoint FGrab;  // where the pointer holds the window, from its top left
};
