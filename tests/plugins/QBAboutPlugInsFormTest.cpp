// The plug-ins dialog over a manager with hand-registered inspectors.

#include "plugins/widgets/QBAboutPlugInsForm.h"
#include "plugins/widgets/QBPlugInManager.h"

#include "support/QBModalAnswer.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class TNamedInspector : public TQuillboxCustomInspector {
public:
  TNamedInspector(int32_t type, QString name, QString email, QString web)
      : FType(type), FName(std::move(name)), FEmail(std::move(email)), FWeb(std::move(web)) {}
  int32_t MessageType() const override { return FType; }
  QString InspectorName() const override { return FName; }
  QString Version() const override { return QStringLiteral("v%1").arg(FType); }
  QString Description() const override { return QStringLiteral("About %1").arg(FType); }
  QString SupportEmail() const override { return FEmail; }
  QString SupportWebSite() const override { return FWeb; }

private:
  int32_t FType;
  QString FName, FEmail, FWeb;
};

class QBAboutPlugInsForm : public ::testing::Test {
protected:
  QBAboutPlugInsForm() {
    FManager.SetMessageBox([this](QMessageBox::Icon icon, const QString&, const QString& text) {
      FBoxes.append(text);
      EXPECT_EQ(icon, QMessageBox::NoIcon);
    });
  }
  TInternalPlugInManager FManager;
  QStringList FBoxes;
};

TEST_F(QBAboutPlugInsForm, NothingLoadedShowsOnlyTheMessageBox) {
  const qbtest::TNoModalDialog noDialog;
  FManager.ShowPlugInsDialog();
  EXPECT_EQ(FBoxes, QStringList{"There are no Quillbox Inspector plug-ins loaded."});
}

TEST_F(QBAboutPlugInsForm, ListsSortedNamesAndShowsTheDetailsOfTheFirstRegistered) {
  FManager.RegisterInspector(new TNamedInspector(1005, "zeta", "", "https://z.example"));
  FManager.RegisterInspector(new TNamedInspector(150, "Alpha", "a@example.com", "https://a.example"));
  FManager.RegisterInspector(new TNamedInspector(33002, "alpha", "", ""));
  FManager.RegisterInspector(new TNamedInspector(151, "Alpha", "second@example.com", ""));

  TFrmAboutPlugIns form(FManager);
  QStringList items;
  for (int i = 0; i < form.lstPlugIns->count(); ++i) items.append(form.lstPlugIns->item(i)->text());
  ASSERT_EQ(items.size(), 4);
  EXPECT_EQ(items.mid(0, 3).join(',').toLower(), "alpha,alpha,alpha");
  EXPECT_EQ(items[3], "zeta");
  EXPECT_EQ(form.lstPlugIns->currentRow(), 0);

  // Either "Alpha" row shows the inspector registered first under that name.
  form.lstPlugIns->setCurrentRow(items.indexOf("Alpha"));
  EXPECT_EQ(form.lblMsgType->text(), "qbmReserved + 50");
  EXPECT_EQ(form.lblVersion->text(), "v150");
  EXPECT_EQ(form.lblLongDesc->text(), "About 150");
  EXPECT_EQ(form.EmailTarget(), "mailto:a@example.com");
  EXPECT_TRUE(form.lblEmail->text().contains(">a@example.com<"));
  EXPECT_EQ(form.WebSiteTarget(), "https://a.example");

  form.lstPlugIns->setCurrentRow(items.indexOf("zeta"));
  EXPECT_EQ(form.lblMsgType->text(), "qbmUser + 5");
  EXPECT_EQ(form.EmailTarget(), "");
  EXPECT_EQ(form.lblEmail->text(), "");
  EXPECT_EQ(form.WebSiteTarget(), "https://z.example");

  form.lstPlugIns->setCurrentRow(items.indexOf("alpha"));
  EXPECT_EQ(form.lblMsgType->text(), "qbmPublic + 2");
  EXPECT_EQ(form.WebSiteTarget(), "");
}

TEST_F(QBAboutPlugInsForm, RunsModallyUntilOK) {
  FManager.RegisterInspector(new TNamedInspector(150, "Alpha", "", ""));
  QString caption;
  QSize size;
  const auto answer = qbtest::AnswerModal<TFrmAboutPlugIns>([&](TFrmAboutPlugIns& form) {
    caption = form.windowTitle();
    size = form.size();
    form.btnOK->click();
    EXPECT_FALSE(form.isVisible()) << "OK closes the dialog";
  });
  FManager.ShowPlugInsDialog();
  EXPECT_EQ(caption, "Quillbox Viewer Plug-Ins");
  EXPECT_EQ(size, QSize(496, 309));
  EXPECT_TRUE(FBoxes.isEmpty());
}

}  // namespace
