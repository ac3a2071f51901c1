#include "report/ReportOutput.h"

#include "platform/FixedWindow.h"
#include "platform/WindowHints.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStyle>
#include <QToolBar>

namespace {

bool paintOn(QPrinter &printer, const PreparedReport &report)
{
    if (!report.paint(printer))
        return false;
    // The print engine reports a job it could not hand on only through its state.
    return printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
}

}

PrintResult PrinterReportOutput::print(QWidget *parent, const PreparedReport &report)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(report.pageLayout());
    printer.setDocName(report.layout().name);
    QPrintDialog dialog(&printer, parent);
    FixedWindow::apply(&dialog);
    // The one caption Qt's Italian translation leaves in English.
    for (QAbstractButton *b : dialog.findChildren<QAbstractButton *>())
        if (b->text() == QLatin1String("Pages"))
            b->setText(QStringLiteral("Elenco pagine"));
    dialog.setWindowTitle(QStringLiteral(" Stampa"));
    if (dialog.exec() != QDialog::Accepted)
        return PrintResult::Cancelled;
    return printOn(printer, report);
}

PrintResult printOn(QPrinter &printer, const PreparedReport &report)
{
    // A printer chosen in the dialog that the system no longer knows. Qt hands
    // a job to the print system without looking at its answer, so a queue that
    // went away meanwhile would swallow the card without a word.
    if (!printer.isValid())
        return PrintResult::Failed;
    if (printer.outputFormat() == QPrinter::NativeFormat && QPrinterInfo::printerInfo(printer.printerName()).isNull())
        return PrintResult::Failed;
    return paintOn(printer, report) ? PrintResult::Printed : PrintResult::Failed;
}

bool PrinterReportOutput::preview(QWidget *parent, const PreparedReport &report)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(report.pageLayout());
    printer.setDocName(report.layout().name);
    QPrintPreviewDialog dialog(&printer, parent);
    WindowHints::dialog(&dialog, true);
    dialog.setWindowTitle(QStringLiteral(" Anteprima di stampa"));
    setUpPreview(dialog);
    bool painted = true;
    // Called for the preview's pages and again when the user prints from it.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&report, &painted](QPrinter *p) {
        if (!paintOn(*p, report))
            painted = false;
    });
    dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    dialog.exec();
    return painted;
}

void setUpPreview(QPrintPreviewDialog &dialog)
{
    QToolBar *toolbar = dialog.findChild<QToolBar *>();
    if (!toolbar)
        return;
    // Qt names only some of its actions; the others are known by their text,
    // translated as the dialog translates it.
    auto qtText = [](const char *source) { return QCoreApplication::translate("QPrintPreviewDialog", source); };
    const QString portrait = qtText("Portrait"), landscape = qtText("Landscape"), pageSetup = qtText("Page setup");
    const QList<QPair<QString, QString>> names = {
        {qtText("Zoom in"), QStringLiteral("zoomInAction")},
        {qtText("Zoom out"), QStringLiteral("zoomOutAction")},
        {qtText("Print"), QStringLiteral("printAction")},
    };
    for (QAction *action : toolbar->actions()) {
        const QString text = action->text();
        if (text == portrait || text == landscape || text == pageSetup) {
            toolbar->removeAction(action);
            continue;
        }
        for (const auto &[qt, name] : names)
            if (text == qt && action->objectName().isEmpty())
                action->setObjectName(name);
    }
    // The orientation buttons leave two separators side by side.
    bool lastWasSeparator = true;
    for (QAction *action : toolbar->actions()) {
        if (action->isSeparator() && lastWasSeparator)
            toolbar->removeAction(action);
        else
            lastWasSeparator = action->isSeparator();
    }

    toolbar->addSeparator();
    QStyle *style = dialog.style();
    auto *fullScreen =
        toolbar->addAction(style->standardIcon(QStyle::SP_TitleBarMaxButton), QStringLiteral("Schermo intero"));
    fullScreen->setObjectName(QStringLiteral("fullScreenAction"));
    fullScreen->setCheckable(true);
    fullScreen->setShortcut(QKeySequence(Qt::Key_F11));
    fullScreen->setToolTip(QStringLiteral("Schermo intero (F11)"));
    QObject::connect(fullScreen, &QAction::toggled, &dialog, [&dialog](bool on) {
        dialog.setWindowState(on ? dialog.windowState() | Qt::WindowFullScreen
                                 : dialog.windowState() & ~Qt::WindowFullScreen);
    });
    auto *close = toolbar->addAction(style->standardIcon(QStyle::SP_DialogCloseButton), QStringLiteral("Chiudi"));
    close->setObjectName(QStringLiteral("closeAction"));
    close->setToolTip(QStringLiteral("Chiudi l'anteprima"));
    QObject::connect(close, &QAction::triggered, &dialog, &QDialog::reject);
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
