#pragma once
// Lets GoogleTest print Qt strings in failure messages.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* os) {
  *os << '{';
  for (const QString& s : list) *os << '"' << s.toStdString() << "\" ";
  *os << '}';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* os) { *os << bytes.toHex().toStdString(); }
QT_END_NAMESPACE
