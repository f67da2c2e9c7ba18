#pragma once
// Helpers around TQBRawMessage, the plain-field form of a message that the log reader produces, the
// adding path stores and the log writer encodes.

#include <quillbox/QuillboxMessageSet.h>
#include <quillbox/QuillboxTypes.h>

#include <QByteArray>
#include <QString>

#include <cstdint>



// A byte view of UTF-8 text.
inline TQBTextBytes Utf8Bytes(QByteArrayView bytes) {
  return {bytes.data(), int64_t(bytes.size()), TQBTextEncoding::Utf8};
}

// A stored message as a raw message; its texts view the store's bytes and stay valid as long as it does.
TQBRawMessage RawMessageOf(const TQBMessageRef& m);
