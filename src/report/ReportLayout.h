#pragma once
// A report layout described in code: the page, its margins and bands holding
// named text boxes, shapes and lines. Positions are in millimetres from the
// band's top-left corner inside the margins.

#include <QColor>
#include <QFont>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVector>

#include <stdexcept>

struct ReportText {
    QString name;
    QRectF rect;
    QString text;
    QFont font;
    QColor color = Qt::black;
    QColor fill = Qt::transparent;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap = false;
    // A memo whose lines flow down the band and on to the next pages.
    bool flowing = false;
    // Height of one line of a flowing memo, in millimetres.
    qreal lineHeight = 0;
    // Printed as it stands: no [DATE] filled in.
    bool literal = false;
    // One line, cut at the box's right edge: only the characters that fit
    // are printed, so nothing reaches past the box, not even in the PDF's text.
    bool cutAtEdge = false;
};

struct ReportShape {
    QRectF rect;
    QColor fill = Qt::transparent;
    QColor border = Qt::transparent;
    qreal borderWidth = 0.3;
    qreal radius = 0;
};

struct ReportLine {
    QPointF from, to;
    QColor color = Qt::black;
    qreal width = 0.3;
};

struct ReportBand {
    enum Kind { Title, Data, Footer };
    Kind kind = Data;
    QString name;
    qreal height = 10;
    QVector<ReportShape> shapes;
    QVector<ReportLine> lines;
    QVector<ReportText> texts;
};

// A report that cannot be filled, laid out or printed.
class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString &message)
        : std::runtime_error(message.toStdString())
    {
    }
    QString message() const { return QString::fromStdString(what()); }
};

class ReportLayout {
public:
    QString name;
    QPageSize pageSize = QPageSize(QPageSize::A4);
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins = {10, 10, 10, 10};
    QVector<ReportBand> bands;

    ReportText *text(const QString &name);
    ReportBand *band(const QString &name);
    // Fills a text box by name; false when the layout has no such box.
    bool setText(const QString &name, const QString &value);
    // The same, for layouts whose boxes must all be there: throws ReportError
    // when the box is missing.
    void fill(const QString &name, const QString &value);
    // Printable area in millimetres.
    QSizeF contentSize() const;
};

// Millimetres for a height given in 1/96 inch.
inline qreal pixelsToMm(qreal pixels) { return pixels * 25.4 / 96.0; }
