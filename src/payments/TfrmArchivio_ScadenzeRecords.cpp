// The payment editor's record commands: blank card, browsing, duplicate, save,
// and the record shown by other windows.
#include "payments/TfrmArchivio_Scadenze.h"

#include "payments/AmountNormalisation.h"
#include "payments/PaymentEntryRules.h"
#include "payments/TfrmCalendario.h"
#include "platform/GuiServices.h"
#include "records/DateText.h"
#include "records/TextField.h"
#include "ui/entry/FieldRules.h"
#include "ui/entry/RecordEditing.h"
#include "ui/windows/TMisc.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
const QString kDateRequired =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la data della scadenza.");
const QString kNoticeRequired = QStringLiteral(
    "Attenzione: per salvare la scheda è necessario indicare i giorni di preavviso rispetto alla data della scadenza.");
const QString kTypeRequired = QStringLiteral(
    "Attenzione: per salvare la scheda è necessario indicare la tipologia di pagamento (in entrata o in uscita).");
const QString kReasonRequired =
    QStringLiteral("Attenzione: per salvare la scheda è necessario indicare la causale del pagamento.");

QString trimmedText(const QLineEdit *box) { return TextField::trimmed(box->text()); }
QString trimmedText(const QComboBox *box) { return TextField::trimmed(box->currentText()); }

void setTimeText(QComboBox *box, const QString &text)
{
    box->setCurrentIndex(-1);
    box->setEditText(text);
}
}

void TfrmArchivio_Scadenze::blankCard()
{
    m_card.blank();
    m_card.setNumber(0);
    txtData->setFocus(Qt::OtherFocusReason);
}

void TfrmArchivio_Scadenze::newCard() { blankCard(); }

void TfrmArchivio_Scadenze::ShowPaymentRecord(const PaymentRecord &record, int number)
{
    // A settled flag that is neither "Sì" nor "No" leaves the box as it was.
    m_card.show(record);
    m_card.setNumber(number);
}

void TfrmArchivio_Scadenze::browse(BrowseStep step)
{
    RecordEditing::browse<PaymentRecord>(this, m_card, step, [this](const PaymentRecord &record, int number) {
        ShowPaymentRecord(record, number);
    });
}

void TfrmArchivio_Scadenze::duplicate()
{
    if (m_card.number() == 0) {
        Services::warning(this, EditorMessages::duplicateRefused());
        return;
    }
    m_card.setNumber(0);
    RecordEditing::guarded(this, [&] {
        // Only proves that the archive can still be reached, for the save to come.
        PaymentArchive::checkWritable();
        // The same payment without its date and time.
        setTimeText(txtOreApp, QStringLiteral("00"));
        setTimeText(txtMinutiApp, QStringLiteral("00"));
        txtData->clear();
        txtData->setFocus(Qt::OtherFocusReason);
        Services::information(this, EditorMessages::duplicated());
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

void TfrmArchivio_Scadenze::save()
{
    // Leave the box being edited, so that its leaving rule has shaped the value
    // that is saved. Without an active window no focus event would come: then
    // the rule is run here.
    QWidget *edited = focusWidget();
    m_saving = true;
    btnFocus->setFocus(Qt::OtherFocusReason);
    if (edited && edited != btnFocus && QApplication::focusWidget() != btnFocus)
        m_rules->leave(edited);
    m_saving = false;

    if (!requireFilled(txtData, txtData->text(), kDateRequired)
        || !requireFilled(txtAvviso, txtAvviso->text(), kNoticeRequired)
        || !requireFilled(txtTipologia, txtTipologia->currentText(), kTypeRequired)
        || !requireFilled(txtCausale, txtCausale->text(), kReasonRequired)
        || !requireFilled(txtContatto, txtContatto->text(), EditorMessages::nameRequired()))
        return;
    if (trimmedText(txtImporto).isEmpty())
        txtImporto->setText(QStringLiteral("0,00"));
    // Nothing is cut: an amount the field cannot hold whole is refused.
    if (!PaymentEntry::amountFits(normaliseAmount(txtImporto->text()))) {
        Services::warning(this, PaymentEntry::amountTooLarge());
        txtImporto->setFocus(Qt::OtherFocusReason);
        return;
    }
    lblOra->setText(trimmedText(txtOreApp) + QLatin1Char(':') + trimmedText(txtMinutiApp));
    RecordEditing::save(this, m_card, m_card.read());
}

void TfrmArchivio_Scadenze::openDatePicker()
{
    TfrmCalendario picker(Opener::PaymentDueDate, this);
    connect(&picker, &TfrmCalendario::dateChosen, this,
            [this](QDate date) { txtData->setText(DateText::format(date)); });
    picker.exec();
}

void TfrmArchivio_Scadenze::writeEmail()
{
    TMisc::Open(QLatin1Char('"') + QStringLiteral("mailto:") + trimmedText(txtEmail) + QLatin1Char('"'));
}
