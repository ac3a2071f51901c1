#include "ContactFixtures.h"

#include <QFile>

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

QByteArray contactFile(const QVector<ContactRecord> &records)
{
    QByteArray out;
    for (const auto &r : records)
        out += r.encode();
    return out;
}

void writeContactArchive(const QVector<ContactRecord> &records)
{
    QFile f(contactFilePath());
    const QByteArray bytes = contactFile(records);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("cannot write the contact archive");
}
