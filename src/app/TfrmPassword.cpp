#include "app/TfrmPassword.h"

#include "ui/widgets/DialogFrame.h"
#include "app/PasswordFile.h"
#include "app/PasswordScrambling.h"
#include "platform/GuiServices.h"
#include "records/TextField.h"
#include "platform/FixedWindow.h"
#include "ui/widgets/FocusFrame.h"
#include "ui/widgets/PictureButton.h"
#include "ui/windows/Residents.h"
#include "ui/widgets/Widgets.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfrmPassword::TfrmPassword(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TfrmPassword"));
    setWindowTitle(QStringLiteral(" Tarvenio 3.0 - Autenticazione"));
    DialogFrame::setBackground(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 20, 28, 22);
    layout->setSpacing(14);
    imgLogo = DialogFrame::addLogo(this, layout);

    auto *entry = new QHBoxLayout;
    entry->setSpacing(18);
    entry->addWidget(PictureButton::decoration(QStringLiteral("icoLucchetto"),
                                               QStringLiteral(":/pictures/lucchetto.svg"), QSize(64, 64), this),
                     0, Qt::AlignVCenter);
    auto *column = new QVBoxLayout;
    column->setSpacing(8);
    lblRigo05 = new QLabel(QStringLiteral("Immetti la password e premi OK."), this);
    lblRigo05->setObjectName(QStringLiteral("lblRigo05"));
    column->addWidget(lblRigo05);
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setFont(Widgets::boldFont(txtPassword, 14));
    txtPassword->setMinimumWidth(300);
    column->addLayout(Widgets::framed(txtPassword, QStringLiteral("effPassword"), &effPassword));
    entry->addLayout(column, 1);
    layout->addLayout(entry);

    auto *buttons = new QHBoxLayout;
    btnCambiaPassword =
        DialogFrame::button(QStringLiteral("btnCambiaPassword"), QStringLiteral("Cambia password"), this);
    cmdOK = DialogFrame::button(QStringLiteral("cmdOK"), QStringLiteral("OK"), this);
    cmdEsci = DialogFrame::button(QStringLiteral("cmdEsci"), QStringLiteral("Esci"), this);
    cmdOK->setEnabled(false);
    buttons->addWidget(btnCambiaPassword);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdEsci);
    layout->addLayout(buttons);

    FixedWindow::apply(this);

    connect(txtPassword, &QLineEdit::textChanged, this, &TfrmPassword::updateOK);
    // Enter acts as OK, but only when there is something to check.
    connect(txtPassword, &QLineEdit::returnPressed, this, [this] {
        if (!TextField::trimmed(txtPassword->text()).isEmpty())
            checkPassword();
    });
    connect(cmdOK, &QPushButton::clicked, this, &TfrmPassword::checkPassword);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
    connect(btnCambiaPassword, &QPushButton::clicked, this,
            [this] { Residents::switchTo(this, Resident::CambiaPassword); });
}

QString TfrmPassword::wrongPasswordMessage() { return QStringLiteral("Attenzione: password errata."); }

QString TfrmPassword::readErrorMessage()
{
    return QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della password. "
                          "Si consiglia di reinstallare il software.");
}

void TfrmPassword::updateOK() { cmdOK->setEnabled(!TextField::trimmed(txtPassword->text()).isEmpty()); }

void TfrmPassword::checkPassword()
{
    QString stored;
    try {
        stored = PasswordFile::storedPassword();
    } catch (...) {
        // The typed text stays, so the user can try again once the file is mended.
        Services::plain(this, readErrorMessage());
        return;
    }
    const QString typed = PasswordText::comparable(txtPassword->text());
    if (!typed.isEmpty() && typed == stored) {
        Residents::switchTo(this, Resident::Avvio);
        // Nothing of the password is kept on screen once it has been accepted.
        txtPassword->clear();
        return;
    }
    Services::plain(this, wrongPasswordMessage());
    txtPassword->clear();
    // The box may have taken the activation with it.
    activateWindow();
    txtPassword->setFocus();
}

void TfrmPassword::showAgain(QWidget *from)
{
    txtPassword->clear();
    Residents::switchTo(from, this);
    txtPassword->setFocus();
}

void TfrmPassword::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        FixedWindow::centreOnScreen(this);
        txtPassword->setFocus();
    }
}

void TfrmPassword::closeEvent(QCloseEvent *event)
{
    // The main window: leaving it ends the program.
    event->accept();
    Residents::endProgram();
}
