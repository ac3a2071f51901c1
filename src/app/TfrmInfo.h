#pragma once
// About the product and its user, with the e-mail link for information.

#include <QDialog>

class LinkLabel;
class PictureButton;
class QLabel;
class QPushButton;

class TfrmInfo : public QDialog {
    Q_OBJECT
public:
    explicit TfrmInfo(QWidget *parent = nullptr);

    static QString mailSubject();
    static QString mailBody();
    // A new window over opener, shown modally and destroyed.
    static void showOver(QWidget *opener);

private:
    QLabel *imgLogo, *imgProdotto, *imgUtente;
    LinkLabel *lnkWeb;
    PictureButton *imgEmail;
    QPushButton *btnChiudi;
};
