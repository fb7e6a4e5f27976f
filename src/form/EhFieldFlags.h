#pragma once

#include <QByteArray>
#include <QList>

#include <cstdint>

// The per-field flags of the Einheitspapier, one byte per field and form set.
//
// A table is laid out as the settings store keeps it: byte (field * 4 + form
// set), so the first-page table has 154 * 4 = 616 bytes and the continuation
// table 214 * 4 = 856 bytes.
namespace EhFieldFlags {

constexpr int FirstPageFields = 154;
constexpr int ContinuationFields = 214;
constexpr int FormSets = 4;
constexpr int FirstTableSize = FirstPageFields * FormSets;          // 616
constexpr int ContinuationTableSize = ContinuationFields * FormSets; // 856

constexpr std::uint8_t NotPrinted = 0x01;
constexpr std::uint8_t NotEditable = 0x02;
constexpr std::uint8_t NotShown = 0x08;
constexpr std::uint8_t Unused = 0x0B;

enum class PageKind { First, Continuation };

// The built-in tables (the state after "Originalwerte für alle Felder").
const QByteArray& defaultTable(PageKind kind);

// Fields of a form set that get the unused mark when the view opens with
// "XXX in unbenutzten Feldern anzeigen" switched on.
const QList<int>& unusedMarks(PageKind kind, int formSet);

// Byte of one field in a table; 0 for a form set outside 0..3 or a field
// beyond the table.
std::uint8_t flag(const QByteArray& table, int field, int formSet);
void setFlag(QByteArray& table, int field, int formSet, std::uint8_t value);

// Parses "2-8, 13, 15" into the listed numbers.
QList<int> parseRanges(const char* ranges);

} // namespace EhFieldFlags
