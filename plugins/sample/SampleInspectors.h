#pragma once
// The sample plug-in's inspectors: one for custom type 150 whose control shows the message text, and
// one for type 151 that offers no control, so the viewer shows its explanation instead.

#include <quillbox/QBInspectorIntf.h>
#include <quillbox/QuillboxPlugIns.h>

#include <QLabel>
#include <QPointer>

class TSampleInspectControl : public QLabel, public IQBInspectMessage {
  Q_OBJECT
  Q_INTERFACES(IQBInspectMessage)
public:
  TSampleInspectControl();
  // Shows the text of MessageSet's current record.
  void Inspect() override;
};

class TSampleInspector : public TQuillboxCustomInspector {
public:
  TSampleInspector();
  // The control belongs to the plug-in; the viewer's pane may have freed it already.
  ~TSampleInspector() override;
  int32_t MessageType() const override { return 150; }
  QString InspectorName() const override { return QStringLiteral("Sample Inspector"); }
  QString Version() const override { return QStringLiteral("1.0"); }
  QString Description() const override {
    return QStringLiteral("Shows the text of custom messages of type 150.");
  }
  QString SupportEmail() const override { return QStringLiteral("support@example.com"); }
  QString SupportWebSite() const override { return QStringLiteral("https://example.com/quillbox"); }

private:
  QPointer<TSampleInspectControl> FControl;
};

class TSampleNoControlInspector : public TQuillboxCustomInspector {
public:
  int32_t MessageType() const override { return 151; }
  QString InspectorName() const override { return QStringLiteral("Another Sample"); }
  QString Version() const override { return QStringLiteral("0.1"); }
  QString Description() const override { return QStringLiteral("Has no control of its own."); }
  QString SupportEmail() const override { return {}; }
  QString SupportWebSite() const override { return {}; }
};
