#pragma once
// The spreadsheet export: an HTML page with the Office spreadsheet markup, one
// worksheet, Windows-1252, all on one line, saved with the .xls extension.

#include <QByteArray>
#include <QString>
#include <QVector>

#include <functional>

class QIODevice;

// What a spreadsheet makes of a column's cells. A cell of a typed column whose
// text is not such a value (a damaged record, a cell edited into something
// else) goes out as text, like every cell of a text column.
enum class CellKind {
    Text,   // kept exactly as written: leading zeros, long digit strings, "=1+1"
    Amount, // a number with two decimals, shown with the user's decimal separator
    Date,   // a date shown dd/mm/yyyy
    Time,   // a time of day shown hh:mm
};

struct ExportColumn {
    QString header;
    int width;
    CellKind kind = CellKind::Text;
};

struct ExportLayout {
    QString fileName;
    QString sheetName;
    // The exported grid columns 1..n, in order; grid column 0 is never exported.
    QVector<ExportColumn> columns;
};

class OfficeHtmlWorkbook {
public:
    // cell(row, column) with column counted in the grid (1..n).
    using CellText = std::function<QString(int row, int column)>;

    // Writes the whole document to device; throws std::runtime_error when a write fails.
    static void write(QIODevice &device, const ExportLayout &layout, int rowCount, const CellText &cell);
    // The same document in memory.
    static QByteArray document(const ExportLayout &layout, int rowCount, const CellText &cell);
    // "&", "<" and ">" as character references, so a cell like "a<b" survives.
    static QString escaped(const QString &text);
    // Appends a cell's text as write() puts it between the cell's tags: trimmed,
    // escaped and in Windows-1252, in one pass.
    static void appendCell(QByteArray &out, QStringView text);
    // The opening tag write() gives a data cell of this kind with this text
    // (already trimmed): the cell's type and, for a value, the value itself.
    static QByteArray cellTag(CellKind kind, QStringView text);
};
