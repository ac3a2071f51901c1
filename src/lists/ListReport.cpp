#include "lists/ListReport.h"

#include "platform/Services.h"
#include "report/ReportOutput.h"

namespace {
const QColor kSlateGrey(0x70, 0x80, 0x90);
constexpr qreal kLinePixels = 12.822; // one line of Courier New 8, in 1/96 inch

QFont font(const QString &family, int points, bool bold)
{
    QFont f(family, points);
    f.setBold(bold);
    if (family == QLatin1String("Courier New"))
        f.setStyleHint(QFont::TypeWriter);
    return f;
}

// The title and the footer: white bold Verdana, centred on slate grey.
ReportText whiteOnSlate(const QString &name, const QRectF &rect, const QString &text, int points)
{
    ReportText t;
    t.name = name;
    t.rect = rect;
    t.text = text;
    t.font = font(QStringLiteral("Verdana"), points, true);
    t.color = Qt::white;
    t.fill = kSlateGrey;
    t.alignment = Qt::AlignCenter;
    return t;
}
}

namespace ListReport {

ReportLayout layout()
{
    ReportLayout r;
    r.name = QStringLiteral("Riepilogo dati");
    r.pageSize = QPageSize(QPageSize::A4);
    r.orientation = QPageLayout::Landscape;
    r.margins = {10, 10, 10, 10};
    const qreal width = r.contentSize().width();

    ReportBand title;
    title.kind = ReportBand::Title;
    title.name = QStringLiteral("ReportTitle");
    title.height = 9;
    title.texts.append(
        whiteOnSlate(QStringLiteral("txtTitolo"), QRectF(0, 0, width, 7), QStringLiteral("Riepilogo"), 9));

    ReportBand data;
    data.kind = ReportBand::Data;
    data.name = QStringLiteral("MasterData");
    data.height = pixelsToMm(10);
    ReportText txtRiepilogo;
    txtRiepilogo.name = QStringLiteral("txtRiepilogo");
    txtRiepilogo.rect = QRectF(0, 0, width, 0);
    txtRiepilogo.font = font(QStringLiteral("Courier New"), 8, false);
    txtRiepilogo.flowing = true;
    txtRiepilogo.lineHeight = pixelsToMm(kLinePixels);
    data.texts.append(txtRiepilogo);

    ReportBand footer;
    footer.kind = ReportBand::Footer;
    footer.name = QStringLiteral("PageFooter");
    footer.height = 8;
    footer.texts.append(whiteOnSlate(QStringLiteral("txtPagina"), QRectF(0, 1, width, 7),
                                     QStringLiteral("Stampa eseguita in data [DATE]"), 8));

    r.bands = {title, data, footer};
    return r;
}

ReportLayout filled(const QString &title, const QStringList &rows)
{
    ReportLayout r = layout();
    r.setText(QStringLiteral("txtTitolo"), title);
    r.setText(QStringLiteral("txtRiepilogo"), rows.join(QLatin1Char('\n')));
    // The memo is as tall as its lines, the band ten units taller.
    ReportText *memo = r.text(QStringLiteral("txtRiepilogo"));
    memo->rect.setHeight(pixelsToMm(rows.size() * kLinePixels));
    r.band(QStringLiteral("MasterData"))->height = memo->rect.height() + pixelsToMm(10);
    return r;
}

void print(QWidget *parent, const QString &title, const QStringList &rows)
{
    const PreparedReport report(filled(title, rows), Services::clock().today());
    Services::reportOutput().print(parent, report);
}

ReportLayout filled(const QString &name, const QString &title, const QStringList &rows, const QStringList &closing)
{
    ReportLayout r = filled(title, rows + closing);
    r.name = name;
    return r;
}

void print(QWidget *parent, const QString &name, const QString &title, const QStringList &rows,
           const QStringList &closing)
{
    const PreparedReport report(filled(name, title, rows, closing), Services::clock().today());
    Services::reportOutput().print(parent, report);
}

}
