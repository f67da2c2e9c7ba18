#include "shell/QBLoadScheduler.h"

#include "shell/QBAreaFeedback.h"
#include "shell/QBFinally.h"
#include "shell/QBLogCommands.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

TQBLoadScheduler::TQBLoadScheduler(TParts parts) : P(std::move(parts)), FGate(P.Post) {}

void TQBLoadScheduler::WhenIdle(std::function<void()> work) {
  if (FGate.Busy()) FGate.Queue(std::move(work));
  else work();
}

bool TQBLoadScheduler::RunLoad(const std::function<bool(IQBLogLoadEvents*)>& load) {
  const TQBLoadGate::THold hold(FGate);
  QString error;
  bool loaded = false;
  {
    P.Progress.Begin();
    const TQBFinally end(error, [this] { P.Progress.End(); });
    loaded = load(&P.Progress);
    P.LoadEnded();
  }
  if (!error.isEmpty()) P.Feedback.ReportError(error);
  return loaded;
}

bool TQBLoadScheduler::LoadFile(const QString& path, bool append) {
  if (FGate.Busy()) {
    FGate.Queue([this, path, append] { LoadFile(path, append); });
    return false;
  }
  return RunLoad([&](IQBLogLoadEvents* events) { return P.Commands.Load(path, append, events); });
}

bool TQBLoadScheduler::MergeFiles(const QStringList& paths) {
  if (FGate.Busy()) {
    FGate.Queue([this, paths] { MergeFiles(paths); });
    return false;
  }
  return RunLoad([&](IQBLogLoadEvents* events) { return P.Commands.Merge(paths, events); });
}

void TQBLoadScheduler::Refresh() {
  WhenIdle([this] {
    RunLoad([this](IQBLogLoadEvents* events) {
      P.Commands.Refresh(events);
      return true;
    });
  });
}

void TQBLoadScheduler::Drop(const QStringList& files, bool merge) {
  P.Post([this, files, merge] {
    WhenIdle([this, files, merge] {
      RunLoad([&](IQBLogLoadEvents* events) {
        return merge && files.size() > 1 ? P.Commands.Merge(files, events) : P.Commands.Drop(files, events);
      });
    });
  });
}

namespace {

QString MissingFileText(const QFileInfo& file) {
  return QStringLiteral("Cannot open file \"%1\". The file does not exist.").arg(QDir::toNativeSeparators(file.filePath()));
}

}  // namespace

void TQBLoadScheduler::PostCommandLine(const QStringList& args, std::function<void()> done) {
  if (args.size() >= 2 && args.front() == QLatin1String("--merge")) {
    PostCommandLineMerge(args.mid(1), std::move(done));
    return;
  }
  const std::optional<QFileInfo> file = args.size() == 1 ? std::optional(QFileInfo(args.front())) : std::nullopt;
  P.Post([this, file, done = std::move(done)] {
    WhenIdle([this, file, done] {
      // Anything that is there goes to the load, which refuses a pipe or a device with its own message.
      if (file && file->exists()) {
        LoadFile(file->absoluteFilePath(), false);
      } else if (file) {
        P.Feedback.ReportError(MissingFileText(*file));
      }
      if (done) done();
    });
  });
}

bool TQBLoadScheduler::CanClose(std::function<void()> close) {
  if (FGate.Busy()) {
    FGate.QueueClose(std::move(close));
    return false;
  }
  return P.Commands.CanClose();
}

void TQBLoadScheduler::PostCommandLineMerge(const QStringList& files, std::function<void()> done) {
  P.Post([this, files, done = std::move(done)] {
    WhenIdle([this, files, done] {
      QStringList paths;
      for (const QString& name : files) {
        const QFileInfo file(name);
        if (!file.exists()) {
          P.Feedback.ReportError(MissingFileText(file));
          paths.clear();
          break;
        }
        paths << file.absoluteFilePath();
      }
      if (!paths.isEmpty()) MergeFiles(paths);
      if (done) done();
    });
  });
}
