// inspector_gallery OUTDIR: generates a log, shows the first message of every inspected type in an
// inspector pane and saves each pane as OUTDIR/<type>-<inspector>.png, so the look of every inspector
// can be checked by eye. Run offscreen (QT_QPA_PLATFORM=offscreen); not a test.

#include "QBFakePaneHost.h"
#include "QBLogGenerator.h"

#include "inspectors/QBInspectorToolbar.h"
#include "inspectors/QBInspectorSet.h"
#include "inspectors/QBStringInspector.h"
#include "model/QBLogLoader.h"
#include "model/QBMessageAdder.h"
#include "inspectors/parsers/QBInspectorOptions.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QTemporaryDir>

#include <cstdio>
#include <map>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: inspector_gallery OUTDIR\n");
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  QTemporaryDir tmp;
  const QString log = tmp.filePath("gallery.qbl");
  if (!GenerateLog(log, {3000, 7}, nullptr)) return 1;
  TQBMessageAdder adder(MessageSet);
  if (!LoadLogFile(log, adder).Ok()) return 1;

  // The first message of each type.
  std::map<int32_t, int> firstOfType;
  for (int recNo = 1; recNo <= MessageSet.GetRecordCount(); ++recNo) firstOfType.try_emplace(MessageSet.At(recNo).MsgType(), recNo);

  TQBFakePaneHost host;
  TQBInspectorPane pane(host, host, host);
  host.Pane = &pane;
  pane.resize(460, 320);
  QFont messageFont("Verdana", 8);
  pane.Inspectors().SetFonts(messageFont, 16, QFont("Verdana", 8), QFont("Courier New", 9));
  pane.Inspectors().SetValueColor(QColor(0x00, 0x33, 0x8E));
  pane.Inspectors().ApplyOptions(TQBInspectorOptions());
  pane.show();
  const auto shoot = [&](int32_t type, const QString& suffix) {
    host.FocusedRecNo = firstOfType[type];
    pane.InspectFocusedMessage();
    QApplication::processEvents();
    QWidget* shown = pane.VisibleInspectorControl();
    const QString name = QStringLiteral("%1-%2%3.png")
                             .arg(type, 3, 10, QChar('0'))
                             .arg(shown ? shown->objectName() : QStringLiteral("empty"), suffix);
    pane.grab().save(out.filePath(name));
  };
  for (const auto& entry : firstOfType) shoot(entry.first, {});
  // The gutter and wrapping, which no message turns on by itself.
  pane.Inspectors().Text->SetLineNumbers(true);
  shoot(17, QStringLiteral("-linenumbers"));
  return host.Errors.isEmpty() ? 0 : 1;
}
