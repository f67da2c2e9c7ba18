#include "settings/QBIniValues.h"

#include <QLocale>

#include <cctype>

namespace qbini {

namespace {

constexpr auto kTimeFormat = "HH:mm:ss.zzz";
constexpr auto kDateTimeFormat = "yyyy-MM-ddTHH:mm:ss.zzz";

template <typename T>
std::optional<T> IfValid(const T& value) {
  return value.isValid() ? std::optional<T>(value) : std::nullopt;
}

}  // namespace

std::optional<int32_t> ParseInteger(QStringView text) {
  bool ok = false;
  const int value = text.trimmed().toInt(&ok, 10);
  return ok ? std::optional<int32_t>(value) : std::nullopt;
}

QString FormatInteger(int32_t value) { return QString::number(value); }

std::optional<bool> ParseBool(QStringView text) {
  const auto value = ParseInteger(text);
  return value ? std::optional<bool>(*value != 0) : std::nullopt;
}

QString FormatBool(bool value) { return value ? QStringLiteral("1") : QStringLiteral("0"); }

std::optional<double> ParseFloat(QStringView text) {
  bool ok = false;
  const double value = QLocale::c().toDouble(text.trimmed(), &ok);
  return ok ? std::optional<double>(value) : std::nullopt;
}

QString FormatFloat(double value) { return QString::number(value, 'g', QLocale::FloatingPointShortest); }

std::optional<QDate> ParseDate(QStringView text) {
  return IfValid(QDate::fromString(text.trimmed().toString(), Qt::ISODate));
}

QString FormatDate(const QDate& value) { return value.toString(Qt::ISODate); }

std::optional<QTime> ParseTime(QStringView text) {
  return IfValid(QTime::fromString(text.trimmed().toString(), Qt::ISODateWithMs));
}

QString FormatTime(const QTime& value) { return value.toString(QString::fromLatin1(kTimeFormat)); }

std::optional<QDateTime> ParseDateTime(QStringView text) {
  return IfValid(QDateTime::fromString(text.trimmed().toString(), Qt::ISODateWithMs));
}

QString FormatDateTime(const QDateTime& value) {
  return value.toString(QString::fromLatin1(kDateTimeFormat));
}

std::optional<QByteArray> ParseBinary(QStringView text) {
  const QByteArray hex = text.trimmed().toLatin1();
  if (hex.size() % 2 != 0) return std::nullopt;
  for (char c : hex)
    if (!std::isxdigit(static_cast<unsigned char>(c))) return std::nullopt;
  return QByteArray::fromHex(hex);
}

QString FormatBinary(const QByteArray& value) { return QString::fromLatin1(value.toHex().toUpper()); }

}  // namespace qbini
