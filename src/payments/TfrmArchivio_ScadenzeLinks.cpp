// The payment editor's ways out to the lists, the search, the export, the card
// print and preview, the help and the contact import.
#include "payments/TfrmArchivio_Scadenze.h"

#include "agenda/PaymentGridWindows.h"
#include "contacts/TfrmImportaAnagrafica.h"
#include "ui/windows/HelpTexts.h"
#include "ui/windows/TfrmGuida.h"
#include "payments/PaymentListWindows.h"
#include "payments/TfrmStampaScadenza.h"
#include "payments/TfrmStartup.h"
#include "payments/TfrmTrovaScadenze.h"
#include "records/RecordArchive.h"
#include "records/TextField.h"
#include "ui/widgets/PictureButton.h"

#include <QLineEdit>

void TfrmArchivio_Scadenze::connectLinkedWindows()
{
    const auto open = [this](ListWindow &window) {
        connect(&window, &ListWindow::recordChosen, this, &TfrmArchivio_Scadenze::loadChosenRecord);
        window.exec();
    };
    connect(cmdDaAssolvere, &PictureButton::clicked, this, [this, open] {
        TfrmConfermati window(this);
        open(window);
    });
    connect(cmdScaduti, &PictureButton::clicked, this, [this, open] {
        TfrmScaduti window(this);
        open(window);
    });
    connect(cmdAssolti, &PictureButton::clicked, this, [this, open] {
        TfrmAssolti window(this);
        open(window);
    });
    connect(cmdTrova, &PictureButton::clicked, this, [this, open] {
        TfrmTrovaScadenze window(Opener::PaymentEditor, this);
        open(window);
    });
    connect(cmdEsporta, &PictureButton::clicked, this, [this] { TfrmExpScadenzario(this).exec(); });
    // The card prints what the boxes hold now, saved or not.
    connect(cmdStampa, &PictureButton::clicked, this, [this] {
        TfrmStampaScadenza window(this);
        window.setPayment(m_card.read());
        window.exec();
    });
    connect(cmdAnteprima, &PictureButton::clicked, this, [this] {
        TfrmStartup window(this);
        window.setPayment(m_card.read());
        window.exec();
    });
    connect(cmdGuida, &PictureButton::clicked, this,
            [this] { TfrmGuida::showTopic(this, HelpTexts::forPaymentEditor()); });
    connect(impContatto, &PictureButton::clicked, this, &TfrmArchivio_Scadenze::importContact);
}

void TfrmArchivio_Scadenze::importContact()
{
    TfrmImportaAnagrafica window(Opener::PaymentEditor, this);
    connect(&window, &TfrmImportaAnagrafica::contactChosen, this, &TfrmArchivio_Scadenze::takeContact);
    window.exec();
}

void TfrmArchivio_Scadenze::takeContact(const ContactRecord &contact)
{
    // The contact's fields are wider than the payment's: each value is cut to
    // its box, as the save would cut it to the field.
    const auto put = [](QLineEdit *box, const QString &value) {
        const QString text = TextField::trimmed(value);
        box->setText(box->maxLength() > 0 ? text.left(box->maxLength()) : text);
    };
    put(txtContatto, contact.Nome);
    put(txtTel, contact.Tel);
    put(txtCel, contact.Cel);
    put(txtEmail, contact.Email);
}

void TfrmArchivio_Scadenze::loadChosenRecord(int number)
{
    try {
        // Read again: the card shows what is stored now, and a later save
        // overwrites exactly this record.
        ShowPaymentRecord(PaymentArchive::read(number), number);
    } catch (const ArchiveError &) {
        // The list closes without a message, as when it cannot read the file.
    }
}
