#pragma once

#include <span>

#include "duty/CodeText.h"

// The currency list: ISO 4217 three-letter code and German name, by code.
// It keeps the codes of currencies that have since been replaced, because
// old invoices still name them. The table ends with a closing row.
namespace CurrencyCodes {

constexpr int RowCount = 185;

// All rows including the closing row.
std::span<const CodeText> table();
// The 185 currency rows.
std::span<const CodeText> rows();

} // namespace CurrencyCodes
