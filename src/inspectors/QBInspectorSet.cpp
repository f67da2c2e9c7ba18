#include "inspectors/QBInspectorSet.h"

#include "inspectors/QBBitmapInspector.h"
#include "inspectors/QBCollectionInspector.h"
#include "inspectors/QBColorInspector.h"
#include "inspectors/QBHierarchyInspector.h"
#include "inspectors/QBMemoryStatusInspector.h"
#include "inspectors/QBObjectInspector.h"
#include "inspectors/QBStringInspector.h"
#include "inspectors/QBStringListInspector.h"
#include "inspectors/QBTableInspector.h"
#include "inspectors/parsers/QBInspectorOptions.h"

#include <QBoxLayout>

namespace {
template <typename T>
T* Make(QWidget* pane, TQBInspectorToolbar* toolbar, const char* name, bool visible) {
  T* inspector = NewInspector<T>(pane, toolbar);
  inspector->setObjectName(QString::fromLatin1(name));
  inspector->setAccessibleName(QString::fromLatin1(name));
  // The inspector takes all the room below the pane's toolbar (see TQBInspectorPane).
  if (auto* column = qobject_cast<QBoxLayout*>(pane->layout()))
    column->addWidget(inspector, 1);
  else if (pane->layout())
    pane->layout()->addWidget(inspector);
  if (visible)
    inspector->ShowInspector();
  else
    inspector->HideInspector();
  return inspector;
}
}  // namespace

void TQBInspectorSet::Create(QWidget* pane, TQBInspectorToolbar* toolbar) {
  String = Make<TQBStringInspector>(pane, toolbar, "StringInspector", true);
  Text = Make<TQBTextInspector>(pane, toolbar, "TextInspector", true);
  StringList = Make<TQBStringListInspector>(pane, toolbar, "StringListInspector", false);
  Object = Make<TQBObjectInspector>(pane, toolbar, "ObjectInspector", false);
  MonospaceText = Make<TQBMonospaceTextInspector>(pane, toolbar, "MonospaceTextInspector", false);
  Bitmap = Make<TQBBitmapInspector>(pane, toolbar, "BitmapInspector", false);
  Properties = Make<TQBPropertiesInspector>(pane, toolbar, "PropertiesInspector", false);
  Table = Make<TQBTableInspector>(pane, toolbar, "TableInspector", false);
  Hierarchy = Make<TQBHierarchyInspector>(pane, toolbar, "HierarchyInspector", false);
  MemoryStatus = Make<TQBMemoryStatusInspector>(pane, toolbar, "MemoryStatusInspector", false);
  Color = Make<TQBColorInspector>(pane, toolbar, "ColorInspector", false);
  Collection = Make<TQBCollectionInspector>(pane, toolbar, "CollectionInspector", false);
}

TQBStockInspector* TQBInspectorSet::ForKind(TQBInspectorKind kind) const {
  using K = TQBInspectorKind;
  switch (kind) {
    case K::String: return String;
    case K::Text: return Text;
    case K::MonospaceText: return MonospaceText;
    case K::StringList: return StringList;
    case K::Table: return Table;
    case K::Properties: return Properties;
    case K::Object: return Object;
    case K::Collection: return Collection;
    case K::MemoryStatus: return MemoryStatus;
    case K::Bitmap: return Bitmap;
    case K::Color: return Color;
    case K::Hierarchy: return Hierarchy;
    case K::None:
    case K::PlugIn: break;
  }
  return nullptr;
}

QList<TQBStockInspector*> TQBInspectorSet::All() const {
  return {String, Text,  StringList, Object,       MonospaceText, Bitmap,
          Properties, Table, Hierarchy,  MemoryStatus, Color,         Collection};
}

void TQBInspectorSet::SetFonts(const QFont& frameFont, int rowHeight, const QFont& inspectorFont,
                               const QFont& fixedFont) {
  for (TQBStockInspector* inspector : All()) {
    inspector->SetFrameFont(frameFont, rowHeight);
    if (inspector == MonospaceText)
      inspector->SetContentFont(fixedFont);
    else if (inspector != Bitmap)
      inspector->SetContentFont(inspectorFont);
  }
}

void TQBInspectorSet::SetValueColor(const QColor& color) {
  TQBPropertiesInspector* const family[] = {Object, Properties, MemoryStatus, Collection};
  for (TQBPropertiesInspector* inspector : family) inspector->SetValueColor(color);
  Color->SetValueColor(color);
}

void TQBInspectorSet::SetImages(TQBImageList* images) {
  for (TQBStockInspector* inspector : All())
    if (inspector != Table && inspector != Color) inspector->SetImages(images);
}

void TQBInspectorSet::ApplyOptions(const TQBInspectorOptions& s) {
  String->SetWordWrap(s.StringWordWrap);
  String->SetLineNumbers(s.StringLineNumbers);
  Text->SetWordWrap(s.TextWordWrap);
  Text->SetJumpToEnd(s.TextJumpToEnd);
  Text->SetLineNumbers(s.TextLineNumbers);
  StringList->SetJumpToEnd(s.StrListJumpToEnd);
  MonospaceText->SetLineNumbers(s.MonospaceTextLineNumbers);
  Bitmap->SetDisplayMode(s.DisplayType);
}

void TQBInspectorSet::StoreOptions(TQBInspectorOptions& s) const {
  s.StringWordWrap = String->WordWrap();
  s.StringLineNumbers = String->LineNumbers();
  s.TextWordWrap = Text->WordWrap();
  s.TextJumpToEnd = Text->JumpToEnd();
  s.TextLineNumbers = Text->LineNumbers();
  s.StrListJumpToEnd = StringList->JumpToEnd();
  s.MonospaceTextLineNumbers = MonospaceText->LineNumbers();
  s.DisplayType = Bitmap->DisplayMode();
}
