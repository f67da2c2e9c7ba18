#pragma once
// What every dialog of the program shares: where it is placed (centred over a control, kept on that
// control's monitor), its colour (the button face darkened by 20 on the 0..240 luminance scale), its
// font, the framed content area and the 80-pixel buttons in a row at the bottom right.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStyle>

#include <initializer_list>
#include <memory>

class QDialog;
class QProgressDialog;
class QFrame;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace qbdialogs {

inline constexpr int ButtonWidth = 80;
inline const char* const Caption = "Quillbox Viewer";

// A colour moved by delta on the 0..240 luminance scale (hue and saturation kept).
QColor AdjustLuminance(const QColor& color, int delta);
// The background of the program's dialogs.
QColor DialogColor();
// "Tahoma" 8 point, falling back through the font configuration.
QFont DialogFont();

// The placement rule: centred over control (screen rectangle), raised to the monitor's left and top
// edges when it would start before them, then lowered so it ends inside the monitor's right and bottom
// edges.
QRect PlacedRect(const QSize& dialog, const QRect& control, const QRect& monitor);
// Moves dialog (at its size hint when not yet sized) over the control, the main window when control
// is null.
void PlaceDialog(QWidget& dialog, const QWidget* control);

// Colour and font of the shared look.
void ApplyDialogLook(QDialog& dialog);
// The framed area that holds a dialog's content.
QFrame* NewContentFrame(QWidget* parent);
// The framed area of a message or question: a 32-pixel standard icon at the top left and the text to
// its right, word-wrapped, shown as it is (no accelerator marks, no markup); "\r" starts a new line.
// textSize is the text area's minimum size; the label is named lblMessage. below (optional) goes under
// the text.
QFrame* NewMessageFrame(QWidget* parent, QStyle::StandardPixmap icon, const QString& text, const QSize& textSize,
                        QLabel** label = nullptr, QWidget* below = nullptr);
// An 80-pixel button with its object name.
QPushButton* NewButton(const QString& text, const QString& objectName, QWidget* parent);
// The buttons in a row, pushed to the right.
QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons);
// Lays out a dialog of fixed size: the content frame over the row of OK (the default, accepting) and
// Cancel (rejecting), named btnOK and btnCancel.
void FinishOkCancel(QDialog& dialog, QFrame* frame);
// A question's buttons: "&Yes" (btnYes, default) accepts the dialog, "&No" (btnNo) rejects it.
QHBoxLayout* YesNoRow(QDialog& dialog);
// The progress of long work over the control over (its window is the parent): modal over the whole
// program, so input reaches only its Cancel button (btnCancel; Escape and the close box cancel too)
// while every window repaints; it neither resets nor closes itself. Not yet shown.
std::unique_ptr<QProgressDialog> NewProgressDialog(QWidget* over, const QString& objectName, const QString& label,
                                                   const QString& accessibleName);

}  // namespace qbdialogs
