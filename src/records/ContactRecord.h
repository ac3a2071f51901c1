#pragma once
// One contact: 39 counted Windows-1252 text fields, 3831 bytes on disk.

#include <QByteArray>
#include <QString>

struct ContactRecord {
    static constexpr int Size = 3831;
    static constexpr const char *FileName = "Anagrafica.pro";

    QString Nome;
    QString Indirizzo;
    QString Num;
    QString Cap01;
    QString Cap02;
    QString Cap03;
    QString Cap04;
    QString Cap05;
    QString Localita;
    QString Prov01;
    QString Prov02;
    QString Tel;
    QString Email;
    QString DataNasc;
    QString Sesso;
    QString LuogoNasc;
    QString CodFisc;
    QString PartitaIva;
    QString Iban;
    QString Pec;
    QString Carta;
    QString ScadeCarta;
    QString Cel;
    QString Cittadinanza;
    QString Occupazione;
    QString Civile;
    QString TipoDoc;
    QString EnteRil;
    QString DataRil;
    QString DataSca;
    QString Prodotti;
    QString Questioni;
    QString Note;
    QString File01;
    QString File02;
    QString File03;
    QString Desc01;
    QString Desc02;
    QString Desc03;

    static ContactRecord decode(const char *bytes);
    static ContactRecord decode(const QByteArray &bytes) { return decode(bytes.constData()); }
    QByteArray encode() const;

    bool operator==(const ContactRecord &) const = default;
};

// The contact file beside the program.
QString contactFilePath();
