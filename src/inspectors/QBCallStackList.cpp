#include "inspectors/QBCallStackList.h"

#include "model/QBDisplayText.h"

void TQBCallStackModel::SetEntries(std::vector<TQBCallStackEntry> entries) {
  beginResetModel();
  FEntries = std::move(entries);
  endResetModel();
}

int TQBCallStackModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(FEntries.size());
}

QVariant TQBCallStackModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || size_t(index.row()) >= FEntries.size()) return {};
  const QString& text = FEntries[size_t(index.row())].Text;
  if (role != Qt::DisplayRole) return {};
  // A method text may hold many lines or megabytes; the list shows the start of its first line.
  QStringView shown = QStringView(text).left(MaxShownChars);
  for (qsizetype i = 0; i < shown.size(); ++i)
    if (shown[i] == u'\r' || shown[i] == u'\n') {
      shown = shown.left(i);
      break;
    }
  return VisibleBidiControls(shown.toString());
}

TQBCallStackList::TQBCallStackList(QWidget* parent) : QListView(parent), FModel(new TQBCallStackModel(this)) {
  setObjectName(QStringLiteral("lstCallStack"));
  setAccessibleName(QStringLiteral("Call Stack"));
  setFrameShape(QFrame::NoFrame);
  setUniformItemSizes(true);
  setEditTriggers(NoEditTriggers);
  setModel(FModel);
  connect(this, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
    if (index.isValid()) emit RowChosen(FModel->Entries()[size_t(index.row())].Row);
  });
}

void TQBCallStackList::Fill(std::vector<TQBCallStackEntry> entries) { FModel->SetEntries(std::move(entries)); }

void TQBCallStackList::clear() { FModel->SetEntries({}); }

int TQBCallStackList::count() const { return FModel->rowCount(); }

QString TQBCallStackList::ItemText(int i) const { return FModel->index(i).data().toString(); }
