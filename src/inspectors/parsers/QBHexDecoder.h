#pragma once
// The bitmap inspector's bytes: a picture file carried as hexadecimal text.

#include <QByteArray>
#include <QByteArrayView>
#include <QStringView>

// length div 2 bytes, decoded from pairs of hexadecimal digits (either case, high half first) from the
// start. Decoding stops at the first pair that is not two such digits and the rest stays zero; an odd
// last digit is ignored.
QByteArray DecodeHexBytes(QStringView text);
// The same from 8-bit text (ASCII digits), such as a message's stored UTF-8 details: a multi-byte
// character is no digit and stops the decoding like any other.
QByteArray DecodeHexBytes(QByteArrayView text);
