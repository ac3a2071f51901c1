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
    ReportText txtTitolo;
    txtTitolo.name = QStringLiteral("txtTitolo");
    txtTitolo.rect = QRectF(0, 0, width, 7);
    txtTitolo.text = QStringLiteral("Riepilogo");
    txtTitolo.font = font(QStringLiteral("Verdana"), 9, true);
    txtTitolo.color = Qt::white;
    txtTitolo.fill = kSlateGrey;
    txtTitolo.alignment = Qt::AlignCenter;
    title.texts.append(txtTitolo);

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
    ReportText txtPagina;
    txtPagina.name = QStringLiteral("txtPagina");
    txtPagina.rect = QRectF(0, 1, width, 7);
    txtPagina.text = QStringLiteral("Stampa eseguita in data [DATE]");
    txtPagina.font = font(QStringLiteral("Verdana"), 8, true);
    txtPagina.color = Qt::white;
    txtPagina.fill = kSlateGrey;
    txtPagina.alignment = Qt::AlignCenter;
    footer.texts.append(txtPagina);

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

}
