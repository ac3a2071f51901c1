#pragma once
// Where prepared reports go: the printer dialog and the print preview, or in
// tests a PDF file.

#include "report/ReportRenderer.h"

class QWidget;

class ReportOutput {
public:
    virtual ~ReportOutput() = default;
    // Asks for a printer and prints; "print to file" in the dialog gives a PDF.
    virtual void print(QWidget *parent, const PreparedReport &report) = 0;
    virtual void preview(QWidget *parent, const PreparedReport &report) = 0;
};

class PrinterReportOutput : public ReportOutput {
public:
    void print(QWidget *parent, const PreparedReport &report) override;
    void preview(QWidget *parent, const PreparedReport &report) override;
};

namespace Services {
ReportOutput &reportOutput();
// Takes no ownership; nullptr restores the printer.
void setReportOutput(ReportOutput *output);
}
