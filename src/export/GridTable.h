#pragma once
// The text cells of a grid, kept compactly: all the cells' texts one after the
// other in one string, and where each one ends. A grid of 100,000 rows then
// costs a few allocations rather than one for every cell, to fill and to free,
// and the export reads it in the order it was written.

#include <QString>
#include <QStringList>
#include <QVector>

#include <initializer_list>
#include <vector>

class GridTable {
public:
    GridTable() = default;
    explicit GridTable(int columns)
        : m_columns(columns)
    {
    }
    // As wide as the longest row.
    GridTable(std::initializer_list<QStringList> rows);

    int columnCount() const { return m_columns; }
    int size() const { return m_rows; }
    bool isEmpty() const { return m_rows == 0; }

    // The cells after the given ones are empty; those past the column count are dropped.
    void append(const QStringList &cells);
    // A row cell by cell: addCell() for each, in column order, then endRow().
    void addCell(QStringView text);
    void endRow();
    void appendEmptyRows(int count);

    // Empty outside the table.
    QStringView cellView(int row, int column) const;
    QString cell(int row, int column) const { return cellView(row, column).toString(); }
    // One row's cells as a list.
    QStringList at(int row) const;
    QStringList first() const { return at(0); }

    // The rows in the order given: each an index into this table.
    GridTable reordered(const std::vector<qsizetype> &order) const;

    bool operator==(const GridTable &other) const = default;

private:
    int m_columns = 0;
    int m_rows = 0;
    // The cells given so far to the row being added.
    int m_added = 0;
    QString m_text;
    // Where each cell ends in m_text, row after row.
    QVector<qsizetype> m_ends;
};
