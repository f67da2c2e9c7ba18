// The view Enter makes of the quick filter: the current view's criteria plus the text criterion, the
// auto name, the class, and the note that names what the view filter cannot keep.

#include "shell/QBQuickFilterView.h"

#include <gtest/gtest.h>

namespace {

TQBQuickFilterSpec Spec(const char* text, bool matchCase = false, bool regex = false, bool details = false,
                        std::vector<TQBQuickTerm> excludes = {}) {
  return {{QString::fromUtf8(text), {matchCase, regex}, details}, std::move(excludes)};
}

TEST(QuickFilterView, TheTextJoinsTheCurrentCriteriaAndNamesTheView) {
  TQBFilterCriteria current;
  current.CheckAppName = true;
  current.AppName = QStringLiteral("Billing");
  const auto plan = qbquick::PlanNewView(current, QStringLiteral("Default"), Spec("timeout"));
  ASSERT_TRUE(plan);
  EXPECT_TRUE(plan->View.Criteria.CheckAppName);
  EXPECT_TRUE(plan->View.Criteria.CheckMessageText);
  EXPECT_EQ(plan->View.Criteria.MessageText, "timeout");
  EXPECT_EQ(plan->View.Name, "Billing | Text=timeout");
  EXPECT_EQ(plan->View.ClassName, "Default");
  EXPECT_TRUE(plan->View.Fill);
  EXPECT_TRUE(plan->View.MarkProjectModified);
  EXPECT_TRUE(plan->Note.isEmpty());
  // The typed text replaces a text criterion the view had.
  current.CheckMessageText = true;
  current.MessageText = QStringLiteral("old");
  EXPECT_EQ(qbquick::PlanNewView(current, QStringLiteral("Default"), Spec("new"))->View.Criteria.MessageText, "new");
}

TEST(QuickFilterView, WhatTheViewFilterCannotKeepIsNamed) {
  const QString longText(50, QLatin1Char('x'));
  struct TCase {
    TQBQuickFilterSpec Spec;
    const char* Note;
  };
  const TCase cases[] = {
      {Spec("a", true), "The new view filters by the message text only, without Match case."},
      {Spec("a.b", false, true, true),
       "The new view filters by the message text only, without Regular expression, the details."},
      {Spec("a", false, false, false, {{QStringLiteral("b"), {}, false}}),
       "The new view filters by the message text only, without the exclusions."},
      {Spec(longText.toUtf8().constData()), "The new view filters by the message text only, without the text past 40 characters."},
  };
  for (const TCase& c : cases) {
    const auto plan = qbquick::PlanNewView({}, QStringLiteral("Default"), c.Spec);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->Note, QString::fromUtf8(c.Note));
  }
  EXPECT_FALSE(qbquick::PlanNewView({}, QStringLiteral("Default"), Spec("", false, false, false, {{QStringLiteral("b"), {}, false}})));
  EXPECT_EQ(qbquick::PlanNewView({}, QStringLiteral("Default"), Spec(longText.toUtf8().constData()))->View.Criteria.MessageText.size(), 40);
}

}  // namespace
