#pragma once
// Text helpers shared by the store and the viewer: the 8-bit "ANSI" code page (Windows-1252) and the
// canonical UTF-8 the store keeps.

#include <quillbox/QuillboxHostExport.h>
#include <quillbox/QuillboxTypes.h>

#include <QByteArray>
#include <QString>

namespace qbtext {

// True when every byte is below 0x80. Such bytes are the same text in UTF-8 and Windows-1252.
QUILLBOX_HOST_EXPORT bool IsAscii(const char* data, int64_t size);

// Decodes Windows-1252 (undefined bytes 0x81, 0x8D, 0x8F, 0x90, 0x9D map to the same code points).
QUILLBOX_HOST_EXPORT QString DecodeAnsi(const char* data, int64_t size);

// Encodes text in Windows-1252. False (and out unchanged) when some character has no byte there.
QUILLBOX_HOST_EXPORT bool EncodeAnsi(const QString& text, QByteArray& out);

// Canonical UTF-8 for non-ASCII input: Windows-1252 converted, UTF-8 with invalid sequences replaced
// by U+FFFD. ASCII input needs no call.
QUILLBOX_HOST_EXPORT QByteArray CanonicalUtf8(const TQBTextBytes& text);

}  // namespace qbtext
