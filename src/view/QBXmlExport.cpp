#include "view/QBXmlExport.h"

#include "view/QBViewOutput.h"

#include "model/QBTimeStamp.h"

#include <QDateTime>
#include <QDir>
#include <QLocale>

#include <quillbox/QuillboxText.h>

#include <array>
#include <charconv>
#include <cstring>

namespace qbxml {
namespace {

constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD

struct TColorName {
  uint32_t Color;
  const char* Name;
};

// Basic colours (red in the low byte) and the system colours (255 in the top byte, index in the low).
constexpr TColorName kColorNames[] = {
    {0x000000, "Black"},        {0x000080, "Maroon"},         {0x008000, "Green"},
    {0x008080, "Olive"},        {0x800000, "Navy"},           {0x800080, "Purple"},
    {0x808000, "Teal"},         {0x808080, "Gray"},           {0xC0C0C0, "Silver"},
    {0x0000FF, "Red"},          {0x00FF00, "Lime"},           {0x00FFFF, "Yellow"},
    {0xFF0000, "Blue"},         {0xFF00FF, "Fuchsia"},        {0xFFFF00, "Aqua"},
    {0xFFFFFF, "White"},        {0xFF000000, "sysScrollBar"}, {0xFF000001, "sysBackground"},
    {0xFF000002, "sysActiveCaption"}, {0xFF000003, "sysInactiveCaption"}, {0xFF000004, "sysMenu"},
    {0xFF000005, "sysWindow"},  {0xFF000006, "sysWindowFrame"}, {0xFF000007, "sysMenuText"},
    {0xFF000008, "sysWindowText"}, {0xFF000009, "sysCaptionText"}, {0xFF00000A, "sysActiveBorder"},
    {0xFF00000B, "sysInactiveBorder"}, {0xFF00000C, "sysAppWorkSpace"}, {0xFF00000D, "sysHighlight"},
    {0xFF00000E, "sysHighlightText"}, {0xFF00000F, "sysButtonFace"}, {0xFF000010, "sysButtonShadow"},
    {0xFF000011, "sysGrayText"}, {0xFF000012, "sysButtonText"}, {0xFF000013, "sysInactiveCaptionText"},
    {0xFF000014, "sysButtonHighlight"}, {0xFF000015, "sys3DDarkShadow"}, {0xFF000016, "sys3DLight"},
    {0xFF000017, "sysInfoText"}, {0xFF000018, "sysInfoBackground"},
};

}  // namespace

namespace {

// Bytes that need more than copying: markup characters, control characters and the lead byte of
// U+FFFE/U+FFFF. Everything else is copied in runs.
constexpr std::array<bool, 256> kSpecial = [] {
  std::array<bool, 256> t{};
  for (int c = 0; c < 0x20; ++c) t[c] = true;
  for (const int c : {int('&'), int('<'), int('>'), int('"'), int('\''), 0xEF}) t[c] = true;
  return t;
}();

// Appends the escaped form of one special byte at s[i]; returns how many bytes it consumed.
qsizetype AppendSpecial(QByteArray& out, QByteArrayView s, qsizetype i, bool attribute) {
  const unsigned char c = static_cast<unsigned char>(s[i]);
  switch (c) {
    case '&': out += "&amp;"; return 1;
    case '<': out += "&lt;"; return 1;
    case '>': out += "&gt;"; return 1;
    case '"': out += "&quot;"; return 1;
    case '\'': out += "&apos;"; return 1;
    case '\r': out += "&#13;"; return 1;
    case '\n': out += attribute ? "&#10;" : "\n"; return 1;
    case '\t': out += attribute ? "&#9;" : "\t"; return 1;
    default: break;
  }
  if (c < 0x20) {
    out += kReplacement;  // control characters cannot appear in XML 1.0 at all
    return 1;
  }
  if (i + 2 < s.size() && uchar(s[i + 1]) == 0xBF && (uchar(s[i + 2]) & 0xFE) == 0xBE) {
    out += kReplacement;  // U+FFFE and U+FFFF are not characters
    return 3;
  }
  out += char(c);  // any other character starting with 0xEF
  return 1;
}

}  // namespace

void AppendEscaped(QByteArray& out, QByteArrayView s, TQBXmlContext context) {
  const bool attribute = context == TQBXmlContext::Attribute;
  const char* p = s.data();
  qsizetype i = 0;
  while (i < s.size()) {
    qsizetype run = i;
    while (run < s.size() && !kSpecial[static_cast<unsigned char>(p[run])]) ++run;
    if (run > i) out.append(p + i, run - i);
    i = run < s.size() ? run + AppendSpecial(out, s, run, attribute) : run;
  }
}

QByteArray ColorText(int32_t color) {
  for (const TColorName& n : kColorNames)
    if (n.Color == uint32_t(color)) return QByteArray::fromRawData(n.Name, qsizetype(std::strlen(n.Name)));
  return '$' + QByteArray::number(uint32_t(color), 16);
}

}  // namespace qbxml

