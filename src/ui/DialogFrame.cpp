#include "ui/DialogFrame.h"

#include "ui/PictureButton.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace DialogFrame {

void setBackground(QWidget *window)
{
    QPalette p = window->palette();
    p.setColor(QPalette::Window, QColor(0xf4, 0xf8, 0xfc));
    window->setPalette(p);
    window->setAutoFillBackground(true);
}

QLabel *addLogo(QWidget *window, QBoxLayout *layout, QSize size)
{
    QLabel *logo = PictureButton::decoration(QStringLiteral("imgLogo"), QStringLiteral(":/pictures/titolo_app.svg"),
                                             size, window);
    layout->addWidget(logo, 0, Qt::AlignHCenter);
    auto *strip = new QWidget(window);
    strip->setObjectName(QStringLiteral("shpStriscia"));
    strip->setFixedHeight(4);
    strip->setAttribute(Qt::WA_StyledBackground);
    strip->setStyleSheet(QStringLiteral("#shpStriscia { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, "
                                        "stop:0 #1f4e79, stop:0.6 #2a9d8f, stop:0.85 #e9c46a, stop:1 #e76f51); }"));
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
