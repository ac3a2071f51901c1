#pragma once
// Dates as the program shows and stores them: "dd/mm/yyyy".

#include <QDate>
#include <QString>
#include <optional>
#include <string_view>

namespace DateText {
QString format(QDate date);
// Reads day/month/year with "/" between them, one or two digits for day and
// month and four for the year; anything else is not a date.
std::optional<QDate> parse(const QString &text);
// The same rule on a field's stored bytes (already trimmed), without converting them.
std::optional<QDate> parse(std::string_view bytes);
}
