#pragma once
// One message as plain fields with its texts as byte views: what the log reader produces, what the
// adding path stores and what the log writer encodes. The views do not own their bytes.

#include <quillbox/QuillboxMessageSet.h>
#include <quillbox/QuillboxTypes.h>

#include <QByteArray>
#include <QString>

#include <cstdint>

struct TQBRawMessage {
  int32_t MsgType = 0;
  int32_t Time = 0;
  int32_t Date = 0;
  int32_t TimeBias = 0;
  uint32_t ProcessID = 0;
  int32_t CategoryColor = 0;
  int32_t CategoryFontColor = clWindowText;
  TQBTextBytes MsgText;
  TQBTextBytes Details;
  TQBTextBytes ThreadName;
  TQBTextBytes ComputerName;
  TQBTextBytes AppName;
  TQBTextBytes Category;
  TQBTextBytes TypeName;
};

// A byte view of UTF-8 text.
inline TQBTextBytes Utf8Bytes(QByteArrayView bytes) {
  return {bytes.data(), int64_t(bytes.size()), TQBTextEncoding::Utf8};
}

// A stored message as a raw message; its texts view the store's bytes and stay valid as long as it does.
TQBRawMessage RawMessageOf(const TQBMessageRef& m);
