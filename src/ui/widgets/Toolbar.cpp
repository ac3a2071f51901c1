#include "ui/widgets/Toolbar.h"

#include "ui/widgets/PictureButton.h"
#include "ui/widgets/Widgets.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

namespace {
// The caption under a tool is part of it: a click on the word clicks the
// picture, and the word fades with it when the tool is disabled.
class ToolCaption : public QLabel {
public:
    ToolCaption(const QString &text, PictureButton *button, QWidget *parent)
        : QLabel(text, parent)
        , m_button(button)
    {
        setCursor(Qt::PointingHandCursor);
        setEnabled(button->isEnabled());
        button->installEventFilter(this);
    }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && m_button->isEnabled())
            m_button->click();
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_button && event->type() == QEvent::EnabledChange)
            setEnabled(m_button->isEnabled());
        return false;
    }

private:
    PictureButton *m_button;
};
}

Toolbar::Toolbar(QWidget *window, QBoxLayout *layout, QSize pictureSize)
    : m_bar(new QWidget(window))
    , m_pictureSize(pictureSize)
{
    m_bar->setObjectName(QStringLiteral("panComandi"));
    m_bar->setAttribute(Qt::WA_StyledBackground);
    m_row = new QHBoxLayout(m_bar);
    m_row->setContentsMargins(16, 5, 16, 3);
    m_row->setSpacing(2);
    layout->addWidget(m_bar);
}

PictureButton *Toolbar::tool(const char *name, const char *picture, const QString &caption)
{
    auto *button = new PictureButton(QLatin1String(name), QStringLiteral(":/pictures/") + QLatin1String(picture),
                                     m_pictureSize, caption, m_bar);
    auto *cell = new QVBoxLayout;
    cell->setSpacing(1);
    cell->addWidget(button, 0, Qt::AlignHCenter);
    auto *label = new ToolCaption(caption, button, m_bar);
    label->setObjectName(QStringLiteral("lblComando"));
    label->setAlignment(Qt::AlignHCenter);
    label->setMinimumWidth(qMax(62, label->sizeHint().width()));
    cell->addWidget(label);
    m_row->addLayout(cell);
    return button;
}

void Toolbar::separator()
{
    auto *line = new QFrame(m_bar);
    line->setObjectName(QStringLiteral("sepComandi"));
    line->setFrameShape(QFrame::VLine);
    m_row->addSpacing(6);
    m_row->addWidget(line);
    m_row->addSpacing(6);
}

QLabel *Toolbar::positionLabel()
{
    auto *label = new QLabel(m_bar);
    label->setObjectName(QStringLiteral("lblPosizione"));
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(90);
    label->setFont(Widgets::boldFont(label, 12));
    auto *cell = new QVBoxLayout;
    cell->setSpacing(1);
    cell->addWidget(label, 1);
    auto *caption = new QLabel(QStringLiteral("Scheda n."), m_bar);
    caption->setObjectName(QStringLiteral("lblComando"));
    caption->setAlignment(Qt::AlignHCenter);
    cell->addWidget(caption);
    m_row->addLayout(cell);
    return label;
}

void Toolbar::stretch() { m_row->addStretch(1); }
