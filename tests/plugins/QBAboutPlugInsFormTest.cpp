// The plug-ins dialog over a manager with hand-registered inspectors.

#include "plugins/widgets/QBAboutPlugInsForm.h"
#include "plugins/widgets/QBPlugInManager.h"

#include "support/QBModalAnswer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

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
    FManager.SetMessageBox([this](QMessageBox::Icon icon, const QString& caption, const QString& text) {
      FBoxes.append(text);
      FCaptions.append(caption);
      EXPECT_EQ(icon, QMessageBox::NoIcon);
    });
  }
  TInternalPlugInManager FManager;
  QStringList FBoxes, FCaptions;
};

TEST_F(QBAboutPlugInsForm, NothingLoadedShowsOnlyTheMessageBox) {
  const qbtest::TNoModalDialog noDialog;
  FManager.ShowPlugInsDialog();
  EXPECT_EQ(FBoxes, QStringList{"There are no Quillbox Inspector plug-ins loaded."});
  EXPECT_EQ(FCaptions, QStringList{"Quillbox File Viewer"});  // the program's title, not its file
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
  EXPECT_EQ(size, QSize(496, 421));
  EXPECT_TRUE(FBoxes.isEmpty());
}

// Module files the way the folder lists them: one that registers an inspector, one that registers
// nothing and one that cannot be loaded.
class TThreeModules final : public IQBModuleLoader {
public:
  TModuleHandle Load(const QString& path) override {
    if (path.endsWith("broken.so")) throw std::runtime_error("The plug-in module \"broken.so\" cannot be loaded.\n\nbad ELF");
    return new QString(path);
  }
  QStringList Units(TModuleHandle) override { return {"Unit"}; }
  void (*Resolve(TModuleHandle module, const char*))() override {
    return static_cast<QString*>(module)->endsWith("good.so") ? RegisterOne : RegisterNothing;
  }
  void Unload(TModuleHandle module) override { delete static_cast<QString*>(module); }

private:
  static void RegisterOne() { PlugInManager->RegisterInspector(new TNamedInspector(150, "Good", "", "")); }
  static void RegisterNothing() {}
};

class QBAboutPlugInsFormModules : public ::testing::Test {
protected:
  // Loads the named module files of TThreeModules.
  void Load(std::initializer_list<const char*> names) {
    for (const char* name : names) {
      QFile file(FFolder.filePath(name));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    FManager.SetMessageBox([this](QMessageBox::Icon, const QString&, const QString& text) { FBoxes.append(text); });
    PlugInManager = &FManager;
    FManager.LoadPlugInsFrom(FFolder.path() + '/');
    PlugInManager = nullptr;
  }
  QTemporaryDir FFolder;
  TInternalPlugInManager FManager{std::make_unique<TThreeModules>()};
  QStringList FBoxes;
};

TEST_F(QBAboutPlugInsFormModules, ListsEveryModuleWithWhatBecameOfIt) {
  Load({"broken.so", "empty.so", "good.so"});
  TFrmAboutPlugIns form(FManager);
  std::map<QString, QString> states;
  for (int i = 0; i < form.lstModules->topLevelItemCount(); ++i)
    states[form.lstModules->topLevelItem(i)->text(0)] = form.lstModules->topLevelItem(i)->text(1);
  const std::map<QString, QString> expected{
      {"broken.so", "Failed: The plug-in module \"broken.so\" cannot be loaded. bad ELF"},
      {"empty.so", "No units"},
      {"good.so", "Loaded"},
  };
  EXPECT_EQ(states, expected);
}

TEST_F(QBAboutPlugInsFormModules, OpensForModulesThatBroughtNoInspector) {
  Load({"broken.so", "empty.so"});
  FBoxes.clear();
  const auto answer = qbtest::AnswerModal<TFrmAboutPlugIns>([](TFrmAboutPlugIns& form) {
    EXPECT_EQ(form.lstModules->topLevelItemCount(), 2);
  });
  FManager.ShowPlugInsDialog();
  EXPECT_TRUE(FBoxes.isEmpty());
}

}  // namespace
