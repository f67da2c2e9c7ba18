#include "support/QBTestStore.h"

namespace qbtest {

int TTestStore::Add(const TMsgFields& f) {
  const auto bytes = [this](const QString& text) { return Utf8Bytes(FBytes.emplace_back(text.toUtf8())); };
  TQBRawMessage msg;
  msg.MsgType = f.Type;
  msg.ProcessID = f.Pid;
  msg.AppName = bytes(f.App);
  msg.Category = bytes(f.Category);
  msg.ThreadName = bytes(f.Thread);
  msg.ComputerName = bytes(f.Computer);
  msg.MsgText = bytes(f.Text);
  const int recNo = FAdder.AddMessage(msg);
  FBytes.clear();
  return recNo;
}

}  // namespace qbtest
