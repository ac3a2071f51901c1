#include "contacts/CheckWindow.h"

#include "platform/FixedWindow.h"
#include "platform/GuiServices.h"
#include "ui/entry/EntryBox.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CheckWindow::CheckWindow(QWidget *parent, const QString &caption, const QString &title, const QString &boxName,
                         int typingLimit)
    : QDialog(parent)
{
    setWindowTitle(caption);

    lblTitolo = new QLabel(title, this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    // One line: the window is as wide as its title sentence or its box, whichever is wider.
    lblTitolo->setWordWrap(false);

    m_box = new EntryBox(boxName, this);
    m_box->setTypingLimit(typingLimit);
    QFont mono(QStringLiteral("Courier New"), 20, QFont::Bold);
    mono.setStyleHint(QFont::TypeWriter);
    m_box->setFont(mono);
    // Wide enough to show the longest text that can be typed, plus the caret.
    const QFontMetrics metrics(mono);
    m_box->setMinimumWidth(metrics.horizontalAdvance(QString(typingLimit + 1, u'W')) + 16);

    btnControlla = new QPushButton(QStringLiteral("Controlla"), this);
    btnControlla->setObjectName(QStringLiteral("btnControlla"));
    btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    // Enter in the box only reaches "Controlla"; a second Enter there checks.
    m_box->setEnterTarget(btnControlla);
    btnControlla->setAutoDefault(true);
    btnChiudi->setAutoDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnControlla);
    buttons->addWidget(btnChiudi);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);
    layout->addWidget(lblTitolo);
    layout->addWidget(m_box);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnControlla, &QPushButton::clicked, this, [this] { controlla(); });
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    // The program's own frame: a window manager's minimise would hide this
    // modal window and the editor under it, with no way back.
    FixedWindow::apply(this);
    FixedWindow::centreOnOwner(this);
}

void CheckWindow::setEntry(const QString &text) { m_box->setText(text); }

void CheckWindow::warnAndStay(const QString &text)
{
    Services::warning(this, text);
    m_box->setFocus(Qt::OtherFocusReason);
}

void CheckWindow::answerAndClose(bool valid, const QString &text)
{
    if (valid)
        Services::information(this, text);
    else
        Services::warning(this, text);
    accept();
}

void CheckWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_box->setFocus(Qt::OtherFocusReason);
}
