#include "lists/ContactListRow.h"

#include "lists/RowBuilder.h"

namespace {
// Name, fiscal code, telephone and mobile: the columns both rows share.
RowBuilder contactColumns(const ContactRecord &r)
{
    RowBuilder row;
    row.field(r.Nome, 28)
        .text(QStringLiteral("  CF: "))
        .field(r.CodFisc, 16)
        .text(QStringLiteral("  Tel. "))
        .field(r.Tel, 15)
        .text(QStringLiteral("  Cel. "))
        .field(r.Cel, 15);
    return row;
}
}

QString ContactListRow(const ContactRecord &r)
{
    return contactColumns(r).text(QStringLiteral("  Note: ")).rest(r.Note).row();
}

QString PendingIssueRow(const ContactRecord &r)
{
    return contactColumns(r).text(QStringLiteral("  ")).rest(r.Questioni).row();
}
