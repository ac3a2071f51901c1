// The contact editor's ways out: the e-mail, the four identifier checks, the
// attachments, the card print, the search, the pending issues, the export and
// the help.
#include "contacts/TfrmAnagrafica.h"

#include "contacts/ContactEntryRules.h"
#include "contacts/TfrmAllegaCartella.h"
#include "contacts/TfrmCarta.h"
#include "contacts/TfrmCodFisc.h"
#include "contacts/TfrmExpAnagrafica.h"
#include "contacts/TfrmIban.h"
#include "contacts/TfrmPartitaIva.h"
#include "contacts/TfrmQuestioni.h"
#include "contacts/TfrmStampaAnagrafica.h"
#include "contacts/TfrmTrovaAnagrafica.h"
#include "records/TextField.h"
#include "ui/entry/EntryBox.h"
#include "ui/windows/HelpTexts.h"
#include "ui/widgets/PictureButton.h"
#include "ui/windows/TMisc.h"
#include "ui/windows/TfrmGuida.h"

#include <QLabel>
#include <QLineEdit>

namespace {
QString trimmedText(const QLineEdit *box) { return TextField::trimmed(box->text()); }

// A check window over the editor with the box's text; it changes nothing here.
template <typename Window>
void openCheck(QWidget *editor, const QString &text)
{
    Window window(editor);
    window.setEntry(text);
    window.exec();
}
}

void TfrmAnagrafica::connectLinkedWindows()
{
    connect(btnEmail, &PictureButton::clicked, this, &TfrmAnagrafica::writeEmail);
    connect(btnCodFisc, &PictureButton::clicked, this, &TfrmAnagrafica::checkFiscalCode);
    connect(btnPartitaIva, &PictureButton::clicked, this, &TfrmAnagrafica::checkVatNumber);
    connect(btnIban, &PictureButton::clicked, this, &TfrmAnagrafica::checkIban);
    connect(btnCarta, &PictureButton::clicked, this, &TfrmAnagrafica::checkCard);
    connect(cmdFile, &PictureButton::clicked, this, &TfrmAnagrafica::openAttachments);
    connect(cmdStampa, &PictureButton::clicked, this, &TfrmAnagrafica::printCard);
    // The search and the pending issues hand back the number of the contact
    // chosen; the editor reads it again from the file.
    connect(cmdTrova, &PictureButton::clicked, this, [this] {
        TfrmTrovaAnagrafica window(Opener::ContactEditor, this);
        connect(&window, &ListWindow::recordChosen, this, &TfrmAnagrafica::showChosenContact);
        window.exec();
    });
    connect(cmdQuestioni, &PictureButton::clicked, this, [this] {
        TfrmQuestioni window(this);
        connect(&window, &ListWindow::recordChosen, this, &TfrmAnagrafica::showChosenContact);
        window.exec();
    });
    connect(cmdEsporta, &PictureButton::clicked, this, [this] { TfrmExpAnagrafica(this).exec(); });
    connect(cmdGuida, &PictureButton::clicked, this, [this] { TfrmGuida::showTopic(this, HelpTexts::forContacts()); });
}

void TfrmAnagrafica::writeEmail()
{
    TMisc::Open(QLatin1Char('"') + QStringLiteral("mailto:") + trimmedText(txtEmail) + QLatin1Char('"'));
}

void TfrmAnagrafica::checkFiscalCode()
{
    const QString code = trimmedText(txtCodFisc);
    if (ContactEntry::checkForFiscalCode(code) == ContactEntry::CodeCheck::VatNumber)
        openCheck<TfrmPartitaIva>(this, code);
    else
        openCheck<TfrmCodFisc>(this, code);
}

void TfrmAnagrafica::checkVatNumber() { openCheck<TfrmPartitaIva>(this, trimmedText(txtPartitaIva)); }

void TfrmAnagrafica::checkIban() { openCheck<TfrmIban>(this, trimmedText(txtIban)); }

void TfrmAnagrafica::checkCard() { openCheck<TfrmCarta>(this, trimmedText(txtCarta)); }

void TfrmAnagrafica::openAttachments()
{
    TfrmAllegaCartella window(Opener::ContactEditor, {lblFile01->text(), lblFile02->text(), lblFile03->text()},
                              {lblDesc01->text(), lblDesc02->text(), lblDesc03->text()}, this);
    connect(&window, &TfrmAllegaCartella::attachmentsApplied, this, &TfrmAnagrafica::setAttachments);
    window.exec();
}

void TfrmAnagrafica::setAttachments(const QStringList &files, const QStringList &descriptions)
{
    QLabel *const fileLabels[] = {lblFile01, lblFile02, lblFile03};
    QLabel *const descriptionLabels[] = {lblDesc01, lblDesc02, lblDesc03};
    for (int k = 0; k < 3; ++k) {
        fileLabels[k]->setText(files.value(k));
        descriptionLabels[k]->setText(descriptions.value(k));
    }
}

void TfrmAnagrafica::printCard()
{
    TfrmStampaAnagrafica window(this);
    window.setContact(m_card.read());
    window.exec();
}
