#include "records/ContactRecord.h"

#include "platform/Services.h"
#include "records/RecordLayout.h"

namespace {
const RecordLayout<ContactRecord, 39> kLayout({{
    {&ContactRecord::Nome, 250},
    {&ContactRecord::Indirizzo, 250},
    {&ContactRecord::Num, 10},
    {&ContactRecord::Cap01, 1},
    {&ContactRecord::Cap02, 1},
    {&ContactRecord::Cap03, 1},
    {&ContactRecord::Cap04, 1},
    {&ContactRecord::Cap05, 1},
    {&ContactRecord::Localita, 120},
    {&ContactRecord::Prov01, 1},
    {&ContactRecord::Prov02, 1},
    {&ContactRecord::Tel, 30},
    {&ContactRecord::Email, 120},
    {&ContactRecord::DataNasc, 10},
    {&ContactRecord::Sesso, 1},
    {&ContactRecord::LuogoNasc, 120},
    {&ContactRecord::CodFisc, 16},
    {&ContactRecord::PartitaIva, 11},
    {&ContactRecord::Iban, 27},
    {&ContactRecord::Pec, 120},
    {&ContactRecord::Carta, 50},
    {&ContactRecord::ScadeCarta, 10},
    {&ContactRecord::Cel, 50},
    {&ContactRecord::Cittadinanza, 50},
    {&ContactRecord::Occupazione, 120},
    {&ContactRecord::Civile, 50},
    {&ContactRecord::TipoDoc, 50},
    {&ContactRecord::EnteRil, 50},
    {&ContactRecord::DataRil, 10},
    {&ContactRecord::DataSca, 10},
    {&ContactRecord::Prodotti, 250},
    {&ContactRecord::Questioni, 250},
    {&ContactRecord::Note, 250},
    {&ContactRecord::File01, 250},
    {&ContactRecord::File02, 250},
    {&ContactRecord::File03, 250},
    {&ContactRecord::Desc01, 250},
    {&ContactRecord::Desc02, 250},
    {&ContactRecord::Desc03, 250},
}});
}

ContactRecord ContactRecord::decode(const char *bytes) { return kLayout.decode(bytes); }

QByteArray ContactRecord::encode() const { return kLayout.encode(*this, Size); }

QString contactFilePath() { return Services::programFile(QString::fromLatin1(ContactRecord::FileName)); }
