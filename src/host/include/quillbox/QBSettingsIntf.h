#pragma once
// Section-bound reader and writer of a settings store (the settings file, a project file). The object
// that hands one out also picks the section; the receiver (a view saving or loading its filter, a
// plug-in) only reads and writes keys. Nobody frees these through the interface: their lifetime belongs
// to the store that created them. Booleans are stored as "1"/"0" and read as true for any non-zero
// integer; every reader returns its default when the key is missing or its text does not parse.

#include <quillbox/QuillboxHostExport.h>

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTime>

#include <cstdint>

class QUILLBOX_HOST_EXPORT IQBSettingsWriter {
public:
  virtual ~IQBSettingsWriter();
  virtual void WriteString(const QString& key, const QString& value) = 0;
  virtual void WriteInteger(const QString& key, int32_t value) = 0;
  virtual void WriteBool(const QString& key, bool value) = 0;
  virtual void WriteBinaryStream(const QString& key, const QByteArray& value) = 0;
  virtual void WriteDate(const QString& key, const QDate& value) = 0;
  virtual void WriteDateTime(const QString& key, const QDateTime& value) = 0;
  virtual void WriteFloat(const QString& key, double value) = 0;
  virtual void WriteTime(const QString& key, const QTime& value) = 0;
  virtual void DeleteKey(const QString& key) = 0;
  virtual bool ValueExists(const QString& key) const = 0;
  // The section the operations act on.
  virtual QString Section() const = 0;
  virtual void SetSection(const QString& section) = 0;
};

class QUILLBOX_HOST_EXPORT IQBSettingsReader {
public:
  virtual ~IQBSettingsReader();
  virtual QString ReadString(const QString& key, const QString& def = {}) const = 0;
  virtual int32_t ReadInteger(const QString& key, int32_t def = 0) const = 0;
  virtual bool ReadBool(const QString& key, bool def = false) const = 0;
  // Appends the stored bytes to value; returns how many there were (0 when missing or unreadable).
  virtual int ReadBinaryStream(const QString& key, QByteArray& value) const = 0;
  virtual QDate ReadDate(const QString& key, const QDate& def = {}) const = 0;
  virtual QDateTime ReadDateTime(const QString& key, const QDateTime& def = {}) const = 0;
  virtual QTime ReadTime(const QString& key, const QTime& def = {}) const = 0;
  virtual double ReadFloat(const QString& key, double def = 0) const = 0;
  virtual void DeleteKey(const QString& key) = 0;
  virtual bool ValueExists(const QString& key) const = 0;
  // The section the operations act on.
  virtual QString Section() const = 0;
  virtual void SetSection(const QString& section) = 0;
};

#define IQBSettingsWriter_iid "{B9BDDDC3-294D-4CC6-8501-B2233EF4A4A5}"
#define IQBSettingsReader_iid "{BF559FEC-D969-4E57-B4EE-36062D75F530}"
Q_DECLARE_INTERFACE(IQBSettingsWriter, IQBSettingsWriter_iid)
Q_DECLARE_INTERFACE(IQBSettingsReader, IQBSettingsReader_iid)
