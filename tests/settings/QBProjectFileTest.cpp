// The project file's layout through real files: what the writer writes, what the reader reads back
// (names, classes, criteria), the class keys it accepts, and names the INI form cannot hold.

#include "settings/QBProjectFile.h"
#include "support/QBTestFiles.h"
#include "view/QBHeadlessView.h"

#include <QFile>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// A view of a chosen class.
class TClassedView final : public TQBHeadlessView {
public:
  TClassedView(const QString& name, const QString& className, const TQBFilterCriteria& criteria)
      : FClassName(className) {
    SetViewName(name);
    SetFilterCriteria(criteria);
  }
  QString GetViewClassName() const override { return FClassName; }

private:
  QString FClassName;
};

TQBFilterCriteria Category(const QString& value) {
  TQBFilterCriteria c;
  c.CheckCategory = true;
  c.Category = value;
  return c;
}

QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class ProjectFileTest : public ::testing::Test {
protected:
  // Writes the views into a fresh file and reads the file back.
  QString Write(const std::vector<std::unique_ptr<TClassedView>>& views, const QString& name = "p.qbp") {
    const QString path = Files.Path(name);
    TQBIniFile ini(path, false);
    QList<IQBMessageView*> list;
    for (const auto& v : views) list << v.get();
    qbproject::WriteViews(ini, list);
    ini.UpdateFile();
    return path;
  }
  // The criteria a view of the entry loads.
  static TQBFilterCriteria LoadedCriteria(TQBIniFile& ini, const TQBProjectView& entry) {
    TQBHeadlessView view;
    qbproject::LoadViewFilter(ini, entry, view);
    TQBFilterCriteria criteria;
    view.GetFilterCriteria(criteria);
    return criteria;
  }

  qbtest::TTempFiles Files;
};

TEST_F(ProjectFileTest, TwoViewsComeBackWithTheirClassesAndCriteria) {
  TQBFilterCriteria server;
  server.CheckAppName = server.CheckMsgTypes = true;
  server.AppName = "Server";
  server.MsgTypes.set(2).set(100);
  std::vector<std::unique_ptr<TClassedView>> views;
  views.push_back(std::make_unique<TClassedView>("Errors", "Default", Category("Errors")));
  views.push_back(std::make_unique<TClassedView>("Server", "Sample List", server));
  const QString path = Write(views);

  TQBIniFile ini(path, false);
  const TQBProjectContents contents = qbproject::ReadViews(ini);
  EXPECT_EQ(contents.ViewCount, 2);
  ASSERT_EQ(contents.Views.size(), 2);
  EXPECT_EQ(contents.Views[0].Name, "Errors");
  EXPECT_EQ(contents.Views[0].ClassName, "Default");
  EXPECT_EQ(contents.Views[1].Name, "Server");
  EXPECT_EQ(contents.Views[1].ClassName, "Sample List");
  EXPECT_EQ(LoadedCriteria(ini, contents.Views[0]), Category("Errors"));
  EXPECT_EQ(LoadedCriteria(ini, contents.Views[1]), server);
}

TEST_F(ProjectFileTest, WritesTheLayoutAndReplacesWhatTheFileHeld) {
  const QString path = Files.Write("p.qbp", "[Old]\nKey=1\n[Views]\nViewCount=9\n9_ViewName=Gone\n");
  std::vector<std::unique_ptr<TClassedView>> views;
  views.push_back(std::make_unique<TClassedView>("Errors", "Default", TQBFilterCriteria{}));
  Write(views);
  EXPECT_EQ(ReadBytes(path),
            "[Views]\nViewCount=1\n1_ViewName=Errors\n1_ViewClassName=Default\n\n"
            "[1_Errors]\nCheckMsgTypes=0\nCheckAppName=0\nCheckCategory=0\nCheckProcessID=0\n"
            "CheckThreadName=0\nCheckComputerName=0\nCheckMessageText=0\n");
}

