#pragma once

#include <QString>

// The modes of transport of boxes 25 and 26, shown as "1 - Seeverkehr".
// Code 6 has no entry of its own.
namespace TransportModes {

constexpr int Count = 8;

// The list text at a position 0 .. 7; empty outside.
QString entry(int position);

// The list position for a code: c - 1 for 1 .. 5, c - 2 for 7 .. 9 (so 6
// lands on the postal entry), 0 for codes of 0 and below. Codes above 9 give
// a position beyond the list.
int positionOfCode(int code);

} // namespace TransportModes
