// The payment and contact cards on paper, and the three windows that print them.
#include "Controls.h"
#include "TestServices.h"

#include "contacts/ContactCard.h"
#include "contacts/TfrmStampaAnagrafica.h"
#include "payments/PaymentCard.h"
#include "payments/TfrmStampaScadenza.h"
#include "payments/TfrmStartup.h"
#include "report/CardReport.h"
#include "report/ReportOutput.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <functional>

using Rows = QList<QPair<QString, QString>>; // label, printed value

namespace {

const QString kPrintFailed = QStringLiteral("Attenzione: la stampa della scheda non è andata a buon fine.\n\r\n\r"
                                            "Si consiglia di controllare le impostazioni della stampante.");
const QString kPreviewFailed = QStringLiteral("Attenzione: non è stato possibile mostrare l'anteprima di stampa.");

// Page geometry of the cards, in millimetres from the sheet's top-left corner.
constexpr qreal kMargin = 10;
constexpr qreal kPtToMm = 25.4 / 72.0;
QRectF rowArea(int row) { return QRectF(kMargin + 1, kMargin + 7 + 5 * row, 188, 4.6); }
QRectF labelArea(int row) { return QRectF(kMargin + 2, rowArea(row).top(), 37.8, 4.6); }
QRectF valueArea(int row) { return QRectF(kMargin + 44, rowArea(row).top(), 144, 4.6); }
QRectF titleArea() { return QRectF(kMargin + 1, kMargin + 1, 188, 5.8); }
QRectF footerArea(qreal top) { return QRectF(kMargin + 1, kMargin + top, 188, 5.8); }

PaymentRecord samplePayment()
{
    PaymentRecord p;
    p.Data = QStringLiteral("15/05/2025");
    p.OreApp = QStringLiteral("09");
    p.MinutiApp = QStringLiteral("30");
    p.Ora = QStringLiteral("08:00");
    p.Avviso = QStringLiteral("3");
    p.Tipologia = QStringLiteral("In uscita");
    p.Causale = QStringLiteral("Affitto ufficio");
    p.Dettagli = QStringLiteral("Rata di maggio: 850 € è dovuta");
    p.Contatto = QStringLiteral("Rossi Mario S.r.l.");
    p.Tel = QStringLiteral("02 1234567");
    p.Cel = QStringLiteral("333 1234567");
    p.Email = QStringLiteral("mario.rossi@example.it");
    p.Luogo = QStringLiteral("Milano, via Dante 4");
    p.Importo = QStringLiteral("850,00");
    p.Note = QStringLiteral("Pagare entro fine mese");
    p.Ottemperata = QStringLiteral("No");
    return p;
}

Rows samplePaymentRows()
{
    return {
        {"Data scadenza:", "15/05/2025"},
        {"Ora:", "09:30"},
        {"Tipologia:", "In uscita"},
        {"Causale:", "Affitto ufficio"},
        {"Dettagli:", QStringLiteral("Rata di maggio: 850 € è dovuta")},
        {"Persona / Ditta:", "Rossi Mario S.r.l."},
        {"Telefono:", "02 1234567"},
        {"Cellulare:", "333 1234567"},
        {"E-mail:", "mario.rossi@example.it"},
        {"Luogo:", "Milano, via Dante 4"},
        {"Importo:", "850,00"},
        {"Note:", "Pagare entro fine mese"},
        {"Impegno assolto:", "No"},
    };
}

ContactRecord sampleContact()
{
    ContactRecord c;
    c.Nome = QStringLiteral("Bianchi Luigi");
    c.Indirizzo = QStringLiteral("Via Roma");
    c.Num = QStringLiteral("12/A");
    c.Cap01 = QStringLiteral("2");
    c.Cap02 = QStringLiteral("0");
    c.Cap03 = QStringLiteral("1");
    c.Cap04 = QStringLiteral("2");
    c.Cap05 = QStringLiteral("1");
    c.Localita = QStringLiteral("Milano");
    c.Prov01 = QStringLiteral("M");
    c.Prov02 = QStringLiteral("I");
    c.Tel = QStringLiteral("02 5550101");
    c.Email = QStringLiteral("luigi.bianchi@example.it");
    c.DataNasc = QStringLiteral("01/02/1970");
    c.Sesso = QStringLiteral("M");
    c.LuogoNasc = QStringLiteral("Torino");
    c.CodFisc = QStringLiteral("BNCLGU70B01L219X");
    c.PartitaIva = QStringLiteral("12345678903");
    c.Iban = QStringLiteral("IT60X0542811101000000123456");
    c.Pec = QStringLiteral("luigi.bianchi@pec.example.it");
    c.Carta = QStringLiteral("4111 1111 1111 1111");
    c.ScadeCarta = QStringLiteral("12/2027");
    c.Cel = QStringLiteral("333 9990001");
    c.Cittadinanza = QStringLiteral("Italiana");
    c.Occupazione = QStringLiteral("Ingegnere");
    c.Civile = QStringLiteral("Coniugato");
    c.TipoDoc = QStringLiteral("Carta d'identità AB1234567");
    c.EnteRil = QStringLiteral("Comune di Milano");
    c.DataRil = QStringLiteral("01/01/2020");
    c.DataSca = QStringLiteral("01/01/2030");
    c.Prodotti = QStringLiteral("Consulenza fiscale");
    c.Questioni = QStringLiteral("Manca la ricevuta di aprile");
    c.Note = QStringLiteral("Preferisce essere chiamato la mattina");
    c.File01 = QStringLiteral("contratto.pdf");
    c.Desc01 = QStringLiteral("Contratto firmato");
    return c;
}

Rows sampleContactRows()
{
    return {
        {"Cognome, nome o Rag. soc.", "Bianchi Luigi"},
        {"Codice fiscale:", "BNCLGU70B01L219X"},
        {"Sesso:", "M"},
        {"Data di nascita:", "01/02/1970"},
        {"Luogo di nascita:", "Torino"},
        {"Partita IVA:", "12345678903"},
        {"Via e numero civico:", "Via Roma 12/A"},
        {"CAP:", "20121"},
        {QStringLiteral("Località:"), "Milano MI"},
        {"Stato civile:", "Coniugato"},
        {"Tel.", "02 5550101"},
        {"E-mail:", "luigi.bianchi@example.it"},
        {"IBAN:", "IT60X0542811101000000123456"},
        {"PEC:", "luigi.bianchi@pec.example.it"},
        {"Carta di credito n.", "4111 1111 1111 1111"},
        {"Scadenza carta di credito:", "12/2027"},
        {"Tel. cellulare:", "333 9990001"},
        {"Cittadinanza:", "Italiana"},
        {"Occupazione:", "Ingegnere"},
        {"Documento (tipo e numero):", QStringLiteral("Carta d'identità AB1234567")},
        {"Ente di rilascio:", "Comune di Milano"},
        {"Data di rilascio:", "01/01/2020"},
        {"Data di scadenza:", "01/01/2030"},
        {"Prodotti di interesse:", "Consulenza fiscale"},
        {"Questioni in sospeso:", "Manca la ricevuta di aprile"},
        {"Note:", "Preferisce essere chiamato la mattina"},
    };
}

ReportLayout paymentLayout()
{
    return CardReport::layout(PaymentCard::layoutName(), PaymentCard::title(), PaymentCard::labels(),
                              PaymentCard::boxes(), PaymentCard::FooterTop);
}

ReportLayout contactLayout()
{
    return CardReport::layout(ContactCard::layoutName(), ContactCard::title(), ContactCard::labels(),
                              ContactCard::boxes(), ContactCard::FooterTop);
}

// One word as pdftotext places it, in millimetres from the sheet's top-left corner.
struct Word {
    QRectF box;
    QString text;
    qreal heightPt;
};

QString unescaped(QString s)
{
    return s.replace(QLatin1String("&lt;"), QLatin1String("<"))
        .replace(QLatin1String("&gt;"), QLatin1String(">"))
        .replace(QLatin1String("&quot;"), QLatin1String("\""))
        .replace(QLatin1String("&apos;"), QLatin1String("'"))
        .replace(QLatin1String("&amp;"), QLatin1String("&"));
}

QVector<Word> pdfWords(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>)re"));
    QVector<Word> out;
    const QString xml = QString::fromUtf8(p.readAllStandardOutput());
    for (auto it = word.globalMatch(xml); it.hasNext();) {
        const auto m = it.next();
        const qreal x0 = m.captured(1).toDouble(), y0 = m.captured(2).toDouble();
        const qreal x1 = m.captured(3).toDouble(), y1 = m.captured(4).toDouble();
        out.append({QRectF(QPointF(x0, y0) * kPtToMm, QPointF(x1, y1) * kPtToMm), unescaped(m.captured(5)), y1 - y0});
    }
    return out;
}

