#pragma once
// The message stream of the log generator: a small simulation of a few instrumented applications.

#include "model/QBRawMessage.h"

#include <QByteArray>

#include <cstdint>
#include <string>
#include <vector>

namespace qbgen {

// splitmix64: tiny, fast and the same on every platform, so a seed always gives the same log.
class TRandom {
public:
  explicit TRandom(uint64_t seed) : FState(seed) {}
  uint64_t Next() {
    uint64_t z = (FState += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // A number in 0..n-1.
  uint32_t Below(uint32_t n) { return uint32_t((Next() >> 32) * n >> 32); }
  bool Chance(uint32_t perThousand) { return Below(1000) < perThousand; }

private:
  uint64_t FState;
};

// How many distinct applications, processes, threads and categories the messages name; 0 keeps the
// generator's own four applications (one process each), four threads and five categories (one of them
// empty). Every application has at least one process; process p belongs to application p mod Apps.
struct TGenShape {
  int Apps = 0;
  int Processes = 0;
  int Threads = 0;
  int Categories = 0;
};

class TContentGenerator {
public:
  explicit TContentGenerator(uint64_t seed, const TGenShape& shape = {});
  // Fills msg with the next message; its texts stay valid until the next call.
  void Next(TQBRawMessage& msg);

private:
  int32_t PickType();
  void AdvanceClock();
  void FillMethod(TQBRawMessage& msg, bool enter);
  void FillText(TQBRawMessage& msg, int32_t type);
  void SetText(TQBRawMessage& msg, const char* format, ...);

  struct TAppInfo {
    std::string Name;
    std::string Computer;
    int32_t Bias;
  };
  struct TCategoryInfo {
    std::string Name;
    int32_t Color;
    int32_t FontColor;
  };
  void BuildShape(const TGenShape& shape);

  TRandom FRandom;
  int32_t FDate;
  int32_t FTime;
  std::vector<TAppInfo> FApps;
  std::vector<uint32_t> FProcessIDs;  // per process
  std::vector<std::string> FThreads;
  std::vector<TCategoryInfo> FCategories;
  int FProcess = 0;
  int FApp = 0;
  int FThread = 0;
  int FCategory = 0;
  int64_t FSerial = 0;
  std::vector<int> FStack;            // method name indexes of the open methods
  std::vector<bool> FAppStarted;
  char FText[512];
  std::string FBitmapHex;
};

}  // namespace qbgen
