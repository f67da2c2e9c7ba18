#pragma once
// A store, a headless list and one view wired through the adding path, as the viewer wires them.

#include "support/QBTestFiles.h"

#include "view/QBHeadlessList.h"
#include "view/QBViewModel.h"
#include "view/QBViewNavigation.h"

#include "model/QBMessageAdder.h"

#include <QString>

#include <deque>
#include <vector>

namespace qbtest {

struct TRecordingHost : IQBViewHostHooks {
  bool AutoCollapseOn = false;
  int Beeps = 0;
  int CommandUpdates = 0;
  QStringList Notices;
  QStringList StatusTexts;
  bool AutoCollapse() const override { return AutoCollapseOn; }
  void UpdateCommands() override { ++CommandUpdates; }
  void Beep() override { ++Beeps; }
  void ShowNotFound(const QString& message) override { Notices << message; }
  void ShowStatusText(const QString& text) override { StatusTexts << text; }
  // The source log of each record number (index recNo - 1) when logs were merged; empty for one log.
  std::vector<int> SourceLogs;
  int SourceLogOf(int recNo) const override {
    return recNo >= 1 && size_t(recNo) <= SourceLogs.size() ? SourceLogs[size_t(recNo) - 1] : -1;
  }
};

// A message to add; only the fields the tests vary.
struct TMsg {
  int32_t Type = 0;
  QByteArray Text;
  QByteArray Details;
  QByteArray App;
  int32_t Time = kNoon;
  int32_t Date = kDay;
  QByteArray Category;
  QByteArray Thread;
  QByteArray Computer;
  uint32_t ProcessID = 0;
};

class TViewFixture {
public:
  explicit TViewFixture(bool autoCollapse = false, int pageRows = 10)
      : List(pageRows), View(Set, List, Host), Rows(View.Rows()), Nav(View), Adder(Set) {
    Host.AutoCollapseOn = autoCollapse;
    List.SetTarget(&Rows);
    Adder.AddObserver(&View);
  }

  int Add(const TMsg& m) {
    const QByteArray& text = Keep(m.Text.isNull() ? QByteArray("m") + QByteArray::number(Set.GetRecordCount() + 1) : m.Text);
    TQBRawMessage raw = Message(m.Type, text, Keep(m.Details));
    raw.AppName = Utf8Bytes(Keep(m.App));
    raw.Time = m.Time;
    raw.Date = m.Date;
    raw.Category = Utf8Bytes(Keep(m.Category));
    raw.ThreadName = Utf8Bytes(Keep(m.Thread));
    raw.ComputerName = Utf8Bytes(Keep(m.Computer));
    raw.ProcessID = m.ProcessID;
    return Adder.AddMessage(raw);
  }
  // Adds messages of the given types with texts "m1", "m2", ... (the record number).
  void AddTypes(std::initializer_list<int32_t> types) {
    for (int32_t t : types) Add({t});
  }
  // The record numbers of the rows, top to bottom.
  std::vector<int> RowRecNos() const {
    std::vector<int> out;
    for (int r = 0; r < Rows.RowCount(); ++r) out.push_back(Rows.GetRowRecNo(r));
    return out;
  }
  std::vector<int> RowLevels() const {
    std::vector<int> out;
    for (int r = 0; r < Rows.RowCount(); ++r) out.push_back(Rows.GetRowLevel(r));
    return out;
  }
  std::vector<int> SelectedRecNos() const {
    std::vector<int> out;
    for (int i = 0; i < Rows.ItemCount(); ++i)
      if (Rows.ItemSelected(i)) out.push_back(Rows.ItemRecNo(i));
    return out;
  }
  int RowOfRecNo(int recNo) const {
    for (int r = 0; r < Rows.RowCount(); ++r)
      if (Rows.GetRowRecNo(r) == recNo) return r;
    return -1;
  }

  TQuillboxMessageSet Set;
  TQBHeadlessList List;
  TRecordingHost Host;
  TQBViewModel View;
  TQBViewRows& Rows;
  TQBViewNavigator Nav;
  TQBMessageAdder Adder;

private:
  const QByteArray& Keep(const QByteArray& b) { return FKept.emplace_back(b); }
  std::deque<QByteArray> FKept;
};

}  // namespace qbtest
