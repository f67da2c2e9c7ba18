#include "shell/QBQuickFilterView.h"

#include "view/QBViewFilterRules.h"

namespace qbquick {

namespace {

QString LostParts(const TQBQuickFilterSpec& spec) {
  QStringList lost;
  const TQBQuickTerm& term = spec.Include;
  if (term.Options.MatchCase) lost << QStringLiteral("Match case");
  if (term.Options.RegularExpression) lost << QStringLiteral("Regular expression");
  if (term.InDetails) lost << QStringLiteral("the details");
  if (!spec.Excludes.empty()) lost << QStringLiteral("the exclusions");
  if (term.Text.size() > qbviewfilter::MessageTextLength)
    lost << QStringLiteral("the text past %1 characters").arg(qbviewfilter::MessageTextLength);
  if (lost.isEmpty()) return {};
  return QStringLiteral("The new view filters by the message text only, without %1.").arg(lost.join(QStringLiteral(", ")));
}

}  // namespace

std::optional<TQBQuickFilterViewPlan> PlanNewView(const TQBFilterCriteria& current, const QString& className,
                                                  const TQBQuickFilterSpec& spec) {
  if (spec.Include.Text.isEmpty()) return std::nullopt;
  qbviewfilter::TQBFilterForm form;
  qbviewfilter::LoadCriteria(current, form);
  form.CheckMessageText = true;
  form.MessageText = spec.Include.Text.left(qbviewfilter::MessageTextLength);
  TQBQuickFilterViewPlan plan;
  plan.View.Criteria = qbviewfilter::ReadCriteria(form);
  plan.View.Name = qbviewfilter::AutoName(form);
  plan.View.ClassName = className;
  plan.View.Fill = true;
  plan.View.MarkProjectModified = true;
  plan.Note = LostParts(spec);
  return plan;
}

}  // namespace qbquick
