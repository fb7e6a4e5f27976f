#pragma once

#include <QString>

// The federal states of the boxes 17 B and 34 B: "01 - Schleswig-Holstein"
// to "16 - Thüringen", then "99 - Ausland" for goods from or to abroad.
namespace FederalStates {

constexpr int Count = 17;

// The text of the list entry at position 0 .. 16, as the list shows it.
QString entry(int position);

// The code of the entry at a position: two digits, "99" for the last one,
// and "00" for no position (-1).
QString codeAt(int position);

// The position of the entry a code names: "99" the last one, a code that
// reads as k = 1 .. 16 entry k; -1 for any other code.
int positionOfCode(const QString& code);

// The text of state k = 1 .. 16; empty for any other number.
QString textOfState(int k);

} // namespace FederalStates
