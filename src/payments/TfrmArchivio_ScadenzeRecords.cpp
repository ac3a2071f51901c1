// The payment editor's record commands: blank card, browsing, duplicate, save,
// and the record shown by other windows.
#include "payments/TfrmArchivio_Scadenze.h"

#include "ui/TMisc.h"
#include "payments/TfrmCalendario.h"
#include "platform/GuiServices.h"
#include "records/DateText.h"
#include "records/PaymentRecord.h"
#include "records/RecordFile.h"
#include "records/TextField.h"
#include "ui/FieldRules.h"
#include "ui/PictureButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kAccessError = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
const QString kEmptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");
const QString kDuplicateRefused = QStringLiteral(
    "Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è stata inserita in archivio.");
const QString kDuplicated = QStringLiteral(
    "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
    "Al termine premere Salva per inserire la scheda in archivio.");
const QString kChangesSaved = QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
const QString kInserted = QStringLiteral("La scheda corrente è stata inserita in archivio.");

QString trimmedText(const QLineEdit *box) { return TextField::trimmed(box->text()); }
QString trimmedText(const QComboBox *box) { return TextField::trimmed(box->currentText()); }

void setTimeText(QComboBox *box, const QString &text)
{
    box->setCurrentIndex(-1);
    box->setEditText(text);
}

}

void TfrmArchivio_Scadenze::guarded(const std::function<void()> &work)
{
    try {
        work();
    } catch (...) {
        // Whatever went wrong (the file, a read, a write, a position that is
        // not a number), the user is told the archive cannot be reached; what
        // the command changed on the card so far stays.
        Services::error(this, kAccessError);
    }
}

void TfrmArchivio_Scadenze::blankCard()
{
    setTimeText(txtOreApp, QStringLiteral("00"));
    setTimeText(txtMinutiApp, QStringLiteral("00"));
    txtData->clear();
    txtAvviso->setText(QStringLiteral("0"));
    txtTipologia->setEditText(QString());
    for (QLineEdit *box : {txtCausale, txtDettagli, txtContatto, txtTel, txtCel, txtEmail, txtLuogo, txtNote})
        box->clear();
    txtImporto->setText(QStringLiteral("0,00"));
    chkOttemperata->setChecked(false);
    lblPosizione->clear();
    txtData->setFocus(Qt::OtherFocusReason);
}

void TfrmArchivio_Scadenze::newCard() { blankCard(); }

void TfrmArchivio_Scadenze::ShowPaymentRecord(const PaymentRecord &record, int number)
{
    txtData->setText(record.Data);
    txtOreApp->setEditText(record.OreApp);
    txtMinutiApp->setEditText(record.MinutiApp);
    lblOra->setText(record.Ora);
    txtAvviso->setText(record.Avviso);
    txtTipologia->setEditText(record.Tipologia);
    txtCausale->setText(record.Causale);
    txtDettagli->setText(record.Dettagli);
    txtContatto->setText(record.Contatto);
    txtTel->setText(record.Tel);
    txtCel->setText(record.Cel);
    txtEmail->setText(record.Email);
    txtLuogo->setText(record.Luogo);
    txtImporto->setText(record.Importo);
    txtNote->setText(record.Note);
    // Anything but the two known values leaves the box as it was.
    if (record.isSettled())
        chkOttemperata->setChecked(true);
    else if (record.isUnsettled())
        chkOttemperata->setChecked(false);
    lblPosizione->setText(QString::number(number));
}

void TfrmArchivio_Scadenze::browse(PaymentArchive::Step step)
{
    using PaymentArchive::Step;
    if (step == Step::Previous && TextField::trimmed(lblPosizione->text()) == QLatin1String("1"))
        return;
    guarded([&] {
        const int current = PaymentArchive::recordNumber(lblPosizione->text());
        RecordFile file(paymentFilePath(), PaymentRecord::Size);
        const int count = file.size();
        if (count == 0) {
            if (step == Step::Next)
                lblPosizione->clear();
            file.close();
            Services::information(this, kEmptyArchive);
            return;
        }
        const int target = PaymentArchive::browseTarget(step, current, count);
        if (target == 0)
            return;
        const PaymentRecord record = readPayment(file, target);
        file.close();
        ShowPaymentRecord(record, target);
    });
}

