#pragma once
// TQBIniFile: typed reading and writing of one INI file on disk, used for the settings file and for
// project files. The text lives in memory; with AutoUpdate on (the default, as project files need)
// every write reaches the file at once, with it off (the settings file) the owner calls UpdateFile when
// it is time. The file is replaced through a temporary file and a rename, so a crash while writing
// leaves the previous file whole.

#include "settings/QBIniDocument.h"

#include <quillbox/QBSettingsIntf.h>

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTime>

#include <cstdint>

class TQBIniFile {
public:
  // Reads the named file; a file that is missing or unreadable gives an empty document. Only a regular
  // file is read: anything else (a pipe, a device, a folder) gives an empty document and ReadProblem,
  // and so does a file of more than maxBytes when maxBytes is not negative.
  explicit TQBIniFile(const QString& fileName, bool autoUpdate = true, qint64 maxBytes = -1);
  virtual ~TQBIniFile();
  TQBIniFile(const TQBIniFile&) = delete;
  TQBIniFile& operator=(const TQBIniFile&) = delete;

  const QString& FileName() const { return FFileName; }
  // Why an existing file could not be read (empty when it was read or is missing), for a caller that
  // reports it.
  const QString& ReadProblem() const { return FReadProblem; }
  bool AutoUpdate() const { return FAutoUpdate; }

  // Writes the whole text to the file. Throws std::runtime_error with a readable message on failure.
  void UpdateFile() const;

  // Each reader answers its default when the key is missing or its text cannot be read as the type.
  QString ReadString(const QString& section, const QString& key, const QString& def) const;
  int32_t ReadInteger(const QString& section, const QString& key, int32_t def) const;
  bool ReadBool(const QString& section, const QString& key, bool def) const;
  double ReadFloat(const QString& section, const QString& key, double def) const;
  QDate ReadDate(const QString& section, const QString& key, const QDate& def) const;
  QDateTime ReadDateTime(const QString& section, const QString& key, const QDateTime& def) const;
  QTime ReadTime(const QString& section, const QString& key, const QTime& def) const;
  // Appends the stored bytes to value and returns how many there were (0 when missing or unreadable).
  int ReadBinaryStream(const QString& section, const QString& key, QByteArray& value) const;

  void WriteString(const QString& section, const QString& key, const QString& value);
  void WriteInteger(const QString& section, const QString& key, int32_t value);
  void WriteBool(const QString& section, const QString& key, bool value);
  void WriteFloat(const QString& section, const QString& key, double value);
  void WriteDate(const QString& section, const QString& key, const QDate& value);
  void WriteDateTime(const QString& section, const QString& key, const QDateTime& value);
  void WriteTime(const QString& section, const QString& key, const QTime& value);
  void WriteBinaryStream(const QString& section, const QString& key, const QByteArray& value);

  void DeleteKey(const QString& section, const QString& key);
  void EraseSection(const QString& section);
  // Every section at once (erasing them one by one reindexes the rest each time).
  void EraseAll();
  bool ValueExists(const QString& section, const QString& key) const;
  bool SectionExists(const QString& section) const;
  QStringList ReadSections() const;
  QStringList ReadSection(const QString& section) const;

  // The section that the section-bound reader and writer act on.
  const QString& Section() const { return FSection; }
  void SetSection(const QString& section) { FSection = section; }

  // The file seen through one section, for code that stores a record without knowing the file (a
  // view's filter). Both share this file's Section and live as long as the file; nobody frees them.
  IQBSettingsReader& Reader() { return FReader; }
  IQBSettingsWriter& Writer() { return FWriter; }

  const TQBIniDocument& Document() const { return FDocument; }

private:
  // The section-bound views of this file: each operation forwards to the file with FSection.
  class TReader final : public IQBSettingsReader {
  public:
    explicit TReader(TQBIniFile& ini) : FIni(ini) {}
    QString ReadString(const QString& key, const QString& def) const override;
    int32_t ReadInteger(const QString& key, int32_t def) const override;
    bool ReadBool(const QString& key, bool def) const override;
    int ReadBinaryStream(const QString& key, QByteArray& value) const override;
    QDate ReadDate(const QString& key, const QDate& def) const override;
    QDateTime ReadDateTime(const QString& key, const QDateTime& def) const override;
    QTime ReadTime(const QString& key, const QTime& def) const override;
    double ReadFloat(const QString& key, double def) const override;
    void DeleteKey(const QString& key) override;
    bool ValueExists(const QString& key) const override;
    QString Section() const override { return FIni.FSection; }
    void SetSection(const QString& section) override { FIni.FSection = section; }

  private:
    TQBIniFile& FIni;
  };

  class TWriter final : public IQBSettingsWriter {
  public:
    explicit TWriter(TQBIniFile& ini) : FIni(ini) {}
    void WriteString(const QString& key, const QString& value) override;
    void WriteInteger(const QString& key, int32_t value) override;
    void WriteBool(const QString& key, bool value) override;
    void WriteBinaryStream(const QString& key, const QByteArray& value) override;
    void WriteDate(const QString& key, const QDate& value) override;
    void WriteDateTime(const QString& key, const QDateTime& value) override;
    void WriteFloat(const QString& key, double value) override;
    void WriteTime(const QString& key, const QTime& value) override;
    void DeleteKey(const QString& key) override;
    bool ValueExists(const QString& key) const override;
    QString Section() const override { return FIni.FSection; }
    void SetSection(const QString& section) override { FIni.FSection = section; }

  private:
    TQBIniFile& FIni;
  };

  template <typename T, typename Parse>
  T ReadTyped(const QString& section, const QString& key, const T& def, Parse parse) const;
  void Store(const QString& section, const QString& key, const QString& text);
  void Changed();

  QString FFileName;
  QString FReadProblem;
  bool FAutoUpdate;
  TQBIniDocument FDocument;
  QString FSection;
  TReader FReader{*this};
  TWriter FWriter{*this};
};
