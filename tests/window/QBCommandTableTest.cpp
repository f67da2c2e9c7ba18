// The command table that menus, toolbars and shortcuts are built from.

#include "window/QBCommandTable.h"

#include <QKeySequence>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using C = TQBCmd;

TEST(CommandTable, EveryCommandHasAUniqueNameCaptionAndShortcut) {
  std::set<std::string> names;
  std::set<QString> keys;
  for (const TQBCommandInfo& info : QBCommandInfos()) {
    EXPECT_EQ(std::string(info.Name).rfind("act", 0), 0u) << info.Name;
    EXPECT_TRUE(names.insert(info.Name).second) << info.Name;
    EXPECT_STRNE(info.Caption, "") << info.Name;
    if (!*info.Shortcut) continue;
    // A shortcut that does not parse is silently dead; two commands on one key make both dead.
    const QKeySequence key(QString::fromLatin1(info.Shortcut));
    EXPECT_EQ(key.count(), 1) << info.Name << " " << info.Shortcut;
    EXPECT_TRUE(keys.insert(key.toString()).second) << info.Name << " shares " << info.Shortcut;
  }
  EXPECT_EQ(QKeySequence(QString::fromLatin1(QBCommandInfo(C::ClearAll).Shortcut)),
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete));
}

}  // namespace
