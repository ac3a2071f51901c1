#include "ui/windows/ListWindow.h"

#include "lists/FindInList.h"
#include "lists/ListReport.h"
#include "platform/GuiServices.h"
#include "records/ArchiveMessages.h"
#include "ui/entry/FieldRules.h"
#include "platform/FixedWindow.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/RowList.h"
#include "ui/widgets/TitleBand.h"
#include "ui/widgets/Widgets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedLayout>
#include <QTimer>
#include <QVBoxLayout>

ListWindow::ListWindow(const QString &name, const QString &caption, const QString &heading, const QString &printTitle,
                       QWidget *parent)
    : QDialog(parent)
    , m_printTitle(printTitle)
{
    setObjectName(name);
    setWindowTitle(caption);
    setFixedSize(1200, 720);
    FixedWindow::apply(this);
    FixedWindow::centreOnScreen(this);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(makeTitleBand(this, QStringLiteral("imgLogo"), heading).band);

    m_pages = new QStackedLayout;
    outer->addLayout(m_pages, 1);

    panContainer = new QWidget(this);
    panContainer->setObjectName(QStringLiteral("panContainer"));
    auto *results = new QVBoxLayout(panContainer);
    results->setContentsMargins(16, 12, 16, 12);
    auto *findRow = new QHBoxLayout;
    auto *lblTrova = new QLabel(QStringLiteral("Testo da trovare:"), panContainer);
    txtTrova = new QLineEdit(panContainer);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setFont(Widgets::boldFont(txtTrova, 12));
    txtTrova->setMinimumWidth(420);
    btnTrova = new QPushButton(QStringLiteral("Trova"), panContainer);
    btnTrova->setObjectName(QStringLiteral("btnTrova"));
    btnTrova->setAutoDefault(false);
    findRow->addWidget(lblTrova);
    findRow->addWidget(txtTrova);
    findRow->addWidget(btnTrova);
    findRow->addStretch();
    results->addLayout(findRow);

    lstRecords = new RowListView(QStringLiteral("lstRecords"), 12, panContainer);
    results->addWidget(lstRecords, 1);
    lblRigo03 =
        new QLabel(QStringLiteral("Fare doppio clic su una voce in elenco per richiamare la scheda"), panContainer);
    lblRigo03->setObjectName(QStringLiteral("lblRigo03"));
    results->addWidget(lblRigo03);

    auto *commands = new QHBoxLayout;
    commands->addStretch();
    btnStampa = new QPushButton(QStringLiteral("Stampa"), panContainer);
    btnStampa->setObjectName(QStringLiteral("btnStampa"));
    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), panContainer);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    for (QPushButton *b : {btnStampa, btnChiudi}) {
        b->setAutoDefault(false);
        b->setMinimumSize(120, 34);
        commands->addWidget(b);
    }
    results->addLayout(commands);
    m_pages->addWidget(panContainer);

    // Enter moves to "Trova"; it never searches by itself.
    auto *keys = new FieldRules(this);
    keys->setEnterTarget(txtTrova, btnTrova);
    connect(btnTrova, &QPushButton::clicked, this, &ListWindow::find);
    connect(btnStampa, &QPushButton::clicked, this, &ListWindow::print);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(lstRecords, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { chooseRow(index.isValid() ? index.row() : lstRecords->currentRow()); });
    // A double-click with no row under it closes the window and loads nothing.
    connect(lstRecords, &RowListView::emptyAreaDoubleClicked, this, [this] { chooseRow(-1); });
}

void ListWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        fill();
}

void ListWindow::readFailed()
{
    // After the window is on screen, so that the message stands over it.
    QTimer::singleShot(0, this, [this] { Services::error(this, ArchiveMessages::accessError()); });
}

void ListWindow::setRows(QVector<ListRow> rows)
{
    lstRecords->setItemWidth(1600);
    lstRecords->setSortedRows(std::move(rows));
}

void ListWindow::resetSearch()
{
    m_lastSearch.clear();
    txtTrova->clear();
}

void ListWindow::find()
{
    const FindOutcome outcome =
        FindInList(lstRecords->texts(), lstRecords->currentRow(), txtTrova->text(), m_lastSearch);
    if (outcome.emptyList) {
        Services::plain(this, FindInListText::emptyList());
        return;
    }
    lstRecords->setCurrentRow(outcome.selected);
}

void ListWindow::print() { ListReport::print(this, m_printTitle, lstRecords->texts()); }

void ListWindow::chooseRow(int row)
{
    const QVector<ListRow> &rows = lstRecords->rowModel()->rows();
    // Each row knows its record: the payment clicked is the one loaded, even
    // when another payment gives the same row text.
    if (row >= 0 && row < rows.size() && rows[row].record > 0)
        emit recordChosen(rows[row].record);
    accept();
}
