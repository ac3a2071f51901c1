#include "report/ReportLayout.h"

ReportText *ReportLayout::text(const QString &name)
{
    for (ReportBand &band : bands)
        for (ReportText &t : band.texts)
            if (t.name == name)
                return &t;
    return nullptr;
}

ReportBand *ReportLayout::band(const QString &name)
{
    for (ReportBand &band : bands)
        if (band.name == name)
            return &band;
    return nullptr;
}

bool ReportLayout::setText(const QString &name, const QString &value)
{
    ReportText *t = text(name);
    if (!t)
        return false;
    t->text = value;
    return true;
}

void ReportLayout::fill(const QString &name, const QString &value)
{
    if (!setText(name, value))
        throw ReportError(QStringLiteral("Il modulo di stampa \"%1\" non contiene la casella di testo \"%2\".")
                              .arg(this->name, name));
}

QSizeF ReportLayout::contentSize() const
{
    QSizeF page = pageSize.size(QPageSize::Millimeter);
    if (orientation == QPageLayout::Landscape)
        page.transpose();
    return {page.width() - margins.left() - margins.right(), page.height() - margins.top() - margins.bottom()};
}
