#pragma once
// The copyright window: the product, its notice and the web site link.

#include <QDialog>

class LinkLabel;
class PictureButton;
class QLabel;
class QPushButton;

class TfrmSplash : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget *parent = nullptr);

    // A new window over opener, shown modally and destroyed.
    static void showOver(QWidget *opener);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QLabel *imgLogo;
    LinkLabel *lnkWeb;
    PictureButton *imgWeb;
    QPushButton *btnChiudi;
};
