// What the payment and contact cards print in their value boxes, and in which order.
#include "contacts/ContactCard.h"
#include "payments/PaymentCard.h"

#include <QTest>

using Values = QList<QPair<QString, QString>>;

namespace {

QStringList boxesOf(const Values &values)
{
    QStringList out;
    for (const auto &v : values)
        out << v.first;
    return out;
}

QString valueOf(const Values &values, const QString &box)
{
    for (const auto &v : values)
        if (v.first == box)
            return v.second;
    return QStringLiteral("<missing %1>").arg(box);
}

// A contact whose every field holds its own name, with blanks around it.
ContactRecord namedContact()
{
    ContactRecord c;
    const QList<QPair<QString ContactRecord::*, const char *>> fields = {
        {&ContactRecord::Nome, "Nome"},
        {&ContactRecord::Indirizzo, "Indirizzo"},
        {&ContactRecord::Num, "Num"},
        {&ContactRecord::Cap01, "1"},
        {&ContactRecord::Cap02, "2"},
        {&ContactRecord::Cap03, "3"},
        {&ContactRecord::Cap04, "4"},
        {&ContactRecord::Cap05, "5"},
        {&ContactRecord::Localita, "Localita"},
        {&ContactRecord::Prov01, "P"},
        {&ContactRecord::Prov02, "Q"},
        {&ContactRecord::Tel, "Tel"},
        {&ContactRecord::Email, "Email"},
        {&ContactRecord::DataNasc, "DataNasc"},
        {&ContactRecord::Sesso, "Sesso"},
        {&ContactRecord::LuogoNasc, "LuogoNasc"},
        {&ContactRecord::CodFisc, "CodFisc"},
        {&ContactRecord::PartitaIva, "PartitaIva"},
        {&ContactRecord::Iban, "Iban"},
        {&ContactRecord::Pec, "Pec"},
        {&ContactRecord::Carta, "Carta"},
        {&ContactRecord::ScadeCarta, "ScadeCarta"},
        {&ContactRecord::Cel, "Cel"},
        {&ContactRecord::Cittadinanza, "Cittadinanza"},
        {&ContactRecord::Occupazione, "Occupazione"},
        {&ContactRecord::Civile, "Civile"},
        {&ContactRecord::TipoDoc, "TipoDoc"},
        {&ContactRecord::EnteRil, "EnteRil"},
        {&ContactRecord::DataRil, "DataRil"},
        {&ContactRecord::DataSca, "DataSca"},
        {&ContactRecord::Prodotti, "Prodotti"},
        {&ContactRecord::Questioni, "Questioni"},
        {&ContactRecord::Note, "Note"},
        {&ContactRecord::File01, "File01"},
        {&ContactRecord::File02, "File02"},
        {&ContactRecord::File03, "File03"},
        {&ContactRecord::Desc01, "Desc01"},
        {&ContactRecord::Desc02, "Desc02"},
        {&ContactRecord::Desc03, "Desc03"},
    };
    for (const auto &[field, text] : fields)
        c.*field = QStringLiteral(" \t") + QString::fromLatin1(text) + QStringLiteral(" \r\n");
    return c;
}

}

class TestCardValues : public QObject {
    Q_OBJECT
private slots:
    void paymentRowsAndFillOrder()
    {
        const QStringList rows = {"txtData",     "txtOra",  "txtTipologia",  "txtCausale", "txtDettagli",
                                  "txtContatto", "txtTel",  "txtCel",        "txtEmail",   "txtLuogo",
                                  "txtImporto",  "txtNote", "txtOttemperata"};
        QCOMPARE(PaymentCard::boxes(), rows);
        QCOMPARE(PaymentCard::labels(), QStringList({"Data scadenza:", "Ora:", "Tipologia:", "Causale:", "Dettagli:",
                                                     "Persona / Ditta:", "Telefono:", "Cellulare:", "E-mail:", "Luogo:",
                                                     "Importo:", "Note:", QStringLiteral("Impegno assolto:")}));
        // The settled flag is filled first, the other rows after it from the top.
        QStringList fillOrder = rows;
        fillOrder.move(12, 0);
        QCOMPARE(boxesOf(PaymentCard::values(PaymentRecord())), fillOrder);
    }

