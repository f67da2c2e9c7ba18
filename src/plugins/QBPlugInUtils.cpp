#include "plugins/QBPlugInUtils.h"

#include "model/QBMessageTypes.h"

#include <QDirIterator>

namespace qbplugins {

namespace {

QString Offset(const char* base, int64_t offset) {
  return QString::fromLatin1(base) + QString::number(offset);
}

bool IsSymbolChar(QChar c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_';
}

}  // namespace

QString ProperCase(const QString& text) {
  QString result = text.toLower();
  if (!result.isEmpty()) result[0] = result[0].toUpper();
  return result;
}

QByteArray UnitRegistrationSymbol(const QString& unit) {
  QString name = ProperCase(unit);
  for (QChar& c : name)
    if (!IsSymbolChar(c)) c = u'_';
  return "QBUnit_" + name.toLatin1() + "_Register";
}

QString GetMessageTypeSymbol(int32_t code) {
  if (const QString symbol = qbtypes::Symbol(code); !symbol.isEmpty()) return symbol;
  // 64-bit offsets: a code near the 32-bit minimum must not overflow.
  if (code >= 33000) return Offset("qbmPublic + ", int64_t(code) - 33000);
  if (code >= 1000) return Offset("qbmUser + ", int64_t(code) - 1000);
  return Offset("qbmReserved + ", int64_t(code) - 100);
}

int FindFiles(const QString& folder, const QString& pattern, QStringList& list) {
  list.clear();
  QDirIterator it(folder, {pattern}, QDir::Files | QDir::NoDotAndDotDot);
  while (it.hasNext()) {
    it.next();
    list.append(it.fileName());
  }
  return int(list.size());
}

QString PlugInFolderOf(const QString& installFolder) {
  return installFolder.isEmpty() ? QString() : installFolder + QStringLiteral("Bin/PlugIns/");
}

}  // namespace qbplugins
