#include "contacts/ContactSearchWindow.h"

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
    {"txtNome", "Nome, cognome o Ragione sociale:", "effNome"},
    {"txtLocalita", "Località:", "effLocalita"},
    {"txtTel", "Tel.", "effTel"},
    {"txtDataNasc", "Data di nascita:", "effDataNasc"},
    {"txtCodFisc", "Codice fiscale:", "effCodFisc"},
    {"txtPartitaIva", "Partita IVA:", "effPartitaIva"},
    {"txtOccupazione", "Occupazione:", "effOccupazione"},
    {"txtProdotti", "Servizi di interesse:", "effProdotti"},
    {"txtQuestioni", "Questioni in sospeso:", "effQuestioni"},
    {"txtNote", "Note:", "effNote"},
};
}

ContactSearchWindow::ContactSearchWindow(const QString &name, const QString &caption, const QString &heading,
                                         const QString &printTitle, QWidget *parent)
    : ListWindow(name, caption, heading, printTitle, parent)
{
    panAvvio = new QWidget(this);
    panAvvio->setObjectName(QStringLiteral("panAvvio"));
    auto *page = new QVBoxLayout(panAvvio);
    page->setContentsMargins(24, 16, 24, 16);
    auto *intro = new QLabel(QStringLiteral("Compilare uno o più campi: sono trovati i contatti che contengono "
                                            "tutti i testi indicati, senza distinzione tra maiuscole e minuscole. "
                                            "Lasciando vuoti tutti i campi si ottiene l'elenco completo."),
                             panAvvio);
    intro->setWordWrap(true);
    page->addWidget(intro);
    page->addSpacing(10);
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
        label->setBuddy(box);
        auto *frame = new FocusFrame(QLatin1String(spec.frame), box);
        const int row = (i / 2) * 2, column = i % 2;
        grid->addWidget(label, row, column);
        grid->addWidget(cell, row + 1, column);
        m_boxes.append(box);
        m_frames.insert(box, frame);
    }
    txtNome = m_boxes[0];
    txtLocalita = m_boxes[1];
    txtTel = m_boxes[2];
    txtDataNasc = m_boxes[3];
    txtCodFisc = m_boxes[4];
    txtPartitaIva = m_boxes[5];
    txtOccupazione = m_boxes[6];
    txtProdotti = m_boxes[7];
    txtQuestioni = m_boxes[8];
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

    // The notice goes up as the button is pressed, so it is on screen while
    // the search runs.
    connect(btnCerca, &QPushButton::pressed, this, [this] {
        lblAttendere->show();
        lblAttendere->repaint();
    });
    connect(btnCerca, &QPushButton::clicked, this, &ContactSearchWindow::search);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

void ContactSearchWindow::showEvent(QShowEvent *event)
{
    ListWindow::showEvent(event);
    if (event->spontaneous())
        return;
    resetSearch();
    txtNome->setFocus();
}

void ContactSearchWindow::done(int result)
{
    lstRecords->clear();
    lblAttendere->hide();
    ListWindow::done(result);
}

bool ContactSearchWindow::openedBy(const QString &opener) const
{
    return TextField::trimmed(lblMemory->text()) == opener;
}

ContactLists::Criteria ContactSearchWindow::criteria() const
{
    return {txtNome->text(),        txtLocalita->text(),    txtTel->text(),      txtDataNasc->text(),
            txtCodFisc->text(),     txtPartitaIva->text(),  txtOccupazione->text(), txtProdotti->text(),
            txtQuestioni->text(),   txtNote->text()};
}

void ContactSearchWindow::search()
{
    lblAttendere->show();
    const ContactLists::Criteria c = criteria();
    lblConta->setText(QString::number(ContactLists::filledCount(c)));
    QVector<ListRow> rows;
    try {
        rows = ContactLists::search(c);
    } catch (...) {
        lblAttendere->hide();
        Services::plain(this, ArchiveMessages::accessError());
        return;
    }
    lblAttendere->hide();
    setRows(std::move(rows));
    // No full stop here, unlike the payment search.
    lblTrovate->setText(QStringLiteral("Il presente riepilogo contiene %1 schede").arg(lstRecords->count()));
    pages()->setCurrentWidget(panContainer);
    resetSearch();
    txtTrova->setFocus();
}