    void paymentValuesAreTheBoxesTrimmed()
    {
        PaymentRecord p;
        p.Data = QStringLiteral(" 15/05/2025 ");
        p.OreApp = QStringLiteral("09 ");
        p.MinutiApp = QStringLiteral(" 30");
        p.Ora = QStringLiteral("11:11"); // the stored time is not what the card shows
        p.Avviso = QStringLiteral("5");
        p.Tipologia = QStringLiteral("In uscita\t");
        p.Causale = QStringLiteral("  Affitto di maggio");
        p.Dettagli = QStringLiteral("Rata è dovuta  ");
        p.Contatto = QStringLiteral("Rossi Mario S.r.l.");
        p.Tel = QStringLiteral("02 1234567");
        p.Cel = QStringLiteral("333 1234567");
        p.Email = QStringLiteral("mario@rossi.it");
        p.Luogo = QStringLiteral("Milano");
        p.Importo = QStringLiteral("1.250,00");
        p.Note = QStringLiteral("\r\nNota\r\n");
        p.Ottemperata = QStringLiteral("Sì");
        const Values v = PaymentCard::values(p);
        QCOMPARE(v.size(), 13);
        QCOMPARE(valueOf(v, "txtOttemperata"), QStringLiteral("Sì"));
        QCOMPARE(valueOf(v, "txtData"), QStringLiteral("15/05/2025"));
        QCOMPARE(valueOf(v, "txtOra"), QStringLiteral("09:30"));
        QCOMPARE(valueOf(v, "txtTipologia"), QStringLiteral("In uscita"));
        QCOMPARE(valueOf(v, "txtCausale"), QStringLiteral("Affitto di maggio"));
        QCOMPARE(valueOf(v, "txtDettagli"), QStringLiteral("Rata è dovuta"));
        QCOMPARE(valueOf(v, "txtContatto"), QStringLiteral("Rossi Mario S.r.l."));
        QCOMPARE(valueOf(v, "txtTel"), QStringLiteral("02 1234567"));
        QCOMPARE(valueOf(v, "txtCel"), QStringLiteral("333 1234567"));
        QCOMPARE(valueOf(v, "txtEmail"), QStringLiteral("mario@rossi.it"));
        QCOMPARE(valueOf(v, "txtLuogo"), QStringLiteral("Milano"));
        QCOMPARE(valueOf(v, "txtImporto"), QStringLiteral("1.250,00"));
        QCOMPARE(valueOf(v, "txtNote"), QStringLiteral("Nota"));
    }

    void paymentTimeRow_data()
    {
        QTest::addColumn<QString>("hour");
        QTest::addColumn<QString>("minute");
        QTest::addColumn<QString>("shown");
        QTest::newRow("both") << "09"
                              << "30"
                              << "09:30";
        QTest::newRow("hour emptied") << ""
                                      << "30"
                                      << ":30";
        QTest::newRow("hour blanks only") << "  "
                                          << "05"
                                          << ":05";
        QTest::newRow("minute emptied") << "14"
                                        << ""
                                        << "14:";
        QTest::newRow("both empty") << ""
                                    << ""
                                    << ":";
        QTest::newRow("as typed, one digit") << "9"
                                             << "5"
                                             << "9:5";
    }
    void paymentTimeRow()
    {
        QFETCH(QString, hour);
        QFETCH(QString, minute);
        QFETCH(QString, shown);
        PaymentRecord p;
        p.OreApp = hour;
        p.MinutiApp = minute;
        QCOMPARE(valueOf(PaymentCard::values(p), "txtOra"), shown);
    }

