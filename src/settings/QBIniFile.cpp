#include "settings/QBIniFile.h"

#include "settings/QBIniValues.h"

#include "model/QBFileCheck.h"

#include <QFile>
#include <QSaveFile>

#include <stdexcept>

namespace {

// A missing file is an empty document; one that is not a regular file (a pipe would block the read)
// is one too, and so is one larger than maxBytes (when not negative); *problem says why.
TQBIniDocument ReadDocument(const QString& fileName, qint64 maxBytes, QString* problem) {
  QFile file;
  QString error;
  if (!OpenInputFile(file, fileName, &error)) {
    if (QFile::exists(fileName)) *problem = error;
    return {};
  }
  if (maxBytes < 0) return TQBIniDocument::Parse(file.readAll());
  // Read one byte more than allowed, so a file that grew after its size was taken is caught too.
  const QByteArray bytes = file.read(maxBytes + 1);
  if (bytes.size() > maxBytes) {
    *problem = QStringLiteral("The file is larger than %1 MB.").arg(maxBytes >> 20);
    return {};
  }
  return TQBIniDocument::Parse(bytes);
}

[[noreturn]] void WriteFailed(const QString& fileName, const QString& reason) {
  throw std::runtime_error(
      QStringLiteral("Cannot write the file \"%1\": %2").arg(fileName, reason).toStdString());
}

}  // namespace

TQBIniFile::TQBIniFile(const QString& fileName, bool autoUpdate, qint64 maxBytes)
    : FFileName(fileName), FAutoUpdate(autoUpdate), FDocument(ReadDocument(fileName, maxBytes, &FReadProblem)) {}

TQBIniFile::~TQBIniFile() = default;

void TQBIniFile::UpdateFile() const {
  // The rename would put a regular file in place of a device node or a pipe.
  if (const QString problem = OutputTargetProblem(FFileName); !problem.isEmpty()) WriteFailed(FFileName, problem);
  QSaveFile file(FFileName);
  if (!file.open(QIODevice::WriteOnly)) WriteFailed(FFileName, file.errorString());
  const QByteArray bytes = FDocument.ToBytes();
  if (file.write(bytes) != bytes.size() || !file.commit()) WriteFailed(FFileName, file.errorString());
}

template <typename T, typename Parse>
T TQBIniFile::ReadTyped(const QString& section, const QString& key, const T& def, Parse parse) const {
  const auto text = FDocument.Value(section, key);
  if (!text) return def;
  const auto value = parse(*text);
  return value ? T(*value) : def;
}

QString TQBIniFile::ReadString(const QString& section, const QString& key, const QString& def) const {
  return FDocument.Value(section, key).value_or(def);
}

int32_t TQBIniFile::ReadInteger(const QString& section, const QString& key, int32_t def) const {
  return ReadTyped(section, key, def, qbini::ParseInteger);
}

bool TQBIniFile::ReadBool(const QString& section, const QString& key, bool def) const {
  return ReadTyped(section, key, def, qbini::ParseBool);
}

double TQBIniFile::ReadFloat(const QString& section, const QString& key, double def) const {
  return ReadTyped(section, key, def, qbini::ParseFloat);
}

QDate TQBIniFile::ReadDate(const QString& section, const QString& key, const QDate& def) const {
  return ReadTyped(section, key, def, qbini::ParseDate);
}

QDateTime TQBIniFile::ReadDateTime(const QString& section, const QString& key, const QDateTime& def) const {
  return ReadTyped(section, key, def, qbini::ParseDateTime);
}

QTime TQBIniFile::ReadTime(const QString& section, const QString& key, const QTime& def) const {
  return ReadTyped(section, key, def, qbini::ParseTime);
}

int TQBIniFile::ReadBinaryStream(const QString& section, const QString& key, QByteArray& value) const {
  const QByteArray bytes = ReadTyped(section, key, QByteArray(), qbini::ParseBinary);
  value.append(bytes);
  return int(bytes.size());
}

void TQBIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
  Store(section, key, value);
}

void TQBIniFile::WriteInteger(const QString& section, const QString& key, int32_t value) {
  Store(section, key, qbini::FormatInteger(value));
}

