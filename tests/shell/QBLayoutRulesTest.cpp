// Column commands, window position commands, status texts and title marks.

#include "shell/QBLayoutRules.h"
#include "shell/QBLogState.h"
#include "shell/QBStatusTexts.h"

#include <gtest/gtest.h>

namespace {

using C = TQBCmd;

TEST(ColumnCommands, TogglesExclusiveTimesMessageOnlyAndAllDetails) {
  struct TCase {
    uint16_t Before;
    C Cmd;
    uint16_t After;
  } cases[] = {
      {0, C::ViewCategory, 1},
      {1, C::ViewCategory, 0},
      {32, C::ViewDate, 0},
      {64, C::ViewTimeDiff, 128},          // another time column replaces Time Stamp
      {128, C::ViewTimeDiff, 0},           // ticked: switched off, none left
      {1 | 256, C::ViewTimeStamp, 1 | 64}, // detail columns stay
      {0x1FF, C::ViewMsgOnly, 0},
      {0x3FF, C::ViewMsgOnly, 0},          // the Log column goes too
      {0x8000 | 3, C::ViewMsgOnly, 0x8000},  // bits beyond the ten columns are kept
      {1, C::ViewLog, 1 | 512},
      {512 | 64, C::ViewLog, 64},
      {0, C::AllDetails, 127},
      {128, C::AllDetails, 63 | 128},      // never two time columns at once
      {256, C::AllDetails, 63 | 256},
      {512, C::AllDetails, 512 | 127},     // the Log column stays as it is
  };
  for (const TCase& c : cases)
    EXPECT_EQ(qblayout::ApplyColumnCommand(c.Before, c.Cmd), c.After) << c.Before << " cmd " << int(c.Cmd);
}

TEST(PositionCommands, PlaceTheWindowOnItsMonitor) {
  const QSize w(400, 300);
  // A second monitor to the right of a first one at 0,0 1920x1080.
  const QRect r(1920, 0, 1280, 1024);
  struct TCase {
    C Cmd;
    QRect Expected;
  } cases[] = {
      {C::PosUpperLeft, QRect(1920, 0, 400, 300)},     {C::PosUpperRight, QRect(2800, 0, 400, 300)},
      {C::PosLowerRight, QRect(2800, 724, 400, 300)},  {C::PosLowerLeft, QRect(1920, 724, 400, 300)},
      {C::PosLeft, QRect(1920, 0, 400, 1024)},         {C::PosTop, QRect(1920, 0, 1280, 300)},
      {C::PosRight, QRect(2800, 0, 400, 1024)},        {C::PosBottom, QRect(1920, 724, 1280, 300)},
  };
  for (const TCase& c : cases) EXPECT_EQ(qblayout::PositionRect(c.Cmd, r, w), c.Expected) << int(c.Cmd);
  EXPECT_EQ(qblayout::PositionRect(C::Open, r, w), std::nullopt);
  // Upper Right puts the right edge on the monitor's right edge.
  EXPECT_EQ(qblayout::PositionRect(C::PosUpperRight, r, w)->right() + 1, 3200);
}

TEST(StatusTexts, TimeDifference) {
  const int32_t day = 738886, noon = 12 * 3600000;
  struct TCase {
    int32_t D1, T1, D2, T2;
    const char* Text;
  } cases[] = {
      {day, noon, day, noon + 10000, "0:00:10.000"},
      {day, noon + 10000, day, noon, "xx:xx:xx.xxx"},
      {day, noon, day + 1, noon + 3600000, "1:00:00.000"},  // 25 hours: hours modulo 24
      {day, 0, day, 3723004, "1:02:03.004"},
      {1, 0, 800000, 0, "0:00:00.000"},  // a difference far beyond 32-bit milliseconds
  };
  for (const TCase& c : cases) EXPECT_EQ(qbstatus::TimeDiffText(c.D1, c.T1, c.D2, c.T2), QString::fromLatin1(c.Text));
}

TEST(StatusTexts, NumbersWithThousandsSeparators) {
  const QLocale en(QLocale::English, QLocale::UnitedStates);
  EXPECT_EQ(qbstatus::MessageNumberText(0, en), QStringLiteral("#0"));
  EXPECT_EQ(qbstatus::MessageNumberText(1234567, en), QStringLiteral("#1,234,567"));
  EXPECT_EQ(qbstatus::MessageCountText(12, 1000, en), QStringLiteral("12 out of 1,000 Messages"));
  EXPECT_EQ(qbstatus::SelectionCountText(3, en), QStringLiteral("3 Selected"));
  EXPECT_EQ(qbstatus::ProjectText({}), QStringLiteral("Project:"));
  EXPECT_EQ(qbstatus::ProjectText(QStringLiteral("/p/My Views.qbp")), QStringLiteral("Project: My Views"));
}

TEST(LogState, TitleMarks) {
  TQBLogState s;
  EXPECT_EQ(s.Title(), QStringLiteral("Quillbox File Viewer"));
  s.Modified = true;
  EXPECT_EQ(s.Title(), QStringLiteral("*Quillbox File Viewer"));
  s.CurrentFile = QStringLiteral("/logs/Trace.qbl");
  EXPECT_EQ(s.Title(), QStringLiteral("*Trace.qbl - Quillbox File Viewer"));
  s.Modified = false;
  EXPECT_EQ(s.Title(), QStringLiteral("Trace.qbl - Quillbox File Viewer"));
}

}  // namespace
