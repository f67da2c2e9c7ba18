// qbltool organize --by LIST FILE.qbl: runs "Organize Messages" with the listed fields over the loaded
// log, on views made as the viewer makes them, and prints each view created: its name, a tab and the
// number of messages it holds (visible or inside collapsed methods). Like the viewer it makes at most
// the default number of views and says on standard error how many values it left out.

#include "QBToolCommands.h"
#include "QBToolLoad.h"

#include "shell/QBOrganizer.h"
#include "view/QBHeadlessView.h"

#include <memory>
#include <vector>

namespace qbltool {
namespace {

constexpr char kUsage[] = "organize --by LIST FILE.qbl";

struct TFieldName {
  const char* Name;
  TQBOrganizeField Field;
};
constexpr TFieldName kFieldNames[] = {
    {"app", orgAppName}, {"category", orgCategory}, {"pid", orgProcessID},
    {"thread", orgThreadName}, {"computer", orgComputerName},
};

bool ParseFields(const QString& list, uint8_t& fields, QString* error) {
  for (const QString& part : list.split(u',', Qt::SkipEmptyParts)) {
    const QString name = part.trimmed().toLower();
    bool known = false;
    for (const TFieldName& f : kFieldNames)
      if (name == QLatin1String(f.Name)) fields |= f.Field, known = true;
    if (!known) {
      *error = QStringLiteral("unknown field '%1' (expected app, category, pid, thread or computer)").arg(part);
      return false;
    }
  }
  if (fields == 0) *error = QStringLiteral("--by needs at least one of app, category, pid, thread, computer");
  return fields != 0;
}

// The viewer's views as the organizer sees them: each created view is a view core with the
// organizer's criteria, kept in creation order.
class TToolViews final : public IQBOrganizerViews {
public:
  explicit TToolViews(TQuillboxMessageSet& set) : FSet(set) {}
  TQBOrganizedView CreateOrganizedView(const QString& name, const TQBFilterCriteria& criteria) override {
    auto view = std::make_unique<TQBHeadlessView>(FSet);
    view->SetViewName(name);
    view->SetFilterCriteria(criteria);
    FViews.push_back(std::move(view));
    return {FViews.back().get(), FViews.back().get()};
  }
  void ShowOrganizedView(const TQBOrganizedView&) override {}
  const std::vector<std::unique_ptr<TQBHeadlessView>>& Views() const { return FViews; }

private:
  TQuillboxMessageSet& FSet;
  std::vector<std::unique_ptr<TQBHeadlessView>> FViews;
};

// The organizer hears of the views' criteria while it is installed.
struct TInstalled {
  explicit TInstalled(IQBViewRegistry& registry) { qbviewregistry::Install(&registry); }
  ~TInstalled() { qbviewregistry::Install(nullptr); }
};

}  // namespace

int RunOrganize(const QStringList& args, const TToolIO& io) {
  uint8_t fields = 0;
  QStringList files;
  bool haveFields = false;
  for (qsizetype i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    if (a == QLatin1String("--by") && i + 1 < args.size()) {
      QString error;
      if (!ParseFields(args[++i], fields, &error)) {
        io.Error(error);
        return UsageError(io, kUsage);
      }
      haveFields = true;
    } else if (a.startsWith(QLatin1String("--"))) {
      io.Error(QStringLiteral("unknown option %1").arg(a));
      return UsageError(io, kUsage);
    } else {
      files << a;
    }
  }
  if (!haveFields || files.size() != 1) return UsageError(io, kUsage);

  TQuillboxMessageSet set;
  const TToolLoad load = LoadForTool(files[0], set, io);
  if (load.ExitCode == ExitUsage) return load.ExitCode;
  TQBOrganizer organizer(set);
  TToolViews views(set);
  {
    TInstalled installed(organizer);
    organizer.SetViews(&views);
    const int leftOut = organizer.OrganizeAll(fields);
    QByteArray out;
    for (const auto& view : views.Views())
      out += view->GetViewName().toUtf8() + '\t' + QByteArray::number(view->ItemCount()) + '\n';
    io.Write(out);
    if (leftOut > 0) io.Error(organizer.LeftOutText(leftOut));
  }
  return load.ExitCode;
}

}  // namespace qbltool
