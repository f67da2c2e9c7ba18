#include "inspectors/parsers/QBObjectTitle.h"
#include "inspectors/parsers/QBPropertyPaths.h"
#include "inspectors/parsers/QBPropertyTree.h"
#include "inspectors/parsers/QBQuotedText.h"
#include "QBParserTestPrint.h"

#include <gtest/gtest.h>

namespace {

struct TLinesCase {
  const char* Why;
  QStringList Lines;
  QStringList Expected;
};

const TLinesCase kIndentationCases[] = {
    {"two-blank indentation nests one level, then returns to the top",
     {"Font=(TFont)", "  Name=Tahoma", "Size=8"},
     {"Font=(TFont)", "Font.Name=Tahoma", "Size=8"}},
    {"four blanks after a top-level line still nest only one level",
     {"Font=(TFont)", "    Name=Tahoma", "    Size=8", "Color=0"},
     {"Font=(TFont)", "Font.Name=Tahoma", "Font.Size=8", "Color=0"}},
    {"two levels deep and back by two",
     {"A=1", "  B=2", "    C=3", "D=4"},
     {"A=1", "A.B=2", "A.B.C=3", "D=4"}},
    {"a single blank left over stays part of the name",
     {"A=1", "   B=2"},
     {"A=1", "A. B=2"}},
    {"ancestors with blanks, dots, quotes or control characters are quoted",
     {"Font Name=x", "  a=1", "v1.2=y", "  b=2", "say \"hi\"=z", "  c=3", "tab\there=t", "  d=4"},
     {"Font Name=x", "\"Font Name\".a=1", "v1.2=y", "\"v1.2\".b=2", "say \"hi\"=z", "\"say \"\"hi\"\"\".c=3",
      "tab\there=t", "\"tab\there\".d=4"}},
    {"a line without = is all name",
     {"Header", "  Item=1"},
     {"Header=", "Header.Item=1"}},
    {"only the first = separates; the value keeps the rest",
     {"Expr=a=b"},
     {"Expr=a=b"}},
    {"after a deep jump a shallower line drops one ancestor per level it comes back",
     {"A=1", "      B=2", "    C=3"},
     {"A=1", "A.B=2", "C=3"}},
    {"an indented first line hangs under an empty name",
     {"  A=1"},
     {".A=1"}},
};

TEST(PropertyPaths, IndentationBecomesDottedPaths) {
  for (const TLinesCase& c : kIndentationCases) {
    SCOPED_TRACE(c.Why);
    EXPECT_EQ(IndentationToPaths(c.Lines), c.Expected);
  }
}

TEST(PropertyPaths, PathsAreCutAtDotsOutsideQuotedNames) {
  const std::pair<QString, QStringList> cases[] = {
      {"Font.Name", {"Font", "Name"}},
      {"\"v1.2\".b", {"v1.2", "b"}},
      {"\"say \"\"hi\"\"\".c", {"say \"hi\"", "c"}},
      {"\"open.ended", {"open.ended"}},
      {"a\"b.c", {"a\"b", "c"}},  // a quote inside a name is an ordinary character
      {"", {""}},
      {"a.", {"a", ""}},
      {"a..b", {"a", "", "b"}},
  };
  for (const auto& [path, names] : cases) {
    SCOPED_TRACE(path.toStdString());
    EXPECT_EQ(SplitPropertyPath(path), names);
  }
}

TEST(PropertyPaths, QuotedNamesComeBackUnchanged) {
  for (const QString& name : {QString("plain"), QString("with blank"), QString("a.b.c"), QString("\"\""),
                              QString(""), QString("x\ty"), QString("\"lead")}) {
    SCOPED_TRACE(name.toStdString());
    EXPECT_EQ(SplitPropertyPath(QuotedPathName(name) + ".last"), (QStringList{name, "last"}));
  }
}

// Builds a tree and describes it as indented "name=value" lines, one level per two blanks.
QStringList Shape(const TQBPropertyTree& tree, TQBPropertyTree::TNodeId node = TQBPropertyTree::Root,
                  int depth = 0) {
  QStringList lines;
  for (TQBPropertyTree::TNodeId child : tree.Children(node)) {
    lines << QString(2 * depth, u' ') + tree.Name(child) + "=" + tree.Value(child);
    lines << Shape(tree, child, depth + 1);
  }
  return lines;
}

class PropertyTreeTest : public testing::Test {
protected:
  QStringList FromPathLines(const QStringList& lines) {
    for (const QString& line : lines) FTree.AddPathLine(line);
    return Shape(FTree);
  }
  TQBPropertyTree FTree;
};

TEST_F(PropertyTreeTest, PathLinesNestUnderTheFirstPropertyOfEachLeadingName) {
  const TLinesCase cases[] = {
      {"leading names reuse an existing property", {"Font=(TFont)", "Font.Name=Tahoma"},
       {"Font=(TFont)", "  Name=Tahoma"}},
      {"leading names compare ignoring case", {"FONT=(TFont)", "font.Name=Tahoma"},
       {"FONT=(TFont)", "  Name=Tahoma"}},
      {"a missing leading name is created empty", {"A.B.C=1"}, {"A=", "  B=", "    C=1"}},
      {"the last name is always new", {"X=1", "X=2", "A.B=1", "A.B=2"}, {"X=1", "X=2", "A=", "  B=1", "  B=2"}},
      {"the first of two equal names takes the sub-properties", {"X=1", "X=2", "X.Y=3"},
       {"X=1", "  Y=3", "X=2"}},
      {"a line without = is a property without value", {"Lonely"}, {"Lonely="}},
  };
  for (const TLinesCase& c : cases) {
    SCOPED_TRACE(c.Why);
    FTree.Clear();
    EXPECT_EQ(FromPathLines(c.Lines), c.Expected);
  }
}

TEST_F(PropertyTreeTest, IndentedLinesGiveTheSameTreeAsTheirPathLines) {
  // The direct route skips building the path texts; it must agree with them line for line.
  for (const TLinesCase& c : kIndentationCases) {
    SCOPED_TRACE(c.Why);
    TQBPropertyTree direct;
    direct.AddIndentedLines(c.Lines);
    FTree.Clear();
    EXPECT_EQ(Shape(direct), FromPathLines(IndentationToPaths(c.Lines)));
    EXPECT_EQ(direct.GetLines(), FTree.GetLines());
  }
  const QStringList awkward = {"a.b=1", "  c=2", "A.B=3", "  \"q\"=4", "    d=5", "  e=6", "\"x.y\"=7", "  f=8"};
  TQBPropertyTree direct;
  direct.AddIndentedLines(awkward);
  FTree.Clear();
  EXPECT_EQ(Shape(direct), FromPathLines(IndentationToPaths(awkward)));
}

TEST_F(PropertyTreeTest, DuplicatePathsGiveTwoProperties) {
  FTree.AddIndentedLines({"Items=", "  Item=a", "  Item=b"});
  EXPECT_EQ(FTree.GetLines(), (QStringList{"Items=", "Items.Item=a", "Items.Item=b"}));
}

TEST_F(PropertyTreeTest, GetLinesListsParentsFirstWithTrimmedValues) {
  // Sub-properties added later to an earlier parent still follow that parent.
  FromPathLines({"A=1  ", "B=2", "A.C=3\t ", "B.D= "});
  EXPECT_EQ(FTree.GetLines(), (QStringList{"A=1", "A.C=3\t", "B=2", "B.D="}));
}

TEST_F(PropertyTreeTest, MemoryStatusNamesKeepTheirBlanks) {
  FTree.AddIndentedLines({"Memory Load=45 %", "Total Physical=2,147,483,648", "Available Physical=1,073,741,824"});
  EXPECT_EQ(FTree.GetLines(),
            (QStringList{"Memory Load=45 %", "Total Physical=2,147,483,648", "Available Physical=1,073,741,824"}));
}

TEST_F(PropertyTreeTest, FindsTheFirstPropertyWithAFullPath) {
  FromPathLines({"Font=", "Font.Name=a", "Font.Name=b", "Size=8"});
  const TQBPropertyTree::TNodeId name = FTree.FindByFullPath(u"Font.Name");
  ASSERT_NE(name, TQBPropertyTree::None);
  EXPECT_EQ(FTree.Value(name), "a");
  EXPECT_EQ(FTree.FullPath(name), "Font.Name");
  EXPECT_EQ(FTree.FindByFullPath(u"Size"), FTree.Children(TQBPropertyTree::Root).back());
  EXPECT_EQ(FTree.FindByFullPath(u"font.name"), TQBPropertyTree::None);
  EXPECT_EQ(FTree.FindByFullPath(u"Font.Name.X"), TQBPropertyTree::None);
}

TEST_F(PropertyTreeTest, DeepIndentationKeepsEveryAncestorInThePath) {
  QStringList lines;
  const int depth = 300;
  for (int level = 0; level < depth; ++level) lines << QString(2 * level, u' ') + "n=v";
  FTree.AddIndentedLines(lines);
  ASSERT_EQ(FTree.Count(), depth);
  const QStringList got = FTree.GetLines();
  EXPECT_EQ(got.back().size(), qsizetype(2 * depth - 1 + 2));  // "n.n. ... n=v"
  TQBPropertyTree::TNodeId deepest = TQBPropertyTree::Root;
  while (!FTree.Children(deepest).empty()) deepest = FTree.Children(deepest).front();
  EXPECT_EQ(FTree.FindByFullPath(FTree.FullPath(deepest)), deepest);
}

TEST(ObjectTitle, NameLineGivesTheTitle) {
  const struct {
    const char* Why;
    QStringList Lines;
    QString Title;
  } cases[] = {
      {"quoted name", {"Left=8", "Name='Button1'"}, "Button1: TButton"},
      {"name compared ignoring case", {"NAME=Edit1"}, "Edit1: TButton"},
      {"the first Name line wins", {"Name=a", "Name=b"}, "a: TButton"},
      {"indented names do not match", {"Font=(TFont)", "  Name=Tahoma"}, "TButton"},
      {"no Name line", {"Caption=OK"}, "TButton"},
      {"only one quote on each side is removed", {"Name=''x''"}, "'x': TButton"},
      {"a lone quote leaves an empty name", {"Name='"}, ": TButton"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Why);
    EXPECT_EQ(ObjectTitle(c.Lines, "TButton"), c.Title);
  }
}

}  // namespace
