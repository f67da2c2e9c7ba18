#pragma once
// Byte layout of .qbl log records. All integers are little-endian; every record starts with a 4-byte
// code. Offsets are counted from the first byte after that code.

#include <bit>
#include <cstdint>
#include <cstring>

namespace qblog {

inline constexpr uint32_t MarkedAnsiCode = 0x7F000000u;
inline constexpr uint32_t MarkedUtf8Code = 0x7F000001u;
inline constexpr int CodeSize = 4;

struct TField {
  int Offset;
  int Width;
};

namespace marked {
inline constexpr int HeaderSize = 201;
inline constexpr int MsgType = 0, Time = 4, Date = 8, TimeBias = 12, TextLength = 16, DetailsLength = 20,
                     ProcessID = 24, CategoryColor = 152, CategoryFontColor = 156;
inline constexpr TField ThreadName{28, 26}, ComputerName{54, 16}, AppName{70, 41}, Category{111, 41},
    TypeName{160, 41};
// Header, body terminator and the length fields must fit in a signed 32-bit size.
inline constexpr int64_t LengthAllowance = 202;
}  // namespace marked

namespace legacy {
inline constexpr int HeaderSize = 213;
inline constexpr int Time = 0, Date = 4, TimeBias = 8, TextLength = 12, DetailsLength = 16, ProcessID = 20,
                     ThreadID = 24, CategoryColor = 168;
// Legacy names are cut shorter than their fields: computer 15 bytes, the others 40.
inline constexpr TField ComputerName{70, 15}, AppName{86, 40}, Category{127, 40}, TypeName{172, 40};
inline constexpr int64_t LengthAllowance = 246;
}  // namespace legacy

// Longest names the writer keeps, so each field still ends in a NUL.
inline constexpr int MaxThreadNameBytes = 25;
inline constexpr int MaxComputerNameBytes = 15;
inline constexpr int MaxNameBytes = 40;

inline int32_t ReadInt32(const char* p) {
  uint32_t v;
  std::memcpy(&v, p, 4);
  if constexpr (std::endian::native == std::endian::big) v = __builtin_bswap32(v);
  return static_cast<int32_t>(v);
}

inline void WriteInt32(char* p, int32_t value) {
  auto v = static_cast<uint32_t>(value);
  if constexpr (std::endian::native == std::endian::big) v = __builtin_bswap32(v);
  std::memcpy(p, &v, 4);
}

}  // namespace qblog
