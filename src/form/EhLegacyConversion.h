#pragma once

#include <QString>

class ArchiveReader;
class CEinheitspapierDoc;

// Reading the "AEForm" documents of versions 1.10 to 1.51 and converting
// their numbering into the current field store.
//
// Rules of our own where the old layouts leave room:
// - 1.10 keeps every text in one array: the old first-page numbering
//   (127 entries) followed by 193 entries per continuation page. Pages are
//   counted from the entries present; trailing continuation pages without
//   any text are dropped (a document keeps at least one).
// - Box 47 of a continuation page: old entries 59..62 are the four text
//   areas "47-1" .. "47 (Summe)" (fields 74..77); old entries 63..192 fill
//   the grid fields 78..207 in order (the three position grids, then the
//   summary grid).
// - "Feld 42" of position k, which the old versions did not have, is built
//   from the position's assessment base (box 47 grid, row 0, column
//   "Bemessungsgrundlage") as "<amount> <first currency name>". An amount
//   that already names the first or second currency is taken as it is; an
//   empty one leaves "Feld 42" empty.
// - The five short lines of old box 44 are appended to box 44's text, one
//   line each, skipping empty lines.
namespace EhLegacyConversion {

// The two currency symbols an old file's box 42 is completed with: the
// user's "WSymbol0" and "WSymbol1" at the time the file is read. The caller
// passes them, so reading depends on nothing but the file and its arguments.
struct Currencies {
    QString first;
    QString second;
};

constexpr int FirstPageEntries = 127;
constexpr int ContinuationEntries = 193;

// The layouts after the magic. Both return false when the data ends inside
// an item; the document is then in an undefined state for the caller to
// reset.
bool read110(ArchiveReader& in, CEinheitspapierDoc& doc, const Currencies& currencies);
// 1.20 and 1.41; withCode for 1.50 (form-set code), withIntegers for 1.51
// (byte list before the code).
bool read120(ArchiveReader& in, CEinheitspapierDoc& doc, const Currencies& currencies, bool withCode,
             bool withIntegers);

// Moves the legacy arrays of the document into its field store, then empties
// them and marks the document modified.
void convert(CEinheitspapierDoc& doc, int continuationPages, const Currencies& currencies);

} // namespace EhLegacyConversion