// The words whose centre lies in the area, left to right.
QVector<Word> wordsIn(const QVector<Word> &words, const QRectF &area)
{
    QVector<Word> out;
    for (const Word &w : words)
        if (area.contains(w.box.center()))
            out.append(w);
    std::sort(out.begin(), out.end(), [](const Word &a, const Word &b) { return a.box.left() < b.box.left(); });
    return out;
}

QString textOf(const QVector<Word> &words)
{
    QStringList parts;
    for (const Word &w : words)
        parts << w.text;
    return parts.join(QLatin1Char(' '));
}

// Every word lies wholly inside the area (pdftotext rounds a little).
bool inside(const QVector<Word> &words, const QRectF &area)
{
    const QRectF loose = area.adjusted(-0.15, -0.15, 0.15, 0.15);
    for (const Word &w : words)
        if (!loose.contains(w.box))
            return false;
    return true;
}

QStringList pdfFonts(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral("pdffonts"), {path});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    QStringList names;
    const QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString &line : lines.mid(2))
        names << line.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
    return names;
}

// The first page rendered by poppler, at dpi.
QImage pdfImage(const QString &path, int dpi)
{
    const QString prefix = path + QStringLiteral("-page");
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"),
                                         QStringLiteral("-singlefile"), path, prefix});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    return QImage(prefix + QStringLiteral(".png"));
}

bool near(QColor a, QColor b, int tolerance = 10)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
           && qAbs(a.blue() - b.blue()) <= tolerance;
}

// The darkest grey around a point, so that a thin line is found however it falls on the pixels.
int darkest(const QImage &image, QPointF mm, int dpi)
{
    const QPoint c = (mm * dpi / 25.4).toPoint();
    int out = 255;
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy)
            out = std::min(out, qGray(image.pixel(c + QPoint(dx, dy))));
    return out;
}

