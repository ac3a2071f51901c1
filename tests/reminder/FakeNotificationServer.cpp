// A stand-in for the desktop's notification service, for the reminder's
// tests on a private session bus. It owns org.freedesktop.Notifications and
// writes every call it gets as one JSON line to the log file.
//
// fake_notification_server LOG CAPABILITIES [ACTION]
//   CAPABILITIES  comma-separated, what GetCapabilities answers ("-" for none)
//   ACTION        the action key "clicked" as soon as a notice arrives
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>
#include <QVariantMap>

#include <cstdio>

class Notifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    Notifications(const QString &log, const QStringList &capabilities, const QString &action)
        : m_log(log)
        , m_capabilities(capabilities)
        , m_action(action)
    {
    }

public slots:
    QStringList GetCapabilities() { return m_capabilities; }

    uint Notify(const QString &appName, uint replacesId, const QString &appIcon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints, int expireTimeout)
    {
        const uint id = ++m_lastId;
        QJsonObject hintTypes;
        QJsonObject hintValues;
        for (auto it = hints.cbegin(); it != hints.cend(); ++it) {
            hintTypes.insert(it.key(), QString::fromLatin1(it.value().metaType().name()));
            // JSON has no byte: numbers of every width are written as numbers.
            bool number = false;
            const int value = it.value().toInt(&number);
            hintValues.insert(it.key(), number ? QJsonValue(value) : QJsonValue::fromVariant(it.value()));
        }
        write({{QStringLiteral("call"), QStringLiteral("Notify")},
               {QStringLiteral("id"), int(id)},
               {QStringLiteral("app_name"), appName},
               {QStringLiteral("replaces_id"), int(replacesId)},
               {QStringLiteral("app_icon"), appIcon},
               {QStringLiteral("summary"), summary},
               {QStringLiteral("body"), body},
               {QStringLiteral("actions"), QJsonArray::fromStringList(actions)},
               {QStringLiteral("hints"), hintValues},
               {QStringLiteral("hint_types"), hintTypes},
               {QStringLiteral("expire_timeout"), expireTimeout}});
        if (!m_action.isEmpty())
            QTimer::singleShot(0, this, [this, id] {
                emit ActionInvoked(id, m_action);
                emit NotificationClosed(id, 2);
            });
        return id;
    }

    void CloseNotification(uint id)
    {
        write({{QStringLiteral("call"), QStringLiteral("CloseNotification")}, {QStringLiteral("id"), int(id)}});
        emit NotificationClosed(id, 3);
    }

    QString GetServerInformation(QString &vendor, QString &version, QString &specVersion)
    {
        vendor = QStringLiteral("tests");
        version = QStringLiteral("1");
        specVersion = QStringLiteral("1.2");
        return QStringLiteral("fake_notification_server");
    }

signals:
    void NotificationClosed(uint id, uint reason);
    void ActionInvoked(uint id, const QString &actionKey);

private:
    void write(const QJsonObject &call)
    {
        QFile f(m_log);
        if (f.open(QIODevice::Append))
            f.write(QJsonDocument(call).toJson(QJsonDocument::Compact) + '\n');
    }

    QString m_log;
    QStringList m_capabilities;
    QString m_action;
    uint m_lastId = 0;
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: fake_notification_server LOG CAPABILITIES [ACTION]\n");
        return 2;
    }
    const QStringList capabilities =
        args[2] == QStringLiteral("-") ? QStringList() : args[2].split(u',', Qt::SkipEmptyParts);
    Notifications server(args[1], capabilities, args.value(3));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &server,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals)
        || !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
        std::fprintf(stderr, "fake_notification_server: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    return app.exec();
}

#include "FakeNotificationServer.moc"
