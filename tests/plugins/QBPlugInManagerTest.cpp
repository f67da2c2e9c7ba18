// The plug-in manager with real modules copied into a temporary plug-in folder; and with a recording
// loader for the order of unloading.

#include "plugins/widgets/QBPlugInManager.h"

#include <quillbox/QBCustomViewClass.h>
#include <quillbox/QBInspectorIntf.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

struct TReport {
  QMessageBox::Icon Icon;
  QString Caption, Text;
};

class QBPlugInManagerTest : public ::testing::Test {
protected:
  void SetUp() override { QDir().mkpath(PlugInFolder()); }

  QString PlugInFolder() const { return FRoot.filePath("install/Bin/PlugIns/"); }
  void Install(const char* module, const QString& name) {
    ASSERT_TRUE(QFile::copy(QString::fromUtf8(module), PlugInFolder() + name));
  }
  // A manager whose message boxes are recorded instead of shown.
  std::unique_ptr<TInternalPlugInManager> LoadedManager() {
    auto manager = std::make_unique<TInternalPlugInManager>();
    manager->SetPlugInFolder(PlugInFolder());
    manager->SetMessageBox([this](QMessageBox::Icon icon, const QString& caption, const QString& text) {
      FReports.append({icon, caption, text});
    });
    PlugInManager = manager.get();
    manager->LoadPlugIns();
    PlugInManager = nullptr;
    return manager;
  }

  QTemporaryDir FRoot;
  QList<TReport> FReports;
};

TEST_F(QBPlugInManagerTest, SamplePlugInRegistersTwoInspectorsAndOneViewClass) {
  Install(QB_SAMPLE_PLUGIN, "sample.so");
  auto manager = LoadedManager();
  EXPECT_TRUE(FReports.isEmpty());
  ASSERT_EQ(manager->Packages().Count(), 1);
  EXPECT_NE(manager->Packages().Entry(0).Module, nullptr);
  QStringList names;
  EXPECT_EQ(manager->GetInspectorNames(&names), 2);
  EXPECT_EQ(names, QStringList({"Sample Inspector", "Another Sample"}));
  EXPECT_EQ(manager->GetInspectorNames(nullptr), 2);
  EXPECT_EQ(manager->FindInspector(150)->InspectorName(), "Sample Inspector");
  EXPECT_EQ(manager->FindInspector(152), nullptr);
  EXPECT_EQ(manager->FindInspectorByName("sample inspector"), nullptr);

  // The class without IQBMessageView was refused; the view class creates a working view.
  ASSERT_EQ(manager->CustomViews().Count(), 1);
  EXPECT_EQ(manager->CustomViews().Entry(0).Name, "Sample List");
  QWidget owner;
  QWidget* view = manager->CustomViews().Find("SAMPLE LIST")->Create(&owner);
  ASSERT_NE(qobject_cast<IQBMessageView*>(view), nullptr);
  EXPECT_EQ(view->parent(), &owner);
  EXPECT_EQ(qobject_cast<IQBMessageView*>(view)->GetViewClassName(), "Sample List");
  EXPECT_EQ(qobject_cast<IQBMessageViewList*>(view), nullptr);
}

TEST_F(QBPlugInManagerTest, InspectorPaneGetsSupportAndAControlOrAnExplanationPerType) {
  Install(QB_SAMPLE_PLUGIN, "sample.so");
  auto manager = LoadedManager();
  struct TCase {
    int Count;
    int32_t Type;
    bool Supported;
  };
  for (const TCase& c : {TCase{1, 150, true}, TCase{2, 150, false}, TCase{0, 150, false}, TCase{3, 150, false},
                         TCase{1, 151, false}, TCase{1, 152, false}})
    EXPECT_EQ(manager->InspectorSupports(c.Count, c.Type), c.Supported) << c.Count << " of " << c.Type;

  QWidget* control = manager->GetInspectorControlFor(150);
  EXPECT_EQ(control, manager->FindInspector(150)->GetInspectorControl());
  EXPECT_NE(qobject_cast<IQBInspectMessage*>(control), nullptr);

  auto* box = qobject_cast<QPlainTextEdit*>(manager->GetInspectorControlFor(151));
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->isReadOnly());
  EXPECT_EQ(box->toPlainText(),
            "The \"Another Sample\" custom inspector does not define an inspector control.\n\n"
            "Please contact the author of the plug-in.");
  EXPECT_EQ(manager->GetInspectorControlFor(152), box);
  EXPECT_EQ(box->toPlainText(),
            "Custom inspector for message type (qbmReserved + 52) not found.\n\n"
            "You may be missing a custom inspector plug-in.");
}

