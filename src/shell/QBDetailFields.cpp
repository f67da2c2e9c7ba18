#include "shell/QBDetailFields.h"

#include "view/QBTimeText.h"

namespace {

constexpr std::array<TQBDetailField, qbdetail::FieldCount> kFields{{
    {"Category", "stsCategory", false},
    {"Type Name", "stsTypeName", false},
    {"App Name", "stsAppName", false},
    {"Computer", "stsComputer", false},
    {"PID", "stsPID", true},
    {"Thread", "stsThreadName", true},
    {"Date", "stsDate", true},
    {"TimeStamp", "stsTimeStamp", true},
}};

}  // namespace

namespace qbdetail {

const std::array<TQBDetailField, FieldCount>& Fields() { return kFields; }

std::array<QString, FieldCount> ValuesOf(const TQBMessageRef& m) {
  const TQBTimeStamp ts = m.TimeStamp();
  return {m.Category(),
          m.TypeName(),
          m.AppName(),
          m.ComputerName(),
          QString::number(m.ProcessID()),
          m.ThreadName(),
          qbtimetext::ShortDate(ts.Date),
          qbtimetext::TimeOfDay(ts.Time)};
}

}  // namespace qbdetail
