#pragma once

#include <QString>

// Names of the Einheitspapier fields as the field-definition list shows
// them: the first 103 first-page fields, then the first 78 continuation
// fields. The remaining fields (box 47 grids, screen-only fields) have no
// entry in that list.
namespace EhFieldNames {

constexpr int FirstPageNamed = 103;
constexpr int ContinuationNamed = 78;
constexpr int ListSize = FirstPageNamed + ContinuationNamed;

// The bare name of a field, or an empty string for a field without one.
QString firstPage(int field);
QString continuation(int field);

// Entry of the field-definition list at a position 0 .. ListSize - 1:
// "Seite 1 - <name>" for the first-page fields, "Seite 2 - <name>" for the
// continuation fields (position 103 + field); empty beyond the list.
QString listEntry(int position);

} // namespace EhFieldNames
