// The options dialog: loading and reading back its copy, the style editor, the fonts page, the
// dependent controls and Cancel.

#include "support/QBChild.h"
#include "support/QBModalAnswer.h"

#include "dialogs/QBColorPicker.h"
#include "dialogs/QBFontsPage.h"
#include "dialogs/QBOptionsForm.h"
#include "dialogs/QBStylesPage.h"
#include "view/widgets/QBColorValue.h"

#include "model/QBMessageTypes.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

using qbtest::Child;
using qbtest::AnswerModal;

// A click as the user makes it (the button emits clicked); a mouse event at the centre of a wide check
// box would miss its caption.
void Click(QAbstractButton* button) { button->click(); }

class OptionsFormTest : public ::testing::Test {
protected:
  void SetUp() override {
    Values = TQBOptionsValues::Of(Settings);
    Form.Load(Values);
    Form.show();
  }
  // Chooses a list entry of the styles page by its caption.
  void ChooseStyle(const char* caption) {
    QComboBox* list = Form.Styles()->MsgType();
    const int index = list->findText(QString::fromLatin1(caption));
    ASSERT_GE(index, 0) << caption;
    list->setCurrentIndex(index);
  }
  QColor PreviewColor(QLabel* preview) const { return preview->palette().color(QPalette::WindowText); }

  TQBSettings Settings;
  TQBOptionsValues Values;
  TFrmOptions Form{nullptr};
};

TEST_F(OptionsFormTest, OpensOnGeneralWithEveryValueAndGivesThemBackUnchanged) {
  EXPECT_EQ(Form.windowTitle(), QStringLiteral("Quillbox Viewer Options"));
  EXPECT_EQ(Form.Pages()->currentIndex(), 0);
  QStringList tabs;
  for (int i = 0; i < Form.Pages()->count(); ++i) tabs << Form.Pages()->tabText(i);
  EXPECT_EQ(tabs, (QStringList{"General", "Columns", "Layout", "Separators", "Fonts", "Colors && Styles"}));
  QTest::qWaitForWindowActive(&Form);
  EXPECT_EQ(QApplication::focusWidget(), Child<QCheckBox>(&Form, "chkConfirmOnClear"));
  // The defaults of a settings file that holds nothing.
  EXPECT_TRUE(Child<QCheckBox>(&Form, "chkConfirmOnClear")->isChecked());
  EXPECT_FALSE(Child<QCheckBox>(&Form, "chkFlattenStructure")->isChecked());
  EXPECT_EQ(Child<TQBColorPicker>(&Form, "edtValueColor")->Color(), qbcolor::Rgb(0, 51, 142));
  EXPECT_EQ(Child<TQBColorPicker>(&Form, "edtSeparatorColor")->Color(), qbcolor::Rgb(137, 173, 228));
  EXPECT_EQ(Child<TQBColorPicker>(&Form, "edtRowShadingColor")->currentText(), QStringLiteral("Default"));
  EXPECT_TRUE(Child<QRadioButton>(&Form, "optInspectorOnRight")->isChecked());
  EXPECT_EQ(Form.Values(), Values);
}

TEST_F(OptionsFormTest, EveryControlReachesItsValue) {
  Click(Child<QCheckBox>(&Form, "chkConfirmOnClearBookmarks"));
  Click(Child<QCheckBox>(&Form, "chkFlattenStructure"));
  Click(Child<QCheckBox>(&Form, "chkAlwaysOnTop"));
  Child<TQBColorPicker>(&Form, "edtMarkerColor")->SetColor(qbcolor::Rgb(1, 2, 3));
  Form.Pages()->setCurrentIndex(2);
  Click(Child<QToolButton>(&Form, "imgInspectorOnBottom"));  // the picture selects its radio button
  const TQBOptionsValues v = Form.Values();
  EXPECT_FALSE(v.ConfirmOnClearBookmarks);
  EXPECT_TRUE(v.FlattenStructure);
  EXPECT_TRUE(v.AlwaysOnTop);
  EXPECT_EQ(v.MarkerColor, qbcolor::Rgb(1, 2, 3));
  EXPECT_TRUE(v.InspectorOnBottom);
}

