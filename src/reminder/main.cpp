// tarvenio-promemoria: started at login, tells the user through the desktop's
// notifications which payments are due, and ends.
#include "reminder/LoginReminder.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarvenio-promemoria"));
    LoginReminder reminder(QDBusConnection::sessionBus());
    return reminder.run();
}
