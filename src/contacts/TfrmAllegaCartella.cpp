#include "contacts/TfrmAllegaCartella.h"

#include "contacts/Attachments.h"
#include "platform/GuiServices.h"
#include "records/TextField.h"
#include "platform/FixedWindow.h"
#include "ui/widgets/PictureButton.h"
#include "ui/windows/TMisc.h"
#include "ui/widgets/Widgets.h"

#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

namespace {
QString numbered(const char *prefix, int k) { return QLatin1String(prefix) + QStringLiteral("0%1").arg(k); }
}

TfrmAllegaCartella::TfrmAllegaCartella(Opener opener, const QStringList &files, const QStringList &descriptions,
                                       QWidget *parent)
    : QDialog(parent)
    , m_opener(opener)
{
    setObjectName(QStringLiteral("TfrmAllegaCartella"));
    setWindowTitle(QStringLiteral(" Allega file"));
    setAttribute(Qt::WA_StyledBackground);

    auto *imgLogo = PictureButton::decoration(QStringLiteral("imgLogo"),
                                              QStringLiteral(":/pictures/cartella_allegati.svg"), QSize(64, 64), this);
    auto *lblTitolo = new QLabel(QStringLiteral("File allegati alla scheda"), this);
    lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    QFont bold = lblTitolo->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.25);
    lblTitolo->setFont(bold);
    auto *lblIstruzioni =
        new QLabel(QStringLiteral(
                       "Con \"Sfoglia...\" si sceglie un file di qualsiasi tipo: una copia viene conservata nella "
                       "cartella Documenti_Allegati del programma. Gli allegati entrano nella scheda quando, dopo "
                       "\"Applica e chiudi\", la si salva."),
                   this);
    lblIstruzioni->setObjectName(QStringLiteral("lblIstruzioni"));
    lblIstruzioni->setWordWrap(true);

    auto *heading = new QHBoxLayout;
    heading->setSpacing(14);
    heading->addWidget(imgLogo, 0, Qt::AlignTop);
    auto *headingText = new QVBoxLayout;
    headingText->setSpacing(4);
    headingText->addWidget(lblTitolo);
    headingText->addWidget(lblIstruzioni);
    heading->addLayout(headingText, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 16);
    layout->setSpacing(12);
    layout->addLayout(heading);

    static const char *const ordinals[] = {"1°", "2°", "3°"};
    for (int k = 1; k <= 3; ++k) {
        Slot &s = slot(k);
        auto *panel = new QFrame(this);
        panel->setObjectName(QStringLiteral("panAllegato"));
        auto *grid = new QGridLayout(panel);
        grid->setContentsMargins(12, 10, 12, 12);
        grid->setHorizontalSpacing(8);
        grid->setVerticalSpacing(4);

        auto *number = new QLabel(QString::number(k), panel);
        number->setObjectName(QStringLiteral("lblNumero"));
        number->setAlignment(Qt::AlignCenter);
        number->setFixedWidth(26);

        const QString ordinal = QString::fromUtf8(ordinals[k - 1]);
        s.file = new QLineEdit(panel);
        s.file->setObjectName(numbered("txtFile", k));
        s.file->setReadOnly(true);
        s.file->setMinimumWidth(380);
        s.empty = new PictureButton(numbered("imgCancella", k), QStringLiteral(":/pictures/cancella.svg"),
                                    QSize(24, 24), QStringLiteral("Svuota il %1 allegato").arg(ordinal), panel);
        s.browse = new QPushButton(QStringLiteral("Sfoglia..."), panel);
        s.browse->setObjectName(numbered("btnSfoglia", k));
        s.open = new QPushButton(QStringLiteral("Apri"), panel);
        s.open->setObjectName(numbered("btnApri", k));
        s.open->setEnabled(false);
        s.description = new QLineEdit(panel);
        s.description->setObjectName(numbered("txtDesc", k));
        // Any length: the record keeps what it can hold.
        s.description->setMaxLength(std::numeric_limits<int>::max());
        for (QPushButton *b : {s.browse, s.open})
            b->setAutoDefault(false);

        grid->addWidget(number, 0, 0, 4, 1, Qt::AlignTop);
        grid->addWidget(Widgets::caption(panel, QStringLiteral("Nome %1 file allegato:").arg(ordinal)), 0, 1, 1, 4);
        grid->addWidget(s.file, 1, 1);
        grid->addWidget(s.empty, 1, 2);
        grid->addWidget(s.browse, 1, 3);
        grid->addWidget(s.open, 1, 4);
        grid->addWidget(Widgets::caption(panel, QStringLiteral("Descrizione %1 file allegato:").arg(ordinal)), 2, 1, 1,
                        4);
        grid->addWidget(s.description, 3, 1, 1, 4);
        grid->setColumnStretch(1, 1);
        layout->addWidget(panel);

        connect(s.file, &QLineEdit::textChanged, this,
                [open = s.open](const QString &text) { open->setEnabled(!TextField::trimmed(text).isEmpty()); });
        connect(s.browse, &QPushButton::clicked, this, [this, k] { browse(k); });
        connect(s.open, &QPushButton::clicked, this, [this, k] { openFile(k); });
        connect(s.empty, &PictureButton::clicked, this, [this, k] { emptySlot(k); });
    }
    auto *btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    auto *btnApplica = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    btnApplica->setObjectName(QStringLiteral("btnApplica"));
    btnAnnulla->setAutoDefault(false);
    btnApplica->setDefault(true);
    for (QPushButton *b : {btnAnnulla, btnApplica})
        b->setMinimumWidth(140);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnAnnulla);
    buttons->addWidget(btnApplica);
    layout->addSpacing(4);
    layout->addLayout(buttons);

    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::apply);

    // The slots as the opener holds them, trimmed.
    for (int k = 1; k <= 3; ++k) {
        slot(k).file->setText(TextField::trimmed(files.value(k - 1)));
        slot(k).description->setText(TextField::trimmed(descriptions.value(k - 1)));
    }

    FixedWindow::apply(this);
    FixedWindow::centreOnScreen(this);
}

