#pragma once
// An in-memory settings store with the section-bound reader and writer interfaces: values are kept as
// the texts a settings file would hold, and the order in which keys were first written is kept so a
// caller can check what was written and in which order.

#include "view/QBSettingsIntf.h"

#include <QString>
#include <QStringList>

#include <map>
#include <utility>
#include <vector>

class TQBMemorySettings : public IQBSettingsReader, public IQBSettingsWriter {
public:
  QString Section() const override { return FSection; }
  void SetSection(const QString& section) override { FSection = section; }

  QString ReadString(const QString& key, const QString& def = {}) const override;
  int32_t ReadInteger(const QString& key, int32_t def = 0) const override;
  bool ReadBool(const QString& key, bool def = false) const override;

  void WriteString(const QString& key, const QString& value) override;
  void WriteInteger(const QString& key, int32_t value) override;
  void WriteBool(const QString& key, bool value) override { WriteInteger(key, value ? 1 : 0); }

  // Keys of the current section in the order they were first written.
  QStringList Keys() const;
  // The raw text of a key in the current section, or a null string.
  QString Raw(const QString& key) const;

private:
  using TSection = std::vector<std::pair<QString, QString>>;
  const TSection* Find() const;
  QString FSection;
  std::map<QString, TSection> FSections;
};
