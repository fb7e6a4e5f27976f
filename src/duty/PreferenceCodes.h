#pragma once

#include <span>

#include "duty/CodeText.h"

// The preference code of box 36 is three digits: the first names the kind of
// preference, digits two and three the special case.
namespace PreferenceCodes {

// "1", "2", "3" and their meanings.
std::span<const CodeText> firstDigit();
// "00", "10", ... "50" and their meanings.
std::span<const CodeText> lastTwoDigits();

} // namespace PreferenceCodes
