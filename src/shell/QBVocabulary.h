#pragma once
// The small types that areas, their dialogs and the window share, in a header of their own so that a
// dialog names them without including an area: the answers of the yes/no/cancel questions, the two
// forms of the organizer settings dialog and the application's title.

#include <QString>

// Answers of the yes/no/cancel questions.
enum TQBAnswer { qbYes = 6, qbNo = 7, qbCancel = 2 };

// The two forms of the organizer settings dialog.
enum class TQBOrganizerForm {
  Settings,     // "Message Organizer Settings", with the Auto-Organize box
  OrganizeNow,  // "Organize Messages", without it
};

// The caption of the main window and of the application's reports.
inline const QString QBApplicationTitle = QStringLiteral("Quillbox File Viewer");
