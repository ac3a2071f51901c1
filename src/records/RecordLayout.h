#pragma once
// The packed field list of a record type: each field is one length byte and its
// capacity in bytes, one after the other with nothing between.

#include "records/TextField.h"

#include <array>
#include <stdexcept>

template <typename Record>
struct FieldSpec {
    QString Record::*member;
    int capacity;
};

template <typename Record, std::size_t N>
class RecordLayout {
public:
    explicit RecordLayout(std::array<FieldSpec<Record>, N> fields) : m_fields(fields)
    {
        int offset = 0;
        for (std::size_t i = 0; i < N; ++i) {
            m_offsets[i] = offset;
            offset += 1 + m_fields[i].capacity;
        }
        m_size = offset;
    }

    int size() const { return m_size; }
    int offset(std::size_t i) const { return m_offsets[i]; }

    Record decode(const char *bytes) const
    {
        Record r;
        for (std::size_t i = 0; i < N; ++i)
            r.*(m_fields[i].member) = TextField::read(bytes, m_offsets[i], m_fields[i].capacity);
        return r;
    }

    QByteArray encode(const Record &r, int expectedSize) const
    {
        if (expectedSize != m_size)
            throw std::logic_error("record layout size mismatch");
        QByteArray out(m_size, '\0');
        for (std::size_t i = 0; i < N; ++i)
            TextField::write(out.data(), m_offsets[i], m_fields[i].capacity, r.*(m_fields[i].member));
        return out;
    }

private:
    std::array<FieldSpec<Record>, N> m_fields;
    std::array<int, N> m_offsets {};
    int m_size = 0;
};
