#pragma once
// The inspectors' tool buttons and the spacers between them. A button panel lays its children out in
// a row packed against its right end; the helpers append to that row.

#include <QPointer>
#include <QToolButton>

class TQBImageList;

// A flat tool button showing one image of an image list; the caption is its hint.
class TQBToolButton : public QToolButton {
  Q_OBJECT
public:
  TQBToolButton(const QString& caption, int imageIndex, bool toggle, QWidget* parent);
  // Takes the image of its index from the list (none for a null list).
  void SetImages(const TQBImageList* images);
};

// Prepares an empty button panel: a row whose buttons are packed against the right end.
void SetUpButtonRow(QWidget* panel);
// Appends a button to a panel prepared with SetUpButtonRow.
TQBToolButton* AddToolButton(QWidget* panel, const QString& caption, int imageIndex, bool toggle);
// Appends a blank gap of the given width.
void AddButtonGap(QWidget* panel, int width);
// Appends a grooved vertical line that separates groups of buttons.
void AddButtonGroove(QWidget* panel);
