#pragma once
// The packed field list of a record type: each field is one length byte and its
// capacity in bytes, one after the other with nothing between. A layout is a
// compile-time table, so that a record's size is checked where it is written
// and a field's capacity is read from one place.

#include "records/TextField.h"

#include <array>
#include <stdexcept>
#include <string_view>

template <typename Record>
struct FieldDef {
    QString Record::*member;
    int capacity;
};

// Where one field lies in the record's bytes.
struct FieldRef {
    int offset;
    int capacity;
    // The field's text, converted and trimmed, read straight from the bytes.
    QString read(const char *record) const { return TextField::read(record, offset, capacity); }
    // The field's stored bytes (Windows-1252), trimmed, without converting
    // them: for scans that test a field against a fixed text and keep few rows.
    std::string_view bytes(const char *record) const { return TextField::bytes(record, offset, capacity); }
};

template <typename Record, std::size_t N>
class RecordLayout {
public:
    constexpr explicit RecordLayout(std::array<FieldDef<Record>, N> fields)
        : m_fields(fields)
    {
        int offset = 0;
        for (std::size_t i = 0; i < N; ++i) {
            m_offsets[i] = offset;
            offset += 1 + m_fields[i].capacity;
        }
        m_size = offset;
    }

    constexpr int size() const { return m_size; }
    constexpr std::size_t count() const { return N; }
    constexpr int offset(std::size_t i) const { return m_offsets[i]; }

    // The field of a member; a member that is not in the layout is a mistake
    // in the program (a compile error where the lookup is constant).
    constexpr FieldRef field(QString Record::*member) const
    {
        for (std::size_t i = 0; i < N; ++i)
            if (m_fields[i].member == member)
                return {m_offsets[i], m_fields[i].capacity};
        throw std::logic_error("field not in the record layout");
    }
    constexpr int capacity(QString Record::*member) const { return field(member).capacity; }

    Record decode(const char *bytes) const
    {
        Record r;
        for (std::size_t i = 0; i < N; ++i)
            r.*(m_fields[i].member) = TextField::read(bytes, m_offsets[i], m_fields[i].capacity);
        return r;
    }

    QByteArray encode(const Record &r) const
    {
        QByteArray out(m_size, '\0');
        for (std::size_t i = 0; i < N; ++i)
            TextField::write(out.data(), m_offsets[i], m_fields[i].capacity, r.*(m_fields[i].member));
        return out;
    }

private:
    std::array<FieldDef<Record>, N> m_fields;
    std::array<int, N> m_offsets {};
    int m_size = 0;
};