TEST_F(QBPlugInManagerTest, FailingModulesAreReportedAndTheOthersStillLoad) {
  Install(QB_SAMPLE_PLUGIN, "sample.so");
  Install(QB_NOUNITS_MODULE, "nounits.so");
  Install(QB_THROWING_MODULE, "throwing.so");
  QFile garbage(PlugInFolder() + "garbage.so");
  ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
  garbage.write("not a module");
  garbage.close();

  auto manager = LoadedManager();
  ASSERT_EQ(FReports.size(), 3);
  QStringList texts;
  for (const TReport& r : FReports) {
    EXPECT_EQ(r.Icon, QMessageBox::Warning);
    EXPECT_EQ(r.Caption, "Error");
    texts.append(r.Text);
  }
  const QString all = texts.join('\n');
  EXPECT_TRUE(all.contains("garbage.so")) << all.toStdString();
  EXPECT_TRUE(all.contains("\"nounits.so\" is not a Quillbox plug-in module")) << all.toStdString();
  EXPECT_TRUE(all.contains("The plug-in module \"throwing.so\" failed while registering.\n\n"
                           "The failing sample cannot register its view."))
      << all.toStdString();

  // Each entry keeps its state and reason. The module that failed part-way stays loaded: the
  // inspector it registered lives on and is code of that module.
  ASSERT_EQ(manager->Packages().Count(), 4);
  for (qsizetype i = 0; i < 4; ++i) {
    const auto& entry = manager->Packages().Entry(i);
    SCOPED_TRACE(entry.Name.toStdString());
    EXPECT_EQ(entry.State == TQBModuleState::Loaded, entry.Name == "sample.so");
    EXPECT_EQ(entry.Module != nullptr, entry.Name == "sample.so" || entry.Name == "throwing.so");
    EXPECT_EQ(entry.Error.isEmpty(), entry.Name == "sample.so");
    if (entry.State == TQBModuleState::Failed) EXPECT_TRUE(texts.contains(entry.Error));
  }
  EXPECT_NE(manager->FindInspector(150), nullptr);
  EXPECT_EQ(manager->FindInspector(160)->InspectorName(), "Registered Before Failing");
  // The module that is no plug-in was loaded to find out and is gone again.
  QFile maps("/proc/self/maps");
  ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
  const QByteArray mapped = maps.readAll();
  EXPECT_FALSE(mapped.contains(QFile::encodeName(PlugInFolder() + "nounits.so")));
  EXPECT_TRUE(mapped.contains(QFile::encodeName(PlugInFolder() + "throwing.so")));
}

TEST_F(QBPlugInManagerTest, DuplicateTypesAndNamesResolveToTheFirstRegistered) {
  Install(QB_SAMPLE_PLUGIN, "first.so");
  Install(QB_SAMPLE_PLUGIN, "second.so");
  auto manager = LoadedManager();
  ASSERT_EQ(manager->Inspectors().Count(), 4);
  EXPECT_EQ(manager->FindInspector(150), manager->Inspectors().Item(0));
  EXPECT_EQ(manager->FindInspectorByName("Sample Inspector"), manager->Inspectors().Item(0));
  EXPECT_NE(manager->Inspectors().Item(0), manager->Inspectors().Item(2));
  EXPECT_EQ(manager->CustomViews().Count(), 2);
}

