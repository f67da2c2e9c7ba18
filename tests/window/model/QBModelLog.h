#pragma once
// The logs the model-based test of the main window loads: a few hundred messages from several
// applications and threads with nested methods (some empty, some left open), warnings, errors, notes,
// check points and separators, their times rising. The same seed gives the same log.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace qbmodel {

struct TMessage {
  int32_t Type = 0;
  QString Text;
  QString App;
  QString Thread;
  int32_t Date = 0;  // day number
  int32_t Time = 0;  // milliseconds of the day
};

// count messages; the first one's time is startTime.
std::vector<TMessage> GenerateLog(uint32_t seed, int count, int32_t startTime = 8 * 3600 * 1000);

// The messages as the bytes of a log file.
QByteArray LogBytes(const std::vector<TMessage>& messages);

// The day every generated message carries.
int32_t LogDay();

// The applications and threads the messages come from; views filter on them.
inline constexpr const char* kApps[] = {"Client", "Server", "Worker"};
inline constexpr const char* kThreads[] = {"Main", "Pool", "IO"};

// The texts a search may look for: words some messages hold, and words none holds.
inline constexpr const char* kWords[] = {"alpha", "beta", "gamma", "delta", "needle", "Sigma"};
inline constexpr const char* kMissingWord = "nowhere";

}  // namespace qbmodel
