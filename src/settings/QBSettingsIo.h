#pragma once
// The two directions of a settings section. Each section record lists its keys once, in file order, in
// a Visit function; reading runs that list with TQBSectionReader (the field's current value is the
// default, so a default-constructed record reads missing keys as their defaults) and writing runs it
// with TQBSectionWriter.

#include "settings/QBIniFile.h"

#include <cstdint>

class TQBSectionReader {
public:
  TQBSectionReader(const TQBIniFile& ini, const QString& section) : FIni(ini), FSection(section) {}

  void Bool(const char* key, bool& value) const { value = FIni.ReadBool(FSection, Key(key), value); }
  void Integer(const char* key, int32_t& value) const {
    value = FIni.ReadInteger(FSection, Key(key), value);
  }
  void String(const char* key, QString& value) const { value = FIni.ReadString(FSection, Key(key), value); }
  // One bit of a flag set stored as its own boolean key.
  template <typename Flags>
  void Flag(const char* key, Flags& flags, Flags bit) const {
    const bool on = FIni.ReadBool(FSection, Key(key), (flags & bit) != 0);
    flags = on ? Flags(flags | bit) : Flags(flags & ~bit);
  }

private:
  static QString Key(const char* key) { return QString::fromLatin1(key); }
  const TQBIniFile& FIni;
  QString FSection;
};

class TQBSectionWriter {
public:
  TQBSectionWriter(TQBIniFile& ini, const QString& section) : FIni(ini), FSection(section) {}

  void Bool(const char* key, const bool& value) const { FIni.WriteBool(FSection, Key(key), value); }
  void Integer(const char* key, const int32_t& value) const { FIni.WriteInteger(FSection, Key(key), value); }
  void String(const char* key, const QString& value) const { FIni.WriteString(FSection, Key(key), value); }
  template <typename Flags>
  void Flag(const char* key, const Flags& flags, Flags bit) const {
    FIni.WriteBool(FSection, Key(key), (flags & bit) != 0);
  }

private:
  static QString Key(const char* key) { return QString::fromLatin1(key); }
  TQBIniFile& FIni;
  QString FSection;
};
