#pragma once

#include <QString>

#include <optional>
#include <span>

#include "duty/CodeText.h"

// The country list: ISO 3166 two-letter code and German name. US and GB
// come first, the rest follow the German names alphabetically. A code
// repeats where a territory has a name of its own (eleven rows "FR", for
// example), so the code is not a key. The table ends with a closing row.
namespace CountryCodes {

constexpr int RowCount = 352;

// All rows including the closing row.
std::span<const CodeText> table();
// The 352 country rows.
std::span<const CodeText> rows();

// The name of the first row whose code equals code (compared on at most four
// characters, as the code columns of the forms are that wide).
std::optional<QString> nameForCode(QStringView code);

// The code column looked up with the number written as three digits
// ("%03d"); for forms that keep numeric country keys.
std::optional<QString> codeForNumber(int number);

} // namespace CountryCodes
