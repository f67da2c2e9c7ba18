#pragma once
// Small value types shared by the host library, the viewer and plug-ins.

#include <cstdint>

// A message time stamp: Time is milliseconds since midnight, Date a day number (1 = 1 January of year 1).
struct TQBTimeStamp {
  int32_t Time = 0;
  int32_t Date = 0;
  friend bool operator==(const TQBTimeStamp&, const TQBTimeStamp&) = default;
};

// How the bytes of a text handed to the store are encoded. Ansi is Windows-1252.
enum class TQBTextEncoding : uint8_t { Utf8, Ansi };

// A text given to the store as raw bytes; the store converts it to UTF-8 once and decodes it on read.
struct TQBTextBytes {
  const char* Data = nullptr;
  int64_t Size = 0;
  TQBTextEncoding Encoding = TQBTextEncoding::Utf8;
};

// The system window-text colour, the default of CategoryFontColor and of the per-type style colours.
inline constexpr int32_t clWindowText = static_cast<int32_t>(0xFF000008u);
