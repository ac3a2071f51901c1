#pragma once
// Where prepared reports go: the printer dialog and the print preview, or in
// tests a PDF file.

#include "report/ReportRenderer.h"

class QPrintPreviewDialog;
class QPrinter;
class QWidget;

// How a print ended. A cancelled printer dialog is no failure: nothing was
// printed and there is nothing to report.
enum class PrintResult { Printed, Cancelled, Failed };

class ReportOutput {
public:
    virtual ~ReportOutput() = default;
    // Asks for a printer (the default one chosen) and prints; "print to file"
    // in the dialog gives a PDF. Failed when no printer could be opened or
    // the pages could not be painted.
    virtual PrintResult print(QWidget *parent, const PreparedReport &report) = 0;
    // Shows the pages until the user closes the preview; false when they
    // could not be painted.
    virtual bool preview(QWidget *parent, const PreparedReport &report) = 0;
};

class PrinterReportOutput : public ReportOutput {
public:
    PrintResult print(QWidget *parent, const PreparedReport &report) override;
    bool preview(QWidget *parent, const PreparedReport &report) override;
};

// Prints on a printer already chosen: Failed when it is not valid, would not
// start, or ended in its error state.
PrintResult printOn(QPrinter &printer, const PreparedReport &report);

// The preview's toolbar as the program offers it: print, zoom, pages, full
// screen and close. The page set-up and the orientation buttons go, since a
// prepared report keeps its own page.
void setUpPreview(QPrintPreviewDialog &dialog);

namespace Services {
ReportOutput &reportOutput();
// Takes no ownership; nullptr restores the printer.
void setReportOutput(ReportOutput *output);
}
