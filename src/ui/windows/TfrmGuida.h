#pragma once
// The help window: a topic title and its text, and the link to the manual.

#include <QDialog>

struct HelpTopic;
class LinkLabel;
class PictureButton;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class TfrmGuida : public QDialog {
    Q_OBJECT
public:
    explicit TfrmGuida(QWidget *parent = nullptr);

    void setTopic(const HelpTopic &topic);
    // A new help window over opener with topic, shown modally and destroyed.
    static void showTopic(QWidget *opener, const HelpTopic &topic);
    // The manual beside the program.
    static QString manualPath();

private:
    QLabel *lblTitolo, *imgLogo;
    QPlainTextEdit *txtGuida;
    LinkLabel *lnkWeb;
    PictureButton *imgPDF;
    QPushButton *btnChiudi;
};
