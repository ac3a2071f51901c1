// tarvenio-promemoria: started at login, tells the user through the desktop's
// notifications which payments are due, and ends.
#include "reminder/LoginReminder.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarvenio-promemoria"));
    LoginReminder reminder(QDBusConnection::sessionBus());
    const int code = reminder.run();
    // Qt's D-Bus thread may still be handling the bus's last messages while the
    // program's static objects go away, and then prints warnings about types it
    // can no longer name. Nothing is left to save or say: leave at once.
    std::fflush(nullptr);
    std::_Exit(code);
}
