#include "platform/ProcessSettings.h"
#include "app/StaleFiles.h"
#include "app/Windows.h"
#include "ui/widgets/Look.h"
#include "ui/widgets/Translations.h"
#include "platform/SafeFile.h"

#include <QApplication>
#include <QIcon>
#include <QWidget>

int main(int argc, char *argv[])
{
    // A file-size limit then fails a save with its message instead of killing
    // the program in the middle of a write.
    SafeFile::ignoreFileSizeSignal();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvenio"));
    QApplication::setApplicationVersion(QStringLiteral("3.0"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icona_app.svg")));
    // The program ends only through the main menu or the password window.
    QApplication::setQuitOnLastWindowClosed(false);
    ProcessSettings::apply();
    Translations::installItalian();
    Look::install();
    // What writes stopped by a crash left behind, before anything writes anew.
    StaleFiles::removeAtStartUp();

    Windows::create();
    Residents::switchTo(nullptr, Windows::first());
    const int rc = app.exec();
    Windows::destroy();
    return rc;
}
