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
    // As TextField::fixedWidth, written straight into the row: a list builds
    // many thousands of rows, and the copies showed in its time.
    RowBuilder &field(const QString &value, int width)
    {
        const QStringView text = TextField::trimmedView(value).left(width);
        m_row += text;
        m_row.resize(m_row.size() + width - text.size(), QLatin1Char(' '));
        return *this;
    }
    // Trimmed, neither padded nor cut.
    RowBuilder &rest(const QString &value)
    {
        m_row += TextField::trimmedView(value);
        return *this;
    }
    QString row() const { return m_row; }

private:
    QString m_row;
};