QColor colourAt(const QImage &image, QPointF mm, int dpi) { return image.pixelColor((mm * dpi / 25.4).toPoint()); }

// The line of pdftotext -layout holding a label, the value after it on the same line.
bool layoutLineHas(const QString &text, const QString &label, const QString &value)
{
    const QRegularExpression line(QStringLiteral("^\\s*") + QRegularExpression::escape(label) + QStringLiteral("\\s+")
                                      + QRegularExpression::escape(value) + QStringLiteral("\\s*$"),
                                  QRegularExpression::MultilineOption);
    return line.match(text).hasMatch();
}

enum class Window { PaymentPrint, PaymentPreview, ContactPrint };

struct CardWindow {
    std::unique_ptr<QDialog> dialog;
    ReportLayout *layout = nullptr;
    QPushButton *annulla = nullptr;
    QPushButton *stampa = nullptr;
};

CardWindow makeWindow(Window kind, QWidget *parent = nullptr)
{
    CardWindow w;
    if (kind == Window::ContactPrint) {
        auto *d = new TfrmStampaAnagrafica(parent);
        d->setContact(sampleContact());
        w.dialog.reset(d);
        w.layout = &d->repDocumento;
        w.annulla = child<QPushButton>(d, "btnAnnulla");
        w.stampa = child<QPushButton>(d, "btnStampa");
        return w;
    }
    PaymentCardWindow *d = kind == Window::PaymentPrint
                               ? static_cast<PaymentCardWindow *>(new TfrmStampaScadenza(parent))
                               : new TfrmStartup(parent);
    d->setPayment(samplePayment());
    w.dialog.reset(d);
    w.layout = &d->repDocumento;
    w.annulla = child<QPushButton>(d, "btnAnnulla");
    w.stampa = child<QPushButton>(d, "btnStampa");
    return w;
}

// Drops a text box from a layout, as a damaged layout would lack it.
bool removeBox(ReportLayout &layout, const QString &name)
{
    for (ReportBand &band : layout.bands)
        for (int i = 0; i < band.texts.size(); ++i)
            if (band.texts[i].name == name) {
                band.texts.removeAt(i);
                return true;
            }
    return false;
}

struct ModalRun {
    bool ran = false;
    bool openAfter = false; // the window still open after the click
    int result = -1;
};

// Runs the window modally as its opener does and clicks the button once it is
// up; a window left open is closed afterwards, so a failing check never hangs.
ModalRun clickInModal(QDialog *dialog, QPushButton *button)
{
    ModalRun run;
    QTimer::singleShot(0, dialog, [&] {
        run.ran = QApplication::activeModalWidget() == dialog;
        button->click();
        run.openAfter = dialog->isVisible();
        if (dialog->isVisible())
            dialog->done(-2);
    });
    run.result = dialog->exec();
    return run;
}

}

class TestCardPrints : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnvironment> m_env;
    QTemporaryDir m_pdfs;

    QString render(const PreparedReport &card, const QString &name)
    {
        const QString path = m_pdfs.filePath(name + QStringLiteral(".pdf"));
        return card.writePdf(path) ? path : QString();
    }

