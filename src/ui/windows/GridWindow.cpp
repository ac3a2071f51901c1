#include "ui/windows/GridWindow.h"

#include "ui/windows/SpreadsheetExport.h"
#include "ui/windows/TfrmGuida.h"
#include "ui/widgets/InfoBar.h"
#include "platform/FixedWindow.h"
#include "platform/GuiServices.h"
#include "records/ArchiveMessages.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/ScrollBars.h"
#include "ui/widgets/TitleBand.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QShowEvent>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

GridModel::GridModel(QStringList headers, QSet<int> editable, QObject *parent)
    : QAbstractTableModel(parent)
    , m_headers(std::move(headers))
    , m_editable(std::move(editable))
{
}

int GridModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

int GridModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_headers.size()); }

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return cell(index.row(), index.column());
}

bool GridModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !m_editable.contains(index.column()))
        return false;
    m_edits[{index.row(), index.column()}] = value.toString();
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && m_editable.contains(index.column()))
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return m_headers.value(section);
    return {};
}

void GridModel::setRows(GridTable rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_edits.clear();
    endResetModel();
}

void GridModel::setEmptyRows(int count)
{
    GridTable rows(int(m_headers.size()));
    rows.appendEmptyRows(count);
    setRows(std::move(rows));
}

QString GridModel::cell(int row, int column) const
{
    if (!m_edits.empty()) {
        const auto edited = m_edits.find({row, column});
        if (edited != m_edits.end())
            return edited->second;
    }
    return m_rows.cell(row, column);
}

void GridView::commitPendingEdit()
{
    if (state() != QAbstractItemView::EditingState)
        return;
    // Cell editors are the visible direct children of the viewport.
    const auto children = viewport()->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget *editor : children) {
        if (editor->isVisible()) {
            commitData(editor);
            closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
    }
}

GridWindow::GridWindow(const QString &name, const QString &caption, const QString &title, const QStringList &headers,
                       const QVector<int> &editable, const ExportLayout &layout, QWidget *parent)
    : QDialog(parent)
    , m_model(new GridModel(headers, QSet<int>(editable.begin(), editable.end()), this))
    , m_layout(layout)
{
    setObjectName(name);
    setWindowTitle(caption);
    setFixedSize(1280, 720);
    FixedWindow::apply(this);
    FixedWindow::centreOnScreen(this);

    auto *layoutBox = new QVBoxLayout(this);
    layoutBox->setContentsMargins(0, 0, 0, 0);
    layoutBox->setSpacing(0);

    const TitleBand header = makeTitleBand(this, QStringLiteral("imgLogo"), title);
    lblTitolo = header.title;
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    header.row->addWidget(PictureButton::decoration(QStringLiteral("icoHand"), QStringLiteral(":/pictures/esporta.svg"),
                                                    QSize(44, 44), header.band));
    layoutBox->addWidget(header.band);

    grdRecords = new GridView(this);
    grdRecords->setObjectName(QStringLiteral("grdRecords"));
    grdRecords->setModel(m_model);
    grdRecords->setAlternatingRowColors(true);
    grdRecords->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdRecords->setSelectionMode(QAbstractItemView::SingleSelection);
    grdRecords->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                                | QAbstractItemView::AnyKeyPressed);
    grdRecords->verticalHeader()->hide();
    grdRecords->verticalHeader()->setDefaultSectionSize(24);
    grdRecords->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdRecords->horizontalHeader()->setHighlightSections(false);
    grdRecords->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdRecords->setWordWrap(false);
    // Tab leaves the grid for the buttons (the arrows move between cells), so
    // the export is reachable from the keyboard.
    grdRecords->setTabKeyNavigation(false);
    // Cells are never cut with "…": columns widen to what they show.
    grdRecords->setTextElideMode(Qt::ElideNone);
    ScrollBars::setContrast(grdRecords);
    auto *gridBox = new QVBoxLayout;
    gridBox->setContentsMargins(12, 12, 12, 8);
    gridBox->addWidget(grdRecords);
    layoutBox->addLayout(gridBox, 1);

    auto *commands = new QHBoxLayout;
    commands->setContentsMargins(12, 0, 12, 8);
    cmdEsporta = new PictureButton(QStringLiteral("cmdEsporta"), QStringLiteral(":/pictures/btn_excel.svg"),
                                   QSize(220, 48), QStringLiteral("Esporta in Excel"), this);
    cmdGuida = new PictureButton(QStringLiteral("cmdGuida"), QStringLiteral(":/pictures/guida.svg"), QSize(48, 48),
                                 QStringLiteral("Guida"), this);
    cmdEsci = new PictureButton(QStringLiteral("cmdEsci"), QStringLiteral(":/pictures/esci.svg"), QSize(48, 48),
                                QStringLiteral("Esci"), this);
    commands->addWidget(cmdEsporta);
    commands->addStretch();
    commands->addWidget(cmdGuida);
    commands->addSpacing(12);
    commands->addWidget(cmdEsci);
    layoutBox->addLayout(commands);

    panInfo = new InfoBar(this);
    panInfo->setBackgroundText(QString());
    panInfo->setText(QStringLiteral("Esportazione archivio in Microsoft Excel."));
    panInfo->addHint(cmdEsporta, QStringLiteral("Esporta l'archivio in formato Microsoft Excel."));
    panInfo->addHint(cmdGuida, QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    panInfo->addHint(cmdEsci, QStringLiteral("Esci da questo ambiente di lavoro."));
    layoutBox->addWidget(panInfo);

    m_model->setEmptyRows(GridModel::DesignRows);
    connect(cmdEsporta, &PictureButton::clicked, this, &GridWindow::exportGrid);
    connect(cmdGuida, &PictureButton::clicked, this, [this] { TfrmGuida::showTopic(this, m_help); });
    connect(cmdEsci, &PictureButton::clicked, this, &QDialog::accept);
}

void GridWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_filled) {
        m_filled = true;
        fill();
        fitColumns();
    }
}

void GridWindow::readFailed()
{
    cmdEsporta->setEnabled(false);
    // After the window is on screen, so that the message stands over it.
    QTimer::singleShot(0, this, [this] { Services::error(this, ArchiveMessages::accessError()); });
}

void GridWindow::fitColumns()
{
    // The rows on screen decide (the view measures only those), so a large
    // archive costs nothing more; a column never narrows below its design width.
    constexpr int widest = 640;
    for (int c = 0; c < m_model->columnCount(); ++c) {
        const int wanted = qMin(widest, grdRecords->contentWidth(c) + 8);
        if (wanted > grdRecords->columnWidth(c))
            grdRecords->setColumnWidth(c, wanted);
    }
}

void GridWindow::setColumnWidths(const QVector<int> &widths)
{
    for (int i = 0; i < widths.size(); ++i)
        grdRecords->setColumnWidth(i, widths[i]);
}

void GridWindow::exportGrid()
{
    // An edit still open in a cell belongs to the export too: the pictures
    // take no focus, so nothing else would close the cell editor first.
    grdRecords->commitPendingEdit();
    const GridModel *model = m_model;
    SpreadsheetExport::run(this, m_layout, model->rowCount(),
                           [model](int row, int column) { return model->cell(row, column); });
}
