#include "ui/widgets/Look.h"

#include <QApplication>
#include <QColor>
#include <QFile>
#include <QHash>
#include <QRegularExpression>

// Outside any namespace, as the resource's own functions are.
static void initLookResource() { Q_INIT_RESOURCE(look); }

namespace Look {

namespace {
const QHash<QString, unsigned> &named()
{
    static const QHash<QString, unsigned> colours {
        {QStringLiteral("Ground"), Colour::Ground},
        {QStringLiteral("Mist"), Colour::Mist},
        {QStringLiteral("Sky"), Colour::Sky},
        {QStringLiteral("Rule"), Colour::Rule},
        {QStringLiteral("Caption"), Colour::Caption},
        {QStringLiteral("Title"), Colour::Title},
        {QStringLiteral("Ink"), Colour::Ink},
        {QStringLiteral("Warning"), Colour::Warning},
        {QStringLiteral("BoxEdge"), Colour::BoxEdge},
        {QStringLiteral("ReadOnlyFill"), Colour::ReadOnlyFill},
        {QStringLiteral("ReadOnlyText"), Colour::ReadOnlyText},
        {QStringLiteral("ReadOnlyCard"), Colour::ReadOnlyCard},
        {QStringLiteral("ContactBox"), Colour::ContactBox},
        {QStringLiteral("ContactEdge"), Colour::ContactEdge},
        {QStringLiteral("Typing"), Colour::Typing},
        {QStringLiteral("Settled"), Colour::Settled},
        {QStringLiteral("SettledEdge"), Colour::SettledEdge},
        {QStringLiteral("FocusEdge"), Colour::FocusEdge},
        {QStringLiteral("GridLine"), Colour::GridLine},
        {QStringLiteral("GridAlternate"), Colour::GridAlternate},
        {QStringLiteral("ScrollTrack"), Colour::ScrollTrack},
        {QStringLiteral("ScrollEdge"), Colour::ScrollEdge},
        {QStringLiteral("ScrollIdle"), Colour::ScrollIdle},
        {QStringLiteral("HelpText"), Colour::HelpText},
        {QStringLiteral("HelpEdge"), Colour::HelpEdge},
        {QStringLiteral("Teal"), Colour::Teal},
        {QStringLiteral("Sand"), Colour::Sand},
        {QStringLiteral("Coral"), Colour::Coral},
    };
    return colours;
}
}

QString styleSheet()
{
    initLookResource();
    QFile file(QStringLiteral(":/look/Look.qss"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QString sheet = QString::fromUtf8(file.readAll());
    static const QRegularExpression name(QStringLiteral("@([A-Za-z]+)"));
    QString out;
    qsizetype from = 0;
    for (const QRegularExpressionMatch &m : name.globalMatch(sheet)) {
        out += QStringView(sheet).mid(from, m.capturedStart() - from);
        const auto colour = named().constFind(m.captured(1));
        out += colour != named().constEnd() ? QColor(*colour).name() : m.captured(0);
        from = m.capturedEnd();
    }
    out += QStringView(sheet).mid(from);
    return out;
}

void install()
{
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance()); app && app->styleSheet().isEmpty())
        app->setStyleSheet(styleSheet());
}

}
