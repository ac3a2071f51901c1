#include "Screenshots.h"

#include "SampleArchive.h"
#include "SilentServices.h"

#include "agenda/PaymentGridWindows.h"
#include "agenda/TfrmAgenda.h"
#include "app/TfrmAvvio.h"
#include "app/TfrmCambiaPassword.h"
#include "app/TfrmPassword.h"
#include "app/Windows.h"
#include "contacts/TfrmAllegaCartella.h"
#include "contacts/TfrmAnagrafica.h"
#include "contacts/TfrmCodFisc.h"
#include "contacts/TfrmExpAnagrafica.h"
#include "contacts/TfrmPartitaIva.h"
#include "contacts/TfrmQuestioni.h"
#include "contacts/TfrmStampaAnagrafica.h"
#include "contacts/TfrmTrovaAnagrafica.h"
#include "journal/TfrmBilancio.h"
#include "journal/TfrmMenuBilancio.h"
#include "payments/PaymentListWindows.h"
#include "payments/TfrmArchivio_Scadenze.h"
#include "payments/TfrmCalendario.h"
#include "payments/TfrmStampaScadenza.h"
#include "payments/TfrmStartup.h"
#include "payments/TfrmTrovaScadenze.h"
#include "records/RecordArchive.h"
#include "ui/entry/EntryBox.h"

#include <QComboBox>
#include <QGraphicsView>
#include <QScrollBar>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>

namespace {

// Lets layouts, queued fills and repaints run before a picture is taken.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

class Camera {
public:
    QHash<QString, QImage> pictures;

    // The window, or only the part of it around `part` where the window is
    // mostly empty space.
    void grab(const QString &name, QWidget *window, QWidget *part = nullptr)
    {
        settle();
        const QRect area = part ? QRect(part->mapTo(window, QPoint(0, 0)), part->size()).adjusted(-24, -24, 24, 24)
                                : QRect(QPoint(0, 0), window->size());
        QImage picture = window->grab(area).toImage();
        if (picture.isNull() || picture.width() < 50 || picture.height() < 50)
            qFatal("the picture %s came out empty", qPrintable(name));
        pictures.insert(name, picture);
    }

    // A window a command of the program opens modally, shown here without the
    // modal loop, grabbed and closed.
    void grabDialog(const QString &name, QDialog &dialog)
    {
        dialog.show();
        grab(name, &dialog);
        dialog.hide();
    }
};

void passwordWindows(Camera &camera, const ResidentWindows &w)
{
    Residents::switchTo(nullptr, w.password);
    w.password->txtPassword->setText(QStringLiteral("tarvenio"));
    camera.grab(QStringLiteral("password.png"), w.password);

    Residents::switchTo(w.password, w.cambiaPassword);
    w.cambiaPassword->txtPasswordOld->setText(QStringLiteral("tarvenio"));
    w.cambiaPassword->txtPasswordNew->setText(QStringLiteral("ufficio2025"));
    w.cambiaPassword->txtConferma->setText(QStringLiteral("ufficio2025"));
    camera.grab(QStringLiteral("cambia_password.png"), w.cambiaPassword);

    Residents::switchTo(w.cambiaPassword, w.avvio);
    camera.grab(QStringLiteral("menu.png"), w.avvio);
}

void agenda(Camera &camera, const ResidentWindows &w)
{
    Residents::switchTo(w.avvio, w.agenda);
    camera.grab(QStringLiteral("agenda.png"), w.agenda);

    TfrmExpImminenti imminent(w.agenda);
    camera.grabDialog(QStringLiteral("scadenze_imminenti.png"), imminent);
    TfrmExpMensili month(SampleArchive::today(), w.agenda);
    camera.grabDialog(QStringLiteral("scadenze_mese.png"), month);
}

void paymentEditor(Camera &camera, const ResidentWindows &w, SilentReportOutput &output)
{
    TfrmArchivio_Scadenze *editor = w.archivio;
    Residents::switchTo(w.agenda, editor);
    const int shown = SampleArchive::shownPayment();
    editor->ShowPaymentRecord(PaymentArchive::read(shown), shown);
    camera.grab(QStringLiteral("archivio_pagamenti.png"), editor);

    TfrmCalendario calendar(editor);
    calendar.lblMemory->setText(QStringLiteral("data"));
    camera.grabDialog(QStringLiteral("calendario.png"), calendar);

    TfrmConfermati unsettled(editor);
    camera.grabDialog(QStringLiteral("da_assolvere.png"), unsettled);

    TfrmTrovaScadenze search(editor);
    search.lblMemory->setText(QStringLiteral("scadenze"));
    search.show();
    search.txtCausale->setText(QStringLiteral("affitto"));
    search.txtCausale->setFocus();
    camera.grab(QStringLiteral("trova_pagamenti.png"), &search);
    search.search();
    camera.grab(QStringLiteral("trova_pagamenti_elenco.png"), &search);
    search.hide();

    TfrmExpScadenzario archive(editor);
    camera.grabDialog(QStringLiteral("esporta_pagamenti.png"), archive);

    TfrmStampaScadenza print(editor);
    print.setPayment(editor->card().read());
    camera.grabDialog(QStringLiteral("stampa_scheda.png"), print);

    // The preview window is the print preview of the report engine: its
    // picture is taken where the preview would wait for the user.
    output.onPreview = [&camera](QWidget *parent, const PreparedReport &report) {
        QPrintPreviewDialog dialog(parent);
        setUpPreview(dialog);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&report](QPrinter *printer) { report.paint(*printer); });
        dialog.resize(1100, 760);
        dialog.show();
        // The page as wide as the window, seen from its top, where the card is.
        if (auto *pages = dialog.findChild<QPrintPreviewWidget *>())
            pages->fitToWidth();
        settle();
        if (auto *view = dialog.findChild<QGraphicsView *>())
            view->verticalScrollBar()->setValue(0);
        camera.grab(QStringLiteral("anteprima_scheda.png"), &dialog);
        dialog.hide();
    };
    TfrmStartup preview(editor);
    preview.setPayment(editor->card().read());
    preview.show();
    camera.grab(QStringLiteral("anteprima.png"), &preview);
    preview.btnStampa->click();
    preview.hide();
    output.onPreview = nullptr;
}

