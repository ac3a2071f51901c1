#include "reminder/LoginReminder.h"

#include "app/Product.h"
#include "platform/Services.h"
#include "reminder/ReminderNotice.h"

#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include <cstdio>

namespace {
const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString Path = QStringLiteral("/org/freedesktop/Notifications");
const QString Interface = QStringLiteral("org.freedesktop.Notifications");
// The freedesktop urgency levels.
constexpr uchar NormalUrgency = 1;
constexpr uchar CriticalUrgency = 2;
}

LoginReminder::LoginReminder(const QDBusConnection &bus, int waitMilliseconds)
    : m_bus(bus)
    , m_wait(waitMilliseconds)
{
}

int LoginReminder::run()
{
    // The file first: with nothing to say, the desktop is not even asked.
    const std::optional<ReminderNotice> notice = ReminderNotices::forToday(Services::clock().today());
    if (!notice || !m_bus.isConnected())
        return 0;

    const QDBusMessage capabilities =
        m_bus.call(QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("GetCapabilities")));
    if (capabilities.type() != QDBusMessage::ReplyMessage)
        return 0; // no notification service on this session
    const QStringList offered = capabilities.arguments().value(0).toStringList();
    const bool actions = offered.contains(QStringLiteral("actions"));
    // Where the body is markup, a cause such as "Rossi & figli" must stay text.
    const QString body = offered.contains(QStringLiteral("body-markup")) ? notice->body.toHtmlEscaped() : notice->body;

    // Listening before the notice goes out, so that no early click is lost.
    m_bus.connect(Service, Path, Interface, QStringLiteral("ActionInvoked"), this, SLOT(actionInvoked(uint, QString)));
    m_bus.connect(Service, Path, Interface, QStringLiteral("NotificationClosed"), this,
                  SLOT(notificationClosed(uint, uint)));

    const QString icon = Services::programFile(QStringLiteral("tarvenio.svg"));
    QVariantMap hints;
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(notice->critical ? CriticalUrgency : NormalUrgency));
    hints.insert(QStringLiteral("desktop-entry"), QStringLiteral("tarvenio"));
    QDBusMessage notify = QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("Notify"));
    notify << Product::name() << uint(0) << (QFileInfo::exists(icon) ? icon : QStringLiteral("tarvenio"))
           << notice->summary << body
           << QStringList {QStringLiteral("default"), QStringLiteral("Apri Tarvenio"), openAction(),
                           QStringLiteral("Apri Tarvenio")}
           << hints << int(0); // stays until the user dismisses it
    const QDBusMessage reply = m_bus.call(notify);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        std::fprintf(stderr, "tarvenio-promemoria: %s\n", qPrintable(reply.errorMessage()));
        return 1;
    }
    m_id = reply.arguments().value(0).toUInt();
    if (!actions)
        return 0; // nothing to click: the notice lives on without us

    // A notification service that goes (restarted, or the session ending)
    // takes the notice and its button with it.
    QDBusServiceWatcher service(Service, m_bus, QDBusServiceWatcher::WatchForUnregistration);
    connect(&service, &QDBusServiceWatcher::serviceUnregistered, &m_loop, &QEventLoop::quit);
    bool timedOut = false;
    QTimer bound;
    bound.setSingleShot(true);
    connect(&bound, &QTimer::timeout, &m_loop, [this, &timedOut] {
        timedOut = true;
        m_loop.quit();
    });
    bound.start(m_wait);
    m_loop.exec();
    // A button nobody answers any more would do nothing: take the notice away.
    if (timedOut)
        m_bus.call(QDBusMessage::createMethodCall(Service, Path, Interface, QStringLiteral("CloseNotification"))
                   << m_id);
    return 0;
}

void LoginReminder::actionInvoked(uint id, const QString &key)
{
    if (id != m_id || (key != openAction() && key != QStringLiteral("default")))
        return;
    const QString program = Services::programFile(QStringLiteral("tarvenio"));
    if (!QProcess::startDetached(program, {}, Services::programFolder()))
        std::fprintf(stderr, "tarvenio-promemoria: impossibile avviare %s\n", qPrintable(program));
    m_loop.quit();
}

void LoginReminder::notificationClosed(uint id, uint)
{
    if (id == m_id)
        m_loop.quit();
}
