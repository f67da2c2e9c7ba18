#pragma once
// Attaching a shared context menu (the main window's) to a content control.

class QMenu;
class QWidget;

// The control pops the menu up on a context request; a null menu gives it back its own.
void AttachPopupMenu(QWidget* control, QMenu* menu);