private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(QDate(2025, 5, 15), QTime(9, 5, 7)); }
    void cleanup() { m_env.reset(); }

    void cardOnPaper_data()
    {
        QTest::addColumn<bool>("payment");
        QTest::addColumn<QString>("title");
        QTest::addColumn<qreal>("footerTop");
        QTest::addColumn<Rows>("rows");
        QTest::newRow("payment") << true << "SCHEDA PAGAMENTO" << qreal(76) << samplePaymentRows();
        QTest::newRow("contact") << false << "SCHEDA ANAGRAFICA" << qreal(138) << sampleContactRows();
    }
    void cardOnPaper()
    {
        QFETCH(bool, payment);
        QFETCH(QString, title);
        QFETCH(qreal, footerTop);
        QFETCH(Rows, rows);
        const QDate date(2025, 5, 15);
        const QTime time(9, 5, 7);
        const PreparedReport card =
            payment ? CardReport::prepare(paymentLayout(), PaymentCard::values(samplePayment()), date, time)
                    : CardReport::prepare(contactLayout(), ContactCard::values(sampleContact()), date, time);
        QCOMPARE(card.pageCount(), 1);
        const QString pdf = render(card, QTest::currentDataTag());
        QVERIFY(!pdf.isEmpty());
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("1"));
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Page size")), QStringLiteral("595 x 842 pts (A4)"));

        // Arial, or the face that stands in for it with the same metrics.
        const QStringList fonts = pdfFonts(pdf);
        QVERIFY(!fonts.isEmpty());
        for (const QString &font : fonts)
            QVERIFY2(font.contains(QLatin1String("LiberationSans")) || font.contains(QLatin1String("Arial")),
                     qPrintable(fonts.join(u' ')));

        // Every label and value on the line of its row, as pdftotext lays the page out.
        const QString layoutText = pdfText(pdf);
        for (const auto &[label, value] : rows)
            QVERIFY2(layoutLineHas(layoutText, label, value), qPrintable(label + u' ' + value + u'\n' + layoutText));
        const QString footer = QStringLiteral("Stampa eseguita in data 15/05/2025 alle ore 09:05:07");
        QVERIFY(layoutText.contains(title));
        QVERIFY(layoutText.contains(footer));

        // And where each one stands: labels at 2 mm, values at 44 mm, within their row, in 7 pt.
        const QVector<Word> words = pdfWords(pdf);
        QVERIFY(!words.isEmpty());
        for (int i = 0; i < rows.size(); ++i) {
            const QVector<Word> label = wordsIn(words, labelArea(i));
            const QVector<Word> value = wordsIn(words, valueArea(i));
            QCOMPARE(textOf(label), rows[i].first);
            QCOMPARE(textOf(value), rows[i].second);
            QVERIFY2(inside(label, labelArea(i)) && inside(value, valueArea(i)), qPrintable(rows[i].first));
            QVERIFY(qAbs(label.first().box.left() - labelArea(i).left()) < 0.3);
            QVERIFY(qAbs(value.first().box.left() - valueArea(i).left()) < 0.3);
            for (const Word &w : label + value)
                QVERIFY2(w.heightPt > 7.3 && w.heightPt < 8.3, qPrintable(w.text)); // 7 pt
        }
        // Nothing else on the page but the title and the footer.
        const qreal rowsBottom = rowArea(int(rows.size()) - 1).bottom();
        for (const Word &w : words) {
            const qreal y = w.box.center().y();
            QVERIFY2((y > rowArea(0).top() && y < rowsBottom) || titleArea().contains(w.box.center())
                         || footerArea(footerTop).contains(w.box.center()),
                     qPrintable(w.text));
        }

        // Title and footer centred on their bands, in 9 and 8 pt.
        const QVector<Word> titleWords = wordsIn(words, titleArea());
        QCOMPARE(textOf(titleWords), title);
        QVERIFY(inside(titleWords, titleArea()));
        const qreal titleMiddle = (titleWords.first().box.left() + titleWords.last().box.right()) / 2;
        QVERIFY2(qAbs(titleMiddle - titleArea().center().x()) < 0.5, qPrintable(QString::number(titleMiddle)));
        QVERIFY(titleWords.first().heightPt > 9.5 && titleWords.first().heightPt < 10.6);
        const QVector<Word> footerWords = wordsIn(words, footerArea(footerTop));
        QCOMPARE(textOf(footerWords), footer);
        QVERIFY(inside(footerWords, footerArea(footerTop)));
        const qreal footerMiddle = (footerWords.first().box.left() + footerWords.last().box.right()) / 2;
        QVERIFY(qAbs(footerMiddle - footerArea(footerTop).center().x()) < 0.5);
        QVERIFY(footerWords.first().heightPt > 8.4 && footerWords.first().heightPt < 9.5);
        QVERIFY(qAbs(footerWords.first().box.center().y() - footerArea(footerTop).center().y()) < 0.6);
    }

    void cardFramesAndBands_data()
    {
        QTest::addColumn<bool>("payment");
        QTest::addColumn<int>("rows");
        QTest::addColumn<qreal>("footerTop");
        QTest::newRow("payment") << true << 13 << qreal(76);
        QTest::newRow("contact") << false << 26 << qreal(138);
    }
    void cardFramesAndBands()
    {
        QFETCH(bool, payment);
        QFETCH(int, rows);
        QFETCH(qreal, footerTop);
        const PreparedReport card = payment ? CardReport::prepare(paymentLayout(), PaymentCard::values(PaymentRecord()),
                                                                  QDate(2025, 5, 15), QTime())
                                            : CardReport::prepare(contactLayout(), ContactCard::values(ContactRecord()),
                                                                  QDate(2025, 5, 15), QTime());
        const int dpi = 150;
        const QImage page = pdfImage(render(card, QTest::currentDataTag()), dpi);
        QVERIFY(!page.isNull());
        QCOMPARE(page.width(), qRound(210 * dpi / 25.4));

        const QColor lightSteelBlue(0xB0, 0xC4, 0xDE), gold(0xFF, 0xD7, 0x00);
        QVERIFY(near(colourAt(page, {kMargin + 20, kMargin + 4}, dpi), lightSteelBlue));
        QVERIFY(near(colourAt(page, {kMargin + 180, kMargin + 2}, dpi), lightSteelBlue));
        QVERIFY(near(colourAt(page, {kMargin + 20, kMargin + footerTop + 2.9}, dpi), gold));
        QVERIFY(near(colourAt(page, {kMargin + 180, kMargin + footerTop + 4.5}, dpi), gold));
        // White around the bands and between the last row and the footer.
        QVERIFY(near(colourAt(page, {kMargin + 20, kMargin + footerTop + 7.5}, dpi), Qt::white));
        QVERIFY(near(colourAt(page, {kMargin + 20, kMargin + footerTop - 0.8}, dpi), Qt::white));
        QVERIFY(near(colourAt(page, {kMargin + 20, kMargin + 0.3}, dpi), Qt::white));
        QVERIFY(near(colourAt(page, {kMargin + 192, kMargin + 20}, dpi), Qt::white));

        for (int i = 0; i < rows; ++i) {
            const QRectF row = rowArea(i);
            // The frame's four sides, and no fill inside it.
            QVERIFY2(darkest(page, {kMargin + 100, row.top()}, dpi) < 128, qPrintable(QString::number(i)));
            QVERIFY(darkest(page, {kMargin + 100, row.bottom()}, dpi) < 128);
            QVERIFY(darkest(page, {row.left(), row.center().y()}, dpi) < 128);
            QVERIFY(darkest(page, {row.right(), row.center().y()}, dpi) < 128);
            QVERIFY(near(colourAt(page, {kMargin + 150, row.center().y()}, dpi), Qt::white));
            // The column line between label and value.
            QVERIFY(darkest(page, {kMargin + 42, row.center().y()}, dpi) < 128);
            QVERIFY(near(colourAt(page, {kMargin + 40.6, row.center().y()}, dpi), Qt::white));
        }
        // The column line stops with the last row.
        const qreal gap = rowArea(rows - 1).bottom() + (footerTop + kMargin - rowArea(rows - 1).bottom()) / 2;
        QVERIFY(near(colourAt(page, {kMargin + 42, gap}, dpi), Qt::white));
        QVERIFY(near(colourAt(page, {kMargin + 42, kMargin + 4}, dpi), lightSteelBlue));
    }

    void longTextsStopAtTheirBox_data()
    {
        QTest::addColumn<bool>("payment");
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("row");
        QTest::newRow("payment cause") << true << "txtCausale" << 3;
        QTest::newRow("payment notes") << true << "txtNote" << 11;
        QTest::newRow("contact notes, the last row") << false << "txtNote" << 25;
        QTest::newRow("contact name, the first row") << false << "txtNome" << 0;
    }
    void longTextsStopAtTheirBox()
    {
        QFETCH(bool, payment);
        QFETCH(QString, box);
        QFETCH(int, row);
        QString longText;
        for (int i = 0; longText.size() < 250; ++i)
            longText += QStringLiteral("parola%1 ").arg(i, 3, 10, QLatin1Char('0'));
        longText.truncate(250);
        QList<QPair<QString, QString>> values =
            payment ? PaymentCard::values(PaymentRecord()) : ContactCard::values(ContactRecord());
        for (auto &v : values)
            if (v.first == box)
                v.second = longText;
        const PreparedReport card = CardReport::prepare(payment ? paymentLayout() : contactLayout(), values,
                                                        QDate(2025, 5, 15), QTime(9, 5, 7));
        QCOMPARE(card.pageCount(), 1);
        const QString pdf = render(card, QTest::currentDataTag());
        QCOMPARE(pdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("1"));

        const QVector<Word> words = pdfWords(pdf);
        const QVector<Word> printed = wordsIn(words, valueArea(row));
        const QString shown = textOf(printed);
        // A start of the text, cut at the box's right edge and no sooner than one word before it.
        QVERIFY2(longText.startsWith(shown) && shown.size() < longText.size(), qPrintable(shown));
        QVERIFY(shown.size() > 100);
        QVERIFY(inside(printed, valueArea(row)));
        QVERIFY2(printed.last().box.right() > valueArea(row).right() - 12,
                 qPrintable(QString::number(printed.last().box.right())));
        // Nothing of it wraps onto a second line or into a neighbour's row.
        for (const Word &w : words)
            if (!valueArea(row).contains(w.box.center()))
                QVERIFY2(!w.text.startsWith(QLatin1String("par")), qPrintable(w.text));
        const QStringList lines = pdfText(pdf).split(u'\n').filter(QStringLiteral("parola"));
        QCOMPARE(lines.size(), 1);
    }

    void textsPrintLiterally()
    {
        // A value is never taken for a field to fill in, nor a line break for a second line.
        QList<QPair<QString, QString>> values = ContactCard::values(ContactRecord());
        values[25].second = QStringLiteral("[DATE] & <b>due</b>\r\nrighe");
        const QString pdf = render(CardReport::prepare(contactLayout(), values, QDate(2025, 5, 15), QTime(9, 5, 7)),
                                   QStringLiteral("literal"));
        QCOMPARE(textOf(wordsIn(pdfWords(pdf), valueArea(25))), QStringLiteral("[DATE] & <b>due</b> righe"));
    }

    void cardFooterText()
    {
        QCOMPARE(CardReport::footerText(QDate(2025, 1, 2), QTime(3, 4, 5)),
                 QStringLiteral("Stampa eseguita in data 02/01/2025 alle ore 03:04:05"));
        QCOMPARE(CardReport::footerText(QDate(2024, 12, 31), QTime(23, 59, 59)),
                 QStringLiteral("Stampa eseguita in data 31/12/2024 alle ore 23:59:59"));
    }

    void missingBoxIsAFailure()
    {
        ReportLayout layout = paymentLayout();
        QVERIFY(removeBox(layout, QStringLiteral("txtDettagli")));
        try {
            CardReport::prepare(layout, PaymentCard::values(samplePayment()), QDate(2025, 5, 15), QTime());
            QFAIL("a layout without txtDettagli was filled");
        } catch (const ReportError &e) {
            QVERIFY2(e.message().contains(QLatin1String("txtDettagli")), qPrintable(e.message()));
        }
        ReportLayout noFooter = contactLayout();
        QVERIFY(removeBox(noFooter, QStringLiteral("txtCalce")));
        QVERIFY_THROWS_EXCEPTION(ReportError, CardReport::prepare(noFooter, ContactCard::values(sampleContact()),
                                                                  QDate(2025, 5, 15), QTime()));
    }

    void printerThatWillNotOpenFails()
    {
        const PreparedReport card =
            CardReport::prepare(paymentLayout(), PaymentCard::values(samplePayment()), QDate(2025, 5, 15), QTime());
        QPrinter good(QPrinter::HighResolution);
        good.setOutputFormat(QPrinter::PdfFormat);
        good.setOutputFileName(m_pdfs.filePath(QStringLiteral("printer.pdf")));
        QCOMPARE(printOn(good, card), PrintResult::Printed);
        QCOMPARE(pdfInfo(good.outputFileName(), QStringLiteral("Pages")), QStringLiteral("1"));
        QCOMPARE(pdfInfo(good.outputFileName(), QStringLiteral("Page size")), QStringLiteral("595 x 842 pts (A4)"));

        QPrinter unwritable(QPrinter::HighResolution);
        unwritable.setOutputFormat(QPrinter::PdfFormat);
        unwritable.setOutputFileName(m_pdfs.filePath(QStringLiteral("no such folder/printer.pdf")));
        // Qt says so on the console as well.
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QCOMPARE(printOn(unwritable, card), PrintResult::Failed);
        QVERIFY(!card.writePdf(m_pdfs.filePath(QStringLiteral("no such folder/card.pdf"))));
    }

    void previewToolbar()
    {
        QPrinter printer(QPrinter::HighResolution);
        QPrintPreviewDialog dialog(&printer);
        setUpPreview(dialog);
        QToolBar *toolbar = dialog.findChild<QToolBar *>();
        QVERIFY(toolbar);
        QHash<QString, QAction *> actions;
        for (QAction *a : toolbar->actions())
            if (!a->objectName().isEmpty())
                actions.insert(a->objectName(), a);
        for (const char *name : {"printAction", "zoomInAction", "zoomOutAction", "fitWidthAction", "fitPageAction",
                                 "fullScreenAction", "closeAction"})
            QVERIFY2(actions.contains(QLatin1String(name)), name);
        // The card keeps its page: no orientation or page set-up to change it.
        for (QAction *a : toolbar->actions())
            for (const char *gone : {"Portrait", "Landscape", "Page setup"})
                QVERIFY2(a->text() != QCoreApplication::translate("QPrintPreviewDialog", gone), gone);
        for (int i = 1; i < toolbar->actions().size(); ++i)
            QVERIFY(!(toolbar->actions()[i]->isSeparator() && toolbar->actions()[i - 1]->isSeparator()));

        actions["fullScreenAction"]->trigger();
        QVERIFY(dialog.windowState() & Qt::WindowFullScreen);
        actions["fullScreenAction"]->trigger();
        QVERIFY(!(dialog.windowState() & Qt::WindowFullScreen));
        QSignalSpy closed(&dialog, &QDialog::rejected);
        actions["closeAction"]->trigger();
        QCOMPARE(closed.count(), 1);
    }

    void windowsAsDescribed_data()
    {
        QTest::addColumn<Window>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("layoutName");
        QTest::newRow("payment print") << Window::PaymentPrint << "TfrmStampaScadenza"
                                       << " Stampa scheda"
                                       << "Stampa"
                                       << "Scheda Pagamento";
        QTest::newRow("payment preview") << Window::PaymentPreview << "TfrmStartup"
                                         << " Anteprima di stampa"
                                         << "Mostra anteprima"
                                         << "Scheda Pagamento";
        QTest::newRow("contact print") << Window::ContactPrint << "TfrmStampaAnagrafica"
                                       << " Stampa scheda"
                                       << "Stampa"
                                       << "Scheda Anagrafica";
    }
    void windowsAsDescribed()
    {
        QFETCH(Window, kind);
        QWidget owner;
        owner.setGeometry(200, 150, 900, 700);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        CardWindow w = makeWindow(kind, &owner);
        QTEST(w.dialog->objectName(), "name");
        QTEST(w.dialog->windowTitle(), "caption");
        QCOMPARE(w.annulla->objectName(), QStringLiteral("btnAnnulla"));
        QCOMPARE(w.annulla->text(), QStringLiteral("Annulla"));
        QCOMPARE(w.stampa->objectName(), QStringLiteral("btnStampa"));
        QTEST(w.stampa->text(), "action");
        QTEST(w.layout->name, "layoutName");
        QVERIFY(!child<QLabel>(w.dialog, QStringLiteral("lblIstruzioni"))->text().isEmpty());

        const Qt::WindowFlags flags = w.dialog->windowFlags();
        QVERIFY(!(flags
                  & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                     | Qt::WindowContextHelpButtonHint)));
        w.dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.dialog.get()));
        QCOMPARE(w.dialog->minimumSize(), w.dialog->maximumSize());
        const QPoint offset = w.dialog->frameGeometry().center() - owner.frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 4, qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
        // The buttons and the pictures fit inside the window.
        for (QWidget *child : w.dialog->findChildren<QWidget *>())
            if (child->isVisible())
                QVERIFY2(w.dialog->rect().contains(QRect(child->mapTo(w.dialog.get(), QPoint()), child->size())),
                         qPrintable(child->objectName()));
        // The instructions are read whole, none of their lines cut off.
        const QLabel *instructions = w.dialog->findChild<QLabel *>(QStringLiteral("lblIstruzioni"));
        QVERIFY2(instructions->height() >= instructions->heightForWidth(instructions->width()),
                 qPrintable(QStringLiteral("%1 < %2")
                                .arg(instructions->height())
                                .arg(instructions->heightForWidth(instructions->width()))));
    }

    void actionFillsAndHandsOnTheCard_data()
    {
        QTest::addColumn<Window>("kind");
        QTest::newRow("payment print") << Window::PaymentPrint;
        QTest::newRow("payment preview") << Window::PaymentPreview;
        QTest::newRow("contact print") << Window::ContactPrint;
    }
    void actionFillsAndHandsOnTheCard()
    {
        QFETCH(Window, kind);
        CardWindow w = makeWindow(kind);
        const ModalRun run = clickInModal(w.dialog.get(), w.stampa);
        QVERIFY2(run.ran, "the window was not the modal one");
        QVERIFY2(!run.openAfter, "the window stayed open");
        QCOMPARE(run.result, int(QDialog::Accepted));
        QVERIFY2(m_env->dialogs.shown.isEmpty(), qPrintable(m_env->dialogs.texts().join(u'|')));

        const bool preview = kind == Window::PaymentPreview;
        const QStringList &pdfs = preview ? m_env->reports.previewed : m_env->reports.printed;
        QCOMPARE(pdfs.size(), 1);
        QCOMPARE((preview ? m_env->reports.printed : m_env->reports.previewed).size(), 0);
        QCOMPARE(m_env->reports.titles, QStringList {w.layout->name});
        QCOMPARE(pdfInfo(pdfs[0], QStringLiteral("Pages")), QStringLiteral("1"));
        const QString text = pdfText(pdfs[0]);
        const Rows rows = kind == Window::ContactPrint ? sampleContactRows() : samplePaymentRows();
        for (const auto &[label, value] : rows)
            QVERIFY2(layoutLineHas(text, label, value), qPrintable(label));
        QVERIFY(text.contains(QStringLiteral("Stampa eseguita in data 15/05/2025 alle ore 09:05:07")));
        // The window's own layout keeps its design texts for the next time.
        QVERIFY(w.layout->text(QStringLiteral("txtCalce")));
        QCOMPARE(w.layout->text(QStringLiteral("txtCalce"))->text, QStringLiteral("Data e ora stampa"));
    }

    void paymentCardAsTheEditorShowsIt_data()
    {
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("settled");
        QTest::addColumn<QString>("timeRow");
        QTest::addColumn<QString>("settledRow");
        QTest::newRow("hour emptied, unchecked") << ""
                                                 << "No"
                                                 << ":30"
                                                 << "No";
        QTest::newRow("checked") << "09" << QStringLiteral("Sì") << "09:30" << QStringLiteral("Sì");
    }
    void paymentCardAsTheEditorShowsIt()
    {
        QFETCH(QString, hour);
        QFETCH(QString, settled);
        for (Window kind : {Window::PaymentPrint, Window::PaymentPreview}) {
            CardWindow w = makeWindow(kind);
            // A card never saved: no record number, an empty date, the boxes as typed.
            PaymentRecord shown = samplePayment();
            shown.Data.clear();
            shown.OreApp = hour;
            shown.Ottemperata = settled;
            static_cast<PaymentCardWindow *>(w.dialog.get())->setPayment(shown);
            QVERIFY(clickInModal(w.dialog.get(), w.stampa).ran);
        }
        QCOMPARE(m_env->reports.printed.size(), 1);
        QCOMPARE(m_env->reports.previewed.size(), 1);
        for (const QString &pdf : {m_env->reports.printed[0], m_env->reports.previewed[0]}) {
            const QVector<Word> words = pdfWords(pdf);
            QCOMPARE(textOf(wordsIn(words, valueArea(0))), QString());
            QTEST(textOf(wordsIn(words, valueArea(1))), "timeRow");
            QTEST(textOf(wordsIn(words, valueArea(12))), "settledRow");
            QCOMPARE(textOf(wordsIn(words, valueArea(3))), QStringLiteral("Affitto ufficio"));
        }
    }

    void cancelledPrintSaysNothing_data()
    {
        QTest::addColumn<Window>("kind");
        QTest::newRow("payment print") << Window::PaymentPrint;
        QTest::newRow("contact print") << Window::ContactPrint;
    }
    void cancelledPrintSaysNothing()
    {
        QFETCH(Window, kind);
        m_env->reports.printAnswer = PrintResult::Cancelled;
        CardWindow w = makeWindow(kind);
        const ModalRun run = clickInModal(w.dialog.get(), w.stampa);
        QVERIFY(run.ran);
        QVERIFY2(!run.openAfter, "the window stayed open");
        QCOMPARE(m_env->reports.printRequests, 1);
        QVERIFY(m_env->reports.printed.isEmpty());
        QVERIFY2(m_env->dialogs.shown.isEmpty(), qPrintable(m_env->dialogs.texts().join(u'|')));
    }

    void failedPrintWarns_data()
    {
        QTest::addColumn<Window>("kind");
        QTest::addColumn<QString>("missingBox");
        QTest::addColumn<int>("printRequests");
        QTest::newRow("payment, printer error") << Window::PaymentPrint << QString() << 1;
        QTest::newRow("payment, box missing") << Window::PaymentPrint << "txtNote" << 0;
        QTest::newRow("payment, settled box missing") << Window::PaymentPrint << "txtOttemperata" << 0;
        QTest::newRow("contact, printer error") << Window::ContactPrint << QString() << 1;
        QTest::newRow("contact, box missing") << Window::ContactPrint << "txtCap" << 0;
        QTest::newRow("contact, footer missing") << Window::ContactPrint << "txtCalce" << 0;
    }
    void failedPrintWarns()
    {
        QFETCH(Window, kind);
        QFETCH(QString, missingBox);
        QFETCH(int, printRequests);
        CardWindow w = makeWindow(kind);
        if (missingBox.isEmpty())
            m_env->reports.printAnswer = PrintResult::Failed;
        else
            QVERIFY(removeBox(*w.layout, missingBox));
        const ModalRun run = clickInModal(w.dialog.get(), w.stampa);
        QVERIFY(run.ran);
        QVERIFY2(!run.openAfter, "the window stayed open");
        QCOMPARE(m_env->reports.printRequests, printRequests);
        QVERIFY(m_env->reports.printed.isEmpty());
        QCOMPARE(m_env->dialogs.shown.size(), 1);
        QCOMPARE(m_env->dialogs.shown[0].kind, MessageKind::Warning);
        QCOMPARE(m_env->dialogs.shown[0].text, kPrintFailed);
    }

    void failedPreviewIsReportedAndStays_data()
    {
        QTest::addColumn<QString>("missingBox");
        QTest::newRow("preview fails") << QString();
        QTest::newRow("box missing") << "txtLuogo";
    }
    void failedPreviewIsReportedAndStays()
    {
        QFETCH(QString, missingBox);
        CardWindow w = makeWindow(Window::PaymentPreview);
        if (missingBox.isEmpty())
            m_env->reports.previewFails = true;
        else
            QVERIFY(removeBox(*w.layout, missingBox));
        const ModalRun run = clickInModal(w.dialog.get(), w.stampa);
        QVERIFY(run.ran);
        QVERIFY2(run.openAfter, "the preview window closed after a failure");
        QVERIFY(m_env->reports.previewed.isEmpty());
        QCOMPARE(m_env->reports.previewRequests, missingBox.isEmpty() ? 1 : 0);
        QCOMPARE(m_env->dialogs.shown.size(), 1);
        QCOMPARE(m_env->dialogs.shown[0].kind, MessageKind::Error);
        if (missingBox.isEmpty())
            QCOMPARE(m_env->dialogs.shown[0].text, kPreviewFailed);
        else
            QVERIFY2(m_env->dialogs.shown[0].text.contains(missingBox), qPrintable(m_env->dialogs.shown[0].text));
    }

    void annullaDoesNothing_data()
    {
        QTest::addColumn<Window>("kind");
        QTest::newRow("payment print") << Window::PaymentPrint;
        QTest::newRow("payment preview") << Window::PaymentPreview;
        QTest::newRow("contact print") << Window::ContactPrint;
    }
    void annullaDoesNothing()
    {
        QFETCH(Window, kind);
        CardWindow w = makeWindow(kind);
        const ModalRun run = clickInModal(w.dialog.get(), w.annulla);
        QVERIFY(run.ran);
        QVERIFY(!run.openAfter);
        QCOMPARE(run.result, int(QDialog::Rejected));
        QCOMPARE(m_env->reports.printRequests + m_env->reports.previewRequests, 0);
        QVERIFY(m_env->dialogs.shown.isEmpty());
    }

    void contactPrintedTwiceDiffersOnlyInTheTime()
    {
        for (QTime time : {QTime(9, 5, 7), QTime(9, 6, 30)}) {
            m_env->clock.set(QDate(2025, 5, 15), time);
            CardWindow w = makeWindow(Window::ContactPrint);
            QVERIFY(clickInModal(w.dialog.get(), w.stampa).ran);
        }
        QCOMPARE(m_env->reports.printed.size(), 2);
        QStringList first = pdfText(m_env->reports.printed[0]).split(u'\n');
        QStringList second = pdfText(m_env->reports.printed[1]).split(u'\n');
        QCOMPARE(first.size(), second.size());
        QStringList differing;
        for (int i = 0; i < first.size(); ++i)
            if (first[i] != second[i])
                differing << first[i].trimmed() << second[i].trimmed();
        QCOMPARE(differing, QStringList({QStringLiteral("Stampa eseguita in data 15/05/2025 alle ore 09:05:07"),
                                         QStringLiteral("Stampa eseguita in data 15/05/2025 alle ore 09:06:30")}));
    }

    void contactWithoutHouseNumberOrProvince()
    {
        CardWindow w = makeWindow(Window::ContactPrint);
        ContactRecord c = sampleContact();
        c.Num.clear();
        c.Prov01.clear();
        c.Prov02.clear();
        c.Cap03.clear();
        static_cast<TfrmStampaAnagrafica *>(w.dialog.get())->setContact(c);
        QVERIFY(clickInModal(w.dialog.get(), w.stampa).ran);
        const QVector<Word> words = pdfWords(m_env->reports.printed.value(0));
        QCOMPARE(textOf(wordsIn(words, valueArea(6))), QStringLiteral("Via Roma"));
        QCOMPARE(textOf(wordsIn(words, valueArea(7))), QStringLiteral("2021"));
        QCOMPARE(textOf(wordsIn(words, valueArea(8))), QStringLiteral("Milano"));
    }
};

QTEST_MAIN(TestCardPrints)
#include "tst_cardprints.moc"
