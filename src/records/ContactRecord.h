#pragma once
// One contact: 39 counted Windows-1252 text fields, 3831 bytes on disk.

#include "records/RecordLayout.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

struct ContactRecord {
    static constexpr int Size = 3831;
    static constexpr const char *FileName = "Anagrafica.pro";

    // The two values of Sesso.
    static constexpr QStringView Male = u"M";
    static constexpr QStringView Female = u"F";

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

    // The field table of the file; its sizes add up to Size.
    static const RecordLayout<ContactRecord, 39> &layout();

    static ContactRecord decode(const char *bytes);
    static ContactRecord decode(const QByteArray &bytes) { return decode(bytes.constData()); }
    QByteArray encode() const;

    bool operator==(const ContactRecord &) const = default;
};

inline constexpr RecordLayout<ContactRecord, 39> ContactLayout({{
    {&ContactRecord::Nome, 250},        {&ContactRecord::Indirizzo, 250}, {&ContactRecord::Num, 10},
    {&ContactRecord::Cap01, 1},         {&ContactRecord::Cap02, 1},       {&ContactRecord::Cap03, 1},
    {&ContactRecord::Cap04, 1},         {&ContactRecord::Cap05, 1},       {&ContactRecord::Localita, 120},
    {&ContactRecord::Prov01, 1},        {&ContactRecord::Prov02, 1},      {&ContactRecord::Tel, 30},
    {&ContactRecord::Email, 120},       {&ContactRecord::DataNasc, 10},   {&ContactRecord::Sesso, 1},
    {&ContactRecord::LuogoNasc, 120},   {&ContactRecord::CodFisc, 16},    {&ContactRecord::PartitaIva, 11},
    {&ContactRecord::Iban, 27},         {&ContactRecord::Pec, 120},       {&ContactRecord::Carta, 50},
    {&ContactRecord::ScadeCarta, 10},   {&ContactRecord::Cel, 50},        {&ContactRecord::Cittadinanza, 50},
    {&ContactRecord::Occupazione, 120}, {&ContactRecord::Civile, 50},     {&ContactRecord::TipoDoc, 50},
    {&ContactRecord::EnteRil, 50},      {&ContactRecord::DataRil, 10},    {&ContactRecord::DataSca, 10},
    {&ContactRecord::Prodotti, 250},    {&ContactRecord::Questioni, 250}, {&ContactRecord::Note, 250},
    {&ContactRecord::File01, 250},      {&ContactRecord::File02, 250},    {&ContactRecord::File03, 250},
    {&ContactRecord::Desc01, 250},      {&ContactRecord::Desc02, 250},    {&ContactRecord::Desc03, 250},
}});
static_assert(ContactLayout.size() == ContactRecord::Size, "the contact fields must fill 3831 bytes");

inline const RecordLayout<ContactRecord, 39> &ContactRecord::layout() { return ContactLayout; }
