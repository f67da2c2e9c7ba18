#pragma once
// What must hold after every step, in the order it is checked: each check compares the window with
// the model and says, in one sentence, where they part. To add an invariant, add a function to the
// table in QBModelInvariants.cpp; its name is what a shrunk sequence refers to.

#include <QString>

namespace qbmodel {

class TModelDriver;

struct TFailure {
  QString Invariant;  // empty: every invariant holds
  QString Text;
  explicit operator bool() const { return !Invariant.isEmpty(); }
};

TFailure CheckInvariants(const TModelDriver& driver);

}  // namespace qbmodel