TEST_F(ProjectFileTest, ReadsTheClassFromEitherKey) {
  struct TCase {
    const char* Keys;
    const char* ClassName;  // null: the entry is skipped
  } cases[] = {
      {"1_ViewClassName=Sample List\n", "Sample List"},
      {"1_ViewClass=Sample List\n", "Sample List"},
      {"1_ViewClassName=Sample List\n1_ViewClass=Other\n", "Sample List"},
      {"", "Default"},
      {"1_ViewClassName=\n", nullptr},
  };
  for (const TCase& c : cases) {
    const QString path =
        Files.Write("c.qbp", QByteArray("[Views]\nViewCount=1\n1_ViewName=Errors\n") + c.Keys);
    const TQBProjectContents contents = qbproject::ReadViews(TQBIniFile(path, false));
    if (!c.ClassName) {
      EXPECT_TRUE(contents.Views.isEmpty()) << c.Keys;
      continue;
    }
    ASSERT_EQ(contents.Views.size(), 1) << c.Keys;
    EXPECT_EQ(contents.Views[0].ClassName, c.ClassName) << c.Keys;
  }
}

TEST_F(ProjectFileTest, NamesTheIniFormCannotHoldRoundTripExactly) {
  const QString names[] = {"[Errors]", "a]b", "a=b", "two\r\nlines", " padded ", "Thread ", "tab\tin",
                           "100% sure", "", QString::fromUtf8("caf\xC3\xA9 \xF0\x9F\x98\x80 ")};
  std::vector<std::unique_ptr<TClassedView>> views;
  for (const QString& name : names)
    views.push_back(std::make_unique<TClassedView>(name, "Default", Category(QString::number(views.size()))));
  const QString path = Write(views);
  TQBIniFile ini(path, false);
  const TQBProjectContents contents = qbproject::ReadViews(ini);
  ASSERT_EQ(contents.Views.size(), qsizetype(std::size(names)));
  for (qsizetype i = 0; i < contents.Views.size(); ++i) {
    EXPECT_EQ(contents.Views[i].Name, names[i]);
    EXPECT_EQ(LoadedCriteria(ini, contents.Views[i]), Category(QString::number(i))) << names[i].toStdString();
  }
  // Only names that need it carry the encoded form.
  const QString text = QString::fromUtf8(ReadBytes(path));
  EXPECT_FALSE(text.contains("8_ViewNameEncoded")) << "100% sure";
  EXPECT_FALSE(text.contains("9_ViewNameEncoded")) << "the empty name";
  EXPECT_TRUE(text.contains("6_ViewNameEncoded=Thread%20"));
}

TEST_F(ProjectFileTest, FilesWrittenAsSpecifiedRead) {
  const QString path = Files.Write(
      "hand.qbp",
      "[Views]\r\nViewCount=3\r\n1_ViewName=Db Errors\r\n1_ViewClassName=Default\r\n2_ViewName=Thread Main\r\n"
      "2_ViewClassName=Default\r\n3_ViewName=50% = half\r\n3_ViewClassName=Default\r\n\r\n"
      "[1_Db Errors]\r\nCheckCategory=1\r\nCategory=Db\r\n"
      "[2_Thread Main]\r\nCheckThreadName=1\r\nThreadName=Main\r\n"
      "[3_50% = half]\r\nCheckMessageText=1\r\nMessageText=half\r\n");
  TQBIniFile ini(path, false);
  const TQBProjectContents contents = qbproject::ReadViews(ini);
  ASSERT_EQ(contents.Views.size(), 3);
  EXPECT_EQ(contents.Views[0].Name, "Db Errors");
  EXPECT_EQ(LoadedCriteria(ini, contents.Views[0]), Category("Db"));
  EXPECT_EQ(contents.Views[1].Name, "Thread Main");
  EXPECT_TRUE(LoadedCriteria(ini, contents.Views[1]).CheckThreadName);
  EXPECT_EQ(contents.Views[2].Name, "50% = half");
  EXPECT_EQ(LoadedCriteria(ini, contents.Views[2]).MessageText, "half");
}

