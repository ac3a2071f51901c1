#include "ui/windows/SearchWindow.h"

#include "lists/CriteriaSearch.h"
#include "platform/GuiServices.h"
#include "records/ArchiveMessages.h"
#include "records/TextField.h"
#include "ui/entry/FieldRules.h"
#include "ui/widgets/FocusFrame.h"
#include "ui/widgets/RowList.h"
#include "ui/widgets/Widgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStackedLayout>
#include <QVBoxLayout>

SearchWindow::SearchWindow(const QString &name, const QString &caption, const QString &heading,
                           const QString &printTitle, const QString &intro, const QVector<CriterionBox> &boxes,
                           Opener opener, QWidget *parent)
    : ListWindow(name, caption, heading, printTitle, parent)
    , m_opener(opener)
{
    panAvvio = new QWidget(this);
    panAvvio->setObjectName(QStringLiteral("panAvvio"));
    auto *page = new QVBoxLayout(panAvvio);
    page->setContentsMargins(24, 16, 24, 16);
    auto *introLabel = new QLabel(intro, panAvvio);
    introLabel->setWordWrap(true);
    page->addWidget(introLabel);
    page->addSpacing(10);
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(10);
    const QFont bold = Widgets::boldFont(panAvvio, 12);
    for (int i = 0; i < boxes.size(); ++i) {
        const CriterionBox &criterion = boxes[i];
        auto *label = new QLabel(QString::fromUtf8(criterion.label), panAvvio);
        auto *box = new QLineEdit(panAvvio);
        box->setObjectName(QLatin1String(criterion.name));
        box->setFont(bold);
        label->setBuddy(box);
        const int row = (i / 2) * 2, column = i % 2;
        grid->addWidget(label, row, column);
        grid->addLayout(Widgets::framed(box, QLatin1String(criterion.frame)), row + 1, column);
        m_boxes.append(box);
    }
    m_rules = new FieldRules(this);
    m_rules->setEnterChain(QList<QWidget *>(m_boxes.begin(), m_boxes.end()));
    page->addLayout(grid);
    page->addStretch();

    auto *commands = new QHBoxLayout;
    lblAttendere = new QLabel(QStringLiteral("Ricerca schede in corso. Attendere..."), panAvvio);
    lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    lblAttendere->hide();
    // The number of criteria filled in at the last search, kept for the eye:
    // the search counts them itself.
    lblConta = new QLabel(QStringLiteral("0"), panAvvio);
    lblConta->setObjectName(QStringLiteral("lblConta"));
    lblConta->hide();
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
    connect(btnCerca, &QPushButton::clicked, this, &SearchWindow::search);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

void SearchWindow::showEvent(QShowEvent *event)
{
    ListWindow::showEvent(event);
    if (event->spontaneous())
        return;
    resetSearch();
    m_boxes.first()->setFocus();
}

void SearchWindow::done(int result)
{
    lstRecords->clear();
    lblAttendere->hide();
    ListWindow::done(result);
}

QStringList SearchWindow::criteriaTexts() const
{
    QStringList texts;
    for (const QLineEdit *box : m_boxes)
        texts << box->text();
    return texts;
}

void SearchWindow::search()
{
    lblAttendere->show();
    lblConta->setText(QString::number(CriteriaSearch::filledCount(criteriaTexts())));
    auto found = findRows();
    lblAttendere->hide();
    if (!found.complete()) {
        // Nothing is listed from an archive that was not read to the end: the
        // criteria stay, to search again.
        Services::plain(this, ArchiveMessages::accessError());
        return;
    }
    setRows(std::move(found.rows));
    lblTrovate->setText(countText(lstRecords->count()));
    pages()->setCurrentWidget(panContainer);
    resetSearch();
    txtTrova->setFocus();
}