void TfrmAllegaCartella::browse(int k)
{
    Slot &s = slot(k);
    const QString chosen = Services::fileDialogs().openFile(this, QStringLiteral("Selezionare il file da allegare:"),
                                                            QStringLiteral("Tutti i file (*.*)"));
    if (chosen.isEmpty())
        return;
    const QString original = QFileInfo(chosen).fileName();
    // The name the record can hold exactly, so that Open finds what was copied.
    const QString name = Attachments::fieldName(original);
    try {
        Attachments::ensureFolder();
        if (name != original) {
            // A name made to fit may be another file's name made to fit
            // (документ and договор both come out as ________): the copy gets
            // a name of its own rather than replacing or sharing that file.
            s.file->setText(Attachments::copyAsNew(chosen, name));
            return;
        }
        const QString target = Attachments::pathOf(name);
        // A file chosen from the folder itself is already where it belongs.
        if (!Attachments::sameFile(chosen, target)) {
            if (QFileInfo::exists(target) && !Services::ask(this, Attachments::overwriteQuestion())) {
                // The slot now names the file already in the folder.
                s.file->setText(name);
                return;
            }
            Attachments::copy(chosen, target);
        }
        s.file->setText(name);
    } catch (const Attachments::AttachmentError &e) {
        // Nothing was copied: the slot keeps the name it had.
        Services::warning(this, Attachments::copyFailedWarning(original, e));
    }
}

void TfrmAllegaCartella::openFile(int k)
{
    const QString name = slot(k).file->text();
    // A record written elsewhere may name a file outside the folder.
    if (!Attachments::isInFolder(name)) {
        Services::warning(this, Attachments::outsideFolderWarning(name));
        return;
    }
    TMisc::Open(Attachments::openText(name));
}

void TfrmAllegaCartella::emptySlot(int k)
{
    // The file itself stays in the folder: another contact may name it too.
    slot(k).file->clear();
}

void TfrmAllegaCartella::apply()
{
    if (m_opener != Opener::ContactEditor)
        return;
    QStringList files, descriptions;
    for (const Slot &s : m_slots) {
        files << TextField::trimmed(s.file->text());
        descriptions << TextField::trimmed(s.description->text());
    }
    emit attachmentsApplied(files, descriptions);
    accept();
}
