// Every dialog of the program, walked for its Alt keys: no key may belong to two controls that can
// be reached at the same time (the controls outside a dialog's pages together with those of one page).
// A dialog class the walk does not know fails the test, so a new dialog joins the walk.

#include "dialogs/QBAboutForm.h"
#include "dialogs/QBColumnsForm.h"
#include "dialogs/QBConfirmClearBookmarksForm.h"
#include "dialogs/QBConfirmClearViewForm.h"
#include "dialogs/QBConfirmDialogs.h"
#include "dialogs/QBEditMessageForm.h"
#include "dialogs/QBFindForm.h"
#include "dialogs/QBGoToTimeForm.h"
#include "dialogs/QBJumpToForm.h"
#include "dialogs/QBMessageDialogs.h"
#include "dialogs/QBOptionsForm.h"
#include "dialogs/QBOrganizerSettingsForm.h"
#include "dialogs/QBPrintForm.h"
#include "dialogs/QBPrintProgress.h"
#include "dialogs/QBQuestionDialogs.h"
#include "dialogs/QBSelectNavMsgForm.h"
#include "dialogs/QBTimeDiffNavForm.h"
#include "dialogs/QBViewFilterForm.h"
#include "plugins/widgets/QBAboutPlugInsForm.h"
#include "plugins/widgets/QBPlugInManager.h"

#include <quillbox/QuillboxMessageSet.h>

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDirIterator>
#include <QFile>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QPrinter>
#include <QProgressDialog>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

#include <functional>
#include <memory>

namespace {

// The Alt keys of the controls shown now, each with the captions that claim it.
QMap<QString, QStringList> ShownMnemonics(const QWidget& dialog) {
  QMap<QString, QStringList> keys;
  const auto add = [&](const QString& caption) {
    const QKeySequence key = QKeySequence::mnemonic(caption);
    if (!key.isEmpty()) keys[key.toString()] << caption;
  };
  for (const QWidget* w : dialog.findChildren<QWidget*>()) {
    if (!w->isVisible()) continue;
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) add(button->text());
    if (const auto* label = qobject_cast<const QLabel*>(w); label && label->buddy()) add(label->text());
    if (const auto* group = qobject_cast<const QGroupBox*>(w)) add(group->title());
    if (const auto* tabs = qobject_cast<const QTabBar*>(w))
      for (int i = 0; i < tabs->count(); ++i) add(tabs->tabText(i));
  }
  return keys;
}

// Fails for every key that two controls claim in the dialog as shown now.
void ExpectNoClash(const QWidget& dialog, const QString& state) {
  const QMap<QString, QStringList> keys = ShownMnemonics(dialog);
  for (auto it = keys.cbegin(); it != keys.cend(); ++it)
    EXPECT_EQ(it->size(), 1) << dialog.objectName().toStdString() << state.toStdString() << ": " << it.key().toStdString()
                             << " belongs to " << it->join(QStringLiteral(", ")).toStdString();
}

// Shows the dialog, then each page of each of its page containers in turn.
void WalkDialog(QWidget& dialog) {
  dialog.show();
  ExpectNoClash(dialog, {});
  const auto walk = [&](auto* pages) {
    const int shown = pages->currentIndex();
    for (int i = 0; i < pages->count(); ++i) {
      pages->setCurrentIndex(i);
      ExpectNoClash(dialog, QStringLiteral(" page %1 of %2").arg(i).arg(pages->objectName()));
    }
    pages->setCurrentIndex(shown);
  };
  for (QTabWidget* tabs : dialog.findChildren<QTabWidget*>()) walk(tabs);
  for (QStackedWidget* stack : dialog.findChildren<QStackedWidget*>()) walk(stack);
  dialog.hide();
}

using TMake = std::function<std::unique_ptr<QWidget>()>;

template <typename TDialog, typename... TArgs>
TMake Make(TArgs... args) {
  return [=] { return std::unique_ptr<QWidget>(std::make_unique<TDialog>(args...)); };
}

struct TDialogCase {
  const char* ClassName;
  TMake Create;
};

