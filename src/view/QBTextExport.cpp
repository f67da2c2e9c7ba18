#include "view/QBTextExport.h"

#include "view/QBTimeText.h"
#include "view/QBViewOutput.h"

#include <quillbox/QuillboxText.h>

#include <QDir>

#include <algorithm>

namespace {

struct TColumnCaption {
  TQBColumn Column;
  const char* Caption;
};

// Detail columns in display order; the time column is added by TimeColumnOf.
constexpr TColumnCaption kColumns[] = {
    {TQBColumn::Log, "Log"},
    {TQBColumn::Category, "Category"}, {TQBColumn::AppName, "AppName"},   {TQBColumn::ComputerName, "Computer"},
    {TQBColumn::ProcessID, "PID"},     {TQBColumn::ThreadName, "Thread"}, {TQBColumn::Date, "Date"},
    {TQBColumn::TimeStamp, "Time Stamp"}, {TQBColumn::TimeDiff, "Time Diff"}, {TQBColumn::TimeOffset, "Time Offset"},
};

// The columns that show, in order, with one time column at most.
bool Shows(TQBColumnSet set, TQBColumn c) {
  const bool isTime = c == TQBColumn::TimeStamp || c == TQBColumn::TimeDiff || c == TQBColumn::TimeOffset;
  return isTime ? TimeColumnOf(set) == uint16_t(c) : HasColumn(set, c);
}

QByteArray Heading(TQBColumnSet set) {
  QByteArray line = "MsgType\tMessage";
  for (const TColumnCaption& c : kColumns)
    if (Shows(set, c.Column)) line += QByteArray("\t") + c.Caption;
  return line + "\r\n";
}

QByteArray ColumnText(const TQBViewRows& rows, int item, TQBColumn c) {
  const TQBMessageRef m = rows.MessageSet().At(rows.ItemRecNo(item));
  switch (c) {
    case TQBColumn::Log: return rows.Host().SourceLogName(rows.ItemRecNo(item)).toUtf8();
    case TQBColumn::Category: return m.CategoryUtf8().toByteArray();
    case TQBColumn::AppName: return m.AppNameUtf8().toByteArray();
    case TQBColumn::ComputerName: return m.ComputerNameUtf8().toByteArray();
    case TQBColumn::ProcessID: return QByteArray::number(m.ProcessID());
    case TQBColumn::ThreadName: return m.ThreadNameUtf8().toByteArray();
    case TQBColumn::Date: return qbtimetext::ShortDate(m.TimeStamp().Date).toUtf8();
    case TQBColumn::TimeStamp: return qbtimetext::TimeOfDay(m.TimeStamp().Time).toUtf8();
    case TQBColumn::TimeDiff: return qbtimetext::TimeDiffOfItem(rows, item).toUtf8();
    case TQBColumn::TimeOffset: return qbtimetext::TimeOffsetOfItem(rows, item).toUtf8();
  }
  return {};
}

// Converts a block to Windows-1252 in place; false when some character has no byte there.
bool ToAnsi(QByteArray& block) {
  if (qbtext::IsAscii(block.constData(), block.size())) return true;
  QByteArray ansi;
  if (!qbtext::EncodeAnsi(QString::fromUtf8(block), ansi)) return false;
  block = ansi;
  return true;
}

// Writes the file; in Windows-1252 gives up (returns false, *restart set) at the first character that
// has no byte there, so the caller can start over in UTF-8.
bool WriteText(const TQBViewRows& rows, TQBOutputFile& out, const TQBTextExportOptions& options, bool ansi, bool* restart) {
  *restart = false;
  QByteArray block = ansi ? QByteArray() : QByteArray("\xEF\xBB\xBF");
  block += Heading(options.Columns);
  const auto flush = [&]() {
    if (ansi && !ToAnsi(block)) {
      *restart = true;
      return false;
    }
    const bool ok = out.Write(block);
    block.clear();
    return ok;
  };
  const TQuillboxMessageSet& set = rows.MessageSet();
  int depth = 0;
  bool ok = true;
  qboutput::ForEachWrittenItem(rows, [&](int item) {
    if (!ok) return;
    const TQBMessageRef m = set.At(rows.ItemRecNo(item));
    if (!options.Flatten) {
      int level = depth;
      if (m.MsgType() == qbmEnterMethod) {
        ++depth;
      } else if (m.MsgType() == qbmExitMethod) {
        depth = std::max(0, depth - 1);
        level = depth;
      }
      block.append(qsizetype(2) * level, ' ');
    }
    block += qboutput::TypeNameOf(m.MsgType()).toUtf8();
    block += '\t';
    block += m.MsgTextUtf8();
    for (const TColumnCaption& c : kColumns)
      if (Shows(options.Columns, c.Column)) block += '\t' + ColumnText(rows, item, c.Column);
    block += "\r\n";
    if (block.size() >= (qsizetype(1) << 20)) ok = flush();
  });
  return ok && flush();
}

}  // namespace

bool ExportViewText(const TQBViewRows& rows, const QString& path, const TQBTextExportOptions& options,
                    IQBProgressSink* progress, QString* error) {
  TQBProgressScope bar(progress, rows.RowCount());
  TQBOutputFile out(path);
  bool restart = false;
  const bool ok = out.Open() && (WriteText(rows, out, options, true, &restart) ||
                                 (restart && out.Restart() && WriteText(rows, out, options, false, &restart)));
  if (ok && out.Commit()) return true;
  if (error) *error = QStringLiteral("Cannot write the file %1: %2").arg(QDir::toNativeSeparators(path), out.ErrorString());
  return false;
}
