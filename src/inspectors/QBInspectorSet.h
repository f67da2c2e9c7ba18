#pragma once
// The twelve built-in inspectors of the inspector pane, created once in their fixed order, and the
// fonts, colour, images and options that the main window hands to them.

#include "inspectors/parsers/QBInspectorChoice.h"

#include <QList>

class QColor;
class QFont;
class QWidget;
class TQBBitmapInspector;
class TQBCollectionInspector;
class TQBColorInspector;
class TQBHierarchyInspector;
class TQBImageList;
class TQBInspectorToolbar;
class TQBMemoryStatusInspector;
class TQBMonospaceTextInspector;
class TQBObjectInspector;
class TQBPropertiesInspector;
class TQBStockInspector;
class TQBStringInspector;
class TQBStringListInspector;
class TQBTableInspector;
class TQBTextInspector;
struct TQBInspectorOptions;

struct TQBInspectorSet {
  TQBStringInspector* String = nullptr;
  TQBTextInspector* Text = nullptr;
  TQBStringListInspector* StringList = nullptr;
  TQBObjectInspector* Object = nullptr;
  TQBMonospaceTextInspector* MonospaceText = nullptr;
  TQBBitmapInspector* Bitmap = nullptr;
  TQBPropertiesInspector* Properties = nullptr;
  TQBTableInspector* Table = nullptr;
  TQBHierarchyInspector* Hierarchy = nullptr;
  TQBMemoryStatusInspector* MemoryStatus = nullptr;
  TQBColorInspector* Color = nullptr;
  TQBCollectionInspector* Collection = nullptr;

  // Creates the inspectors in pane, their button panels in the toolbar: string and text visible, the
  // others hidden.
  void Create(QWidget* pane, TQBInspectorToolbar* toolbar);
  // The inspector of a built-in kind; null for None and PlugIn.
  TQBStockInspector* ForKind(TQBInspectorKind kind) const;
  // All twelve in creation order.
  QList<TQBStockInspector*> All() const;

  // Frame font and row height for all; the inspector font for all but the monospace text inspector,
  // which gets the fixed-pitch font, and the bitmap inspector, which gets none.
  void SetFonts(const QFont& frameFont, int rowHeight, const QFont& inspectorFont, const QFont& fixedFont);
  // The value colour of the object, properties, memory status, collection and colour inspectors.
  void SetValueColor(const QColor& color);
  // The button images for all but the table and colour inspectors.
  void SetImages(TQBImageList* images);

  // The per-inspector options of the settings file: read at start-up, written back at exit.
  void ApplyOptions(const TQBInspectorOptions& options);
  void StoreOptions(TQBInspectorOptions& options) const;
};
