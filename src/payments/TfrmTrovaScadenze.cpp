#include "payments/TfrmTrovaScadenze.h"

#include "platform/GuiServices.h"
#include "records/ArchiveMessages.h"
#include "records/TextField.h"
#include "ui/FieldRules.h"
#include "ui/FocusFrame.h"
#include "ui/RowList.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace {
struct BoxSpec {
    const char *name;
    const char *label;
    const char *frame;
};
const BoxSpec kBoxes[10] = {
    {"txtData", "Data scadenza (gg/mm/aaaa):", "effCampo01"},
    {"txtOra", "Ora (hh:mm):", "effCampo02"},
    {"txtTipologia", "Tipologia:", "effCampo09"},
    {"txtCausale", "Causale:", "effCampo10"},
    {"txtDettagli", "Dettagli:", "effCampo05"},
    {"txtContatto", "Persona / Ditta:", "effCampo06"},
    {"txtTel", "Telefono:", "effCampo07"},
    {"txtCel", "Cellulare:", "effCampo08"},
    {"txtLuogo", "Luogo:", "effCampo03"},
    {"txtNote", "Note:", "effCampo04"},
};
}

TfrmTrovaScadenze::TfrmTrovaScadenze(QWidget *parent)
    : ListWindow(QStringLiteral("TfrmTrovaScadenze"), QStringLiteral(" Trova pagamenti in archivio"),
                 QStringLiteral("Trova pagamenti in archivio"), QStringLiteral("Riepilogo pagamenti in archivio"), parent)
{
    panAvvio = new QWidget(this);
    panAvvio->setObjectName(QStringLiteral("panAvvio"));
    auto *page = new QVBoxLayout(panAvvio);
    page->setContentsMargins(24, 16, 24, 16);
    auto *intro = new QLabel(QStringLiteral("Compilare uno o più campi: sono trovati i pagamenti che contengono "
                                            "tutti i testi indicati, senza distinzione tra maiuscole e minuscole."),
                             panAvvio);
    intro->setWordWrap(true);
    page->addWidget(intro);
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(10);
    QFont bold;
    bold.setPointSize(12);
    bold.setBold(true);
    for (int i = 0; i < 10; ++i) {
        const BoxSpec &spec = kBoxes[i];
        auto *label = new QLabel(QString::fromUtf8(spec.label), panAvvio);
        // Room around the box for its highlight frame, drawn behind it.
        auto *cell = new QWidget(panAvvio);
        auto *cellBox = new QVBoxLayout(cell);
        cellBox->setContentsMargins(FocusFrame::Margin, FocusFrame::Margin, FocusFrame::Margin, FocusFrame::Margin);
        auto *box = new QLineEdit(cell);
        box->setObjectName(QLatin1String(spec.name));
        box->setFont(bold);
        cellBox->addWidget(box);
        auto *frame = new FocusFrame(QLatin1String(spec.frame), box);
        const int row = (i / 2) * 2, column = i % 2;
        grid->addWidget(label, row, column);
        grid->addWidget(cell, row + 1, column);
        m_boxes.append(box);
        m_frames.insert(box, frame);
    }
    txtData = m_boxes[0];
    txtOra = m_boxes[1];
    txtTipologia = m_boxes[2];
    txtCausale = m_boxes[3];
    txtDettagli = m_boxes[4];
    txtContatto = m_boxes[5];
    txtTel = m_boxes[6];
    txtCel = m_boxes[7];
    txtLuogo = m_boxes[8];
    txtNote = m_boxes[9];
    m_rules = new FieldRules(this);
    m_rules->setEnterChain(QList<QWidget *>(m_boxes.begin(), m_boxes.end()));
    page->addLayout(grid);
    page->addStretch();

    auto *commands = new QHBoxLayout;
    lblAttendere = new QLabel(QStringLiteral("Ricerca schede in corso. Attendere..."), panAvvio);
    lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    lblAttendere->hide();
    lblConta = new QLabel(QStringLiteral("0"), panAvvio);
    lblConta->setObjectName(QStringLiteral("lblConta"));
    lblConta->hide();
    lblMemory = new QLabel(QStringLiteral("lblMemory"), panAvvio);
    lblMemory->setObjectName(QStringLiteral("lblMemory"));
    lblMemory->hide();
    btnCerca = new QPushButton(QStringLiteral("Cerca"), panAvvio);
    btnCerca->setObjectName(QStringLiteral("btnCerca"));
    btnAnnulla = new QPushButton(QStringLiteral("Chiudi"), panAvvio);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    commands->addWidget(lblAttendere);
    commands->addStretch();
    for (QPushButton *b : {btnCerca, btnAnnulla}) {
        b->setAutoDefault(false);
        b->setMinimumSize(120, 34);
        commands->addWidget(b);
    }
    page->addLayout(commands);

    lblTrovate = new QLabel(QStringLiteral("Il presente riepilogo contiene 0 schede"), panContainer);
    lblTrovate->setObjectName(QStringLiteral("lblTrovate"));
    static_cast<QVBoxLayout *>(panContainer->layout())->insertWidget(0, lblTrovate);

    pages()->insertWidget(0, panAvvio);
    pages()->setCurrentWidget(panAvvio);

    connect(btnCerca, &QPushButton::pressed, lblAttendere, &QWidget::show);
    connect(btnCerca, &QPushButton::clicked, this, &TfrmTrovaScadenze::search);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmTrovaScadenze::showEvent(QShowEvent *event)
{
    ListWindow::showEvent(event);
    if (event->spontaneous())
        return;
    resetSearch();
    txtData->setFocus();
}

PaymentLists::Criteria TfrmTrovaScadenze::criteria() const
{
    return {txtData->text(), txtOra->text(), txtTipologia->text(), txtCausale->text(), txtDettagli->text(),
            txtContatto->text(), txtTel->text(), txtCel->text(), txtLuogo->text(), txtNote->text()};
}

void TfrmTrovaScadenze::search()
{
    lblAttendere->show();
    const PaymentLists::Criteria c = criteria();
    lblConta->setText(QString::number(PaymentLists::filledCount(c)));
    QVector<ListRow> rows;
    try {
        rows = PaymentLists::search(c);
    } catch (...) {
        lblAttendere->hide();
        Services::plain(this, ArchiveMessages::accessError());
        return;
    }
    lblAttendere->hide();
    setRows(std::move(rows));
    lblTrovate->setText(QStringLiteral("Il presente riepilogo contiene %1 schede.").arg(lstRecords->count()));
    pages()->setCurrentWidget(panContainer);
    resetSearch();
    txtTrova->setFocus();
}

void TfrmTrovaScadenze::chooseRow(int row)
{
    // Only the payment editor takes a payment from here.
    if (TextField::trimmed(lblMemory->text()) == QStringLiteral("scadenze")) {
        ListWindow::chooseRow(row);
        return;
    }
    accept();
}
