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

#include <QComboBox>
#include <QGraphicsView>
#include <QScrollBar>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>

namespace {

// A window's control, found as a user finds it: by its name.
template <typename T>
T *control(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("%s has no control %s", qPrintable(window->objectName()), name);
    return found;
}

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
    control<QLineEdit>(w.password, "txtPassword")->setText(QStringLiteral("tarvenio"));
    camera.grab(QStringLiteral("password.png"), w.password);

    Residents::switchTo(w.password, w.cambiaPassword);
    control<QLineEdit>(w.cambiaPassword, "txtPasswordOld")->setText(QStringLiteral("tarvenio"));
    control<QLineEdit>(w.cambiaPassword, "txtPasswordNew")->setText(QStringLiteral("ufficio2025"));
    control<QLineEdit>(w.cambiaPassword, "txtConferma")->setText(QStringLiteral("ufficio2025"));
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

    TfrmCalendario calendar(Opener::PaymentDueDate, editor);
    camera.grabDialog(QStringLiteral("calendario.png"), calendar);

    TfrmConfermati unsettled(editor);
    camera.grabDialog(QStringLiteral("da_assolvere.png"), unsettled);

    TfrmTrovaScadenze search(Opener::PaymentEditor, editor);
    search.show();
    control<QLineEdit>(&search, "txtCausale")->setText(QStringLiteral("affitto"));
    control<QLineEdit>(&search, "txtCausale")->setFocus();
    camera.grab(QStringLiteral("trova_pagamenti.png"), &search);
    search.search();
    camera.grab(QStringLiteral("trova_pagamenti_elenco.png"), &search);
    search.hide();

    TfrmExpScadenzario archive(editor);
    camera.grabDialog(QStringLiteral("esporta_pagamenti.png"), archive);

    TfrmStampaScadenza print(editor);
    print.setPayment(PaymentArchive::read(shown));
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
    preview.setPayment(PaymentArchive::read(shown));
    preview.show();
    camera.grab(QStringLiteral("anteprima.png"), &preview);
    control<QPushButton>(&preview, "btnStampa")->click();
    preview.hide();
    output.onPreview = nullptr;
}

void contactEditor(Camera &camera, const ResidentWindows &w)
{
    TfrmAnagrafica *editor = w.anagrafica;
    Residents::switchTo(w.archivio, editor);
    const int shown = SampleArchive::shownContact();
    editor->showChosenContact(shown);
    camera.grab(QStringLiteral("archivio_anagrafico.png"), editor);
    const ContactRecord contact = ContactArchive::read(shown);

    TfrmAllegaCartella attachments(Opener::ContactEditor, {contact.File01, contact.File02, contact.File03},
                                   {contact.Desc01, contact.Desc02, contact.Desc03}, editor);
    camera.grabDialog(QStringLiteral("allegati.png"), attachments);

    TfrmCodFisc fiscalCode(editor);
    fiscalCode.setEntry(contact.CodFisc);
    camera.grabDialog(QStringLiteral("codice_fiscale.png"), fiscalCode);
    TfrmPartitaIva vatNumber(editor);
    vatNumber.setEntry(contact.PartitaIva);
    camera.grabDialog(QStringLiteral("partita_iva.png"), vatNumber);

    TfrmTrovaAnagrafica search(Opener::ContactEditor, editor);
    search.show();
    control<QLineEdit>(&search, "txtLocalita")->setText(QStringLiteral("bologna"));
    control<QLineEdit>(&search, "txtLocalita")->setFocus();
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
    control<QComboBox>(query, "txtGiornoInizio")->setCurrentText(QStringLiteral("01"));
    control<QComboBox>(query, "txtMeseInizio")->setCurrentText(QStringLiteral("Marzo"));
    control<QComboBox>(query, "txtGiornoFine")->setCurrentText(QStringLiteral("30"));
    control<QComboBox>(query, "txtMeseFine")->setCurrentText(QStringLiteral("Giugno"));
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
