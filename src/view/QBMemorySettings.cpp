#include "view/QBMemorySettings.h"

namespace {

// Keys compare without case, as in an INI file.
bool SameKey(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

}  // namespace

const TQBMemorySettings::TSection* TQBMemorySettings::Find() const {
  const auto it = FSections.find(FSection.toLower());
  return it == FSections.end() ? nullptr : &it->second;
}

QString TQBMemorySettings::Raw(const QString& key) const {
  if (const TSection* s = Find())
    for (const auto& [k, v] : *s)
      if (SameKey(k, key)) return v;
  return {};
}

QStringList TQBMemorySettings::Keys() const {
  QStringList keys;
  if (const TSection* s = Find())
    for (const auto& kv : *s) keys << kv.first;
  return keys;
}

QString TQBMemorySettings::ReadString(const QString& key, const QString& def) const {
  const QString v = Raw(key);
  return v.isNull() ? def : v;
}

int32_t TQBMemorySettings::ReadInteger(const QString& key, int32_t def) const {
  bool ok = false;
  const int32_t v = Raw(key).trimmed().toInt(&ok);
  return ok ? v : def;
}

bool TQBMemorySettings::ReadBool(const QString& key, bool def) const {
  bool ok = false;
  const int32_t v = Raw(key).trimmed().toInt(&ok);
  return ok ? v != 0 : def;
}

void TQBMemorySettings::WriteString(const QString& key, const QString& value) {
  TSection& s = FSections[FSection.toLower()];
  for (auto& kv : s)
    if (SameKey(kv.first, key)) {
      kv.second = value;
      return;
    }
  s.emplace_back(key, value);
}

void TQBMemorySettings::WriteInteger(const QString& key, int32_t value) { WriteString(key, QString::number(value)); }
