// The find history: loading a stored list, the updates of a confirmed search, and what is saved.

#include "support/QBTestFiles.h"

#include "settings/QBFindHistory.h"
#include "settings/QBIniFile.h"

#include <gtest/gtest.h>

namespace {

TEST(FindHistory, LoadSkipsEmptyAndRepeatedTexts) {
  qbtest::TTempFiles files;
  TQBIniFile ini(files.Write("s.ini",
                             "[MRULists]\nFindText_Count=5\nFindText_Item0=abc\nFindText_Item1=\n"
                             "FindText_Item2=ABC\nFindText_Item3=def\nFindText_Item4=g\n"),
                 false);
  TQBFindHistory history;
  history.Load(ini.Reader());
  EXPECT_EQ(history.Texts(), QStringList({"abc", "def", "g"}));

  TQBIniFile three(files.Write("t.ini", "[MRULists]\nFindText_Count=3\nFindText_Item0=a\nFindText_Item2=c\n"), false);
  history.Load(three.Reader());
  EXPECT_EQ(history.Texts(), QStringList({"a", "c"}));

  // A damaged count reads no more than twenty items.
  TQBIniFile damaged(files.Write("d.ini", "[MRULists]\nFindText_Count=99\nFindText_Item20=u\nFindText_Item19=t\n"), false);
  history.Load(damaged.Reader());
  EXPECT_EQ(history.Texts(), QStringList({"t"}));
}

TEST(FindHistory, ConfirmedSearchesUpdateTheList) {
  struct TCase {
    const char* Name;
    QStringList Before;
    QString Text;
    QStringList After;
  } cases[] = {
      {"new text on top", {"abc", "x"}, "new", {"new", "abc", "x"}},
      {"other case moves the stored form up", {"x", "abc"}, "Abc", {"abc", "x"}},
      {"empty text changes nothing", {"x", "abc"}, "", {"x", "abc"}},
      {"already first", {"abc", "x"}, "ABC", {"abc", "x"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TQBFindHistory history;
    for (auto it = c.Before.rbegin(); it != c.Before.rend(); ++it) history.Add(*it);
    ASSERT_EQ(history.Texts(), c.Before);
    history.Add(c.Text);
    EXPECT_EQ(history.Texts(), c.After);
  }
}

TEST(FindHistory, TheTwentyFirstTextPushesTheOldestOut) {
  qbtest::TTempFiles files;
  TQBIniFile ini(files.Write("s.ini", "[MRULists]\nFindText_Count=2\nFindText_Item0=z\nFindText_Item1=y\n"), false);
  TQBFindHistory history;
  history.Load(ini.Reader());
  for (int i = 0; i < 20; ++i) history.Add(QStringLiteral("text %1").arg(i));
  EXPECT_EQ(history.Texts().size(), 20);
  EXPECT_EQ(history.Texts().front(), "text 19");
  EXPECT_EQ(history.Texts().back(), "text 0");
  history.Save(ini.Writer());

  QStringList keys{"FindText_Count"};
  for (int i = 0; i < 20; ++i) keys << QStringLiteral("FindText_Item%1").arg(i);
  EXPECT_EQ(ini.ReadSection("MRULists"), keys);
  EXPECT_EQ(ini.ReadInteger("MRULists", "FindText_Count", 0), 20);
  EXPECT_EQ(ini.ReadString("MRULists", "FindText_Item0", ""), "text 19");
}

TEST(FindHistory, SaveDropsItemKeysBeyondTheCount) {
  qbtest::TTempFiles files;
  TQBIniFile ini(files.Write("s.ini", "[MRULists]\nFindText_Count=3\nFindText_Item2=old\n"), false);
  TQBFindHistory history;
  history.Add("older");
  history.Add("new");
  history.Save(ini.Writer());
  EXPECT_EQ(ini.ReadSection("MRULists"), QStringList({"FindText_Count", "FindText_Item0", "FindText_Item1"}));
}

}  // namespace
