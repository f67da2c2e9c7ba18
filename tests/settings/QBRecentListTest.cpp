// The recent files list: order and length, its keys in the settings file beside the find history,
// and choosing an entry whose file is gone.

#include "settings/QBIniFile.h"
#include "settings/QBRecentList.h"
#include "support/QBTestFiles.h"

#include <gtest/gtest.h>

using namespace qbtest;

namespace {

struct TOwner : IQBRecentListOwner {
  void OpenRecent(const QString& path) override { Log << "open " + path; }
  void ReportMissingRecent(const QString& path) override { Log << "missing " + path; }
  void RecentListChanged() override { Log << "changed"; }
  QStringList Log;
};

QStringList Paths(std::initializer_list<const char*> names) {
  QStringList out;
  for (const char* n : names) out << QStringLiteral("/logs/%1.qbl").arg(QLatin1String(n));
  return out;
}

TEST(RecentList, NewestFirstEachFileOnceAtMostTen) {
  TQBRecentList list(QStringLiteral("RecentFile"));
  for (const char* n : {"a", "b", "c"}) list.Add(QStringLiteral("/logs/%1.qbl").arg(QLatin1String(n)));
  EXPECT_EQ(list.Files(), Paths({"c", "b", "a"}));
  // Opening a listed file again brings it to the top; a path spelt differently is the same file.
  list.Add(QStringLiteral("/logs/x/../a.qbl"));
  EXPECT_EQ(list.Files(), Paths({"a", "c", "b"}));
  for (int i = 0; i < 12; ++i) list.Add(QStringLiteral("/logs/n%1.qbl").arg(i));
  ASSERT_EQ(list.Files().size(), 10);
  EXPECT_EQ(list.Files().front(), "/logs/n11.qbl");
  EXPECT_EQ(list.Files().back(), "/logs/n2.qbl");
  EXPECT_TRUE(list.Remove(QStringLiteral("/logs/n5.qbl")));
  EXPECT_FALSE(list.Remove(QStringLiteral("/logs/n5.qbl")));
  EXPECT_EQ(list.Files().size(), 9);
}

TEST(RecentList, KeptInTheMruListsSectionBesideTheFindHistory) {
  TTempFiles files;
  const QString path = files.Write(QStringLiteral("QBFileViewer.ini"),
                                   "[MRULists]\nFindText_Count=1\nFindText_Item0=needle\n"
                                   "RecentFile_Count=3\nRecentFile_Item0=/logs/b.qbl\nRecentFile_Item1=\n"
                                   "RecentFile_Item2=/logs/b.qbl\nRecentFile_Item3=/logs/old.qbl\n");
  TQBIniFile ini(path, false);
  TQBRecentList list(QStringLiteral("RecentFile"));
  // An empty item and a repeated one are skipped; an item past the count is not read.
  list.Load(ini.Reader());
  EXPECT_EQ(list.Files(), Paths({"b"}));
  list.Add(QStringLiteral("/logs/a.qbl"));
  list.Save(ini.Writer());
  EXPECT_EQ(ini.ReadString("MRULists", "FindText_Item0", ""), "needle");
  EXPECT_EQ(ini.ReadInteger("MRULists", "RecentFile_Count", -1), 2);
  EXPECT_EQ(ini.ReadString("MRULists", "RecentFile_Item0", ""), "/logs/a.qbl");
  EXPECT_EQ(ini.ReadString("MRULists", "RecentFile_Item1", ""), "/logs/b.qbl");
  EXPECT_FALSE(ini.ValueExists("MRULists", "RecentFile_Item2"));
  EXPECT_FALSE(ini.ValueExists("MRULists", "RecentFile_Item3"));
  // A damaged count reads no more than the list holds.
  ini.WriteInteger("MRULists", "RecentFile_Count", 5000);
  TQBRecentList again(QStringLiteral("RecentFile"));
  again.Load(ini.Reader());
  EXPECT_EQ(again.Files(), Paths({"a", "b"}));
}

TEST(RecentList, AChosenFileThatIsGoneIsReportedAndRemoved) {
  TTempFiles files;
  const QString here = files.Write(QStringLiteral("here.qbl"), {});
  const QString gone = files.Path(QStringLiteral("gone.qbl"));
  TQBRecentList list(QStringLiteral("RecentFile"));
  list.Add(here);
  list.Add(gone);
  TOwner owner;
  list.Choose(0, owner);
  EXPECT_EQ(owner.Log, QStringList({"missing " + gone, "changed"}));
  EXPECT_EQ(list.Files(), QStringList{here});
  owner.Log.clear();
  list.Choose(0, owner);
  list.Choose(1, owner);  // past the end: nothing
  EXPECT_EQ(owner.Log, QStringList{"open " + here});
  EXPECT_EQ(list.Files(), QStringList{here});
}

TEST(RecentList, MenuTextsNumberTheEntriesAndKeepAmpersands) {
  TQBRecentList list(QStringLiteral("RecentFile"));
  for (int i = 9; i >= 0; --i) list.Add(QStringLiteral("/R&D/log%1.qbl").arg(i));
  EXPECT_EQ(list.MenuText(0), "&1 log0.qbl  (/R&&D)");
  EXPECT_EQ(list.MenuText(8), "&9 log8.qbl  (/R&&D)");
  EXPECT_EQ(list.MenuText(9), "1&0 log9.qbl  (/R&&D)");
}

}  // namespace
