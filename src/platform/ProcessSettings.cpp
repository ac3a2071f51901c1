#include "platform/ProcessSettings.h"

#include <QLocale>

namespace ProcessSettings {

void apply()
{
    // Italian: "," decimals, Italian month and day names in the calendars.
    // Dates themselves are always written through DateText as dd/mm/yyyy.
    QLocale italian(QLocale::Italian, QLocale::Italy);
    italian.setNumberOptions(QLocale::OmitGroupSeparator);
    if (QLocale() != italian)
        QLocale::setDefault(italian);
}

}
