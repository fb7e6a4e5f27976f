#pragma once

#include <QString>

// Amounts of box 47: two decimals with a decimal comma and no thousands
// separators; a box whose amount is zero stays empty.
namespace Feld47Amount {

// The amount a text holds. With a comma in the text the comma is the decimal
// mark and the dots before it separate thousands ("1.234,56" is 1234.56);
// without one, the first dot is the decimal mark ("7.5" is 7.5, "1.234"
// is 1.234). Reading stops at the first character that does not fit, and a
// text without a number at its start is 0.
double parse(const QString& text);

// "%.2f" with a decimal comma: 12.5 gives "12,50", -5 gives "-5,00".
QString format(double value);

// What an amount box shows after it is left: the formatted amount, or
// nothing when that is "0,00" (so an empty box, a zero and a text without a
// number all end up empty, and "12abc" becomes "12,00").
QString normalised(const QString& text);

// The total box of a sum: empty when it formats as "0,00".
QString totalText(double sum);

} // namespace Feld47Amount
