// The contact editor's record commands: the empty card, browsing, duplicate,
// save, and the record chosen in another window.
#include "contacts/TfrmAnagrafica.h"

#include "platform/GuiServices.h"
#include "records/TextField.h"
#include "ui/entry/RecordEditing.h"

#include <QLabel>
#include <QLineEdit>

namespace {
const QString kSexRequired = QStringLiteral(
    "Attenzione: per salvare la scheda è necessario indicare il sesso del contatto usando la lettera M oppure F.");
}

void TfrmAnagrafica::ShowContactRecord(int number, const ContactRecord &record)
{
    m_card.show(record);
    m_card.setNumber(number);
}

void TfrmAnagrafica::ClearContactEditor()
{
    m_card.blank();
    m_card.setNumber(0);
    txtNome->setFocus(Qt::OtherFocusReason);
}

void TfrmAnagrafica::showChosenContact(int number)
{
    try {
        // Read again: the card shows what is stored now, and a later save
        // overwrites exactly this record.
        ShowContactRecord(number, ContactArchive::read(number));
    } catch (const ArchiveError &) {
        // The window that chose it has already closed; the card stays as it was.
    }
}

void TfrmAnagrafica::browse(BrowseStep step)
{
    RecordEditing::browse<ContactRecord>(this, m_card, step, [this](const ContactRecord &record, int number) {
        ShowContactRecord(number, record);
    });
}

void TfrmAnagrafica::duplicate()
{
    if (m_card.number() == 0) {
        Services::warning(this, EditorMessages::duplicateRefused());
        return;
    }
    // The same contact as a new card; its attachments stay with the record it
    // came from. The file is not touched until the copy is saved.
    for (QLabel *value : {lblFile01, lblFile02, lblFile03, lblDesc01, lblDesc02, lblDesc03})
        value->clear();
    m_card.setNumber(0);
    txtNome->setFocus(Qt::OtherFocusReason);
    Services::information(this, EditorMessages::duplicated());
}

void TfrmAnagrafica::save()
{
    if (TextField::trimmed(txtNome->text()).isEmpty()) {
        Services::warning(this, EditorMessages::nameRequired());
        txtNome->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString sex = TextField::trimmed(txtSesso->text());
    if (sex != ContactRecord::Male && sex != ContactRecord::Female) {
        Services::warning(this, kSexRequired);
        txtSesso->setFocus(Qt::OtherFocusReason);
        return;
    }
    // The boxes keep what was typed; the record holds it trimmed and cut to its fields.
    RecordEditing::save(this, m_card, m_card.read());
}
