// Feeds arbitrary bytes to the INI parser that settings and project files go through: nothing may
// crash, and what it writes back must parse to the same sections, keys and values.

#include "settings/QBIniDocument.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TQBIniDocument doc =
      TQBIniDocument::Parse(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
  const TQBIniDocument again = TQBIniDocument::Parse(doc.ToBytes());
  if (again.Sections() != doc.Sections()) std::abort();
  for (const QString& section : doc.Sections()) {
    if (again.Keys(section) != doc.Keys(section)) std::abort();
    for (const QString& key : doc.Keys(section))
      if (again.Value(section, key) != doc.Value(section, key)) std::abort();
  }
  return 0;
}
