// The layout and help areas without a window: what the window is asked to arrange, as a table of
// command sequences.

#include "shell/QBHelpCommands.h"
#include "shell/QBLayoutCommands.h"
#include "settings/QBSettings.h"
#include "support/QBTestFiles.h"

#include <QDir>
#include <QFileInfo>

#include <functional>

#include <gtest/gtest.h>

namespace {

using C = TQBCmd;

// Records what it is asked as words, and the panes it was last asked to show.
class TRecordingLayout final : public IQBLayoutWindow, public IQBHelpWindow {
public:
  QStringList Calls;
  TQBPaneFlags Panes;
  bool View = true, Focused = false;
  QRect Frame{10, 10, 400, 300};

  void ApplyPaneLayout(const TQBPaneFlags& flags) override { Panes = flags, Calls << QStringLiteral("panes"); }
  void SetWrapButtons(bool wrap) override { Calls << (wrap ? QStringLiteral("wrap") : QStringLiteral("nowrap")); }
  void SetAlwaysOnTop(bool onTop) override { Calls << (onTop ? QStringLiteral("top") : QStringLiteral("normal")); }
  void FocusCurrentView() override { Calls << QStringLiteral("focus"); }
  bool HasView() const override { return View; }
  bool HasFocusedRow() const override { return Focused; }
  void ReapplyViewSettings() override { Calls << QStringLiteral("reapply"); }
  void InspectFocusedMessage() override { Calls << QStringLiteral("inspect"); }
  QRect MonitorRect() const override { return {1920, 0, 1280, 1024}; }
  QRect FrameRect() const override { return Frame; }
  void PlaceFrame(const QRect& frame) override { Frame = frame, Calls << QStringLiteral("place"); }
  void OpenHelpFile(const QString& file, const QString& address) override {
    Calls << QStringLiteral("open %1 %2").arg(QFileInfo(file).fileName(), address);
  }
  void ShowHelpError(const QString& caption, const QString& text) override { Calls << caption + ": " + text; }
};

TEST(LayoutCommands, FullSizeInspectorHidesAndRestoresTheCallStack) {
  struct TCase {
    bool CallStackBefore;
  } cases[] = {{true}, {false}};
  for (const TCase& c : cases) {
    TQBSettings settings;
    settings.Display.Inspector = true;
    settings.Display.CallStack = c.CallStackBefore;
    TRecordingLayout window;
    TQBLayoutCommands layout(settings, window);
    layout.ToggleFullSizeInspector();
    EXPECT_TRUE(window.Panes.FullSize);
    EXPECT_FALSE(window.Panes.CallStack);
    TQBCommandInputs in;
    layout.GatherInputs(in);
    EXPECT_TRUE(in.FullSizeInspector);
    layout.ToggleFullSizeInspector();
    EXPECT_FALSE(window.Panes.FullSize);
    EXPECT_EQ(window.Panes.CallStack, c.CallStackBefore);
    // Back from full size, the message list gets the keys again.
    EXPECT_EQ(window.Calls, (QStringList{"panes", "panes", "focus"}));
  }
}

TEST(LayoutCommands, WhatEachCommandAsksOfTheWindow) {
  struct TCase {
    const char* What;
    std::function<void(TQBLayoutCommands&)> Run;
    bool View, Focused;
    QStringList Calls;
  } cases[] = {
      {"inspector without a focused row", [](auto& l) { l.ToggleInspector(); }, true, false, {"panes"}},
      // A hidden pane inspects with the string inspector: showing it looks again.
      {"inspector with a focused row", [](auto& l) { l.ToggleInspector(); }, true, true, {"panes", "inspect"}},
      {"wrap buttons", [](auto& l) { l.ToggleWrapButtons(); }, true, false, {"wrap"}},
      {"always on top", [](auto& l) { l.ToggleAlwaysOnTop(); }, true, false, {"top"}},
      {"a column", [](auto& l) { l.ColumnCommand(C::ViewThread); }, true, false, {"reapply"}},
      {"auto-collapse", [](auto& l) { l.ToggleAutoCollapse(); }, true, false, {"reapply"}},
      {"auto-collapse without a view", [](auto& l) { l.ToggleAutoCollapse(); }, false, false, {}},
      {"flatten without a view", [](auto& l) { l.ToggleFlatten(); }, false, false, {}},
      {"upper right", [](auto& l) { l.Position(C::PosUpperRight); }, true, false, {"place"}},
      {"not a position", [](auto& l) { l.Position(C::Open); }, true, false, {}},
  };
  for (const TCase& c : cases) {
    TQBSettings settings;
    TRecordingLayout window;
    window.View = c.View, window.Focused = c.Focused;
    TQBLayoutCommands layout(settings, window);
    c.Run(layout);
    EXPECT_EQ(window.Calls, c.Calls) << c.What;
  }
}

TEST(LayoutCommands, AColumnCommandShowsTheExtraColumnsAgain) {
  TQBSettings settings;
  settings.Display.Columns = colCategory;
  TRecordingLayout window;
  TQBLayoutCommands layout(settings, window);
  layout.ToggleHideExtraColumns();
  EXPECT_TRUE(settings.Display.HideExtraColumns);
  layout.ColumnCommand(C::ViewTimeStamp);
  EXPECT_FALSE(settings.Display.HideExtraColumns);
  EXPECT_EQ(settings.Display.Columns, colCategory | colTimeStamp);
  // The window's outer frame goes to the monitor's right edge.
  layout.Position(C::PosUpperRight);
  EXPECT_EQ(window.Frame, QRect(3200 - 400, 0, 400, 300));
}

TEST(HelpCommands, OpensTheTopicOrSaysTheFileIsMissing) {
  qbtest::TTempFiles files;
  const QString install = files.Path(QStringLiteral("install/"));
  TRecordingLayout window;
  TQBHelpCommands(QString(), window).ShowTopic(QStringLiteral("Viewer"));
  TQBHelpCommands(install, window).ShowTopic(QStringLiteral("Viewer"));
  ASSERT_TRUE(QDir().mkpath(install + QStringLiteral("Help")));
  files.Write(QStringLiteral("install/Help/Quillbox4.chm"), "help");
  TQBHelpCommands(install, window).ShowTopic(QStringLiteral("QuillboxLoggingSystem"));
  const QString missing = QStringLiteral("Quillbox Help: Quillbox Help File (Quillbox4.chm) could not be found.");
  EXPECT_EQ(window.Calls, (QStringList{missing, missing, "open Quillbox4.chm ::/quillboxloggingsystem.htm"}));
}

}  // namespace