TEST_F(OptionsFormTest, TheBlendingColourFollowsRowShading) {
  auto* shading = Child<QCheckBox>(&Form, "chkRowShading");
  auto* picker = Child<TQBColorPicker>(&Form, "edtRowShadingColor");
  ASSERT_TRUE(shading->isChecked());
  EXPECT_TRUE(picker->isEnabled());
  Click(shading);
  EXPECT_FALSE(picker->isEnabled());
  EXPECT_FALSE(Form.BlendingLabel()->isEnabled());
  Click(shading);
  EXPECT_TRUE(picker->isEnabled());
}

TEST_F(OptionsFormTest, EachListEntryEditsItsOwnType) {
  const struct {
    const char* Caption;
    int32_t Type;
  } cases[] = {{"Bitmaps", 16}, {"Custom Formats (Hierarchy)", 44}, {"Notes", qbmNote}, {"Exit Methods", qbmExitMethod}};
  for (const auto& c : cases) {
    ChooseStyle(c.Caption);
    EXPECT_EQ(Form.Styles()->ChosenType(), c.Type) << c.Caption;
    if (Form.Styles()->UseDefault()->isChecked()) Click(Form.Styles()->UseDefault());
    Click(Form.Styles()->StyleBox(8));
    const TQBOptionsValues v = Form.Values();
    EXPECT_FALSE(v.Styles.Entries[size_t(c.Type)].UseDefault) << c.Caption;
    EXPECT_EQ(v.Styles.Entries[size_t(c.Type)].Style & 8, 8) << c.Caption;
  }
  // Only the four types changed.
  TQBOptionsValues v = Form.Values();
  for (const auto& c : cases) v.Styles.Entries[size_t(c.Type)] = Values.Styles.Entries[size_t(c.Type)];
  EXPECT_EQ(v.Styles, Values.Styles);
}

TEST_F(OptionsFormTest, UseDefaultGreysOutColourAndStyleAndKeepsThem) {
  ChooseStyle("Errors");
  TQBStylesPage* page = Form.Styles();
  if (page->UseDefault()->isChecked()) Click(page->UseDefault());
  page->Color()->SetColor(qbcolor::Rgb(255, 0, 0));
  emit page->Color()->ColorChanged(qbcolor::Rgb(255, 0, 0));
  Click(page->StyleBox(4));  // italic
  EXPECT_EQ(PreviewColor(page->Preview()), QColor(255, 0, 0));
  EXPECT_TRUE(page->Preview()->font().italic());

  Click(page->UseDefault());
  for (QWidget* w : {static_cast<QWidget*>(page->Color()), static_cast<QWidget*>(page->StyleBox(8)),
                     static_cast<QWidget*>(page->StyleBox(4)), static_cast<QWidget*>(page->StyleBox(1))})
    EXPECT_FALSE(w->isEnabled());
  TQBTypeStyle entry = Form.Values().Styles.Entries[qbmError];
  EXPECT_TRUE(entry.UseDefault);
  EXPECT_EQ(entry.Color, qbcolor::Rgb(255, 0, 0)) << "the stored colour stays";
  EXPECT_EQ(entry.Style, 4) << "the stored style stays";
  EXPECT_FALSE(page->Preview()->font().italic()) << "the preview shows the message font";

  Click(page->UseDefault());
  EXPECT_TRUE(page->Color()->isEnabled());
  EXPECT_EQ(page->Color()->Color(), qbcolor::Rgb(255, 0, 0));
  EXPECT_TRUE(page->StyleBox(4)->isChecked());
  EXPECT_TRUE(page->Preview()->font().italic());
}

