#include "app/TfrmCambiaPassword.h"

#include "ui/widgets/DialogFrame.h"
#include "app/PasswordFile.h"
#include "app/PasswordScrambling.h"
#include "app/TfrmPassword.h"
#include "app/Windows.h"
#include "platform/GuiServices.h"
#include "records/TextField.h"
#include "platform/FixedWindow.h"
#include "ui/widgets/FocusFrame.h"
#include "ui/entry/FieldRules.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/Widgets.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

TfrmCambiaPassword::TfrmCambiaPassword(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TfrmCambiaPassword"));
    setWindowTitle(QStringLiteral(" Cambia password"));
    DialogFrame::setBackground(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 20, 28, 22);
    layout->setSpacing(12);
    imgLogo = DialogFrame::addLogo(this, layout);

    auto *entry = new QHBoxLayout;
    entry->setSpacing(18);
    entry->addWidget(PictureButton::decoration(QStringLiteral("icoChiave"), QStringLiteral(":/pictures/chiave.svg"),
                                               QSize(64, 64), this),
                     0, Qt::AlignTop);
    auto *boxes = new QVBoxLayout;
    boxes->setSpacing(2);
    txtPasswordOld = addBox(boxes, QStringLiteral("txtPasswordOld"), lblRigo05, QStringLiteral("Vecchia password:"),
                            QStringLiteral("lblRigo05"), effPasswordOld, QStringLiteral("effPasswordOld"));
    boxes->addSpacing(6);
    txtPasswordNew = addBox(boxes, QStringLiteral("txtPasswordNew"), lblRigo06, QStringLiteral("Nuova password:"),
                            QStringLiteral("lblRigo06"), effPasswordNew, QStringLiteral("effPasswordNew"));
    txtConferma = addBox(boxes, QStringLiteral("txtConferma"), lblRigo07, QStringLiteral("Conferma nuova password:"),
                         QStringLiteral("lblRigo07"), effConferma, QStringLiteral("effConferma"));
    entry->addLayout(boxes, 1);
    layout->addLayout(entry);

    auto *buttons = new QHBoxLayout;
    cmdOK = DialogFrame::button(QStringLiteral("cmdOK"), QStringLiteral("OK"), this);
    cmdEsci = DialogFrame::button(QStringLiteral("cmdEsci"), QStringLiteral("Chiudi"), this);
    cmdOK->setEnabled(false);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdEsci);
    layout->addSpacing(4);
    layout->addLayout(buttons);

    FixedWindow::apply(this);

    // Enter only moves on, round the three boxes; it never confirms.
    auto *keys = new FieldRules(this);
    keys->setEnterChain({txtPasswordOld, txtPasswordNew, txtConferma});
    connect(cmdOK, &QPushButton::clicked, this, &TfrmCambiaPassword::change);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);
}

QLineEdit *TfrmCambiaPassword::addBox(QBoxLayout *layout, const QString &name, QLabel *&label, const QString &caption,
                                      const QString &labelName, FocusFrame *&frame, const QString &frameName)
{
    label = new QLabel(caption, this);
    label->setObjectName(labelName);
    layout->addWidget(label);
    auto *box = new QLineEdit(this);
    box->setObjectName(name);
    box->setEchoMode(QLineEdit::Password);
    box->setFont(Widgets::boldFont(box, 12));
    box->setMinimumWidth(300);
    layout->addLayout(Widgets::framed(box, frameName, &frame));
    connect(box, &QLineEdit::textChanged, this, &TfrmCambiaPassword::updateOK);
    return box;
}

QString TfrmCambiaPassword::oldPasswordWrongMessage() { return QStringLiteral("Attenzione: vecchia password errata."); }

QString TfrmCambiaPassword::notConfirmedMessage()
{
    return QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. "
                          "E' necessario reinserire entrambi i valori.");
}

QString TfrmCambiaPassword::tooLongMessage()
{
    return QStringLiteral("Attenzione: la nuova password non può superare i 255 caratteri. "
                          "E' necessario reinserire entrambi i valori.");
}

QString TfrmCambiaPassword::unstorableMessage()
{
    return QStringLiteral("Attenzione: la nuova password contiene caratteri che non possono essere memorizzati "
                          "(per esempio il simbolo dell'euro). Usare soltanto lettere, cifre e i simboli più comuni, "
                          "poi reinserire entrambi i valori.");
}

QString TfrmCambiaPassword::doneMessage() { return QStringLiteral("Modifica della password completata con successo."); }

QString TfrmCambiaPassword::changeErrorMessage()
{
    return QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica della password. "
                          "Si consiglia di reinstallare il software.");
}

void TfrmCambiaPassword::updateOK()
{
    cmdOK->setEnabled(!TextField::trimmed(txtPasswordOld->text()).isEmpty()
                      && !TextField::trimmed(txtPasswordNew->text()).isEmpty()
                      && !TextField::trimmed(txtConferma->text()).isEmpty());
}

void TfrmCambiaPassword::refuseNewPassword(const QString &message)
{
    Services::plain(this, message);
    txtPasswordNew->clear();
    txtConferma->clear();
    activateWindow();
    txtPasswordNew->setFocus();
}

void TfrmCambiaPassword::change()
{
    try {
        const QString stored = PasswordFile::storedPassword();
        if (PasswordText::comparable(txtPasswordOld->text()) != stored) {
            Services::plain(this, oldPasswordWrongMessage());
            txtPasswordOld->clear();
            activateWindow();
            txtPasswordOld->setFocus();
            return;
        }
        // The confirmation must match as typed, letter case included.
        if (TextField::trimmed(txtPasswordNew->text()) != TextField::trimmed(txtConferma->text())) {
            refuseNewPassword(notConfirmedMessage());
            return;
        }
        const QString password = PasswordText::comparable(txtPasswordNew->text());
        // The file keeps one byte a character and at most 255 of them: anything
        // else would be stored altered and never be accepted afterwards.
        if (password.size() > PasswordText::MaxLength) {
            refuseNewPassword(tooLongMessage());
            return;
        }
        if (!PasswordText::fitsStoredForm(password)) {
            refuseNewPassword(unstorableMessage());
            return;
        }
        PasswordFile::storePassword(password);
    } catch (...) {
        Services::plain(this, changeErrorMessage());
        return;
    }
    Services::plain(this, doneMessage());
    close();
}

void TfrmCambiaPassword::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        txtPasswordOld->clear();
        txtPasswordNew->clear();
        txtConferma->clear();
        FixedWindow::centreOnScreen(this);
        txtPasswordOld->setFocus();
    }
}

void TfrmCambiaPassword::closeEvent(QCloseEvent *event)
{
    // A resident window: closing it hands back to the password window.
    event->ignore();
    if (TfrmPassword *password = Windows::resident().password)
        password->showAgain(this);
    else
        hide();
}
