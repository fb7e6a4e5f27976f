#pragma once

#include <QString>

// The order of the pickers' sorted lists: German collation (umlauts beside
// their vowels), case ignored.
namespace ListOrder {

// Negative, 0 or positive as a sorts before, with or after b.
int compare(const QString& a, const QString& b);

} // namespace ListOrder
