// The messages a user adds: their fields, the current view's filter values, the check point counter
// and their way through the adding path into the views that admit them.

#include "support/QBTestFiles.h"

#include "shell/QBAnnotations.h"
#include "view/QBHeadlessList.h"
#include "view/QBViewModel.h"

#include "model/QBMessageTypes.h"
#include "model/QBTimeStamp.h"

#include <gtest/gtest.h>

namespace {

const QDateTime kNow(QDate(2024, 3, 5), QTime(14, 30, 15, 250));

TQBMessageOrigin Origin() {
  TQBMessageOrigin o;
  o.AppName = QStringLiteral("QBFileViewer");
  o.ComputerName = QStringLiteral("WORKSTATION");
  o.ProcessID = 777;
  o.ThreadName = QStringLiteral("778");
  o.TimeBias = -60;
  return o;
}

// A view on its own headless list, fed by the adding path.
struct TView {
  TQBHeadlessList List;
  IQBViewHostHooks Host;
  TQBViewModel Model;
  TView(TQuillboxMessageSet& set, const TQBFilterCriteria& filter) : Model(set, List, Host) {
    List.SetTarget(&Model.Rows());
    Model.SetFilterCriteria(filter);
  }
};

class AnnotationsTest : public ::testing::Test {
protected:
  TQuillboxMessageSet Set;
  TQBMessageAdder Adder{Set};
  TQBAnnotations Annotations{Adder, Origin(), [] { return kNow; }};
};

TEST_F(AnnotationsTest, EachKindWithTheOriginOfThisProgram) {
  struct TCase {
    TQBAnnotationKind Kind;
    int32_t Type;
    QString Text;
  } cases[] = {
      {TQBAnnotationKind::Note, qbmNote, "New Note"},
      {TQBAnnotationKind::CheckPoint, qbmCheckPoint, "QBFileViewer: Check Point #1"},
      {TQBAnnotationKind::Separator, qbmSeparator, "-"},
      {TQBAnnotationKind::ResetSeparator, qbmResetSeparator, "="},
  };
  for (const TCase& c : cases) {
    const TQBMessageRef m = Set.At(Annotations.Add(c.Kind, nullptr));
    EXPECT_EQ(m.MsgType(), c.Type);
    EXPECT_EQ(m.MsgText(), c.Text);
    EXPECT_EQ(m.Details(), QString());
    EXPECT_EQ(m.TypeName(), QString());
    EXPECT_EQ(m.TimeStamp(), (TQBTimeStamp{kNow.time().msecsSinceStartOfDay(), qbtime::DayOf(kNow.date())}));
    EXPECT_EQ(m.TimeBias(), -60);
    EXPECT_EQ(m.AppName(), "QBFileViewer");
    EXPECT_EQ(m.ComputerName(), "WORKSTATION");
    EXPECT_EQ(m.ProcessID(), 777u);
    EXPECT_EQ(m.ThreadName(), "778");
    EXPECT_EQ(m.Category(), QString());
    EXPECT_EQ(m.CategoryColor(), -16777211);
    EXPECT_EQ(m.CategoryFontColor(), -16777208);
  }
}

TEST_F(AnnotationsTest, TickedFilterValuesReplaceTheOrigin) {
  TQBFilterCriteria c;
  c.CheckAppName = true, c.AppName = "Server";
  c.CheckCategory = true, c.Category = "Net";
  c.CheckProcessID = true, c.ProcessID = 1234;
  c.ComputerName = "NOT TICKED";
  c.CheckMessageText = true, c.MessageText = "ignored";
  c.CheckMsgTypes = true;  // the type criterion is not consulted either
  const TQBMessageRef m = Set.At(Annotations.Add(TQBAnnotationKind::CheckPoint, &c));
  EXPECT_EQ(m.AppName(), "Server");
  EXPECT_EQ(m.Category(), "Net");
  EXPECT_EQ(m.ProcessID(), 1234u);
  EXPECT_EQ(m.ComputerName(), "WORKSTATION");
  EXPECT_EQ(m.ThreadName(), "778");
  // The program name in the text stays the program's own.
  EXPECT_EQ(m.MsgText(), "QBFileViewer: Check Point #1");
}

TEST_F(AnnotationsTest, ANoteInAFilteredViewIsShownThere) {
  TQBFilterCriteria server;
  server.CheckAppName = true, server.AppName = "Server";
  TView all(Set, {}), filtered(Set, server);
  Adder.AddObserver(&all.Model);
  Adder.AddObserver(&filtered.Model);
  const int recNo = Annotations.Add(TQBAnnotationKind::Note, &filtered.Model.GetFilterCriteria());
  ASSERT_EQ(filtered.Model.Rows().RowCount(), 1);
  EXPECT_EQ(filtered.Model.Rows().GetRowRecNo(0), recNo);
  EXPECT_EQ(all.Model.Rows().RowCount(), 1);
}

TEST_F(AnnotationsTest, TheCheckPointCounterSurvivesEmptyingTheStore) {
  Annotations.Add(TQBAnnotationKind::CheckPoint, nullptr);
  Annotations.Add(TQBAnnotationKind::Note, nullptr);
  Annotations.Add(TQBAnnotationKind::CheckPoint, nullptr);
  Set.Close();
  Set.Open();
  Adder.ResetNextID();
  const TQBMessageRef third = Set.At(Annotations.Add(TQBAnnotationKind::CheckPoint, nullptr));
  EXPECT_EQ(third.MsgText(), "QBFileViewer: Check Point #3");
  EXPECT_EQ(third.ID(), 0);
  EXPECT_EQ(Annotations.CheckPoints(), 3);
}

}  // namespace
