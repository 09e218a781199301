// Number conversions with the rules the game's files and formulas rely on.
#pragma once

#include <QString>
#include <cstdint>

namespace numbers {

// The value of the longest leading part of text that forms a decimal number
// (spaces and tabs anywhere are skipped; optional sign, fraction, exponent); 0 when there is none.
double leadingNumber(const QString& text);
// Whether the text is such a number with nothing after it but spaces: "1 000" and "2.5e3" are, "5,5" and
// "12abc" are not.
bool isNumber(const QString& text);

// Nearest whole number, exact halves to the even neighbour; saturates at the int64 range.
std::int64_t roundHalfEven(double v);

// A number in plain decimal form without leading spaces: "10000", "12.5", "-3".
QString formatNumber(double v);

} // namespace numbers
