#pragma once
// The reminder at login: one desktop notification, through the freedesktop
// notification service, about the payments due; then a bounded wait for its
// action "Apri Tarvenio", which starts the program beside the reminder.

#include <QDBusConnection>
#include <QEventLoop>
#include <QObject>

class LoginReminder : public QObject {
    Q_OBJECT
public:
    // A quarter of an hour after login is long enough to see the notice; the
    // reminder must not linger all day for a click.
    static constexpr int DefaultWait = 15 * 60 * 1000;

    explicit LoginReminder(const QDBusConnection &bus, int waitMilliseconds = DefaultWait);

    // Reads the payment file, notifies when there is something to say, waits
    // for the action or the notice's end. Returns the process's exit status:
    // 0, also with no session bus or no notification service (nobody to tell);
    // 1 when the service refused the notice.
    int run();

    static QString openAction() { return QStringLiteral("apri"); }

private slots:
    void actionInvoked(uint id, const QString &key);
    void notificationClosed(uint id, uint reason);

private:
    QDBusConnection m_bus;
    int m_wait;
    uint m_id = 0;
    QEventLoop m_loop;
};
