#pragma once
// The manual as a PDF: the Markdown source laid out on A4 pages with the
// pictures it names, each scaled to the page, and the page numbers below.

#include <QHash>
#include <QImage>
#include <QString>

namespace ManualDocument {
// Writes the PDF; false with the reason in `error` when a picture the text
// names is missing or the file cannot be written.
bool write(const QString &markdown, const QHash<QString, QImage> &pictures, const QString &pdfPath, QString *error);
}