namespace {

using qbxml::AppendEscaped;
using qbxml::TQBXmlContext;

void AppendElement(QByteArray& out, const char* name, QByteArrayView utf8) {
  out += "    <";
  out += name;
  out += '>';
  AppendEscaped(out, utf8, TQBXmlContext::Content);
  out += "</";
  out += name;
  out += ">\r\n";
}

// The details as one Item per line; lines end at CR, LF or CR LF, and a final break adds no line.
void AppendDetails(QByteArray& out, QByteArrayView details) {
  if (details.isEmpty()) return;
  out += "    <Details>\r\n";
  qsizetype start = 0;
  while (start < details.size()) {
    qsizetype end = start;
    while (end < details.size() && details[end] != '\r' && details[end] != '\n') ++end;
    out += "      <Item>";
    AppendEscaped(out, details.sliced(start, end - start), TQBXmlContext::Content);
    out += "</Item>\r\n";
    if (end < details.size() && details[end] == '\r' && end + 1 < details.size() && details[end + 1] == '\n') ++end;
    start = end + 1;
  }
  out += "    </Details>\r\n";
}

// Appends n as decimal digits.
void AppendNumber(QByteArray& out, int64_t n) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
  out.append(digits, end - digits);
}

// Appends n with at least width digits, zero-padded.
void AppendPadded(QByteArray& out, int n, int width) {
  char digits[12];
  const auto end = std::to_chars(digits, digits + sizeof digits, n).ptr;
  for (auto len = end - digits; len < width; ++len) out += '0';
  out.append(digits, end - digits);
}

// "yyyy-MM-dd"; messages come in runs of one day, so the last day's text is kept.
void AppendDate(QByteArray& out, int32_t day) {
  static thread_local int32_t lastDay = -1;
  static thread_local QByteArray lastText;
  if (day != lastDay) {
    lastDay = day;
    lastText = qbtime::DateOfDay(day).toString(QStringLiteral("yyyy-MM-dd")).toLatin1();
  }
  out += lastText;
}

// "HH:mm:ss.zzz"; the last moment of a day (86400000 ms) is written as 24:00:00.000.
void AppendTime(QByteArray& out, int32_t ms) {
  AppendPadded(out, ms / 3600000, 2);
  out += ':';
  AppendPadded(out, ms / 60000 % 60, 2);
  out += ':';
  AppendPadded(out, ms / 1000 % 60, 2);
  out += '.';
  AppendPadded(out, ms % 1000, 3);
}

