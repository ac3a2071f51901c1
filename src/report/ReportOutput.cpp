#include "report/ReportOutput.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

void PrinterReportOutput::print(QWidget *parent, const PreparedReport &report)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(report.pageLayout());
    printer.setDocName(report.layout().name);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral(" Stampa"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    report.paint(printer);
}

void PrinterReportOutput::preview(QWidget *parent, const PreparedReport &report)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(report.pageLayout());
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral(" Anteprima di stampa"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&report](QPrinter *p) { report.paint(*p); });
    dialog.exec();
}

namespace {
ReportOutput *g_output = nullptr;
}

namespace Services {
ReportOutput &reportOutput()
{
    static PrinterReportOutput printer;
    return g_output ? *g_output : printer;
}

void setReportOutput(ReportOutput *output) { g_output = output; }
}