TEST_F(ProjectFileTest, ViewCountsThatListNothingReadNothing) {
  struct TCase {
    const char* Text;
    int ViewCount;
    int Views;
  } cases[] = {
      {"[Views]\nViewCount=0\n", 0, 0},
      {"[Other]\nKey=1\n", 0, 0},
      {"[Views]\nViewCount=-3\n1_ViewName=A\n", -3, 0},
      // A huge count reads only the places the file describes; a place without keys is no view.
      {"[Views]\nViewCount=2000000000\n1_ViewName=A\n3_ViewName=C\n", 2000000000, 2},
      // The listed keys are walked, not the count's range (this one took 42 minutes).
      {"[Views]\nViewCount=2000000000\n2000000000_ViewName=Far\n", 2000000000, 1},
      {"[Views]\nViewCount=3\n3_viewclassname=Default\n2_Other=x\nx_ViewName=y\n4_ViewName=D\n", 3, 1},
  };
  for (const TCase& c : cases) {
    const TQBProjectContents contents = qbproject::ReadViews(TQBIniFile(Files.Write("n.qbp", c.Text), false));
    EXPECT_EQ(contents.ViewCount, c.ViewCount) << c.Text;
    EXPECT_EQ(contents.Views.size(), c.Views) << c.Text;
  }
  EXPECT_EQ(qbproject::NoViewsMessage("/some/where/Empty.qbp"),
            "Project File (Empty.qbp) does not contain any views.\r\rThe project will still be loaded. Any new "
            "views that you add will be included with the project file the next time the project is saved.");
}

// A project opens at most MaxViews views, the first places listed; the file says how many it lists.
TEST_F(ProjectFileTest, AProjectOpensAtMostMaxViewsViews) {
  const int listed = qbproject::MaxViews + 2;
  QByteArray text = "[Views]\nViewCount=" + QByteArray::number(listed) + "\n";
  for (int place = listed; place >= 1; --place)
    text += QByteArray::number(place) + "_ViewName=V" + QByteArray::number(place) + "\n";
  const TQBProjectContents contents = qbproject::ReadViews(TQBIniFile(Files.Write("many.qbp", text), false));
  EXPECT_EQ(contents.Listed, listed);
  ASSERT_EQ(contents.Views.size(), qbproject::MaxViews);
  EXPECT_EQ(contents.Views.front().Name, "V1");
  EXPECT_EQ(contents.Views.back().Name, QStringLiteral("V%1").arg(qbproject::MaxViews));
  EXPECT_EQ(qbproject::TooManyViewsMessage("/p/Many.qbp", listed),
            QStringLiteral("Project File (Many.qbp) lists %1 views. Only the first 10000 were opened.").arg(listed));
}

// Only a regular file of at most 16 MB is read as a project; anything else says why.
TEST_F(ProjectFileTest, OpeningRefusesWhatCannotBeAProject) {
  QByteArray big = "[Views]\nViewCount=1\n1_ViewName=A\n";
  big += "[1_A]\nNote=" + QByteArray(qbproject::MaxFileBytes - big.size() - 7, 'x') + "\n";
  QString problem;
  EXPECT_NE(qbproject::OpenProjectFile(Files.Write("limit.qbp", big.left(qbproject::MaxFileBytes)), &problem), nullptr);
  EXPECT_EQ(qbproject::OpenProjectFile(Files.Write("over.qbp", big + "y\n"), &problem), nullptr);
  EXPECT_EQ(problem, "The file is larger than 16 MB.");
  EXPECT_EQ(qbproject::OpenProjectFile(Files.Path("missing.qbp"), &problem), nullptr);
  EXPECT_FALSE(problem.isEmpty());
}

}  // namespace
