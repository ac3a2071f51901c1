#include "checks/Iban.h"

namespace Iban {

int remainder(const QString &text)
{
    QString s = text.toUpper();
    const qsizetype prefix = s.indexOf(QLatin1String("IBAN"));
    if (prefix >= 0)
        s.remove(prefix, 4);
    s = s.mid(4) + s.left(4);

    QString digits;
    digits.reserve(s.size() * 2);
    for (const QChar c : s) {
        const char16_t u = c.unicode();
        if (u >= u'A' && u <= u'Z')
            digits += QString::number(u - 55);
        else
            digits += c;
    }

    // Piece by piece, so that no partial number needs more than nine digits:
    // each piece is the last remainder followed by as many new digits as fit.
    int r = 0;
    QString piece;
    qsizetype pos = 0;
    qsizetype take = 9;
    bool any = false;
    while (pos < digits.size()) {
        piece += digits.mid(pos, take);
        qint64 value = 0;
        for (const QChar c : piece) {
            if (c < u'0' || c > u'9')
                return 0;
            value = value * 10 + (c.unicode() - u'0');
        }
        r = int(value % 97);
        any = true;
        pos += take;
        piece = QString::number(r);
        take = 9 - piece.size();
    }
    return any ? r : 0;
}

bool isValid(const QString &text)
{
    QString compact = text;
    compact.remove(u' ');
    return remainder(compact) == 1;
}

}
