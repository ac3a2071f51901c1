#include "records/PaymentRecord.h"

#include "platform/Services.h"
#include "records/RecordFile.h"
#include "records/RecordLayout.h"

#include <cerrno>

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

int forEachPayment(const std::function<void(const PaymentRecord &, int)> &use)
{
    RecordFile file(paymentFilePath(), PaymentRecord::Size);
    QByteArray buffer;
    int count = 0;
    while (!file.eof()) {
        file.read(buffer);
        use(PaymentRecord::decode(buffer), file.position());
        ++count;
    }
    return count;
}

PaymentRecord readPayment(RecordFile &file, int number)
{
    if (number < 1 || number > file.size())
        throw RecordFileError(file.path(), QStringLiteral("Scheda inesistente in"), ENOENT);
    file.seek(number - 1);
    QByteArray buffer;
    file.read(buffer);
    return PaymentRecord::decode(buffer);
}

PaymentRecord readPayment(int number)
{
    RecordFile file(paymentFilePath(), PaymentRecord::Size);
    return readPayment(file, number);
}
