// The organizer's commands without a window: which dialog form opens with what, and what each answer
// does to the field set, the Auto-Organize switch and the views.

#include "shell/QBOrganizerCommands.h"
#include "support/QBOrganizedViews.h"
#include "support/QBTestStore.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

// Cases name only the fields they set; the others keep their defaults.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

struct TDialogAnswer {
  bool Ok = false;
  uint8_t Fields = 0;
  bool AutoOrganize = false;
};

struct TDialogCall {
  TQBOrganizerForm Form;
  uint8_t Fields;
  bool AutoOrganize;
};

class TFakeWindow final : public IQBOrganizerWindow, public qbtest::TOrganizedViews {
public:
  using TOrganizedViews::TOrganizedViews;
  bool RunOrganizerSettings(TQBOrganizerForm form, uint8_t& fields, bool& autoOrganize) override {
    Dialogs.push_back({form, fields, autoOrganize});
    if (!Answer.Ok) return false;
    fields = Answer.Fields;
    autoOrganize = Answer.AutoOrganize;
    return true;
  }
  void UpdateCommands() override { ++Updates; }
  void ShowStatusText(const QString& text) override { StatusTexts << text; }

  TDialogAnswer Answer;
  QStringList StatusTexts;
  std::vector<TDialogCall> Dialogs;
  int Updates = 0;
};

class OrganizerCommandsTest : public ::testing::Test {
protected:
  void SetUp() override {
    qbviewregistry::Install(&Organizer);
    Organizer.SetViews(&Window);
    Store.Add({.App = "Orders", .Thread = "Main"});
    Store.Add({.App = "Billing", .Thread = "Worker"});
  }
  void TearDown() override {
    Window.Views.clear();
    qbviewregistry::Install(nullptr);
  }

  TQuillboxMessageSet Set;
  qbtest::TTestStore Store{Set};
  TQBOrganizer Organizer{Set};
  TFakeWindow Window{Set};
  TQBOrganizerCommands Commands{Organizer, Set, Window};
};

TEST_F(OrganizerCommandsTest, AutoOrganizeWithoutFieldsAsksForThemAndACancelTurnsItOffAgain) {
  struct TCase {
    const char* Why;
    TDialogAnswer Answer;
    bool AutoAfter;
    uint8_t FieldsAfter;
    QStringList Views;
  } cases[] = {
      {"cancelled", {false}, false, 0, {}},
      {"fields chosen with the box ticked", {true, orgThreadName, true}, true, orgThreadName,
       {"Thread Main", "Thread Worker"}},
      {"fields chosen with the box unticked", {true, orgAppName, false}, false, orgAppName, {}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Why);
    Window.Views.clear();
    Window.Dialogs.clear();
    Commands.ApplySettings({0, false});
    Window.Answer = c.Answer;
    Commands.ToggleAutoOrganize();
    ASSERT_EQ(Window.Dialogs.size(), 1u);
    EXPECT_EQ(Window.Dialogs[0].Form, TQBOrganizerForm::Settings);
    EXPECT_EQ(Window.Dialogs[0].Fields, 0);
    EXPECT_TRUE(Window.Dialogs[0].AutoOrganize) << "the box shows the switch, already on";
    EXPECT_EQ(Commands.AutoOrganize(), c.AutoAfter);
    EXPECT_EQ(Organizer.OrganizeBy(), c.FieldsAfter);
    EXPECT_EQ(Window.Names(), c.Views);
  }
}

TEST_F(OrganizerCommandsTest, AutoOrganizeWithFieldsOrganizesAtOnceWithoutAsking) {
  Commands.ApplySettings({orgAppName, false});
  EXPECT_TRUE(Window.Views.empty()) << "loading the settings organizes nothing";
  Commands.ToggleAutoOrganize();
  EXPECT_TRUE(Window.Dialogs.empty());
  EXPECT_TRUE(Commands.AutoOrganize());
  EXPECT_EQ(Window.Names(), (QStringList{"Orders", "Billing"}));
  Commands.ToggleAutoOrganize();
  EXPECT_FALSE(Commands.AutoOrganize());
  EXPECT_EQ(Commands.Settings(), (TQBOrganizerSettings{orgAppName, false}));
}

