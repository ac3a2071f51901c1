#include "contacts/TfrmQuestioni.h"

#include "lists/ContactLists.h"
#include "ui/widgets/RowList.h"

#include <QLineEdit>

TfrmQuestioni::TfrmQuestioni(QWidget *parent)
    : ListWindow(QStringLiteral("TfrmQuestioni"), QStringLiteral(" Riepilogo questioni in sospeso"),
                 QStringLiteral("Riepilogo questioni in sospeso"), QStringLiteral("Riepilogo questioni in sospeso"),
                 parent)
{
}

void TfrmQuestioni::done(int result)
{
    lstRecords->clear();
    ListWindow::done(result);
}

void TfrmQuestioni::fill()
{
    resetSearch();
    // An archive that cannot be read to the end shows the rows read before
    // the failure, silently.
    setRows(ContactLists::loadPending().rows);
    txtTrova->setFocus();
}
