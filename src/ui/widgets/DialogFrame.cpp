#include "ui/widgets/DialogFrame.h"

#include "ui/widgets/Look.h"
#include "ui/widgets/PictureButton.h"

#include <QBoxLayout>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace DialogFrame {

namespace {
// Under the application style sheet Qt hands a window's palette on to no
// child. The buttons and boxes draw their edges from the background colour,
// so it is handed on here, once the window is polished with its children made.
class BackgroundHandOn : public QObject {
public:
    explicit BackgroundHandOn(QWidget *window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Polish) {
            for (QWidget *child : watched->findChildren<QWidget *>()) {
                if (child->isWindow())
                    continue;
                QPalette p = child->palette();
                p.setColor(QPalette::Window, QColor(Colour::Mist));
                child->setPalette(p);
            }
        }
        return false;
    }
};
}

void setBackground(QWidget *window)
{
    QPalette p = window->palette();
    p.setColor(QPalette::Window, QColor(Colour::Mist));
    window->setPalette(p);
    window->setAutoFillBackground(true);
    new BackgroundHandOn(window);
}

QLabel *addLogo(QWidget *window, QBoxLayout *layout, QSize size)
{
    QLabel *logo =
        PictureButton::decoration(QStringLiteral("imgLogo"), QStringLiteral(":/pictures/titolo_app.svg"), size, window);
    layout->addWidget(logo, 0, Qt::AlignHCenter);
    auto *strip = new QWidget(window);
    strip->setObjectName(QStringLiteral("shpStriscia"));
    strip->setFixedHeight(4);
    strip->setAttribute(Qt::WA_StyledBackground);
    layout->addWidget(strip);
    return logo;
}

QPushButton *button(const QString &name, const QString &text, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setMinimumSize(qMax(110, b->fontMetrics().horizontalAdvance(text) + 36), 32);
    b->setAutoDefault(false);
    b->setCursor(Qt::PointingHandCursor);
    return b;
}

}
