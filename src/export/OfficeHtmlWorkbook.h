#pragma once
// The spreadsheet export: an HTML page with the Office spreadsheet markup, one
// worksheet, Windows-1252, all on one line, saved with the .xls extension.

#include <QByteArray>
#include <QString>
#include <QVector>

#include <functional>

class QIODevice;

struct ExportColumn {
    QString header;
    int width;
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
};
