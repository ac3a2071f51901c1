#pragma once
// One payment: 16 counted Windows-1252 text fields, 1265 bytes on disk.

#include "records/RecordLayout.h"
#include "records/TextField.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <string_view>

struct PaymentRecord {
    static constexpr int Size = 1265;
    static constexpr const char *FileName = "Archivio_Appuntamenti.pro";

    // The two values of Tipologia.
    static constexpr QStringView Incoming = u"In entrata";
    static constexpr QStringView Outgoing = u"In uscita";
    // The two values of Ottemperata: the payment settled, or not yet.
    static constexpr QStringView Settled = u"Sì";
    static constexpr QStringView Unsettled = u"No";
    // The same as stored (Windows-1252, "ì" one byte), for scans of the bytes.
    static constexpr std::string_view SettledBytes {"S\xEC", 2};
    static constexpr std::string_view UnsettledBytes {"No"};

    QString Data;      // due date dd/mm/yyyy
    QString OreApp;    // hour
    QString MinutiApp; // minute
    QString Ora;       // hour:minute
    QString Avviso;    // days of notice
    QString Tipologia; // "In entrata" / "In uscita"
    QString Causale;
    QString Dettagli;
    QString Contatto;
    QString Tel;
    QString Cel;
    QString Email;
    QString Luogo;
    QString Importo; // 1250,00
    QString Note;
    QString Ottemperata; // "Sì" / "No"

    // The field table of the file; its sizes add up to Size.
    static const RecordLayout<PaymentRecord, 16> &layout();

    static PaymentRecord decode(const char *bytes);
    static PaymentRecord decode(const QByteArray &bytes) { return decode(bytes.constData()); }
    QByteArray encode() const;

    // Blanks around the stored value do not count.
    bool isSettled() const { return TextField::trimmed(Ottemperata) == Settled; }

    bool operator==(const PaymentRecord &) const = default;
};

inline constexpr RecordLayout<PaymentRecord, 16> PaymentLayout({{
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
static_assert(PaymentLayout.size() == PaymentRecord::Size, "the payment fields must fill 1265 bytes");

inline const RecordLayout<PaymentRecord, 16> &PaymentRecord::layout() { return PaymentLayout; }

// What "Impegno assolto" says of a stored payment, read from its bytes: only
// "No" and "Sì", once trimmed, say anything; any other value, blank or
// damaged, says neither.
enum class Settlement { Unsettled, Settled, Unknown };
inline Settlement settlementOf(const char *record)
{
    static constexpr FieldRef flag = PaymentLayout.field(&PaymentRecord::Ottemperata);
    const std::string_view stored = flag.bytes(record);
    if (stored == PaymentRecord::UnsettledBytes)
        return Settlement::Unsettled;
    if (stored == PaymentRecord::SettledBytes)
        return Settlement::Settled;
    return Settlement::Unknown;
}
