#pragma once
// The printer that every print job uses, as the print dialog leaves it. With no printer installed it
// writes a PDF file: "Quillbox Print.pdf" in the documents folder (the home folder when there is none)
// until the user chooses another file.

#include <QString>

class QPrinter;

QPrinter& QBSharedPrinter();

// Whether a printer writes a PDF file instead of printing on paper.
bool QBPrintsToPdf(const QPrinter& printer);
// The file the shared printer writes as the print dialog left it; empty when it prints on paper.
QString QBSharedPdfFile();
// Makes a printer write a PDF file at path.
void QBSetPdfOutput(QPrinter& printer, const QString& path);
// The current printer as the print dialog names it: the printer's name, or "PDF file: " and the path.
QString QBPrinterDescription(const QPrinter& printer);
// The file a PDF printer writes when nobody chose one.
QString QBDefaultPdfPath();
