#include "ui/widgets/Look.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QRegularExpression>

// Outside any namespace, as the resource's own functions are.
static void initLookResource() { Q_INIT_RESOURCE(look); }

namespace Look {

namespace {
const QHash<QString, QRgb> &named()
{
    static const QHash<QString, QRgb> colours {
        {QStringLiteral("Ground"), Ground},
        {QStringLiteral("Mist"), Mist},
        {QStringLiteral("Sky"), Sky},
        {QStringLiteral("Rule"), Rule},
        {QStringLiteral("Caption"), Caption},
        {QStringLiteral("Title"), Title},
        {QStringLiteral("Ink"), Ink},
        {QStringLiteral("Warning"), Warning},
        {QStringLiteral("BoxEdge"), BoxEdge},
        {QStringLiteral("ReadOnlyFill"), ReadOnlyFill},
        {QStringLiteral("ReadOnlyText"), ReadOnlyText},
        {QStringLiteral("ReadOnlyCard"), ReadOnlyCard},
        {QStringLiteral("ContactBox"), ContactBox},
        {QStringLiteral("ContactEdge"), ContactEdge},
        {QStringLiteral("Typing"), Typing},
        {QStringLiteral("Settled"), Settled},
        {QStringLiteral("SettledEdge"), SettledEdge},
        {QStringLiteral("FocusEdge"), FocusEdge},
        {QStringLiteral("GridLine"), GridLine},
        {QStringLiteral("GridAlternate"), GridAlternate},
        {QStringLiteral("ScrollTrack"), ScrollTrack},
        {QStringLiteral("ScrollEdge"), ScrollEdge},
        {QStringLiteral("ScrollIdle"), ScrollIdle},
        {QStringLiteral("HelpText"), HelpText},
        {QStringLiteral("HelpEdge"), HelpEdge},
        {QStringLiteral("Teal"), Teal},
        {QStringLiteral("Sand"), Sand},
        {QStringLiteral("Coral"), Coral},
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
