#include "view/widgets/QBVListAccessible.h"

#include "view/widgets/QBVList.h"

#include <QPointer>
#include <QWindow>

namespace {

// One row of a list; it holds only its index and asks the list for everything else.
class TQBVListRowAccessible : public QAccessibleInterface {
public:
  TQBVListRowAccessible(TQBCustomVirtualListBox* list, int row) : FList(list), FRow(row) {}

  bool isValid() const override { return FList && FRow < FList->NumItems(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return FList ? FList->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(FList); }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  void setText(QAccessible::Text, const QString&) override {}

  QString text(QAccessible::Text t) const override {
    if (!isValid() || (t != QAccessible::Name && t != QAccessible::Value)) return {};
    return FList->GetItemText(FRow);
  }

  QRect rect() const override {
    if (!isValid()) return {};
    const QRect r = FList->RowRect(FRow);
    if (r.isEmpty()) return {};
    return QRect(FList->viewport()->mapToGlobal(r.topLeft()), r.size());
  }

  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) return s;
    s.selectable = true;
    s.focusable = true;
    s.selected = FList->RowSelected(FRow);
    s.focused = FList->hasFocus() && FList->ItemIndex() == FRow;
    s.active = FList->ItemIndex() == FRow;
    s.invisible = FList->RowRect(FRow).isEmpty();
    s.offscreen = s.invisible;
    return s;
  }

  int Row() const { return FRow; }

private:
  QPointer<TQBCustomVirtualListBox> FList;
  int FRow;
};

QAccessibleInterface* ListFactory(const QString&, QObject* object) {
  if (auto* list = qobject_cast<TQBCustomVirtualListBox*>(object)) return new TQBVListAccessible(list);
  return nullptr;
}

// The interface of each list that has one, so the rows can be dropped without creating an interface
// for a list no client ever asked about. Keys are only compared, never followed.
QHash<const TQBCustomVirtualListBox*, TQBVListAccessible*>& Interfaces() {
  static QHash<const TQBCustomVirtualListBox*, TQBVListAccessible*> interfaces;
  return interfaces;
}

}  // namespace

TQBVListAccessible::TQBVListAccessible(TQBCustomVirtualListBox* list) : QAccessibleWidget(list, QAccessible::List) {
  Interfaces().insert(list, this);
}

TQBVListAccessible::~TQBVListAccessible() {
  // The list may be half destroyed by now (the cache deletes this when the list is destroyed): it is
  // only a key here.
  for (auto it = Interfaces().begin(); it != Interfaces().end(); ++it) {
    if (it.value() != this) continue;
    Interfaces().erase(it);
    break;
  }
  ClearRows();
}

TQBCustomVirtualListBox* TQBVListAccessible::List() const {
  return static_cast<TQBCustomVirtualListBox*>(widget());
}

int TQBVListAccessible::childCount() const {
  return List()->NumItems();
}

QAccessibleInterface* TQBVListAccessible::child(int index) const {
  if (index < 0 || index >= childCount()) return nullptr;
  if (auto it = FRows.constFind(index); it != FRows.cend()) return QAccessible::accessibleInterface(*it);
  auto* row = new TQBVListRowAccessible(List(), index);
  FRows.insert(index, QAccessible::registerAccessibleInterface(row));
  return row;
}

int TQBVListAccessible::indexOfChild(const QAccessibleInterface* child) const {
  if (auto* row = dynamic_cast<const TQBVListRowAccessible*>(child)) return row->Row();
  return -1;
}

QAccessibleInterface* TQBVListAccessible::focusChild() const {
  const int row = List()->ItemIndex();
  return row >= 0 ? child(row) : nullptr;
}

QAccessibleInterface* TQBVListAccessible::childAt(int x, int y) const {
  const QPoint p = List()->viewport()->mapFromGlobal(QPoint(x, y));
  const int row = List()->RowAtStrict(p);
  return row >= 0 && row < childCount() ? child(row) : nullptr;
}

QAccessible::State TQBVListAccessible::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  s.multiSelectable = List()->MultiSelect();
  return s;
}

void TQBVListAccessible::ClearRows() {
  for (QAccessible::Id id : std::as_const(FRows)) QAccessible::deleteAccessibleInterface(id);
  FRows.clear();
}

namespace qbvlistaccess {

void InstallFactory() {
  static const bool installed = [] {
    QAccessible::installFactory(ListFactory);
    return true;
  }();
  (void)installed;
}

void CurrentRowChanged(TQBCustomVirtualListBox* list, int row) {
  if (row < 0) return;
  QAccessibleEvent event(list, QAccessible::Focus);
  event.setChild(row);
  QAccessible::updateAccessibility(&event);
}

void RowsChanged(TQBCustomVirtualListBox* list) {
  if (TQBVListAccessible* iface = Interfaces().value(list)) iface->ClearRows();
  if (!QAccessible::isActive()) return;
  QAccessibleTableModelChangeEvent event(list, QAccessibleTableModelChangeEvent::ModelReset);
  QAccessible::updateAccessibility(&event);
}

}  // namespace qbvlistaccess
