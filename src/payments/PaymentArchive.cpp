#include "payments/PaymentArchive.h"

#include "records/RecordFile.h"
#include "records/TextField.h"

#include <stdexcept>

namespace PaymentArchive {

int browseTarget(Step step, int current, int count)
{
    if (count <= 0)
        return 0;
    switch (step) {
    case Step::First:
        return 1;
    case Step::Last:
        return count;
    case Step::Next:
        return current < count ? current + 1 : 0;
    case Step::Previous:
        return current == 0 ? 1 : current - 1;
    }
    return 0;
}

int recordNumber(const QString &label)
{
    const QString t = TextField::trimmed(label);
    if (t.isEmpty())
        return 0;
    bool ok = false;
    const int n = t.toInt(&ok);
    if (!ok || n < 1)
        throw std::invalid_argument("not a record number");
    return n;
}

int save(const PaymentRecord &record, int number)
{
    RecordFile file(paymentFilePath(), PaymentRecord::Size);
    const QByteArray bytes = record.encode();
    int saved;
    if (number == 0) {
        saved = file.append(bytes);
    } else {
        file.seek(number - 1);
        file.write(bytes);
        saved = file.position();
    }
    file.close();
    return saved;
}

}
