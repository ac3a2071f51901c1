#pragma once
// The main menu: a full-screen panel of pictures leading to the three apps.

#include <QWidget>

class PictureButton;

class TfrmAvvio : public QWidget {
    Q_OBJECT
public:
    explicit TfrmAvvio(QWidget *parent = nullptr);

    // The product's web site, opened by the banner.
    static QString webSite();

protected:
    void closeEvent(QCloseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    PictureButton *imgApp01, *btnApp01, *imgApp02, *btnApp02, *imgApp03, *btnApp03;
    PictureButton *imgInfo, *imgGuida, *imgCopyright, *imgEsci, *imgSito;

    void openApp(QWidget *target);
};
