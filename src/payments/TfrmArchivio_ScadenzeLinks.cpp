// The payment editor's ways out to the lists, the search, the export, the card
// print and preview, and the help.
#include "payments/TfrmArchivio_Scadenze.h"

#include "agenda/PaymentGridWindows.h"
#include "ui/HelpTexts.h"
#include "ui/TfrmGuida.h"
#include "payments/PaymentListWindows.h"
#include "payments/TfrmStampaScadenza.h"
#include "payments/TfrmStartup.h"
#include "payments/TfrmTrovaScadenze.h"
#include "records/RecordArchive.h"
#include "ui/PictureButton.h"

#include <QLabel>

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
        TfrmTrovaScadenze window(this);
        window.lblMemory->setText(QStringLiteral("scadenze"));
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
