#pragma once
// What the card print windows share: a picture, a title, a short instruction,
// "Annulla" and the action button, and their own copy of the card layout. The
// opener hands in the record as its editor shows it; the window does the rest.

#include "report/ReportLayout.h"

#include <QDialog>

class QLabel;
class QPushButton;

struct CardPrintLook {
    QString objectName;
    QString caption;      // the window's caption
    QString title;        // beside the small picture
    QString smallPicture; // the card's kind, beside the title
    QString bigPicture;   // what the button does, at the left
    QString instructions;
    QString actionText; // the action button
};

class CardPrintWindow : public QDialog {
    Q_OBJECT
public:
    ReportLayout repDocumento;

protected:
    CardPrintWindow(QWidget *parent, const CardPrintLook &look, ReportLayout layout);
    // What the action button does.
    virtual void act() = 0;

private:
    QLabel *lblIstruzioni;
    QPushButton *btnAnnulla;
    QPushButton *btnStampa;
};
