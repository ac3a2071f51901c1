#include "report/CardReport.h"

#include <algorithm>

namespace {

const QColor kLightSteelBlue(0xB0, 0xC4, 0xDE);
const QColor kGold(0xFF, 0xD7, 0x00);
constexpr qreal kFrame = 0.2; // frame and line width, mm

// Arial is rarely installed on Linux; fontconfig maps it to its metric twin
// (Liberation Sans), and the hint keeps a sans-serif face if even that is missing.
QFont arial(int points)
{
    QFont f(QStringLiteral("Arial"), points);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

ReportShape band(qreal top, const QColor &fill)
{
    ReportShape s;
    s.rect = QRectF(CardReport::Left, top, CardReport::Width, CardReport::BandHeight);
    s.fill = fill;
    s.border = Qt::black;
    s.borderWidth = kFrame;
    return s;
}

ReportText text(const QString &name, const QRectF &rect, const QString &content, int points, Qt::Alignment alignment)
{
    ReportText t;
    t.name = name;
    t.rect = rect;
    t.text = content;
    t.font = arial(points);
    t.alignment = alignment;
    t.literal = true;
    t.cutAtEdge = true;
    return t;
}

}

namespace CardReport {

ReportLayout layout(const QString &name, const QString &title, const QStringList &labels, const QStringList &boxes,
                    qreal footerTop)
{
    ReportLayout r;
    r.name = name;
    r.pageSize = QPageSize(QPageSize::A4);
    r.orientation = QPageLayout::Portrait;
    r.margins = {10, 10, 10, 10};

    // Everything lies on one band at the top of the page, so the card is one
    // page whatever its texts hold.
    ReportBand card;
    card.kind = ReportBand::Data;
    card.name = QStringLiteral("Scheda");
    card.height = footerTop + BandHeight + Left;

    card.shapes.append(band(Left, kLightSteelBlue));
    card.texts.append(
        text(QStringLiteral("titArcataSup"), QRectF(Left, Left, Width, BandHeight), title, 9, Qt::AlignCenter));

    const int rows = int(std::min(labels.size(), boxes.size()));
    const Qt::Alignment inRow = Qt::AlignLeft | Qt::AlignVCenter;
    for (int i = 0; i < rows; ++i) {
        const qreal top = FirstRowTop + i * RowPitch;
        ReportShape frame;
        frame.rect = QRectF(Left, top, Width, RowHeight);
        frame.border = Qt::black;
        frame.borderWidth = kFrame;
        card.shapes.append(frame);
        // The text boxes start half a millimetre inside the row at top and bottom.
        const qreal textTop = top + TextInset, textHeight = RowHeight - 2 * TextInset;
        card.texts.append(text(QString(), QRectF(LabelLeft, textTop, LabelWidth, textHeight), labels[i], 7, inRow));
        card.texts.append(text(boxes[i], QRectF(ValueLeft, textTop, ValueWidth, textHeight), QString(), 7, inRow));
    }
    if (rows > 0) {
        ReportLine column;
        column.from = QPointF(ColumnLine, FirstRowTop);
        column.to = QPointF(ColumnLine, FirstRowTop + (rows - 1) * RowPitch + RowHeight);
        column.width = kFrame;
        card.lines.append(column);
    }

    card.shapes.append(band(footerTop, kGold));
    card.texts.append(text(QStringLiteral("txtCalce"), QRectF(Left, footerTop, Width, BandHeight),
                           QStringLiteral("Data e ora stampa"), 8, Qt::AlignCenter));

    r.bands = {card};
    return r;
}

QString printFailedWarning()
{
    return QStringLiteral("Attenzione: la stampa della scheda non è andata a buon fine.\n\r\n\r"
                          "Si consiglia di controllare le impostazioni della stampante.");
}

QString footerText(QDate date, QTime time)
{
    return QStringLiteral("Stampa eseguita in data ") + date.toString(QStringLiteral("dd/MM/yyyy"))
           + QStringLiteral(" alle ore ") + time.toString(QStringLiteral("HH:mm:ss"));
}

PreparedReport prepare(ReportLayout layout, const QList<QPair<QString, QString>> &values, QDate date, QTime time)
{
    layout.orientation = QPageLayout::Portrait;
    for (const auto &[box, value] : values)
        layout.fill(box, value);
    layout.fill(QStringLiteral("txtCalce"), footerText(date, time));
    return PreparedReport(std::move(layout), date);
}

}
