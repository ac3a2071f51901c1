#include "ui/windows/TfrmGuida.h"

#include "ui/widgets/DialogFrame.h"
#include "ui/windows/HelpTexts.h"
#include "ui/widgets/Look.h"
#include "ui/windows/TMisc.h"
#include "platform/Services.h"
#include "platform/FixedWindow.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/widgets/PictureButton.h"
#include "ui/widgets/Widgets.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmGuida::TfrmGuida(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmGuida"));
    setWindowTitle(QStringLiteral(" Guida all'utilizzo del software"));
    DialogFrame::setBackground(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 18);
    layout->setSpacing(10);
    auto *head = new QHBoxLayout;
    imgLogo = PictureButton::decoration(QStringLiteral("imgLogo"), QStringLiteral(":/pictures/titolo_app.svg"),
                                        QSize(262, 45), this);
    head->addWidget(imgLogo);
    head->addStretch();
    head->addWidget(PictureButton::decoration(QStringLiteral("icoGuida"), QStringLiteral(":/pictures/guida.svg"),
                                              QSize(44, 44), this));
    layout->addLayout(head);

    lblTitolo = new QLabel(QStringLiteral("Argomento della guida."), this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    lblTitolo->setFont(Widgets::boldFont(lblTitolo, 15));
    QPalette blue = lblTitolo->palette();
    blue.setColor(QPalette::WindowText, QColor(Colour::Title));
    lblTitolo->setPalette(blue);
    layout->addWidget(lblTitolo);
    auto *rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("shpTitolo"));
    rule->setFixedHeight(3);
    rule->setAttribute(Qt::WA_StyledBackground);
    layout->addWidget(rule);

    txtGuida = new QPlainTextEdit(this);
    txtGuida->setObjectName(QStringLiteral("txtGuida"));
    txtGuida->setReadOnly(true);
    txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtGuida->setWordWrapMode(QTextOption::WordWrap);
    txtGuida->setFont(Widgets::boldFont(txtGuida, 12));
    layout->addWidget(txtGuida, 1);

    auto *foot = new QHBoxLayout;
    imgPDF = new PictureButton(QStringLiteral("imgPDF"), QStringLiteral(":/pictures/pdf.svg"), QSize(36, 36),
                               QStringLiteral("Guida in formato PDF"), this);
    lnkWeb = new LinkLabel(QStringLiteral("lnkWeb"), QStringLiteral("Visualizza guida in formato PDF"), this);
    QFont link = lnkWeb->font();
    link.setPointSize(link.pointSize() + 1);
    lnkWeb->setFont(link);
    lnkWeb->addPicture(imgPDF);
    btnChiudi = DialogFrame::button(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), this);
    foot->addWidget(imgPDF);
    foot->addWidget(lnkWeb);
    foot->addStretch();
    foot->addWidget(btnChiudi);
    layout->addLayout(foot);

    setFixedSize(670, 572);
    FixedWindow::apply(this);
    FixedWindow::centreOnScreen(this);

    connect(lnkWeb, &LinkLabel::clicked, this, [] { TMisc::Open(QLatin1Char('"') + manualPath() + QLatin1Char('"')); });
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::accept);
}

QString TfrmGuida::manualPath() { return Services::programFile(QStringLiteral("Guida.pdf")); }

void TfrmGuida::setTopic(const HelpTopic &topic)
{
    lblTitolo->setText(topic.title);
    // Paragraphs are separated by CR LF CR LF; the memo wants plain line feeds.
    QString text = topic.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    txtGuida->setPlainText(text);
}

void TfrmGuida::showTopic(QWidget *opener, const HelpTopic &topic)
{
    TfrmGuida window(opener);
    window.setTopic(topic);
    window.exec();
}
