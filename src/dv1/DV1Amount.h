#pragma once

#include <QString>

// The D.V.1's amount notation: decimal comma, dots as thousands separators
// (at most two, none for negative amounts), two decimals, and an empty field
// for zero.

// Amount text to number. Dots are always thousands separators and are
// dropped; the first comma is the decimal separator (a leading comma reads
// as "0,"). Leading white space is skipped and the longest decimal number at
// the start is taken; a text without one is 0.
double ParseAmount(const QString& text);

// Number to amount text with two decimals, rounded to nearest from the
// exact binary value (an exact half to the even neighbour). "0,00" becomes
// the empty text; "-0,00" stays.
QString FormatAmount(double value);
