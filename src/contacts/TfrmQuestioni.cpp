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
    QVector<ListRow> rows;
    try {
        rows = ContactLists::loadPending(&rows);
    } catch (...) {
        // The archive cannot be read to the end: the rows read before the
        // failure (handed back through the argument) are shown, silently.
    }
    setRows(std::move(rows));
    txtTrova->setFocus();
}
