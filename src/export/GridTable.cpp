#include "export/GridTable.h"

#include <algorithm>

GridTable::GridTable(std::initializer_list<QStringList> rows)
{
    for (const QStringList &row : rows)
        m_columns = std::max(m_columns, int(row.size()));
    for (const QStringList &row : rows)
        append(row);
}

void GridTable::append(const QStringList &cells)
{
    for (const QString &cell : cells)
        addCell(cell);
    endRow();
}

void GridTable::addCell(QStringView text)
{
    if (m_added == m_columns)
        return;
    m_text += text;
    m_ends.append(m_text.size());
    ++m_added;
}

void GridTable::endRow()
{
    for (; m_added < m_columns; ++m_added)
        m_ends.append(m_text.size());
    m_added = 0;
    ++m_rows;
}

void GridTable::appendEmptyRows(int count)
{
    m_ends.insert(m_ends.size(), qsizetype(count) * m_columns, m_text.size());
    m_rows += count;
}

QStringView GridTable::cellView(int row, int column) const
{
    if (row < 0 || row >= m_rows || column < 0 || column >= m_columns)
        return {};
    const qsizetype i = qsizetype(row) * m_columns + column;
    const qsizetype begin = i == 0 ? 0 : m_ends[i - 1];
    return QStringView(m_text).sliced(begin, m_ends[i] - begin);
}

QStringList GridTable::at(int row) const
{
    QStringList cells;
    for (int c = 0; c < m_columns; ++c)
        cells << cell(row, c);
    return cells;
}

GridTable GridTable::reordered(const std::vector<qsizetype> &order) const
{
    GridTable out(m_columns);
    if (m_columns == 0) {
        out.m_rows = int(order.size());
        return out;
    }
    out.m_text.reserve(m_text.size());
    out.m_ends.reserve(m_ends.size());
    for (const qsizetype row : order) {
        const qsizetype first = row * m_columns;
        const qsizetype begin = first == 0 ? 0 : m_ends[first - 1];
        const qsizetype shift = out.m_text.size() - begin;
        out.m_text += QStringView(m_text).sliced(begin, m_ends[first + m_columns - 1] - begin);
        for (int c = 0; c < m_columns; ++c)
            out.m_ends.append(m_ends[first + c] + shift);
        ++out.m_rows;
    }
    return out;
}
