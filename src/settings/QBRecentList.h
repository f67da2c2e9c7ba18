#pragma once
// The files a user opened last, newest first: "Recent Files" (log files) and "Recent Projects". Each
// list lives in the settings file's "MRULists" section beside the find history, in the same form:
// <Name>_Count and <Name>_Item0, <Name>_Item1, ... (0 the most recent). Reading skips empty and
// repeated paths and reads at most the list's length, so a damaged count does no harm; writing
// deletes the item keys past the count.
//
// Choosing an entry whose file is gone reports it and takes it off the list; any other entry is
// opened, and the opening, once it has succeeded, brings the entry to the top through Add.

#include <quillbox/QBSettingsIntf.h>

#include <QString>
#include <QStringList>

// What the owner of a list does with a chosen entry.
class IQBRecentListOwner {
public:
  virtual ~IQBRecentListOwner() = default;
  virtual void OpenRecent(const QString& path) = 0;
  virtual void ReportMissingRecent(const QString& path) = 0;
  // The entries changed: the menu shows them anew and the settings keep them.
  virtual void RecentListChanged() = 0;
};

class TQBRecentList {
public:
  static const QString Section;
  static constexpr int DefaultLength = 10;

  // name: the key stem in the settings file ("RecentFile", "RecentProject").
  explicit TQBRecentList(QString name, int length = DefaultLength) : FName(std::move(name)), FLength(length) {}

  void Load(IQBSettingsReader& reader);
  void Save(IQBSettingsWriter& writer) const;

  // A file was opened: it goes to the top (once), the oldest drops off a full list.
  void Add(const QString& path);
  bool Remove(const QString& path);
  const QStringList& Files() const { return FFiles; }

  // Runs the entry at index: a missing file is reported and removed, any other is opened.
  void Choose(int index, IQBRecentListOwner& owner);

  // The text of entry index in a menu: "&1 name" for the first nine, "1&0 name" for the tenth, with
  // the file's folder after the name so two files of one name stay apart; & in paths is doubled.
  QString MenuText(int index) const;

private:
  QString ItemKey(int index) const;
  static QString Normalised(const QString& path);

  QString FName;
  int FLength;
  QStringList FFiles;
};
