#include "window/model/QBModelLog.h"

#include "support/QBTestFiles.h"

#include "model/QBLogWriter.h"
#include "model/QBMessageTypes.h"
#include "model/QBRawMessage.h"

#include <random>

namespace qbmodel {

namespace {

const char* const kMethods[] = {"Run", "Load", "Parse", "Send"};

template <typename T, size_t N>
T Pick(std::mt19937& random, const T (&values)[N]) {
  return values[random() % N];
}

int32_t PlainType(std::mt19937& random) {
  const uint32_t roll = random() % 100;
  if (roll < 62) return qbmInfo;
  if (roll < 74) return qbmWarning;
  if (roll < 83) return qbmError;
  if (roll < 89) return qbmNote;
  if (roll < 95) return qbmCheckPoint;
  return qbmSeparator;
}

// Writes the log message by message, keeping the open methods so every exit closes the method it
// belongs to, with its name, application and thread.
class TLogWriter {
public:
  TLogWriter(uint32_t seed, int32_t startTime) : FRandom(seed), FTime(startTime) {}

  std::vector<TMessage> Write(int count) {
    while (int(FLog.size()) < count) Step();
    // Most logs close their methods; some end inside one.
    if (FRandom() % 2 == 0)
      while (!FOpen.empty()) Exit();
    return FLog;
  }

private:
  void Step() {
    const uint32_t roll = FRandom() % 100;
    if (!FOpen.empty() && roll < 12) return Exit();
    if (FOpen.size() < 4 && roll < 24) {
      Enter();
      // An empty method: auto-collapse shows it as one row.
      if (FRandom() % 3 == 0) Exit();
      return;
    }
    const TMessage& method = FOpen.empty() ? TMessage{} : FOpen.back();
    TMessage m;
    m.Type = PlainType(FRandom);
    m.Text = QStringLiteral("%1 %2").arg(QLatin1String(Pick(FRandom, kWords))).arg(FRandom() % 100);
    // The store keeps a separator's text as a dash.
    if (m.Type == qbmSeparator) m.Text = QStringLiteral("-");
    m.App = FOpen.empty() || FRandom() % 4 == 0 ? QLatin1String(Pick(FRandom, kApps)) : method.App;
    m.Thread = FOpen.empty() || FRandom() % 4 == 0 ? QLatin1String(Pick(FRandom, kThreads)) : method.Thread;
    Add(m);
  }
  void Enter() {
    TMessage m;
    m.Type = qbmEnterMethod;
    m.Text = QLatin1String(Pick(FRandom, kMethods));
    m.App = QLatin1String(Pick(FRandom, kApps));
    m.Thread = QLatin1String(Pick(FRandom, kThreads));
    Add(m);
    FOpen.push_back(m);
  }
  void Exit() {
    TMessage m = FOpen.back();
    FOpen.pop_back();
    m.Type = qbmExitMethod;
    Add(m);
  }
  void Add(TMessage m) {
    FTime += int32_t(FRandom() % 40);
    m.Date = LogDay();
    m.Time = FTime;
    FLog.push_back(m);
  }

  std::mt19937 FRandom;
  int32_t FTime;
  std::vector<TMessage> FOpen;
  std::vector<TMessage> FLog;
};

}  // namespace

std::vector<TMessage> GenerateLog(uint32_t seed, int count, int32_t startTime) {
  return TLogWriter(seed, startTime).Write(count);
}

int32_t LogDay() { return qbtest::kDay; }

QByteArray LogBytes(const std::vector<TMessage>& messages) {
  QByteArray out;
  for (const TMessage& m : messages) {
    const QByteArray text = m.Text.toUtf8(), app = m.App.toUtf8(), thread = m.Thread.toUtf8();
    TQBRawMessage raw = qbtest::Message(m.Type, text);
    raw.AppName = Utf8Bytes(app);
    raw.ThreadName = Utf8Bytes(thread);
    raw.Time = m.Time;
    raw.Date = m.Date;
    AppendLogRecord(out, raw);
  }
  return out;
}

}  // namespace qbmodel
