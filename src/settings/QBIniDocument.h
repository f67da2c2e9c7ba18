#pragma once
// The text of an INI file held in memory: sections in file order, each with its keys in file order.
// Section and key names compare without regard to case, as INI files always have. Everything the
// parser does not understand is dropped rather than reported: a settings or project file that a user
// or a crash has mangled still loads, and every readable value keeps its place when the file is
// written back.

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class TQBIniDocument {
public:
  // Parses INI bytes: UTF-8 with or without a byte-order mark, lines ending in LF or CR LF. Never fails:
  // lines without "=", lines before the first section and empty names are skipped; invalid UTF-8
  // becomes U+FFFD; a repeated section continues the first one, and of repeated keys the first wins.
  static TQBIniDocument Parse(QByteArrayView bytes);
  // The file text: "[Section]" lines, "Key=Value" lines, a blank line between sections; UTF-8, no BOM.
  QByteArray ToBytes() const;

  std::optional<QString> Value(const QString& section, const QString& key) const;
  // Replaces the value in place, or appends the key (and the section) when missing. Line breaks in the
  // value become spaces, since a value is one line.
  void SetValue(const QString& section, const QString& key, const QString& value);
  bool DeleteKey(const QString& section, const QString& key);
  void EraseSection(const QString& section);
  void Clear();

  bool SectionExists(const QString& section) const;
  QStringList Sections() const;
  QStringList Keys(const QString& section) const;

private:
  struct TEntry {
    QString Key;
    QString Value;
  };
  struct TSection {
    QString Name;
    QList<TEntry> Entries;
    QHash<QString, qsizetype> Index;  // folded key -> position in Entries
    void Reindex();
  };

  static QString Fold(const QString& name) { return name.toCaseFolded(); }
  const TSection* Find(const QString& section) const;
  TSection& FindOrAdd(const QString& section);
  void ParseLine(QStringView line, TSection*& current);
  void Reindex();

  QList<TSection> FSections;
  QHash<QString, qsizetype> FIndex;  // folded section name -> position in FSections
};
