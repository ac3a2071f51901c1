#include "ModalDriver.h"

#include "Controls.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

namespace ModalDriver {

void close(QWidget *window)
{
    if (auto *dialog = qobject_cast<QDialog *>(window))
        dialog->reject();
    else
        window->close();
}

std::shared_ptr<ModalSeen> next(const std::function<bool(QWidget *)> &isExpected,
                                const std::function<void(QWidget *)> &act, int timeoutMs)
{
    auto seen = std::make_shared<ModalSeen>();
    auto *timer = new QTimer(qApp);
    timer->setInterval(5);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            if (clock->elapsed() > timeoutMs)
                timer->deleteLater(); // nothing came: the test's own check says so
            return;
        }
        timer->stop();
        timer->deleteLater();
        if (isExpected(modal)) {
            seen->seen = true;
            try {
                act(modal);
            } catch (const MissingControl &) {
                // Already a failure of the test: the action ends here.
            }
        } else {
            seen->unexpected = QString::fromLatin1(modal->metaObject()->className());
            QTest::qFail(qPrintable(QStringLiteral("an unexpected modal window opened: ") + seen->unexpected), __FILE__,
                         __LINE__);
        }
        // Whatever happened inside, the window goes, so exec() returns.
        if (QApplication::activeModalWidget() == modal && modal->isVisible())
            close(modal);
    });
    timer->start();
    return seen;
}

}
