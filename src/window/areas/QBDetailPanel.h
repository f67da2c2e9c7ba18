#pragma once
// The message detail panel (pnlMsgDetails): the origin fields of the focused message in eight label and
// value pairs, laid out in one, two or four columns as the panel's width changes (qbdetail::
// LayoutForWidth), with the room its labels need in the font they have. The panel sets its own height
// for its width. As a selection listener it follows the focused message of the current view and
// empties with the inspectors. Each value is heard by a screen reader as its text, named by its label.

#include "shell/QBDetailPanelLayout.h"
#include "shell/QBSelectionListeners.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QColor>
#include <QFrame>

#include <array>

class QLabel;

class TQBDetailPanel : public QFrame, public IQBSelectionListener {
  Q_OBJECT
public:
  // set: the store whose current record is the focused message.
  explicit TQBDetailPanel(QWidget* parent = nullptr, const TQuillboxMessageSet& set = MessageSet);

  // IQBSelectionListener
  void MessageFocused() override;
  void MessageCleared() override { Clear(); }

  // Fills the eight values from a message, or empties them.
  void ShowMessage(const TQBMessageRef& message);
  void Clear();
  // The colour of the eight values' text.
  void SetValueColor(const QColor& color);

  QLabel* Label(int field) const { return FLabels[size_t(field)]; }
  QLabel* Value(int field) const { return FValues[size_t(field)]; }

protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  qbdetail::TLabelWidths LabelWidths() const;
  void LayOut(int width);

  const TQuillboxMessageSet& FSet;
  std::array<QLabel*, 8> FLabels{};
  std::array<QLabel*, 8> FValues{};
};
