#pragma once
// A record's bytes with one field stored exactly as given: what a damaged
// file, or another tool, may hold (blanks, control codes, any byte), which
// the program's own writer never stores.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// At most the field's capacity, untrimmed and unconverted (Windows-1252).
template <typename Record>
QByteArray withStoredField(const Record &record, QString Record::*member, const QByteArray &stored)
{
    const auto field = Record::layout().field(member);
    if (stored.size() > field.capacity)
        qFatal("%d bytes do not fit a field of %d", int(stored.size()), field.capacity);
    QByteArray bytes = record.encode();
    bytes[field.offset] = char(stored.size());
    bytes.replace(field.offset + 1, stored.size(), stored);
    return bytes;
}
