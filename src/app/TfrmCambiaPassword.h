#pragma once
// The password change, reached from the password window before logging in.

#include <QWidget>

class FocusFrame;
class QBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

class TfrmCambiaPassword : public QWidget {
    Q_OBJECT
public:
    explicit TfrmCambiaPassword(QWidget *parent = nullptr);

    static QString oldPasswordWrongMessage();
    static QString notConfirmedMessage();
    static QString tooLongMessage();
    static QString unstorableMessage();
    static QString doneMessage();
    static QString changeErrorMessage();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QLabel *lblRigo05, *lblRigo06, *lblRigo07, *imgLogo;
    QLineEdit *txtPasswordOld, *txtPasswordNew, *txtConferma;
    FocusFrame *effPasswordOld, *effPasswordNew, *effConferma;
    QPushButton *cmdOK, *cmdEsci;

    QLineEdit *addBox(QBoxLayout *layout, const QString &name, QLabel *&label, const QString &caption,
                      const QString &labelName, FocusFrame *&frame, const QString &frameName);
    void updateOK();
    void change();
    void refuseNewPassword(const QString &message);
};
