#include "contacts/ContactEntryRules.h"

bool IsAllDigits(const QString &text)
{
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

namespace ContactEntry {

CodeCheck checkForFiscalCode(const QString &code)
{
    return !code.isEmpty() && IsAllDigits(code) ? CodeCheck::VatNumber : CodeCheck::FiscalCode;
}

}