void AppendMessage(QByteArray& out, const TQBMessageRef& m) {
  out += "  <Message MsgType=\"";
  AppendEscaped(out, qboutput::TypeNameUtf8Of(m.MsgType()), TQBXmlContext::Attribute);
  out += "\" MsgText=\"";
  AppendEscaped(out, m.MsgTextUtf8(), TQBXmlContext::Attribute);
  out += "\">\r\n";
  const TQBTimeStamp ts = m.TimeStamp();
  out += "    <TimeStamp Date=\"";
  AppendDate(out, ts.Date);
  out += "\" Time=\"";
  AppendTime(out, ts.Time);
  out += "\" TimeBias=\"";
  AppendNumber(out, m.TimeBias());
  out += "\"/>\r\n    <ProcessID>";
  AppendNumber(out, m.ProcessID());
  out += "</ProcessID>\r\n";
  AppendElement(out, "ThreadName", m.ThreadNameUtf8());
  AppendElement(out, "AppName", m.AppNameUtf8());
  AppendElement(out, "ComputerName", m.ComputerNameUtf8());
  out += "    <Category Color=\"";
  out += qbxml::ColorText(m.CategoryColor());
  out += "\" FontColor=\"";
  out += qbxml::ColorText(m.CategoryFontColor());
  out += "\">";
  AppendEscaped(out, m.CategoryUtf8(), TQBXmlContext::Content);
  out += "</Category>\r\n";
  AppendElement(out, "TypeName", m.TypeNameUtf8());
  AppendDetails(out, m.DetailsUtf8());
  out += "  </Message>\r\n";
}

QByteArray Header() {
  const QLocale locale = QLocale::system();
  const QDateTime now = QDateTime::currentDateTime();
  QString created = locale.toString(now.date(), QLocale::LongFormat) + u' ' + locale.toString(now.time(), QLocale::LongFormat);
  created.replace(QStringLiteral("--"), QStringLiteral("- -"));  // "--" may not appear inside a comment
  QByteArray out = "<!--Quillbox Log File-->\r\n<!--Created on ";
  AppendEscaped(out, created.toUtf8(), TQBXmlContext::Content);
  out += " -->\r\n<QuillboxLog xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
         "xsi:noNamespaceSchemaLocation=\"QuillboxLogFile.xsd\">\r\n";
  return out;
}

bool IsAsciiBytes(const QByteArray& bytes) { return qbtext::IsAscii(bytes.constData(), bytes.size()); }

// Writes every message; with asciiOnly, gives up (returns false, *restart set) at the first byte that
// is not 7-bit ASCII so the caller can start over in UTF-8.
bool WriteXml(const TQBViewRows& rows, TQBOutputFile& out, bool asciiOnly, bool* restart) {
  *restart = false;
  const TQuillboxMessageSet& set = rows.MessageSet();
  QByteArray block = asciiOnly ? QByteArray() : QByteArray("\xEF\xBB\xBF");
  block += Header();
  bool ok = true;
  qboutput::ForEachWrittenItem(rows, [&](int item) {
    if (!ok) return;
    AppendMessage(block, set.At(rows.ItemRecNo(item)));
    if (block.size() < (qsizetype(1) << 20)) return;
    if (asciiOnly && !IsAsciiBytes(block)) *restart = true;
    ok = !*restart && out.Write(block);
    block.resize(0);  // keeps the capacity for the next block
  });
  if (!ok) return false;
  block += "</QuillboxLog>\r\n";
  if (asciiOnly && !IsAsciiBytes(block)) {
    *restart = true;
    return false;
  }
  return out.Write(block);
}

}  // namespace

bool ExportViewXml(const TQBViewRows& rows, const QString& path, IQBProgressSink* progress, QString* error) {
  TQBProgressScope bar(progress, rows.RowCount());
  TQBOutputFile out(path);
  bool restart = false;
  const bool ok = out.Open() && (WriteXml(rows, out, true, &restart) ||
                                 (restart && out.Restart() && WriteXml(rows, out, false, &restart)));
  if (ok && out.Commit()) return true;
  if (error) *error = QStringLiteral("Cannot write the file %1: %2").arg(QDir::toNativeSeparators(path), out.ErrorString());
  return false;
}
