#pragma once
// The sample plug-in's view class: a plain list of the messages it is offered, implementing only the
// required IQBMessageView. Find, print, export, navigation and method commands stay disabled for it.

#include <quillbox/QBCustomViewIntf.h>

#include <QList>
#include <QListWidget>

class TSampleView : public QListWidget, public IQBMessageView {
  Q_OBJECT
  Q_INTERFACES(IQBMessageView)
public:
  explicit TSampleView(QWidget* owner);

  QString GetViewName() const override { return FName; }
  void SetViewName(const QString& name) override { FName = name; }
  bool IsRowSelected(int row) const override;
  void SetRowSelected(int row, bool value) override;
  int GetCount() const override { return count(); }
  int SelectedCount() const override { return int(selectedItems().size()); }
  int GetRowRecNo(int row) const override;
  QString GetViewClassName() const override { return QStringLiteral("Sample List"); }
  bool IsFocused() const override { return hasFocus(); }
  int DeleteSelected() override;
  int CropToSelection() override;
  void SelectAll() override { selectAll(); }
  void CopyToClipboard() override {}
  void AddCurrentMessage(bool force) override;
  void SetPopupMenu(QMenu*) override {}
  void Initialize() override {}
  void ClearView() override { clear(); }
  void Invalidate() override { viewport()->update(); }
  void ApplySettings() override {}
  void RecalcColumnWidths() override {}
  void SetSyncMessage(int) override {}
  void LoadFilter(const IQBSettingsReader&) override {}
  void SaveFilter(IQBSettingsWriter&) const override {}
  void GetSelectedRange(int& first, int& last) const override;

private:
  int RemoveRows(bool selected);
  QString FName;
};

// A widget class that is no view: registering it must be refused.
class TSampleNotAView : public QWidget {
  Q_OBJECT
public:
  explicit TSampleNotAView(QWidget* owner) : QWidget(owner) {}
};
