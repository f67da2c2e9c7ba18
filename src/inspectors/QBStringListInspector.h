#pragma once
// TQBStringListInspector: the details as a list of strings, with the item count in the status bar and
// numbered lines in print-outs.

#include "inspectors/QBStockInspector.h"

class TQBTextControl;
class TQBToolButton;

class TQBStringListInspector : public TQBStockInspector {
  Q_OBJECT
public:
  TQBStringListInspector(QWidget* owner, TQBInspectorToolbar* toolbar);

  void CreateContent() override;
  void CreateToolButtons(QWidget* parent) override;
  bool HasStatusBar() const override { return true; }
  void Clear() override;
  void Inspect() override;
  void GetLines(QStringList& lines) override;
  void PrintLines(const QStringList& lines) override;
  void SetContentFont(const QFont& font) override;
  void SetContentPopupMenu(QMenu* menu) override;
  void CopyContents() override;
  void ImagesChanged() override;

  virtual bool JumpToEnd() const;
  virtual void SetJumpToEnd(bool value);
  virtual bool LineNumbers() const;
  virtual void SetLineNumbers(bool value);

  TQBTextControl* TextControl() const { return FText; }

private:
  TQBTextControl* FText = nullptr;
  TQBToolButton* FLineNumbers = nullptr;
  TQBToolButton* FJumpToEnd = nullptr;
};
