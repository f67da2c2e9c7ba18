#include "inspectors/QBPlugInUtils.h"

#include "shell/QBFolders.h"

#include <QDirIterator>

#include <array>

namespace qbplugins {

namespace {

// Symbols of the built-in codes; codes 7, 15 and 43 have none and fall to the numeric forms.
struct TTypeSymbol {
  int32_t Code;
  const char* Symbol;
};

constexpr std::array<TTypeSymbol, 42> kTypeSymbols{{
    {0, "qbmInfo"}, {1, "qbmWarning"}, {2, "qbmError"}, {3, "qbmCheckPoint"}, {4, "qbmObject"},
    {5, "qbmComponentAsText"}, {6, "qbmStringList"}, {8, "qbmNote"}, {9, "qbmEnterMethod"},
    {10, "qbmExitMethod"}, {11, "qbmSeparator"}, {12, "qbmInactiveSeparator"}, {13, "qbmClear"},
    {14, "qbmScratchPad"}, {16, "qbmBitmap"}, {17, "qbmTextFile"}, {18, "qbmWindow"}, {19, "qbmMemory"},
    {20, "qbmMemoryStatus"}, {21, "qbmCustomText"}, {22, "qbmCustomProperties"}, {23, "qbmReminder"},
    {24, "qbmLevel1 / qbmRed"}, {25, "qbmLevel2 / qbmOrange"}, {26, "qbmLevel3 / qbmYellow"},
    {27, "qbmLevel4 / qbmGreen"}, {28, "qbmLevel5 / qbmBlue"}, {29, "qbmLevel6 / qbmIndigo"},
    {30, "qbmLevel7 / qbmViolet"}, {31, "qbmColor"}, {32, "qbmRegistry"}, {33, "qbmSystemInfo"},
    {34, "qbmVersionInfo"}, {35, "qbmXmlData"}, {36, "qbmStackTrace"}, {37, "qbmException"},
    {38, "qbmCustomTable"}, {39, "qbmResetSeparator"}, {40, "qbmAppStartSeparator"},
    {41, "qbmCollection"}, {42, "qbmCollapsedMethod"}, {44, "qbmCustomHierarchy"},
}};

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
  for (const TTypeSymbol& s : kTypeSymbols)
    if (s.Code == code) return QString::fromLatin1(s.Symbol);
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

QString GetPlugInFolder() {
  const QString install = qbfolders::ReadInstallFolder();
  return install.isEmpty() ? QString() : install + QStringLiteral("Bin/PlugIns/");
}

}  // namespace qbplugins
