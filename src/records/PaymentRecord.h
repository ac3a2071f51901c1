#pragma once
// One payment: 16 counted Windows-1252 text fields, 1265 bytes on disk.

#include <QByteArray>
#include <QString>

#include <functional>

struct PaymentRecord {
    static constexpr int Size = 1265;
    static constexpr const char *FileName = "Archivio_Appuntamenti.pro";

    QString Data;        // due date dd/mm/yyyy
    QString OreApp;      // hour
    QString MinutiApp;   // minute
    QString Ora;         // hour:minute
    QString Avviso;      // days of notice
    QString Tipologia;   // "In entrata" / "In uscita"
    QString Causale;
    QString Dettagli;
    QString Contatto;
    QString Tel;
    QString Cel;
    QString Email;
    QString Luogo;
    QString Importo;     // 1250,00
    QString Note;
    QString Ottemperata; // "Sì" / "No"

    static PaymentRecord decode(const char *bytes);
    static PaymentRecord decode(const QByteArray &bytes) { return decode(bytes.constData()); }
    QByteArray encode() const;

    bool isSettled() const { return Ottemperata == QStringLiteral("Sì"); }
    bool isUnsettled() const { return Ottemperata == QStringLiteral("No"); }

    bool operator==(const PaymentRecord &) const = default;
};

class RecordFile;

// The payment file beside the program.
QString paymentFilePath();

// Reads the payment file from the first record to the last, handing each record
// with its 1-based number; returns how many there were. Throws RecordFileError.
int forEachPayment(const std::function<void(const PaymentRecord &record, int number)> &use);
// Record `number` (1-based) of an open payment file, or of the file beside the
// program. Throws RecordFileError, also when there is no such record.
PaymentRecord readPayment(RecordFile &file, int number);
PaymentRecord readPayment(int number);