TEST_F(QBPlugInManagerTest, NoInstallPathOrNoModulesLoadsNothing) {
  auto manager = LoadedManager();
  EXPECT_EQ(manager->Packages().Count(), 0);
  manager->SetPlugInFolder({});
  QStringList list;
  EXPECT_FALSE(manager->FindPlugInFiles("", &list));
  EXPECT_FALSE(manager->FindPlugInFiles(PlugInFolder(), nullptr));
  EXPECT_FALSE(manager->FindPlugInFiles(PlugInFolder(), &list));
  manager->LoadPlugIns();
  EXPECT_TRUE(FReports.isEmpty());
}

// The program's own view class, registered last.
class TDefaultView : public QWidget, public IQBMessageView {
  Q_OBJECT
  Q_INTERFACES(IQBMessageView)
public:
  explicit TDefaultView(QWidget* owner) : QWidget(owner) {}
  QString GetViewName() const override { return {}; }
  void SetViewName(const QString&) override {}
  bool IsRowSelected(int) const override { return false; }
  void SetRowSelected(int, bool) override {}
  int GetCount() const override { return 0; }
  int SelectedCount() const override { return 0; }
  int GetRowRecNo(int) const override { return -1; }
  QString GetViewClassName() const override { return QStringLiteral("Default"); }
  bool IsFocused() const override { return false; }
  int DeleteSelected() override { return 0; }
  int CropToSelection() override { return 0; }
  void SelectAll() override {}
  void CopyToClipboard() override {}
  void AddCurrentMessage(bool) override {}
  void SetPopupMenu(QMenu*) override {}
  void Initialize() override {}
  void ClearView() override {}
  void Invalidate() override {}
  void ApplySettings() override {}
  void RecalcColumnWidths() override {}
  void SetSyncMessage(int) override {}
  void LoadFilter(const IQBSettingsReader&) override {}
  void SaveFilter(IQBSettingsWriter&) const override {}
  void GetSelectedRange(int& first, int& last) const override { first = last = -1; }
};

TEST_F(QBPlugInManagerTest, ScopePublishesTheManagerAndRegistersDefaultAfterThePlugIns) {
  Install(QB_SAMPLE_PLUGIN, "sample.so");
  const TQBViewClassOf<TDefaultView> defaultClass;
  {
    TQBPlugInManagerScope scope(PlugInFolder(), defaultClass);
    ASSERT_NE(InternalPlugInManager, nullptr);
    EXPECT_EQ(PlugInManager, InternalPlugInManager);
    const TCustomViewList& views = InternalPlugInManager->CustomViews();
    ASSERT_EQ(views.Count(), 2);
    EXPECT_EQ(views.Entry(0).Name, "Sample List");
    EXPECT_EQ(views.Entry(1).Name, "Default");
  }
  EXPECT_EQ(InternalPlugInManager, nullptr);
  EXPECT_EQ(PlugInManager, nullptr);
}

// A loader that hands out numbered modules and logs what happens, in order.
QStringList Events;

class TLoggedInspector : public TQuillboxCustomInspector {
public:
  explicit TLoggedInspector(int module) : FModule(module) {}
  ~TLoggedInspector() override { Events.append(QStringLiteral("free inspector %1").arg(FModule)); }
  int32_t MessageType() const override { return 200; }
  QString InspectorName() const override { return QString::number(FModule); }
  QString Version() const override { return {}; }
  QString Description() const override { return {}; }
  QString SupportEmail() const override { return {}; }
  QString SupportWebSite() const override { return {}; }

private:
  int FModule;
};

int LoadingModule = 0;
void RegisterLogged() { PlugInManager->RegisterInspector(new TLoggedInspector(LoadingModule)); }

