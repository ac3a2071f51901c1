#pragma once
// The access password: the program's main window and the first thing shown.

#include <QWidget>

class FocusFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class TfrmPassword : public QWidget {
    Q_OBJECT
public:
    explicit TfrmPassword(QWidget *parent = nullptr);

    // Back from the password change (from): an empty box, shown and focused.
    void showAgain(QWidget *from);

    static QString wrongPasswordMessage();
    static QString readErrorMessage();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QLabel *lblRigo05, *imgLogo;
    QLineEdit *txtPassword;
    FocusFrame *effPassword;
    QPushButton *cmdOK, *cmdEsci, *btnCambiaPassword;

    void updateOK();
    void checkPassword();
};