    void paymentSettledRow_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("checked") << QStringLiteral("Sì") << QStringLiteral("Sì");
        QTest::newRow("unchecked") << "No"
                                   << "No";
        QTest::newRow("empty") << ""
                               << "No";
        QTest::newRow("with blanks") << QStringLiteral(" Sì ") << QStringLiteral("Sì");
        QTest::newRow("other text") << "si"
                                    << "No";
    }
    void paymentSettledRow()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        PaymentRecord p;
        p.Ottemperata = stored;
        QCOMPARE(valueOf(PaymentCard::values(p), "txtOttemperata"), shown);
    }

    void paymentLongTextIsHandedWhole()
    {
        // Cutting belongs to the printed box, not to the value.
        PaymentRecord p;
        p.Causale = QString(250, QLatin1Char('c'));
        QCOMPARE(valueOf(PaymentCard::values(p), "txtCausale").size(), 250);
    }

    void contactRows()
    {
        const QStringList boxes = ContactCard::boxes();
        QCOMPARE(boxes.size(), 26);
        QCOMPARE(ContactCard::labels().size(), 26);
        QCOMPARE(boxes.first(), QStringLiteral("txtNome"));
        QCOMPARE(ContactCard::labels().first(), QStringLiteral("Cognome, nome o Rag. soc."));
        QCOMPARE(boxes.mid(6, 3), QStringList({"txtIndirizzo", "txtCap", "txtLocalita"}));
        QCOMPARE(ContactCard::labels().mid(6, 3),
                 QStringList({"Via e numero civico:", "CAP:", QStringLiteral("Località:")}));
        QCOMPARE(boxes.last(), QStringLiteral("txtNote"));
        // Filled top to bottom, each box once.
        QCOMPARE(boxesOf(ContactCard::values(ContactRecord())), boxes);
    }

    void contactValuesComeFromTheirFields()
    {
        const Values v = ContactCard::values(namedContact());
        const QList<QPair<QString, QString>> expected = {
            {"txtNome", "Nome"},
            {"txtCodFisc", "CodFisc"},
            {"txtSesso", "Sesso"},
            {"txtDataNasc", "DataNasc"},
            {"txtLuogoNasc", "LuogoNasc"},
            {"txtPartitaIva", "PartitaIva"},
            {"txtIndirizzo", "Indirizzo Num"},
            {"txtCap", "12345"},
            {"txtLocalita", "Localita PQ"},
            {"txtCivile", "Civile"},
            {"txtTel", "Tel"},
            {"txtEmail", "Email"},
            {"txtIban", "Iban"},
            {"txtPec", "Pec"},
            {"txtCarta", "Carta"},
            {"txtScadeCarta", "ScadeCarta"},
            {"txtCel", "Cel"},
            {"txtCittadinanza", "Cittadinanza"},
            {"txtOccupazione", "Occupazione"},
            {"txtTipoDoc", "TipoDoc"},
            {"txtEnteRil", "EnteRil"},
            {"txtDataRil", "DataRil"},
            {"txtDataSca", "DataSca"},
            {"txtProdotti", "Prodotti"},
            {"txtQuestioni", "Questioni"},
            {"txtNote", "Note"},
        };
        QCOMPARE(v, expected);
    }

    void contactJoinedRows_data()
    {
        QTest::addColumn<QString>("street");
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("town");
        QTest::addColumn<QStringList>("province");
        QTest::addColumn<QStringList>("postcode");
        QTest::addColumn<QString>("row7");
        QTest::addColumn<QString>("row8");
        QTest::addColumn<QString>("row9");
        QTest::newRow("all there") << "Via Roma"
                                   << "12/A"
                                   << "Milano" << QStringList {"M", "I"} << QStringList {"2", "0", "1", "2", "1"}
                                   << "Via Roma 12/A"
                                   << "20121"
                                   << "Milano MI";
        QTest::newRow("no house number, no province")
            << "Via Roma"
            << ""
            << "Milano" << QStringList {"", ""} << QStringList {"2", "0", "1", "2", "1"} << "Via Roma "
            << "20121"
            << "Milano ";
        QTest::newRow("nothing") << ""
                                 << ""
                                 << "" << QStringList {"", ""} << QStringList {"", "", "", "", ""} << " "
                                 << ""
                                 << " ";
        QTest::newRow("gaps close up, blanks go")
            << " Corso Italia "
            << " 3 "
            << " Roma " << QStringList {" ", "M"} << QStringList {"0", " ", "1", "", "8"} << "Corso Italia 3"
            << "018"
            << "Roma M";
    }
    void contactJoinedRows()
    {
        QFETCH(QString, street);
        QFETCH(QString, number);
        QFETCH(QString, town);
        QFETCH(QStringList, province);
        QFETCH(QStringList, postcode);
        ContactRecord c;
        c.Indirizzo = street;
        c.Num = number;
        c.Localita = town;
        c.Prov01 = province[0];
        c.Prov02 = province[1];
        c.Cap01 = postcode[0];
        c.Cap02 = postcode[1];
        c.Cap03 = postcode[2];
        c.Cap04 = postcode[3];
        c.Cap05 = postcode[4];
        const Values v = ContactCard::values(c);
        QTEST(valueOf(v, "txtIndirizzo"), "row7");
        QTEST(valueOf(v, "txtCap"), "row8");
        QTEST(valueOf(v, "txtLocalita"), "row9");
    }

    void contactAttachmentsAreNotPrinted()
    {
        for (const auto &[box, text] : ContactCard::values(namedContact())) {
            QVERIFY2(!text.contains(QLatin1String("File0")), qPrintable(box));
            QVERIFY2(!text.contains(QLatin1String("Desc0")), qPrintable(box));
        }
    }
};

QTEST_GUILESS_MAIN(TestCardValues)
#include "tst_cardvalues.moc"
