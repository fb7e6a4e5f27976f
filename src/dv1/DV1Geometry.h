#pragma once

#include "form/EhFieldGeometry.h"

// Where every field and answer box of the D.V.1 lies, in 0.1 mm from the
// top-left corner of the sheet, y downwards (right and bottom exclusive, as
// for the Einheitspapier).
//
// A D.V.1 has three layouts: the front of the declaration (page 1), the back
// of a sheet (pages 2, 4, 6 ...: the declaration's back and the back of each
// D.V.1 BIS) and the front of a D.V.1 BIS (pages 3, 5, 7 ...), whose values
// start lower and further right under the sheet's own heading. Pages 2 and
// up share the 61 fields of the continuation set.
namespace DV1Geometry {

enum class Layout { First, Even, Odd };

Layout layoutOf(int page);

// The four sheet sides, which the print margins are set for: 1 the front,
// 2 the back of the declaration, 3 the front and 4 the back of a D.V.1 BIS.
int sheetSide(int page);

inline constexpr int FirstPageFields = 12;
inline constexpr int ContinuationFields = 61;
inline constexpr int AnswerBoxes = 14;

int fieldCount(Layout layout);

// The field's rectangle on the screen picture; all zeros for an index
// outside the layout's fields and for field 52 on the front of a D.V.1 BIS,
// which has no place for it.
EhRect screenRect(Layout layout, int field);

// The field's rectangle on the pre-printed sheet: the screen rectangle but
// for two fields, whose places on the paper differ from the picture.
EhRect printRect(Layout layout, int field);

// The yes/no boxes of the first page: pairs (0, 1) ... (12, 13) side by
// side, "ja" on the left.
EhRect answerBox(int box);

// The help topic of a field: the first page's boxes have their own, every
// continuation field shares one.
inline constexpr int FirstHelpContext = 300;
inline constexpr int ContinuationHelpContext = 312;
int helpContext(int page, int field);

} // namespace DV1Geometry
