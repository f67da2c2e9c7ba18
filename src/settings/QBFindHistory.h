#pragma once
// The find dialog's history of searched texts: at most 20, most recent first, each text once whatever
// its case, kept in the settings file's "MRULists" section as FindText_Count and FindText_Item0..19.
// It reads and writes through the section interfaces, so it works on any settings store.

#include <quillbox/QBSettingsIntf.h>

#include <QString>
#include <QStringList>

class TQBFindHistory {
public:
  static constexpr int MaxCount = 20;
  static const QString Section;

  // Reads the stored list: empty texts and texts already listed (compared without regard to case) are
  // skipped. A damaged count reads at most MaxCount items.
  void Load(IQBSettingsReader& reader);
  // Writes the list (at most MaxCount items) and deletes the item keys beyond it.
  void Save(IQBSettingsWriter& writer) const;

  // A confirmed search: an empty text changes nothing; a listed text (in any case) moves to the top in
  // the form it was stored in; any other text is inserted at the top.
  void Add(const QString& text);

  const QStringList& Texts() const { return FTexts; }

private:
  int IndexOf(const QString& text) const;

  QStringList FTexts;
};