void contactEditor(Camera &camera, const ResidentWindows &w)
{
    TfrmAnagrafica *editor = w.anagrafica;
    Residents::switchTo(w.archivio, editor);
    editor->showChosenContact(SampleArchive::shownContact());
    camera.grab(QStringLiteral("archivio_anagrafico.png"), editor);
    const ContactRecord contact = editor->card().read();

    TfrmAllegaCartella attachments(editor);
    attachments.lblMemory->setText(QStringLiteral("anagrafica"));
    attachments.txtFile01->setText(contact.File01);
    attachments.txtDesc01->setText(contact.Desc01);
    attachments.txtFile02->setText(contact.File02);
    attachments.txtDesc02->setText(contact.Desc02);
    camera.grabDialog(QStringLiteral("allegati.png"), attachments);

    TfrmCodFisc fiscalCode(editor);
    fiscalCode.txtCodFisc->setText(contact.CodFisc);
    camera.grabDialog(QStringLiteral("codice_fiscale.png"), fiscalCode);
    TfrmPartitaIva vatNumber(editor);
    vatNumber.txtPartitaIva->setText(contact.PartitaIva);
    camera.grabDialog(QStringLiteral("partita_iva.png"), vatNumber);

    TfrmTrovaAnagrafica search(editor);
    search.lblMemory->setText(QLatin1String(TfrmTrovaAnagrafica::Opener));
    search.show();
    search.txtLocalita->setText(QStringLiteral("bologna"));
    search.txtLocalita->setFocus();
    search.search();
    camera.grab(QStringLiteral("trova_contatti.png"), &search);
    search.hide();

    TfrmQuestioni issues(editor);
    camera.grabDialog(QStringLiteral("questioni.png"), issues);

    TfrmExpAnagrafica grid(editor);
    camera.grabDialog(QStringLiteral("esporta_anagrafica.png"), grid);

    TfrmStampaAnagrafica print(editor);
    print.setContact(contact);
    camera.grabDialog(QStringLiteral("stampa_anagrafica.png"), print);
}

void journal(Camera &camera, const ResidentWindows &w)
{
    TfrmMenuBilancio *query = w.menuBilancio;
    Residents::switchTo(w.anagrafica, query);
    const QString year = QString::number(SampleArchive::today().year());
    query->txtGiornoInizio->setCurrentText(QStringLiteral("01"));
    query->txtMeseInizio->setCurrentText(QStringLiteral("Marzo"));
    query->txtGiornoFine->setCurrentText(QStringLiteral("30"));
    query->txtMeseFine->setCurrentText(QStringLiteral("Giugno"));
    camera.grab(QStringLiteral("primanota.png"), query, query->findChild<QWidget *>(QStringLiteral("panScelta")));

    TfrmBilancio journal(QString(), QStringLiteral("01/03/") + year, QStringLiteral("30/06/") + year, query);
    camera.grabDialog(QStringLiteral("bilancio.png"), journal);
}

}

namespace Screenshots {

QHash<QString, QImage> take(SilentReportOutput &output)
{
    Camera camera;
    Windows::create();
    const ResidentWindows &w = Windows::resident();
    passwordWindows(camera, w);
    agenda(camera, w);
    paymentEditor(camera, w, output);
    contactEditor(camera, w);
    journal(camera, w);
    Windows::destroy();
    return camera.pictures;
}

}