void TfrmArchivio_Scadenze::duplicate()
{
    if (TextField::trimmed(lblPosizione->text()).isEmpty()) {
        Services::warning(this, kDuplicateRefused);
        return;
    }
    lblPosizione->clear();
    guarded([&] {
        // Only proves that the archive can still be reached.
        RecordFile file(paymentFilePath(), PaymentRecord::Size);
        file.close();
        setTimeText(txtOreApp, QStringLiteral("00"));
        setTimeText(txtMinutiApp, QStringLiteral("00"));
        txtData->clear();
        txtData->setFocus(Qt::OtherFocusReason);
        Services::information(this, kDuplicated);
    });
}

bool TfrmArchivio_Scadenze::requireFilled(QWidget *field, const QString &text, const QString &warning)
{
    if (!TextField::trimmed(text).isEmpty())
        return true;
    Services::warning(this, warning);
    field->setFocus(Qt::OtherFocusReason);
    return false;
}

PaymentRecord TfrmArchivio_Scadenze::cardRecord() const
{
    PaymentRecord r;
    r.Data = txtData->text();
    r.OreApp = txtOreApp->currentText();
    r.MinutiApp = txtMinutiApp->currentText();
    r.Ora = lblOra->text();
    r.Avviso = txtAvviso->text();
    r.Tipologia = txtTipologia->currentText();
    r.Causale = txtCausale->text();
    r.Dettagli = txtDettagli->text();
    r.Contatto = txtContatto->text();
    r.Tel = txtTel->text();
    r.Cel = txtCel->text();
    r.Email = txtEmail->text();
    r.Luogo = txtLuogo->text();
    r.Importo = txtImporto->text();
    r.Note = txtNote->text();
    r.Ottemperata = chkOttemperata->isChecked() ? QStringLiteral("Sì") : QStringLiteral("No");
    return r;
}

void TfrmArchivio_Scadenze::save()
{
    // Leave the box being edited, so that its leaving rule has shaped the value
    // that is saved. Without an active window no focus event would come: then
    // the rule is run here.
    QWidget *edited = focusWidget();
    btnFocus->setFocus(Qt::OtherFocusReason);
    if (edited && edited != btnFocus && QApplication::focusWidget() != btnFocus)
        m_rules->leave(edited);

    if (!requireFilled(txtData, txtData->text(),
                       QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la data della scadenza."))
        || !requireFilled(txtAvviso, txtAvviso->text(),
                          QStringLiteral("Attenzione: per salvare la scheda è necessario indicare i giorni di preavviso rispetto alla data della scadenza."))
        || !requireFilled(txtTipologia, txtTipologia->currentText(),
                          QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la tipologia di pagamento (in entrata o in uscita)."))
        || !requireFilled(txtCausale, txtCausale->text(),
                          QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la causale del pagamento."))
        || !requireFilled(txtContatto, txtContatto->text(),
                          QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome del contatto.")))
        return;
    if (trimmedText(txtImporto).isEmpty())
        txtImporto->setText(QStringLiteral("0,00"));
    lblOra->setText(trimmedText(txtOreApp) + QLatin1Char(':') + trimmedText(txtMinutiApp));

    guarded([&] {
        const int number = PaymentArchive::recordNumber(lblPosizione->text());
        const int saved = PaymentArchive::save(cardRecord(), number);
        lblPosizione->setText(QString::number(saved));
        Services::information(this, number ? kChangesSaved : kInserted);
    });
}

void TfrmArchivio_Scadenze::openDatePicker()
{
    TfrmCalendario picker(this);
    picker.lblMemory->setText(QStringLiteral("data"));
    connect(&picker, &TfrmCalendario::dateChosen, this,
            [this](QDate date) { txtData->setText(DateText::format(date)); });
    picker.exec();
}

void TfrmArchivio_Scadenze::writeEmail()
{
    TMisc::Open(QLatin1Char('"') + QStringLiteral("mailto:") + trimmedText(txtEmail) + QLatin1Char('"'));
}
