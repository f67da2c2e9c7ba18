#include "shell/QBAnnotations.h"

#include "model/QBMessageTypes.h"
#include "model/QBRawMessage.h"
#include "model/QBTimeStamp.h"

namespace {

int32_t TypeOf(TQBAnnotationKind kind) {
  switch (kind) {
    case TQBAnnotationKind::Note: return qbmNote;
    case TQBAnnotationKind::CheckPoint: return qbmCheckPoint;
    case TQBAnnotationKind::Separator: return qbmSeparator;
    case TQBAnnotationKind::ResetSeparator: return qbmResetSeparator;
  }
  return qbmNote;
}

QString TextOf(TQBAnnotationKind kind, const QString& programName, int checkPoint) {
  switch (kind) {
    case TQBAnnotationKind::Note: return QStringLiteral("New Note");
    case TQBAnnotationKind::CheckPoint: return QStringLiteral("%1: Check Point #%2").arg(programName).arg(checkPoint);
    case TQBAnnotationKind::Separator: return QStringLiteral("-");
    case TQBAnnotationKind::ResetSeparator: return QStringLiteral("=");
  }
  return {};
}

// The texts of an annotation as UTF-8 bytes that live as long as this object.
class TRawAnnotation {
public:
  explicit TRawAnnotation(const TQBAnnotation& a)
      : FText(a.MsgText.toUtf8()),
        FApp(a.AppName.toUtf8()),
        FComputer(a.ComputerName.toUtf8()),
        FThread(a.ThreadName.toUtf8()),
        FCategory(a.Category.toUtf8()) {
    FRaw.MsgType = a.MsgType;
    FRaw.Date = a.Date;
    FRaw.Time = a.Time;
    FRaw.TimeBias = a.TimeBias;
    FRaw.ProcessID = a.ProcessID;
    FRaw.CategoryColor = a.CategoryColor;
    FRaw.CategoryFontColor = a.CategoryFontColor;
    FRaw.MsgText = Utf8Bytes(FText);
    FRaw.AppName = Utf8Bytes(FApp);
    FRaw.ComputerName = Utf8Bytes(FComputer);
    FRaw.ThreadName = Utf8Bytes(FThread);
    FRaw.Category = Utf8Bytes(FCategory);
  }
  const TQBRawMessage& Raw() const { return FRaw; }

private:
  QByteArray FText, FApp, FComputer, FThread, FCategory;
  TQBRawMessage FRaw;
};

}  // namespace

TQBAnnotation TQBAnnotations::Build(TQBAnnotationKind kind, const TQBFilterCriteria* criteria, int checkPoint) const {
  TQBAnnotation a;
  a.MsgType = TypeOf(kind);
  // The program name stays the program's own even where the view's filter names another application.
  a.MsgText = TextOf(kind, FOrigin.AppName, checkPoint);
  const QDateTime now = FClock();
  a.Date = qbtime::DayOf(now.date());
  a.Time = now.time().msecsSinceStartOfDay();
  a.TimeBias = FOrigin.TimeBias;
  a.AppName = FOrigin.AppName;
  a.ComputerName = FOrigin.ComputerName;
  a.ProcessID = FOrigin.ProcessID;
  a.ThreadName = FOrigin.ThreadName;
  a.CategoryColor = clWindow;
  a.CategoryFontColor = clWindowText;
  if (criteria) {
    const TQBFilterCriteria& c = *criteria;
    if (c.CheckAppName) a.AppName = c.AppName;
    if (c.CheckComputerName) a.ComputerName = c.ComputerName;
    if (c.CheckCategory) a.Category = c.Category;
    if (c.CheckProcessID) a.ProcessID = uint32_t(c.ProcessID);
    if (c.CheckThreadName) a.ThreadName = c.ThreadName;
  }
  return a;
}

int TQBAnnotations::Add(TQBAnnotationKind kind, const TQBFilterCriteria* criteria) {
  if (kind == TQBAnnotationKind::CheckPoint) ++FCheckPoints;
  const TRawAnnotation raw(Build(kind, criteria, FCheckPoints));
  return FAdder.AddMessage(raw.Raw());
}
