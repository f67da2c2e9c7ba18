#pragma once
// The layout of a project file (.qbp): the list of views in section "Views" (ViewCount, then for each
// view N from 1 its N_ViewName and N_ViewClassName) and each view's filter in a section named N_
// followed by the view's name, written by the view's SaveFilter and read by its LoadFilter. The
// viewer and qbltool read projects through these functions, so both see the same views.
//
// Names the INI form cannot hold. A section name ends at its first "]", keys and values lose their
// blanks at either end and a value cannot span lines. A view name with such characters ("[", "]",
// "=", control characters, blanks at either end) is also written percent-encoded under
// N_ViewNameEncoded, and its filter section is named N_ followed by that encoded text; N_ViewName then
// holds a readable approximation. Reading prefers the encoded key, so the name and its criteria come
// back exactly; files without it (every file whose names need no encoding) read as written.

#include "settings/QBIniFile.h"

#include <quillbox/QBCustomViewIntf.h>

#include <QList>
#include <QString>

#include <memory>

struct TQBProjectView {
  QString Name;
  QString ClassName;
  // The section of the view's filter.
  QString Section;
};

struct TQBProjectContents {
  int ViewCount = 0;            // as stored
  QList<TQBProjectView> Views;  // in place order; entries without a class are left out
  int Listed = 0;               // the places the file describes, before the cap
};

namespace qbproject {

inline const QString ViewsSection = QStringLiteral("Views");
inline const QString DefaultClassName = QStringLiteral("Default");
// A project opens at most this many views: each is a view with its own page. The places after them
// are left out, and the window says so.
constexpr int MaxViews = 10000;
// A project file is a list of views and their filters; one larger than this is refused unread rather
// than held in memory whole.
constexpr qint64 MaxFileBytes = 16 << 20;

// Opens a project file for reading: a regular file of at most MaxFileBytes. Null, with *problem
// saying why, when it cannot be read.
std::unique_ptr<TQBIniFile> OpenProjectFile(const QString& path, QString* problem);

// The views a project file lists. A view's class is read from N_ViewClassName, the key the writer
// uses, then from N_ViewClass, and is "Default" when neither exists. Only places that have keys of
// their own count, whatever ViewCount claims (a count of two billion with one key is one view), and
// only the first MaxViews of them are read.
TQBProjectContents ReadViews(const TQBIniFile& ini);
// Points the file's section at the view's filter and lets the view load it.
void LoadViewFilter(TQBIniFile& ini, const TQBProjectView& entry, IQBMessageView& view);

// Replaces the whole content of the file's document with the views (every view but "All Messages",
// in place order), each with its filter. The caller writes the document to disk.
void WriteViews(TQBIniFile& ini, const QList<IQBMessageView*>& views);

// The project pane: "Project:" and the project's file name without folder and extension.
QString PaneText(const QString& path);

// The notice for a project without views, naming the file without its folder.
QString NoViewsMessage(const QString& path);
// The notice for a project that lists more than MaxViews views.
QString TooManyViewsMessage(const QString& path, int listed);

// Whether a view name needs the encoded form, and the encoding itself (exposed for tests).
bool NeedsEncoding(const QString& name);
QString EncodeName(const QString& name);
QString DecodeName(const QString& encoded);

}  // namespace qbproject
