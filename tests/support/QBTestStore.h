#pragma once
// Messages for tests that need a store with chosen names: each Add appends one message with the given
// fields to the set (through the adder, so observers hear of it, when one is given).

#include "model/QBMessageAdder.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <deque>

namespace qbtest {

struct TMsgFields {
  QString App;
  QString Category;
  uint32_t Pid = 0;
  QString Thread;
  QString Computer;
  QString Text = QStringLiteral("text");
  int32_t Type = 0;
};

class TTestStore {
public:
  explicit TTestStore(TQuillboxMessageSet& set) : FSet(set), FAdder(set) {}
  // Appends a message; returns its record number.
  int Add(const TMsgFields& fields);
  TQBMessageAdder& Adder() { return FAdder; }

private:
  TQuillboxMessageSet& FSet;
  TQBMessageAdder FAdder;
  std::deque<QByteArray> FBytes;  // the texts the raw messages view while they are added
};

}  // namespace qbtest
