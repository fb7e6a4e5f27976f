#pragma once

#include <QString>

// The number reading and writing that every amount of the forms shares,
// whatever its notation: the leading decimal number of a text, and two
// decimals with a decimal comma. Both ignore the process locale, which may
// well be German.
namespace AmountText {

// The decimal number at the start of text, with the full stop as decimal
// point: leading white space, an optional sign, digits with an optional
// point, an optional exponent; the longest such prefix counts, and a text
// without one is 0. Only digits start a number, so words in an amount field
// ("Info", "nan", "inf") read as 0.
double leadingDecimal(const QString& text);

// value with exactly two decimals, rounded to nearest from the exact binary
// value (an exact half to the even neighbour), the point replaced by a
// comma: 12.5 gives "12,50", -0.004 gives "-0,00".
QString twoDecimals(double value);

} // namespace AmountText
