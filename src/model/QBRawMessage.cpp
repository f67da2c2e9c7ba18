#include "model/QBRawMessage.h"

TQBRawMessage RawMessageOf(const TQBMessageRef& m) {
  const TQBMsgRecord& r = m.Record();
  TQBRawMessage raw;
  raw.MsgType = r.MsgType;
  raw.Time = r.Time;
  raw.Date = r.Date;
  raw.TimeBias = r.TimeBias;
  raw.ProcessID = r.ProcessID;
  raw.CategoryColor = r.CategoryColor;
  raw.CategoryFontColor = r.CategoryFontColor;
  raw.MsgText = Utf8Bytes(m.MsgTextUtf8());
  raw.Details = Utf8Bytes(m.DetailsUtf8());
  raw.ThreadName = Utf8Bytes(m.ThreadNameUtf8());
  raw.ComputerName = Utf8Bytes(m.ComputerNameUtf8());
  raw.AppName = Utf8Bytes(m.AppNameUtf8());
  raw.Category = Utf8Bytes(m.CategoryUtf8());
  raw.TypeName = Utf8Bytes(m.TypeNameUtf8());
  return raw;
}
