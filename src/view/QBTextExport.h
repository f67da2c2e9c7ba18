#pragma once
// Exports the messages of a view as tab-separated text: a heading line, then one line per message with
// its type name, its text (indented by method level unless the structure is flattened) and the view's
// visible columns. Written in Windows-1252 when every character has a byte there, else in UTF-8 with a
// byte-order mark so that no text is lost.

#include "view/QBColumns.h"
#include "view/QBViewHooks.h"
#include "view/QBViewRows.h"

#include <QString>

struct TQBTextExportOptions {
  TQBColumnSet Columns = 0;
  bool Flatten = false;
};

bool ExportViewText(const TQBViewRows& rows, const QString& path, const TQBTextExportOptions& options,
                    IQBProgressSink* progress, QString* error);
