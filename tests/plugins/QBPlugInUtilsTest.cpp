// Names and files of the plug-in manager.

#include "plugins/QBPlugInUtils.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(QBPlugInUtils, MessageTypeSymbolsNameBuiltInsAndOffsetsIntoTheirRange) {
  const std::pair<int32_t, const char*> cases[] = {
      {0, "qbmInfo"},          {24, "qbmLevel1 / qbmRed"},   {44, "qbmCustomHierarchy"},
      {150, "qbmReserved + 50"}, {999, "qbmReserved + 899"}, {1005, "qbmUser + 5"},
      {33002, "qbmPublic + 2"},  {43, "qbmReserved + -57"},  {INT32_MIN, "qbmReserved + -2147483748"}};
  for (const auto& [code, symbol] : cases) EXPECT_EQ(qbplugins::GetMessageTypeSymbol(code), symbol) << code;
}

TEST(QBPlugInUtils, UnitSymbolIsBuiltFromProperCase) {
  EXPECT_EQ(qbplugins::ProperCase("MyInspector"), "Myinspector");
  EXPECT_EQ(qbplugins::ProperCase(""), "");
  EXPECT_EQ(qbplugins::UnitRegistrationSymbol("MyInspector"), "QBUnit_Myinspector_Register");
  EXPECT_EQ(qbplugins::UnitRegistrationSymbol("mYiNSPECTOR"), "QBUnit_Myinspector_Register");
  EXPECT_EQ(qbplugins::UnitRegistrationSymbol("Vendor.Views"), "QBUnit_Vendor_views_Register");
}

TEST(QBPlugInUtils, FindFilesListsPlainVisibleFilesOnly) {
  QTemporaryDir dir;
  for (const char* name : {"a.so", ".hidden.so", "notes.txt"}) {
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  QDir(dir.path()).mkdir("folder.so");
  QStringList list{"stale"};
  EXPECT_EQ(qbplugins::FindFiles(dir.path(), "*.so", list), 1);
  EXPECT_EQ(list, QStringList{"a.so"});
}

}  // namespace