TEST_F(OrganizerCommandsTest, OrganizeMessagesUsesTheDialogsFieldsOnce) {
  Commands.ApplySettings({orgAppName, false});
  Window.Answer = {false};
  Commands.OrganizeMessages();
  EXPECT_TRUE(Window.Views.empty());
  Window.Answer = {true, orgThreadName, false};
  Commands.OrganizeMessages();
  ASSERT_EQ(Window.Dialogs.size(), 2u);
  EXPECT_EQ(Window.Dialogs[1].Form, TQBOrganizerForm::OrganizeNow);
  EXPECT_EQ(Window.Dialogs[1].Fields, orgAppName);
  EXPECT_EQ(Window.Names(), (QStringList{"Thread Main", "Thread Worker"}));
  EXPECT_EQ(Organizer.OrganizeBy(), orgAppName) << "the automatic field set stays";
}

TEST_F(OrganizerCommandsTest, SettingsDialogChangesFieldsAndSwitch) {
  Commands.ApplySettings({orgAppName, true});
  Window.Answer = {false};
  Commands.AutoOrganizeSettings();
  EXPECT_TRUE(Commands.AutoOrganize()) << "a cancel with fields chosen changes nothing";
  EXPECT_EQ(Window.Dialogs.back().Form, TQBOrganizerForm::Settings);
  EXPECT_TRUE(Window.Dialogs.back().AutoOrganize);
  Window.Answer = {true, orgThreadName | orgComputerName, false};
  Commands.AutoOrganizeSettings();
  EXPECT_EQ(Organizer.OrganizeBy(), orgThreadName | orgComputerName);
  EXPECT_FALSE(Commands.AutoOrganize());
  EXPECT_TRUE(Window.Views.empty());
}

TEST_F(OrganizerCommandsTest, NewMessagesAreOrganizedOnlyWhileAutoOrganizeIsOn) {
  Store.Adder().AddObserver(&Commands);
  Commands.ApplySettings({orgThreadName, false});
  Store.Add({.Thread = "Timer"});
  EXPECT_TRUE(Window.Views.empty());
  Commands.ApplySettings({orgThreadName, true});
  Store.Add({.Thread = "Timer"});
  EXPECT_EQ(Window.Names(), QStringList{"Thread Timer"});
  EXPECT_EQ(Window.Views[0]->ItemCount(), 0) << "the views observer hands the message over, not the organizer";
}

// Beyond MaxViews the organizer makes no view; the status pane says how many values it left out, after
// Organize Messages at once and after the automatic pass when the window asks (a load ended).
TEST_F(OrganizerCommandsTest, ValuesBeyondMaxViewsAreLeftOutAndReported) {
  Store.Add({.App = "Timer", .Thread = "Timer"});
  Commands.ApplySettings({orgAppName, false, 1});
  Window.Answer = {true, orgThreadName, false};
  Commands.OrganizeMessages();
  EXPECT_EQ(Window.Names(), QStringList{"Thread Main"});
  EXPECT_EQ(Window.StatusTexts,
            QStringList{"The organizer makes at most 1 views ([Organizer] MaxViews): 2 more values got no view."});

  Store.Adder().AddObserver(&Commands);
  Commands.ApplySettings({orgAppName, true, 2});
  Store.Add({.App = "Orders"});
  Store.Add({.App = "Late"});
  Store.Add({.App = "LATE"});
  Store.Add({.App = "Later"});
  EXPECT_EQ(Window.Names(), (QStringList{"Thread Main", "Orders"}));
  Commands.ReportLeftOut();
  Commands.ReportLeftOut();  // each value is reported once
  ASSERT_EQ(Window.StatusTexts.size(), 2);
  EXPECT_EQ(Window.StatusTexts[1],
            "The organizer makes at most 2 views ([Organizer] MaxViews): 2 more values got no view.");
}

}  // namespace
