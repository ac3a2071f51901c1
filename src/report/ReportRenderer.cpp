#include "report/ReportRenderer.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace {

const ReportText *flowingText(const ReportBand &band)
{
    for (const ReportText &t : band.texts)
        if (t.flowing)
            return &t;
    return nullptr;
}

QStringList memoLines(const ReportText &t)
{
    if (t.text.isEmpty())
        return {};
    return t.text.split(QLatin1Char('\n'));
}

QString withDate(QString text, QDate today)
{
    return text.replace(QStringLiteral("[DATE]"), today.toString(QStringLiteral("dd/MM/yyyy")));
}

// The longest start of text that fits into width, measured on the device the
// text is painted on.
QString fitting(const QString &text, const QFontMetricsF &metrics, qreal width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    qsizetype low = 0, high = text.size();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(text.left(mid)) <= width)
            low = mid;
        else
            high = mid - 1;
    }
    if (low > 0 && text.at(low - 1).isHighSurrogate())
        --low;
    return text.left(low);
}

}

PreparedReport::PreparedReport(ReportLayout layout, QDate today)
    : m_layout(std::move(layout))
    , m_today(today)
{
    const qreal content = m_layout.contentSize().height();
    qreal titleHeight = 0, footerHeight = 0;
    for (const ReportBand &b : m_layout.bands) {
        if (b.kind == ReportBand::Title)
            titleHeight += b.height;
        else if (b.kind == ReportBand::Footer)
            footerHeight += b.height;
    }
    const qreal bodyTop = titleHeight;
    const qreal bodyBottom = std::max(bodyTop + 1, content - footerHeight);

    Page page;
    qreal y = bodyTop;
    auto newPage = [&] {
        m_pages.append(page);
        page.clear();
        y = bodyTop;
    };
    for (const ReportBand &b : m_layout.bands) {
        if (b.kind != ReportBand::Data)
            continue;
        const ReportText *memo = flowingText(b);
        if (!memo) {
            if (y + b.height > bodyBottom && !page.isEmpty())
                newPage();
            page.append({&b, y, 0, 0});
            y += b.height;
            continue;
        }
        const int lines = int(memoLines(*memo).size());
        if (lines == 0)
            continue; // an empty memo prints nothing, not even its band
        const qreal lineHeight = memo->lineHeight > 0 ? memo->lineHeight : 4;
        const qreal extra = std::max<qreal>(0, b.height - memo->rect.height());
        int first = 0;
        while (first < lines) {
            const qreal room = bodyBottom - y - memo->rect.top() - extra;
            int fit = int(std::floor((room + 1e-6) / lineHeight));
            if (fit <= 0) {
                if (page.isEmpty())
                    fit = 1; // never loop on a page too small for one line
                else {
                    newPage();
                    continue;
                }
            }
            const int take = std::min(fit, lines - first);
            page.append({&b, y, first, take});
            y += memo->rect.top() + take * lineHeight + extra;
            first += take;
            if (first < lines)
                newPage();
        }
    }
    m_pages.append(page);
}

QPageLayout PreparedReport::pageLayout() const
{
    return QPageLayout(m_layout.pageSize, m_layout.orientation, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
}

bool PreparedReport::paint(QPagedPaintDevice &device) const
{
    device.setPageLayout(pageLayout());
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const qreal dpi = device.logicalDpiX();
    for (int i = 0; i < m_pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        paintPage(painter, m_pages[i], dpi);
    }
    return painter.end();
}

bool PreparedReport::writePdf(const QString &path) const
{
    QPdfWriter writer(path);
    writer.setResolution(300);
    writer.setTitle(m_layout.name);
    writer.setCreator(QStringLiteral("Tarvenio 3.0"));
    return paint(writer) && QFileInfo::exists(path);
}

void PreparedReport::paintPage(QPainter &painter, const Page &page, qreal dpi) const
{
    const qreal unit = dpi / 25.4; // device pixels per millimetre
    const QSizeF content = m_layout.contentSize();
    const QPointF origin(m_layout.margins.left(), m_layout.margins.top());
    auto toDevice = [&](const QRectF &mm, qreal bandTop) {
        return QRectF((origin.x() + mm.x()) * unit, (origin.y() + bandTop + mm.y()) * unit, mm.width() * unit,
                      mm.height() * unit);
    };

    auto paintBand = [&](const ReportBand &band, qreal top, int firstLine, int lineCount) {
        for (const ReportShape &s : band.shapes) {
            painter.setPen(s.border.alpha() ? QPen(s.border, s.borderWidth * unit) : QPen(Qt::NoPen));
            painter.setBrush(s.fill.alpha() ? QBrush(s.fill) : QBrush(Qt::NoBrush));
            const QRectF r = toDevice(s.rect, top);
            if (s.radius > 0)
                painter.drawRoundedRect(r, s.radius * unit, s.radius * unit);
            else
                painter.drawRect(r);
        }
        for (const ReportLine &l : band.lines) {
            painter.setPen(QPen(l.color, l.width * unit));
            painter.drawLine(toDevice(QRectF(l.from, QSizeF()), top).topLeft(),
                             toDevice(QRectF(l.to, QSizeF()), top).topLeft());
        }
        for (const ReportText &t : band.texts) {
            QRectF r = t.rect;
            QString text = t.literal ? t.text : withDate(t.text, m_today);
            if (t.flowing) {
                const QStringList lines = memoLines(t).mid(firstLine, lineCount);
                r.setHeight(lines.size() * t.lineHeight);
                if (t.fill.alpha())
                    painter.fillRect(toDevice(r, top), t.fill);
                painter.setFont(t.font);
                painter.setPen(t.color);
                for (int i = 0; i < lines.size(); ++i) {
                    const QRectF lineRect(r.x(), r.y() + i * t.lineHeight, r.width(), t.lineHeight);
                    painter.drawText(toDevice(lineRect, top), int(t.alignment | Qt::AlignVCenter) & ~Qt::AlignTop,
                                     lines[i]);
                }
                continue;
            }
            if (t.fill.alpha())
                painter.fillRect(toDevice(r, top), t.fill);
            painter.setFont(t.font);
            painter.setPen(t.color);
            int flags = int(t.alignment);
            const QRectF box = toDevice(r, top);
            if (t.cutAtEdge) {
                flags |= Qt::TextSingleLine;
                // Line breaks print as blanks, as on a single line.
                text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
                text = fitting(text, QFontMetricsF(t.font, painter.device()), box.width());
            } else if (t.wordWrap) {
                flags |= Qt::TextWordWrap;
            }
            painter.drawText(box, flags, text);
        }
    };

    qreal titleTop = 0;
    for (const ReportBand &b : m_layout.bands)
        if (b.kind == ReportBand::Title) {
            paintBand(b, titleTop, 0, 0);
            titleTop += b.height;
        }
    for (const Placed &p : page)
        paintBand(*p.band, p.top, p.firstLine, p.lineCount);
    qreal footerTop = content.height();
    for (const ReportBand &b : m_layout.bands)
        if (b.kind == ReportBand::Footer)
            footerTop -= b.height;
    for (const ReportBand &b : m_layout.bands)
        if (b.kind == ReportBand::Footer) {
            paintBand(b, footerTop, 0, 0);
            footerTop += b.height;
        }
}
