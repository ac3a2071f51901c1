#pragma once
// Amounts as the payment file holds them: digits, "," and exactly two decimals.

#include <QString>

// The amount box's leaving rule: reads the text as a decimal number with ","
// (no thousands separator), rounds it to cents in 80-bit arithmetic and writes it
// back with two decimals. A text that is not a number gives "0,00".
// 7 -> 7,00; 1250,5 -> 1250,50; 0,999 -> 1,00; 2,675 -> 2,67.
QString normaliseAmount(const QString &text);