void TQBIniFile::WriteBool(const QString& section, const QString& key, bool value) {
  Store(section, key, qbini::FormatBool(value));
}

void TQBIniFile::WriteFloat(const QString& section, const QString& key, double value) {
  Store(section, key, qbini::FormatFloat(value));
}

void TQBIniFile::WriteDate(const QString& section, const QString& key, const QDate& value) {
  Store(section, key, qbini::FormatDate(value));
}

void TQBIniFile::WriteDateTime(const QString& section, const QString& key, const QDateTime& value) {
  Store(section, key, qbini::FormatDateTime(value));
}

void TQBIniFile::WriteTime(const QString& section, const QString& key, const QTime& value) {
  Store(section, key, qbini::FormatTime(value));
}

void TQBIniFile::WriteBinaryStream(const QString& section, const QString& key, const QByteArray& value) {
  Store(section, key, qbini::FormatBinary(value));
}

void TQBIniFile::DeleteKey(const QString& section, const QString& key) {
  if (FDocument.DeleteKey(section, key)) Changed();
}

void TQBIniFile::EraseSection(const QString& section) {
  if (!FDocument.SectionExists(section)) return;
  FDocument.EraseSection(section);
  Changed();
}

void TQBIniFile::EraseAll() {
  if (FDocument.Sections().isEmpty()) return;
  FDocument.Clear();
  Changed();
}

bool TQBIniFile::ValueExists(const QString& section, const QString& key) const {
  return FDocument.Value(section, key).has_value();
}

bool TQBIniFile::SectionExists(const QString& section) const { return FDocument.SectionExists(section); }

QStringList TQBIniFile::ReadSections() const { return FDocument.Sections(); }

QStringList TQBIniFile::ReadSection(const QString& section) const { return FDocument.Keys(section); }

void TQBIniFile::Store(const QString& section, const QString& key, const QString& text) {
  FDocument.SetValue(section, key, text);
  Changed();
}

void TQBIniFile::Changed() {
  if (FAutoUpdate) UpdateFile();
}

// The section-bound reader and writer: each operation is the file's own on the current section.
#define QB_READ(Type, Name, Def)                                           \
  Type TQBIniFile::TReader::Name(const QString& key, Def def) const {       \
    return FIni.Name(FIni.FSection, key, def);                              \
  }
QB_READ(QString, ReadString, const QString&)
QB_READ(int32_t, ReadInteger, int32_t)
QB_READ(bool, ReadBool, bool)
QB_READ(QDate, ReadDate, const QDate&)
QB_READ(QDateTime, ReadDateTime, const QDateTime&)
QB_READ(QTime, ReadTime, const QTime&)
QB_READ(double, ReadFloat, double)
#undef QB_READ

int TQBIniFile::TReader::ReadBinaryStream(const QString& key, QByteArray& value) const {
  return FIni.ReadBinaryStream(FIni.FSection, key, value);
}
void TQBIniFile::TReader::DeleteKey(const QString& key) { FIni.DeleteKey(FIni.FSection, key); }
bool TQBIniFile::TReader::ValueExists(const QString& key) const { return FIni.ValueExists(FIni.FSection, key); }

#define QB_WRITE(Name, Value)                                              \
  void TQBIniFile::TWriter::Name(const QString& key, Value value) {         \
    FIni.Name(FIni.FSection, key, value);                                   \
  }
QB_WRITE(WriteString, const QString&)
QB_WRITE(WriteInteger, int32_t)
QB_WRITE(WriteBool, bool)
QB_WRITE(WriteBinaryStream, const QByteArray&)
QB_WRITE(WriteDate, const QDate&)
QB_WRITE(WriteDateTime, const QDateTime&)
QB_WRITE(WriteFloat, double)
QB_WRITE(WriteTime, const QTime&)
#undef QB_WRITE

void TQBIniFile::TWriter::DeleteKey(const QString& key) { FIni.DeleteKey(FIni.FSection, key); }
bool TQBIniFile::TWriter::ValueExists(const QString& key) const { return FIni.ValueExists(FIni.FSection, key); }