class TLoggingLoader final : public IQBModuleLoader {
public:
  TModuleHandle Load(const QString& path) override {
    LoadingModule = QFileInfo(path).baseName().toInt();
    return reinterpret_cast<TModuleHandle>(intptr_t(LoadingModule));
  }
  QStringList Units(TModuleHandle) override { return {"Unit"}; }
  void (*Resolve(TModuleHandle, const char* symbol))() override {
    return QByteArray(symbol) == "QBUnit_Unit_Register" ? RegisterLogged : nullptr;
  }
  void Unload(TModuleHandle module) override {
    Events.append(QStringLiteral("unload %1").arg(intptr_t(module)));
  }
};

void RegisterNothing() {}

// A loader whose modules list one unit each; module 2's unit registers nothing.
class TPickyLoader final : public IQBModuleLoader {
public:
  TModuleHandle Load(const QString& path) override {
    LoadingModule = QFileInfo(path).baseName().toInt();
    Events.append(QStringLiteral("load %1").arg(LoadingModule));
    return reinterpret_cast<TModuleHandle>(intptr_t(LoadingModule));
  }
  QStringList Units(TModuleHandle) override { return {"Unit"}; }
  void (*Resolve(TModuleHandle module, const char*))() override {
    return intptr_t(module) == 2 ? RegisterNothing : RegisterLogged;
  }
  void Unload(TModuleHandle module) override { Events.append(QStringLiteral("unload %1").arg(intptr_t(module))); }
};

TEST_F(QBPlugInManagerTest, AModuleThatRegistersNothingIsUnloadedAtOnce) {
  for (const char* name : {"1.so", "2.so"}) {
    QFile file(PlugInFolder() + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  Events.clear();
  {
    TInternalPlugInManager manager(std::make_unique<TPickyLoader>());
    manager.SetPlugInFolder(PlugInFolder());
    PlugInManager = &manager;
    manager.LoadPlugIns();
    PlugInManager = nullptr;
    const TPackageList& modules = manager.Packages();
    ASSERT_EQ(modules.Count(), 2);
    for (qsizetype i = 0; i < 2; ++i) {
      const bool empty = modules.Entry(i).Name == "2.so";
      EXPECT_EQ(modules.Entry(i).State, empty ? TQBModuleState::NoUnits : TQBModuleState::Loaded);
      EXPECT_EQ(modules.Entry(i).Module == nullptr, empty);
    }
    EXPECT_TRUE(Events.contains("unload 2"));
    EXPECT_FALSE(Events.contains("unload 1"));
  }
  EXPECT_EQ(Events.count("unload 2"), 1);  // and not a second time at the end
  EXPECT_TRUE(FReports.isEmpty());
}

TEST_F(QBPlugInManagerTest, InspectorsAreFreedBeforeModulesUnloadInReverseOrder) {
  QStringList files;
  for (const char* name : {"1.so", "2.so", "3.so"}) {
    QFile file(PlugInFolder() + name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  Events.clear();
  {
    TInternalPlugInManager manager(std::make_unique<TLoggingLoader>());
    manager.SetPlugInFolder(PlugInFolder());
    PlugInManager = &manager;
    manager.LoadPlugIns();
    PlugInManager = nullptr;
    ASSERT_EQ(manager.Inspectors().Count(), 3);
    for (qsizetype i = 0; i < 3; ++i)
      files.append(manager.Packages().Entry(i).Name.chopped(3));
  }
  // Modules load in the order the folder lists them and unload the other way round.
  QStringList freed, unloaded;
  for (const QString& n : files) freed.append("free inspector " + n);
  for (auto it = files.crbegin(); it != files.crend(); ++it) unloaded.append("unload " + *it);
  ASSERT_EQ(Events.size(), 6);
  QStringList firstThree = Events.mid(0, 3);
  firstThree.sort();
  freed.sort();
  EXPECT_EQ(firstThree, freed);
  EXPECT_EQ(Events.mid(3), unloaded);
}

}  // namespace

#include "QBPlugInManagerTest.moc"
