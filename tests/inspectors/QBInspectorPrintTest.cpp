// What each inspector prints, read back from the PDF file: one page under the title's header, with
// the inspector's own layout of the message (aligned columns, aligned properties, numbered lines, the
// picture).

#include "QBInspectorTestSupport.h"

#include "inspectors/QBBitmapInspector.h"
#include "inspectors/QBPropertiesInspector.h"
#include "inspectors/QBStringListInspector.h"
#include "inspectors/QBTableInspector.h"

#include <gtest/gtest.h>

namespace {

// Shows the message in an inspector of class T and prints it under the title.
template <typename T> TQBPdf Printed(const TQBTestMessage& msg, const QString& title) {
  TQBInspectorFixture<T> f;
  f.Inspect(msg);
  const TQBPdfOutput out;
  f.Inspector->PrintContents(title);
  return out.Read();
}

TEST(QBInspectorPrintTest, EachInspectorPrintsItsLayoutOnOnePageUnderTheTitle) {
  struct TCase {
    const char* Layout;
    TQBPdf (*Print)(const TQBTestMessage&, const QString&);
    TQBTestMessage Message;
    QString Title;
    QString Body;  // the printed text after the page header
  };
  const TCase cases[] = {
      {"table columns aligned", &Printed<TQBTableInspector>, {38, "t", "Id\tCustomer\tTotal\n1001\tAnn\t12.50"},
       "Open invoices (Details)", "Id Customer Total 1001 Ann 12.50"},
      {"properties aligned at the equals sign", &Printed<TQBPropertiesInspector>, {22, "p", "Host=db01\nPort=5432"},
       "Settings (Details)", "Host db01 Port 5432"},
      {"string list numbered", &Printed<TQBStringListInspector>, {6, "list", "alpha\nbeta"},
       "Search path (Details)", "1: alpha 2: beta"},
      {"bitmap as a picture, no text", &Printed<TQBBitmapInspector>, {16, "b", BitmapHexText(200, 100)},
       "Logo (Details)", ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Layout);
    ResetStore();
    const TQBPdf pdf = c.Print(c.Message, c.Title);
    EXPECT_EQ(pdf.Pages, 1);
    EXPECT_EQ(pdf.Text, (c.Title + " -- Page 1 " + c.Body).trimmed());
  }
}

}  // namespace
