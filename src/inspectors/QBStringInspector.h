#pragma once
// The text inspectors on one text control: TQBStringInspector shows the message text with its line
// breaks normalised, TQBTextInspector the details (with "Jump to End on Inspect"), and
// TQBMonospaceTextInspector the details in the fixed-pitch font.

#include "inspectors/QBStockInspector.h"

class TQBTextControl;
class TQBToolButton;

class TQBStringInspector : public TQBStockInspector {
  Q_OBJECT
public:
  TQBStringInspector(QWidget* owner, TQBInspectorToolbar* toolbar);

  void CreateContent() override;
  void CreateToolButtons(QWidget* parent) override;
  void Clear() override;
  void Inspect() override;
  void GetLines(QStringList& lines) override;
  void SetContentFont(const QFont& font) override;
  void SetContentPopupMenu(QMenu* menu) override;
  void CopyContents() override;
  void ImagesChanged() override;

  // false: the message text, true: the details.
  virtual bool UseDetails() const { return false; }
  virtual bool WordWrap() const;
  virtual void SetWordWrap(bool value);
  virtual bool LineNumbers() const;
  virtual void SetLineNumbers(bool value);
  virtual bool JumpToEnd() const;
  virtual void SetJumpToEnd(bool value);

  TQBTextControl* TextControl() const { return FText; }
  // "Copy Value to Clipboard": the text after the first " = ", or all of it.
  void CopyValue();

protected:
  TQBToolButton* WordWrapButton() const { return FWordWrap; }
  TQBToolButton* JumpToEndButton() const { return FJumpToEnd; }
  TQBToolButton* CopyValueButton() const { return FCopyValue; }

private:
  TQBTextControl* FText = nullptr;
  TQBToolButton* FWordWrap = nullptr;
  TQBToolButton* FLineNumbers = nullptr;
  TQBToolButton* FJumpToEnd = nullptr;
  TQBToolButton* FCopyValue = nullptr;
};

class TQBTextInspector : public TQBStringInspector {
  Q_OBJECT
public:
  using TQBStringInspector::TQBStringInspector;
  void CreateContent() override;
  void Inspect() override;
};

class TQBMonospaceTextInspector : public TQBStringInspector {
  Q_OBJECT
public:
  using TQBStringInspector::TQBStringInspector;
  void CreateContent() override;
  bool UseDetails() const override { return true; }
};
