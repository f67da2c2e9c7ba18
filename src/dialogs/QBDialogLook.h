#pragma once
// What every dialog of the program shares: where it is placed (centred over a control, kept on that
// control's monitor), its colour (the button face darkened by 20 on the 0..240 luminance scale), its
// font, the framed content area and the 80-pixel buttons in a row at the bottom right.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

#include <initializer_list>

class QDialog;
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
// The icons of the message dialogs: the platform's standard error, information and question icons.
enum class TMessageIcon { Error, Information, Question };
// Fills a dialog's framed area the way every message dialog shows it: the 32-pixel icon at the top
// left and the text to its right in a word-wrapping area of textArea pixels, shown as it is (an
// ampersand stays an ampersand; "\r" starts a new line). Returns the text's label.
QLabel* FillMessageArea(QFrame& frame, TMessageIcon icon, const QString& text, const QSize& textArea);
// An 80-pixel button with its object name.
QPushButton* NewButton(const QString& text, const QString& objectName, QWidget* parent);
// The buttons in a row, pushed to the right.
QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons);

}  // namespace qbdialogs
