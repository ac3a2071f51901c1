#include "records/PaymentRecord.h"

#include "platform/Services.h"
#include "records/RecordLayout.h"

namespace {
const RecordLayout<PaymentRecord, 16> kLayout({{
    {&PaymentRecord::Data, 10},
    {&PaymentRecord::OreApp, 2},
    {&PaymentRecord::MinutiApp, 2},
    {&PaymentRecord::Ora, 5},
    {&PaymentRecord::Avviso, 3},
    {&PaymentRecord::Tipologia, 50},
    {&PaymentRecord::Causale, 250},
    {&PaymentRecord::Dettagli, 250},
    {&PaymentRecord::Contatto, 50},
    {&PaymentRecord::Tel, 30},
    {&PaymentRecord::Cel, 30},
    {&PaymentRecord::Email, 50},
    {&PaymentRecord::Luogo, 250},
    {&PaymentRecord::Importo, 15},
    {&PaymentRecord::Note, 250},
    {&PaymentRecord::Ottemperata, 2},
}});
static_assert(PaymentRecord::Size == 1265);
}

PaymentRecord PaymentRecord::decode(const char *bytes) { return kLayout.decode(bytes); }

QByteArray PaymentRecord::encode() const { return kLayout.encode(*this, Size); }

QString paymentFilePath() { return Services::programFile(QString::fromLatin1(PaymentRecord::FileName)); }
