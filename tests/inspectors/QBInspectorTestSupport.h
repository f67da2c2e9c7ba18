#pragma once
// Helpers of the inspector widget tests: messages in MessageSet, an inspector in its own toolbar, the
// clipboard and printed PDF files read back.

#include "inspectors/QBInspectorToolbar.h"
#include "inspectors/QBStockInspector.h"

#include <quillbox/QuillboxMessageSet.h>

#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

struct TQBTestMessage {
  TQBTestMessage(int32_t type, QString text, QString details = {}, QString typeName = {})
      : Type(type), Text(std::move(text)), Details(std::move(details)), TypeName(std::move(typeName)) {}
  int32_t Type = 0;
  QString Text;
  QString Details;
  QString TypeName;
};

// Empties MessageSet.
void ResetStore();
// Appends the message to MessageSet and makes it the current record; returns its record number.
int AddMessage(const TQBTestMessage& msg);
QString ClipboardText();
// A BMP file of the given size, one colour, as the hexadecimal text of a bitmap message's details.
QString BitmapHexText(int width, int height);

// A printed PDF file read back: its number of pages and its text in page order, every run of white
// space as one blank (text extraction does not keep the exact spacing).
struct TQBPdf {
  int Pages = 0;
  QString Text;
};
TQBPdf ReadPdf(const QString& path);

// Sends printing to a new PDF file in a temporary folder for as long as it lives.
class TQBPdfOutput {
public:
  TQBPdfOutput();
  QString Path() const { return FDir.filePath(QStringLiteral("out.pdf")); }
  TQBPdf Read() const { return ReadPdf(Path()); }
  // Lines the first page of an inspector print-out holds.
  static int LinesPerPage();

private:
  QTemporaryDir FDir;
};

// An inspector in an owner widget with its own pane toolbar.
template <typename T> struct TQBInspectorFixture {
  QWidget Owner;
  TQBInspectorToolbar* Toolbar = new TQBInspectorToolbar(&Owner);
  T* Inspector = NewInspector<T>(&Owner, Toolbar);

  TQBInspectorFixture() { Owner.resize(400, 300); Inspector->setGeometry(0, 29, 400, 271); }
  // Appends the message and lets the inspector read it.
  void Inspect(const TQBTestMessage& msg) {
    AddMessage(msg);
    Inspector->Inspect();
  }
  QStringList Lines() {
    QStringList lines;
    Inspector->GetLines(lines);
    return lines;
  }
};
