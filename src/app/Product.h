#pragma once
// Who makes the program and where to reach them.

#include <QString>

namespace Product {
inline QString name() { return QStringLiteral("Tarvenio 3.0"); }
inline QString webSite() { return QStringLiteral("https://www.tarvenio.it"); }
inline QString webSiteText() { return QStringLiteral("www.tarvenio.it"); }
inline QString email() { return QStringLiteral("info@tarvenio.it"); }
inline QString copyright() { return QStringLiteral("Copyright © 2025 Tarvenio Software. Tutti i diritti riservati."); }
}
