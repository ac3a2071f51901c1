#include "ui/widgets/RowList.h"

#include "lists/ListOrder.h"
#include "ui/widgets/ScrollBars.h"

#include <QBrush>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include <algorithm>

int RowListModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

QVariant RowListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return m_rows.at(index.row()).text;
    case Qt::FontRole:
        return m_font;
    case Qt::UserRole:
        return m_rows.at(index.row()).record;
    default:
        return {};
    }
}

void RowListModel::setRows(QVector<ListRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

namespace {
// Every row is as wide as the list's item width, so long rows scroll sideways
// instead of wrapping, and the columns of fixed-width rows line up.
class FixedWidthDelegate : public QStyledItemDelegate {
public:
    FixedWidthDelegate(int *width, QObject *parent)
        : QStyledItemDelegate(parent)
        , m_width(width)
    {
    }
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setWidth(*m_width);
        return size;
    }
private:
    int *m_width;
};
}

RowListView::RowListView(const QString &name, int pointSize, QWidget *parent)
    : QListView(parent)
    , m_model(new RowListModel(this))
{
    setObjectName(name);
    QFont font(QStringLiteral("Courier New"), pointSize);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    m_model->setFont(font);
    setFont(font);
    setModel(m_model);
    setItemDelegate(new FixedWidthDelegate(&m_itemWidth, this));
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    QPalette p = palette();
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
    // Rows are read whole: never cut with "…", scrolled sideways instead.
    setTextElideMode(Qt::ElideNone);
    ScrollBars::setContrast(this);
}

void RowListView::setSortedRows(QVector<ListRow> rows)
{
    ListOrder::sort(rows);
    setRows(std::move(rows));
}

void RowListView::setRows(QVector<ListRow> rows) { m_model->setRows(std::move(rows)); }

QStringList RowListView::texts() const
{
    QStringList out;
    out.reserve(m_model->rows().size());
    for (const ListRow &row : m_model->rows())
        out << row.text;
    return out;
}

int RowListView::currentRow() const
{
    const QModelIndex index = currentIndex();
    return index.isValid() ? index.row() : -1;
}

void RowListView::setCurrentRow(int row)
{
    if (row < 0 || row >= count()) {
        setCurrentIndex({});
        return;
    }
    const QModelIndex index = m_model->index(row);
    setCurrentIndex(index);
    scrollTo(index);
}

void RowListView::setCharacterSpacing(qreal pixels)
{
    QFont f = font();
    f.setLetterSpacing(QFont::AbsoluteSpacing, pixels);
    m_model->setFont(f);
    setFont(f);
    doItemsLayout();
}

void RowListView::setItemWidth(int width)
{
    m_itemWidth = width;
    doItemsLayout();
}

void RowListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (!indexAt(event->position().toPoint()).isValid()) {
        event->accept();
        emit emptyAreaDoubleClicked();
        return;
    }
    QListView::mouseDoubleClickEvent(event);
}
