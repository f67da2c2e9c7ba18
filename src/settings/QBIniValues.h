#pragma once
// How typed values are spelled in INI text. Readers answer nothing for text they cannot read, so the
// caller falls back to its default instead of taking a half-parsed number.

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

#include <cstdint>
#include <optional>

namespace qbini {

// Decimal with an optional sign, within the 32-bit range; colours are stored this way as signed values.
std::optional<int32_t> ParseInteger(QStringView text);
QString FormatInteger(int32_t value);

// Booleans are integers: 0 is false, any other integer true.
std::optional<bool> ParseBool(QStringView text);
QString FormatBool(bool value);

// A dot is the decimal separator whatever the locale, so files move between machines.
std::optional<double> ParseFloat(QStringView text);
QString FormatFloat(double value);

// ISO 8601: "2024-01-31", "13:45:00.250", "2024-01-31T13:45:00.250".
std::optional<QDate> ParseDate(QStringView text);
QString FormatDate(const QDate& value);
std::optional<QTime> ParseTime(QStringView text);
QString FormatTime(const QTime& value);
std::optional<QDateTime> ParseDateTime(QStringView text);
QString FormatDateTime(const QDateTime& value);

// Binary data as two upper-case hex digits per byte.
std::optional<QByteArray> ParseBinary(QStringView text);
QString FormatBinary(const QByteArray& value);

}  // namespace qbini