std::vector<TDialogCase> AllDialogs() {
  static TQBFindHistory history;
  static QPrinter printer;
  static TQuillboxMessageSet set;
  static TInternalPlugInManager plugIns;
  return {
      {"TFrmAbout", Make<TFrmAbout>(nullptr)},
      {"TFrmColumns", Make<TFrmColumns>(nullptr)},
      {"TFrmConfirmClearBookmarks", Make<TFrmConfirmClearBookmarks>(nullptr)},
      {"TFrmConfirmClearView", Make<TFrmConfirmClearView>(true, 3, nullptr)},
      {"TFrmConfirmClearView", Make<TFrmConfirmClearView>(false, 1, nullptr)},
      {"TFrmInvalidLog", Make<TFrmInvalidLog>(QStringLiteral("text"), nullptr)},
      {"TFrmEditMessage", Make<TFrmEditMessage>(nullptr)},
      {"TFrmFind", [] { return std::unique_ptr<QWidget>(std::make_unique<TFrmFind>(history, [](const TQBFindHistory&) {})); }},
      {"TFrmGoToTime", Make<TFrmGoToTime>(nullptr)},
      {"TFrmJumpToMsg", Make<TFrmJumpToMsg>(nullptr)},
      {"TFrmDisplayMessage", Make<TFrmDisplayMessage>(TFrmDisplayMessage::TKind::Error, QStringLiteral("text"), nullptr)},
      {"TFrmOptions", Make<TFrmOptions>(nullptr)},
      {"TFrmOrganizerSettings", Make<TFrmOrganizerSettings>(TQBOrganizerForm::Settings, nullptr)},
      {"TFrmOrganizerSettings", Make<TFrmOrganizerSettings>(TQBOrganizerForm::OrganizeNow, nullptr)},
      {"TFrmPrint", [] { return std::unique_ptr<QWidget>(std::make_unique<TFrmPrint>(TFrmPrint::TForm::Messages, printer, nullptr)); }},
      {"TFrmPrint", [] { return std::unique_ptr<QWidget>(std::make_unique<TFrmPrint>(TFrmPrint::TForm::Inspector, printer, nullptr)); }},
      {"TFrmYesNoCancel", Make<TFrmYesNoCancel>(QStringLiteral("text"), nullptr)},
      {"TFrmRemoveView", Make<TFrmRemoveView>(nullptr)},
      {"TFrmSelectNavMsg", Make<TFrmSelectNavMsg>(nullptr)},
      {"TFrmTimeDiffNav", Make<TFrmTimeDiffNav>(1000, nullptr)},
      {"TFrmViewFilter", [] { return std::unique_ptr<QWidget>(std::make_unique<TFrmViewFilter>(set, QStringList{QStringLiteral("Default"), QStringLiteral("Other")})); }},
      {"TFrmAboutPlugIns", [] { return std::unique_ptr<QWidget>(std::make_unique<TFrmAboutPlugIns>(plugIns)); }},
  };
}

TEST(DialogMnemonics, NoAltKeyBelongsToTwoControlsOfOneDialog) {
  for (const TDialogCase& c : AllDialogs()) {
    SCOPED_TRACE(c.ClassName);
    const std::unique_ptr<QWidget> dialog = c.Create();
    WalkDialog(*dialog);
  }
  TQBPrintProgressDialog progress(nullptr, QStringLiteral("Title"));
  WalkDialog(*progress.Dialog());
}

TEST(DialogMnemonics, TheWalkKnowsEveryDialogClass) {
  QStringList known;
  for (const TDialogCase& c : AllDialogs()) known << QString::fromLatin1(c.ClassName);
  static const QRegularExpression declaration(QStringLiteral(R"(class\s+(\w+)\s*(?:final\s*)?:\s*public\s+QDialog\b)"));
  int found = 0;
  for (QDirIterator it(QStringLiteral(QB_SOURCE_DIR "/src"), {QStringLiteral("*.h")}, QDir::Files, QDirIterator::Subdirectories);
       it.hasNext();) {
    QFile file(it.next());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    for (auto m = declaration.globalMatch(QString::fromUtf8(file.readAll())); m.hasNext();) {
      const QString name = m.next().captured(1);
      ++found;
      EXPECT_TRUE(known.contains(name)) << name.toStdString() << " (" << file.fileName().toStdString() << ") is not walked";
    }
  }
  EXPECT_GT(found, 0) << "no dialog class found under " QB_SOURCE_DIR;
}

}  // namespace
