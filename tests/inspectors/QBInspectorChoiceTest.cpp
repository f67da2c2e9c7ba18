// The choice of inspector for a message type, the type glyph's hint and the proposed print title.

#include "inspectors/parsers/QBInspectorChoice.h"

#include "view/QBTimeText.h"

#include <gtest/gtest.h>

namespace {

using K = TQBInspectorKind;

TEST(QBInspectorChoiceTest, TypeCodesMapToTheirInspectors) {
  struct TCase {
    std::vector<int32_t> Codes;
    K Kind;
  };
  const TCase cases[] = {
      {{4}, K::Object},
      {{5, 19, 32}, K::MonospaceText},
      {{6}, K::StringList},
      {{11, 12, 40}, K::None},
      {{16}, K::Bitmap},
      {{17, 18, 21, 35, 36, 37}, K::Text},
      {{20}, K::MemoryStatus},
      {{22, 33, 34}, K::Properties},
      {{31}, K::Color},
      {{38}, K::Table},
      {{41}, K::Collection},
      {{44}, K::Hierarchy},
      {{0, 1, 2, 3, 7, 8, 9, 10, 13, 14, 15, 23, 30, 39, 42, 43, 45, 99}, K::String},
      {{100, 150, 100000}, K::PlugIn},
  };
  for (const TCase& c : cases)
    for (int32_t code : c.Codes) EXPECT_EQ(InspectorKindForType(code), c.Kind) << "type " << code;
}

TEST(QBInspectorChoiceTest, HiddenPaneAndPlugInsOverrideTheTable) {
  const auto never = [](int, int32_t) { return false; };
  const auto singleOnly = [](int count, int32_t) { return count == 1; };
  struct TCase {
    int32_t Type;
    bool PaneShown;
    int Selected;
    TQBPlugInSupports Supports;
    K Kind;
  };
  const TCase cases[] = {
      {11, false, 1, never, K::String},      // a separator with the pane hidden
      {11, true, 1, never, K::None},         // and shown
      {38, false, 1, singleOnly, K::String}, // hidden pane: never a plug-in
      {38, true, 1, singleOnly, K::PlugIn},  // a plug-in for a built-in type takes one message
      {38, true, 2, singleOnly, K::Table},   // but not two
      {150, true, 2, never, K::PlugIn},      // custom types stay plug-in
      {11, true, 1, singleOnly, K::PlugIn},  // even a separator when a plug-in claims it
  };
  for (const TCase& c : cases) EXPECT_EQ(ChooseInspectorKind(c.Type, c.PaneShown, c.Selected, c.Supports), c.Kind);
}

TEST(QBInspectorChoiceTest, HintListsTheMessageOrigin) {
  TQuillboxMessageSet set;
  set.Append();
  set.SetMsgType(1);
  set.SetCategory(QStringLiteral("Database"));
  set.SetTypeName(QStringLiteral("TOrder"));
  set.SetAppName(QStringLiteral("OrderService"));
  set.SetComputerName(QStringLiteral("WS-ANNA"));
  set.SetProcessID(4120);
  set.SetThreadName(QStringLiteral("Main"));
  set.SetTime(3723004);
  set.SetDate(738886);
  set.Post();
  const QString expected = "Warning Message\r" + QString(40, '-') +
                           "\rCategory:\tDatabase\rTypeName:\tTOrder\rAppName:\tOrderService\rComputer:\tWS-ANNA\r"
                           "PID:\t\t4120\rThread:\t\tMain\rDate:\t\t" +
                           qbtimetext::ShortDate(738886) + "\rTimeStamp:\t1:02:03.004";
  EXPECT_EQ(MsgTypeHint(set.At(1)), expected);
  set.GotoRec(1);
  set.SetMsgType(150);
  EXPECT_TRUE(MsgTypeHint(set.At(1)).startsWith("Custom Message\r"));
}

TEST(QBInspectorChoiceTest, ProposedTitleCutsLongTexts) {
  EXPECT_EQ(ProposedPrintTitle(true, QString(40, 'a')), QString(40, 'a') + " (Details)");
  EXPECT_EQ(ProposedPrintTitle(true, QString(41, 'a')), QString(40, 'a') + "... (Details)");
  EXPECT_EQ(ProposedPrintTitle(false, "ignored"), "Inspector Pane Details");
}

}  // namespace
