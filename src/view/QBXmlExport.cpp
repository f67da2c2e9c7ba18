#include "view/QBXmlExport.h"

#include "view/QBViewOutput.h"

#include "model/QBTimeStamp.h"

#include <QDateTime>
#include <QDir>
#include <QLocale>

#include <array>

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

void AppendEscaped(QByteArray& out, QByteArrayView s, TQBXmlContext context) {
  const bool attribute = context == TQBXmlContext::Attribute;
  for (qsizetype i = 0; i < s.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    switch (c) {
      case '&': out += "&amp;"; continue;
      case '<': out += "&lt;"; continue;
      case '>': out += "&gt;"; continue;
      case '"': out += "&quot;"; continue;
      case '\'': out += "&apos;"; continue;
      case '\r': out += "&#13;"; continue;
      case '\n': out += attribute ? "&#10;" : "\n"; continue;
      case '\t': out += attribute ? "&#9;" : "\t"; continue;
      default: break;
    }
    if (c < 0x20) {
      out += kReplacement;  // control characters cannot appear in XML 1.0 at all
    } else if (c == 0xEF && i + 2 < s.size() && uchar(s[i + 1]) == 0xBF && (uchar(s[i + 2]) & 0xFE) == 0xBE) {
      out += kReplacement;  // U+FFFE and U+FFFF are not characters
      i += 2;
    } else {
      out += char(c);
    }
  }
}

QByteArray ColorText(int32_t color) {
  for (const TColorName& n : kColorNames)
    if (n.Color == uint32_t(color)) return n.Name;
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

void AppendMessage(QByteArray& out, const TQBMessageRef& m) {
  out += "  <Message MsgType=\"";
  AppendEscaped(out, qboutput::TypeNameOf(m.MsgType()).toUtf8(), TQBXmlContext::Attribute);
  out += "\" MsgText=\"";
  AppendEscaped(out, m.MsgTextUtf8(), TQBXmlContext::Attribute);
  out += "\">\r\n";
  const TQBTimeStamp ts = m.TimeStamp();
  const QTime time = QTime::fromMSecsSinceStartOfDay(ts.Time % qbtime::MsPerDay);
  out += "    <TimeStamp Date=\"" + qbtime::DateOfDay(ts.Date).toString(QStringLiteral("yyyy-MM-dd")).toLatin1() +
         "\" Time=\"" + (ts.Time == qbtime::MsPerDay ? QByteArray("24:00:00.000") : time.toString(QStringLiteral("HH:mm:ss.zzz")).toLatin1()) +
         "\" TimeBias=\"" + QByteArray::number(m.TimeBias()) + "\"/>\r\n";
  out += "    <ProcessID>" + QByteArray::number(m.ProcessID()) + "</ProcessID>\r\n";
  AppendElement(out, "ThreadName", m.ThreadNameUtf8());
  AppendElement(out, "AppName", m.AppNameUtf8());
  AppendElement(out, "ComputerName", m.ComputerNameUtf8());
  out += "    <Category Color=\"" + qbxml::ColorText(m.CategoryColor()) + "\" FontColor=\"" +
         qbxml::ColorText(m.CategoryFontColor()) + "\">";
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

bool IsAsciiBytes(const QByteArray& bytes) {
  for (char c : bytes)
    if (uchar(c) >= 0x80) return false;
  return true;
}

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
    block.clear();
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
