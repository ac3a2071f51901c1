// The export writer on any grid: no crash, one piece of markup per cell, and
// no cell text that opens a tag of its own.
#include "FuzzCheck.h"

#include "export/OfficeHtmlWorkbook.h"

#include <QBuffer>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const int columns = 1 + data[0] % 30;
    const int rows = data[1] % 40;
    const QByteArray rest(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));
    // The cells, the headers and the sheet name cut from the input by NUL bytes.
    const QList<QByteArray> pieces = rest.split('\0');
    const auto piece = [&](int i) { return QString::fromUtf8(pieces[i % pieces.size()]); };
    ExportLayout layout {QStringLiteral("x.xls"), piece(0), {}};
    // Columns of every kind, so that any text meets the typed cells' readers.
    for (int c = 0; c < columns; ++c)
        layout.columns.append({piece(c + 1), 100 + c, static_cast<CellKind>((data[1] / 40 + c) % 4)});
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    OfficeHtmlWorkbook::write(buffer, layout, rows,
                              [&](int row, int column) { return piece(row * columns + column + 7); });
    FUZZ_CHECK(bytes.startsWith("<html xmlns:o="));
    FUZZ_CHECK(bytes.endsWith("</table></body></html>"));
    FUZZ_CHECK(bytes.count("<td") == qsizetype(rows + 1) * columns);
    FUZZ_CHECK(bytes.count("<tr>") == rows + 1);
    FUZZ_CHECK(bytes == OfficeHtmlWorkbook::document(layout, rows, [&](int row, int column) {
                   return piece(row * columns + column + 7);
               }));
    return 0;
}