TEST_F(OptionsFormTest, TheMessageFontColourIsTheLookOfEveryDefaultType) {
  ChooseStyle("Notes");
  ASSERT_TRUE(Form.Styles()->UseDefault()->isChecked());
  TQBFontsPage* fonts = Form.Fonts();
  ASSERT_EQ(fonts->FontType()->currentIndex(), 0);
  fonts->FontColor()->SetColor(qbcolor::Rgb(0, 128, 0));
  emit fonts->FontColor()->ColorChanged(qbcolor::Rgb(0, 128, 0));
  const TQBOptionsValues v = Form.Values();
  EXPECT_EQ(v.MessageFont.Color, qbcolor::Rgb(0, 128, 0));
  EXPECT_EQ(v.Styles.Entries[0].Color, qbcolor::Rgb(0, 128, 0)) << "entry 0 mirrors the message font";
  EXPECT_EQ(v.MessageFont.Name, Values.MessageFont.Name) << "a colour change keeps the font's name";
  EXPECT_EQ(PreviewColor(Form.Styles()->Preview()), QColor(0, 128, 0));
  EXPECT_EQ(PreviewColor(fonts->Preview()), QColor(0, 128, 0));
}

TEST_F(OptionsFormTest, TheFixedFontListsOnlyFixedPitchFontsAndEachKindKeepsItsOwn) {
  TQBFontsPage* fonts = Form.Fonts();
  fonts->FontSize()->setValue(14);
  fonts->FontType()->setCurrentIndex(2);
  EXPECT_EQ(fonts->FontName()->fontFilters(), QFontComboBox::MonospacedFonts);
  for (int i = 0; i < fonts->FontName()->count(); ++i)
    EXPECT_TRUE(QFontDatabase::isFixedPitch(fonts->FontName()->itemText(i))) << fonts->FontName()->itemText(i).toStdString();
  EXPECT_EQ(fonts->FontSize()->value(), 8);
  fonts->FontType()->setCurrentIndex(1);
  EXPECT_EQ(fonts->FontName()->fontFilters(), QFontComboBox::AllFonts);
  const TQBOptionsValues v = Form.Values();
  EXPECT_EQ(v.MessageFont.Size, 14);
  EXPECT_EQ(v.InspectorFont.Size, 8);
  EXPECT_EQ(v.InspectorFixedFont, Values.InspectorFixedFont);
}

TEST(OptionsDialog, CancelDiscardsEveryChangeAndHelpNamesItsTopic) {
  TQBSettings settings;
  TQBOptionsValues values = TQBOptionsValues::Of(settings);
  const TQBOptionsValues before = values;
  QStringList topics;
  {
    auto answer = AnswerModal<TFrmOptions>([](TFrmOptions& f) {
      TFrmOptions* form = &f;
      QWidget* d = &f;
      Click(Child<QCheckBox>(d, "chkAutoCollapse"));
      form->Fonts()->FontSize()->setValue(20);
      form->Styles()->MsgType()->setCurrentIndex(3);
      Click(form->Styles()->UseDefault());
      Click(Child<QPushButton>(d, "btnHelp"));
      Click(Child<QPushButton>(d, "btnCancel"));
    });
    EXPECT_FALSE(TFrmOptions::Execute(nullptr, values, [&](const QString& topic) { topics << topic; }));
  }
  EXPECT_EQ(values, before);
  EXPECT_EQ(topics, QStringList{QStringLiteral("Viewer_Commands_Tools_Options")});
  {
    auto answer = AnswerModal<TFrmOptions>([](TFrmOptions& d) {
      Click(Child<QCheckBox>(&d, "chkAutoCollapse"));
      Click(Child<QPushButton>(&d, "btnOK"));
    });
    EXPECT_TRUE(TFrmOptions::Execute(nullptr, values, {}));
  }
  EXPECT_FALSE(values.AutoCollapse);
}

}  // namespace
