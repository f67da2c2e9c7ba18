#pragma once
// TQBObjectInspector: an object's published properties, titled with the object's name and type.

#include "inspectors/QBPropertiesInspector.h"

class TQBObjectInspector : public TQBPropertiesInspector {
  Q_OBJECT
public:
  using TQBPropertiesInspector::TQBPropertiesInspector;

  bool HasTitleBar() const override { return true; }
  void Inspect() override;
  QString GetColumnCaption(int index) const override;
};
