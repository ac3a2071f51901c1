#pragma once
// Lays a report out on pages and paints them: title band at the top of every
// page, footer at the bottom, data bands in between; a flowing memo is split
// line by line across as many pages as it needs.

#include "report/ReportLayout.h"

#include <QDate>

class QPagedPaintDevice;
class QPrinter;

class PreparedReport {
public:
    // Prepares the pages; today fills [DATE] in the texts.
    PreparedReport(ReportLayout layout, QDate today);
    int pageCount() const { return int(m_pages.size()); }
    const ReportLayout &layout() const { return m_layout; }
    QPageLayout pageLayout() const;

    // Paints every page on the device (a printer, a PDF writer); the device's
    // page layout is set from the report. False when the device would not
    // paint (the painter did not start, a page could not be added, the end failed).
    bool paint(QPagedPaintDevice &device) const;
    // Writes a PDF file; false when it cannot be written.
    bool writePdf(const QString &path) const;

private:
    struct Placed {
        const ReportBand *band;
        qreal top;     // mm from the top of the content area
        int firstLine; // for flowing memos: the lines printed on this page
        int lineCount;
    };
    using Page = QVector<Placed>;
    void paintPage(QPainter &painter, const Page &page, qreal dpi) const;

    ReportLayout m_layout;
    QDate m_today;
    QVector<Page> m_pages;
};
