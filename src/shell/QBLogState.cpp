#include "shell/QBLogState.h"

#include "shell/QBVocabulary.h"

#include "model/QBFileCheck.h"

#include <QDir>

#include <QFileInfo>

#include <algorithm>

QString TQBLogState::Title() const {
  QString title = QBApplicationTitle;
  if (!CurrentFile.isEmpty()) title = QFileInfo(CurrentFile).fileName() + QStringLiteral(" - ") + title;
  return Modified ? QLatin1Char('*') + title : title;
}

void TQBLogState::ForgetFiles() {
  CurrentFile.clear();
  Inputs.clear();
  Sources.Clear();
}

namespace {

QString Verb(TQBOutputKind kind) {
  switch (kind) {
    case TQBOutputKind::Save: return QStringLiteral("save");
    case TQBOutputKind::Export: return QStringLiteral("export");
    case TQBOutputKind::Print: return QStringLiteral("print");
  }
  return {};
}

}  // namespace

QString TQBLogState::OutputRefusal(const QString& path, TQBOutputKind kind) const {
  QStringList guarded;
  for (const TInput& input : Inputs)
    if (kind != TQBOutputKind::Save || !input.Whole || input.Merged) guarded << input.Path;
  const TQBOutputCheck check = CheckOutput(path, guarded);
  const QString shown = QDir::toNativeSeparators(path);
  switch (check.Verdict) {
    case TQBOutputCheck::TVerdict::Writable: return {};
    case TQBOutputCheck::TVerdict::NotRegular:
      return QStringLiteral("Cannot write the file %1: %2").arg(shown, check.Reason);
    case TQBOutputCheck::TVerdict::IsInput: break;
  }
  const bool merged = std::any_of(Inputs.begin(), Inputs.end(), [&check](const TInput& input) {
    return input.Merged && input.Path == check.Input;
  });
  if (kind == TQBOutputKind::Save && merged)
    return QStringLiteral("Cannot save to \"%1\". It is one of the log files merged in the viewer; saving over it "
                          "would replace it with the merged log. Choose another file.")
        .arg(shown);
  if (kind == TQBOutputKind::Save)
    return QStringLiteral("Cannot save to \"%1\". Loading it stopped before its end, so the viewer holds only "
                          "part of it; saving over it would lose the rest. Choose another file.")
        .arg(shown);
  return QStringLiteral("Cannot %1 to \"%2\". It is the log file being viewed; choose another file.")
      .arg(Verb(kind), shown);
}
