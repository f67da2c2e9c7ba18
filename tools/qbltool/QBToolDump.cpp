// qbltool dump: every loaded message as one JSON object per line, in store order.

#include "QBToolDump.h"

#include "QBJsonText.h"
#include "QBToolCommands.h"
#include "QBToolLoad.h"

namespace qbltool {
namespace {

void AppendField(QByteArray& out, const char* key, QByteArrayView utf8) {
  out += ",\"";
  out += key;
  out += "\":";
  AppendJsonString(out, utf8);
}

void AppendField(QByteArray& out, const char* key, qint64 value) {
  out += ",\"";
  out += key;
  out += "\":";
  out += QByteArray::number(value);
}

}  // namespace

void AppendDumpLine(QByteArray& out, int recNo, const TQBMessageRef& m) {
  out += "{\"rec\":";
  out += QByteArray::number(recNo);
  AppendField(out, "id", m.ID());
  AppendField(out, "type", m.MsgType());
  AppendField(out, "text", m.MsgTextUtf8());
  AppendField(out, "details", m.DetailsUtf8());
  AppendField(out, "date", m.TimeStamp().Date);
  AppendField(out, "time", m.TimeStamp().Time);
  AppendField(out, "bias", m.TimeBias());
  AppendField(out, "pid", qint64(m.ProcessID()));
  AppendField(out, "thread", m.ThreadNameUtf8());
  AppendField(out, "computer", m.ComputerNameUtf8());
  AppendField(out, "app", m.AppNameUtf8());
  AppendField(out, "typename", m.TypeNameUtf8());
  AppendField(out, "category", m.CategoryUtf8());
  AppendField(out, "catcolor", m.CategoryColor());
  AppendField(out, "catfontcolor", m.CategoryFontColor());
  out += "}\n";
}

int RunDump(const QStringList& args, const TToolIO& io) {
  if (args.size() != 1) return UsageError(io, "dump FILE.qbl");
  TQuillboxMessageSet set;
  const TToolLoad load = LoadForTool(args[0], set, io);
  if (load.ExitCode == ExitUsage) return ExitUsage;
  QByteArray out;
  for (int recNo = 1; recNo <= set.GetRecordCount(); ++recNo) {
    AppendDumpLine(out, recNo, set.At(recNo));
    if (out.size() > (1 << 20)) io.Write(out), out.resize(0);
  }
  io.Write(out);
  return load.ExitCode;
}

}  // namespace qbltool
