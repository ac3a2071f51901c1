#include "ContactFixtures.h"

#include "records/RecordArchive.h"

#include <QFile>

ContactRecord makeContact(const QString &name, const QString &town, const QString &birth)
{
    ContactRecord r;
    r.Nome = name;
    r.Indirizzo = QStringLiteral("Via Indipendenza");
    r.Num = QStringLiteral("12");
    r.Cap01 = QStringLiteral("4");
    r.Cap02 = QStringLiteral("0");
    r.Cap03 = QStringLiteral("1");
    r.Cap04 = QStringLiteral("2");
    r.Cap05 = QStringLiteral("1");
    r.Localita = town;
    r.Prov01 = QStringLiteral("B");
    r.Prov02 = QStringLiteral("O");
    r.Tel = QStringLiteral("051 234567");
    r.Email = QStringLiteral("posta@example.it");
    r.DataNasc = birth;
    r.Sesso = QStringLiteral("M");
    r.LuogoNasc = QStringLiteral("Modena");
    r.CodFisc = QStringLiteral("RSSMRA75D12F257X");
    r.Cel = QStringLiteral("333 7654321");
    r.Occupazione = QStringLiteral("Commerciante");
    r.Prodotti = QStringLiteral("Consulenza fiscale");
    return r;
}

ContactRecord makeContact(int n)
{
    const QString k = QString::number(n);
    ContactRecord r;
    r.Nome = QStringLiteral("Contatto ") + k;
    r.Indirizzo = QStringLiteral("Via Indipendenza");
    r.Num = k;
    r.Cap01 = QStringLiteral("4");
    r.Cap02 = QStringLiteral("0");
    r.Cap03 = QStringLiteral("1");
    r.Cap04 = QStringLiteral("2");
    r.Cap05 = QString::number(n % 10);
    r.Localita = QStringLiteral("Bologna");
    r.Prov01 = QStringLiteral("B");
    r.Prov02 = QStringLiteral("O");
    r.Tel = QStringLiteral("051 ") + k;
    r.Email = QStringLiteral("contatto%1@example.it").arg(n);
    r.DataNasc = QStringLiteral("01/02/1980");
    r.Sesso = n % 2 ? QStringLiteral("M") : QStringLiteral("F");
    r.LuogoNasc = QStringLiteral("Modena");
    r.CodFisc = QStringLiteral("RSSMRA80A01H501U");
    r.PartitaIva = QStringLiteral("01234567890");
    r.Iban = QStringLiteral("IT60X0542811101000000123456");
    r.Pec = QStringLiteral("contatto%1@pec.example.it").arg(n);
    r.Carta = QStringLiteral("4111111111111111");
    r.ScadeCarta = QStringLiteral("12/2030");
    r.Cel = QStringLiteral("333 ") + k;
    r.Cittadinanza = QStringLiteral("Italiana");
    r.Occupazione = QStringLiteral("Impiegato");
    r.Civile = QStringLiteral("Celibe");
    r.TipoDoc = QStringLiteral("Carta d'identità AB") + k;
    r.EnteRil = QStringLiteral("Comune di Bologna");
    r.DataRil = QStringLiteral("01/01/2020");
    r.DataSca = QStringLiteral("01/01/2030");
    r.Prodotti = QStringLiteral("Consulenza");
    r.Questioni = QString();
    r.Note = QStringLiteral("Note del contatto ") + k;
    return r;
}

ContactRecord fullContact(int seed)
{
    ContactRecord r;
    const QString s = QString::number(seed);
    r.Nome = QStringLiteral("Nome ") + s;
    r.Indirizzo = QStringLiteral("Via ") + s;
    r.Num = QStringLiteral("N") + s;
    r.Cap01 = QStringLiteral("1");
    r.Cap02 = QStringLiteral("2");
    r.Cap03 = QStringLiteral("3");
    r.Cap04 = QStringLiteral("4");
    r.Cap05 = s.right(1);
    r.Localita = QStringLiteral("Località ") + s;
    r.Prov01 = QStringLiteral("P");
    r.Prov02 = s.right(1);
    r.Tel = QStringLiteral("Tel ") + s;
    r.Email = QStringLiteral("mail") + s + QStringLiteral("@example.it");
    r.DataNasc = QStringLiteral("01/01/19") + s.right(2).rightJustified(2, QLatin1Char('0'));
    r.Sesso = QStringLiteral("F");
    r.LuogoNasc = QStringLiteral("Luogo ") + s;
    r.CodFisc = QStringLiteral("CF") + s;
    r.PartitaIva = QStringLiteral("0123456789") + s.right(1);
    r.Iban = QStringLiteral("IT60X0542811101000000") + s.rightJustified(6, QLatin1Char('0'));
    r.Pec = QStringLiteral("pec") + s + QStringLiteral("@pec.it");
    r.Carta = QStringLiteral("4111 1111 1111 111") + s.right(1);
    r.ScadeCarta = QStringLiteral("12/2030");
    r.Cel = QStringLiteral("Cel ") + s;
    r.Cittadinanza = QStringLiteral("Italiana");
    r.Occupazione = QStringLiteral("Occupazione ") + s;
    r.Civile = QStringLiteral("Civile ") + s;
    r.TipoDoc = QStringLiteral("Documento ") + s;
    r.EnteRil = QStringLiteral("Ente ") + s;
    r.DataRil = QStringLiteral("02/02/2020");
    r.DataSca = QStringLiteral("02/02/2030");
    r.Prodotti = QStringLiteral("Servizi ") + s;
    r.Questioni = QStringLiteral("Questioni ") + s;
    r.Note = QStringLiteral("Note ") + s;
    r.File01 = QStringLiteral("file1.pdf");
    r.File02 = QStringLiteral("file2.pdf");
    r.File03 = QStringLiteral("file3.pdf");
    r.Desc01 = QStringLiteral("Descrizione 1");
    r.Desc02 = QStringLiteral("Descrizione 2");
    r.Desc03 = QStringLiteral("Descrizione 3");
    return r;
}

QByteArray contactFile(const QVector<ContactRecord> &records)
{
    QByteArray out;
    for (const auto &r : records)
        out += r.encode();
    return out;
}

void writeContactArchive(const QVector<ContactRecord> &records) { writeContactBytes(contactFile(records)); }

void writeContactBytes(const QByteArray &bytes)
{
    QFile f(ContactArchive::path());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("cannot write the test archive %s", qPrintable(f.fileName()));
}
