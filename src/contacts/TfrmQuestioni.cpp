#include "contacts/TfrmQuestioni.h"

#include "lists/ContactLists.h"
#include "ui/RowList.h"

#include <QLineEdit>
#include <QShowEvent>

TfrmQuestioni::TfrmQuestioni(QWidget *parent)
    : ListWindow(QStringLiteral("TfrmQuestioni"), QStringLiteral(" Riepilogo questioni in sospeso"),
                 QStringLiteral("Riepilogo questioni in sospeso"), QStringLiteral("Riepilogo questioni in sospeso"),
                 parent)
{
}

void TfrmQuestioni::showEvent(QShowEvent *event)
{
    ListWindow::showEvent(event);
    if (!event->spontaneous())
        load();
}

void TfrmQuestioni::done(int result)
{
    lstRecords->clear();
    ListWindow::done(result);
}

void TfrmQuestioni::load()
{
    resetSearch();
    // An archive that cannot be read to the end shows the rows read before
    // the failure, silently.
    setRows(ContactLists::loadPending().rows);
    txtTrova->setFocus();
}
