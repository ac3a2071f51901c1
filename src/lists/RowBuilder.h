#pragma once
// Builds the fixed-width rows of the list windows: literal pieces, fields
// trimmed and padded or cut to a width, and a last field left as it is.

#include "records/TextField.h"

class RowBuilder {
public:
    RowBuilder() { m_row.reserve(192); }
    RowBuilder &text(const QString &piece)
    {
        m_row += piece;
        return *this;
    }
    RowBuilder &field(const QString &value, int width)
    {
        m_row += TextField::fixedWidth(value, width);
        return *this;
    }
    // Trimmed, neither padded nor cut.
    RowBuilder &rest(const QString &value)
    {
        m_row += TextField::trimmed(value);
        return *this;
    }
    QString row() const { return m_row; }

private:
    QString m_row;
};
