#pragma once
// The options dialog "Quillbox Viewer Options": the pages General, Columns, Layout, Separators, Fonts
// and Colors & Styles over the dialog's own copy of the values (TQBOptionsValues). Nothing outside the
// dialog changes while it is open; the caller takes Values() on OK, and Cancel drops them.

#include "settings/QBOptionsValues.h"

#include <QDialog>

#include <functional>
#include <initializer_list>
#include <vector>

class QCheckBox;
class QVBoxLayout;
class QLabel;
class QRadioButton;
class QTabWidget;
class TQBColorPicker;
class TQBColumnControls;
class TQBFontsPage;
class TQBStylesPage;

class TFrmOptions : public QDialog {
  Q_OBJECT
public:
  explicit TFrmOptions(QWidget* parent);

  // Loads every control; the dialog opens on "General" with the focus on its first box.
  void Load(const TQBOptionsValues& values);
  // The dialog's values now.
  TQBOptionsValues Values() const;

  QTabWidget* Pages() const { return FPages; }
  QLabel* BlendingLabel() const { return FBlendingLabel; }
  TQBColumnControls* Columns() const { return FColumns; }
  QRadioButton* InspectorOnRight() const { return FOnRight; }
  QRadioButton* InspectorOnBottom() const { return FOnBottom; }
  TQBFontsPage* Fonts() const { return FFonts; }
  TQBStylesPage* Styles() const { return FStyles; }

  // The help topic of the dialog's Help button.
  static constexpr const char* HelpTopic = "Viewer_Commands_Tools_Options";
  // Shows the dialog over control (the main window) on values; on OK values takes the dialog's and
  // true is returned. help opens a help topic.
  static bool Execute(QWidget* control, TQBOptionsValues& values, const std::function<void(const QString&)>& help);

signals:
  void HelpRequested(const QString& topic);

private:
  QWidget* GeneralPage();
  QWidget* ColumnsPage();
  QWidget* LayoutPage();
  QWidget* SeparatorsPage();
  QCheckBox* NewCheck(const QString& caption, const char* name, QWidget* parent);
  // A column of check boxes, each showing one switch of the values.
  struct TSwitchSpec {
    const char* Caption;
    const char* Name;
    bool TQBOptionsValues::*Value;
  };
  QVBoxLayout* NewSwitchColumn(std::initializer_list<TSwitchSpec> specs, QWidget* page);
  TQBColorPicker* NewPicker(int32_t defaultValue, bool systemColors, const char* name, const QString& accessible,
                            QWidget* parent);

  // A check box and the switch of the values it shows.
  struct TSwitchBox {
    QCheckBox* Box;
    bool TQBOptionsValues::*Value;
  };
  struct TColorBox {
    TQBColorPicker* Picker;
    int32_t TQBOptionsValues::*Value;
  };

  TQBOptionsValues FValues;  // the copy the fonts and styles pages edit
  std::vector<TSwitchBox> FSwitches;
  std::vector<TColorBox> FColors;
  QCheckBox* FFirstBox = nullptr;
  QCheckBox* FRowShading = nullptr;
  TQBColorPicker* FBlending = nullptr;
  QTabWidget* FPages = nullptr;
  QLabel* FBlendingLabel = nullptr;
  TQBColumnControls* FColumns = nullptr;
  QRadioButton* FOnRight = nullptr;
  QRadioButton* FOnBottom = nullptr;
  TQBFontsPage* FFonts = nullptr;
  TQBStylesPage* FStyles = nullptr;
};
