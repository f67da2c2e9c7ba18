#pragma once
// Section-bound reader and writer of a settings store (the settings file, a project file). The caller
// picks the section before handing the object on; the callee only reads and writes keys. Booleans are
// stored as "1"/"0" and read as true for any non-zero integer.

#include <QString>

#include <cstdint>

class IQBSettingsReader {
public:
  virtual ~IQBSettingsReader() = default;
  virtual QString Section() const = 0;
  virtual void SetSection(const QString& section) = 0;
  // Each returns def when the key is missing or its text does not parse.
  virtual QString ReadString(const QString& key, const QString& def = {}) const = 0;
  virtual int32_t ReadInteger(const QString& key, int32_t def = 0) const = 0;
  virtual bool ReadBool(const QString& key, bool def = false) const = 0;
};

class IQBSettingsWriter {
public:
  virtual ~IQBSettingsWriter() = default;
  virtual QString Section() const = 0;
  virtual void SetSection(const QString& section) = 0;
  virtual void WriteString(const QString& key, const QString& value) = 0;
  virtual void WriteInteger(const QString& key, int32_t value) = 0;
  virtual void WriteBool(const QString& key, bool value) = 0;
};
