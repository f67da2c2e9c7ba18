#include "inspectors/QBTextContent.h"

#include "inspectors/QBTextControl.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>

QWidget* NewTextContent(QWidget* inspector, TQBTextControl*& control) {
  auto* strip = new QWidget(inspector);
  auto* row = new QHBoxLayout(strip);
  row->setContentsMargins(2, 0, 0, 0);
  control = new TQBTextControl(strip);
  control->setObjectName(QStringLiteral("TextControl"));
  control->setAccessibleName(QStringLiteral("Message Text"));
  row->addWidget(control);
  return strip;
}

void CopyTextContents(TQBTextControl& control) {
  if (control.HasSelection())
    control.copy();
  else
    QGuiApplication::clipboard()->setText(control.WholeText());
}
