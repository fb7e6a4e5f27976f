#pragma once

#include <QLine>
#include <QList>

// The lines of the drawn Einheitspapier, in 0.1 mm from the sheet's top-left
// corner, y downwards. Each page kind has its lines in groups; the group
// decides the pen and whether the group is drawn at all.
namespace EhFormLines {

using Group = QList<QLine>;

// Groups of the first page, in drawing order.
enum FirstPageGroup {
    FirstThinGreen,      // 1: box lines
    FirstThickGreen,     // 2: frame and section lines
    FirstDottedGreen,    // 3: subdivisions inside boxes
    FirstHidden4,        // 4: not drawn
    FirstInputTaxCross,  // 5: not drawn as form; the input-tax cross
    FirstInputTaxBox,    // 6: thin black, form sets 0, 1 and 3 only
    FirstHidden7,        // 7: not drawn
    FirstStampAThin,     // 8, 9: stamp field A, when switched on
    FirstStampAThick,
    FirstStampCThin,     // 10, 11: stamp field C, when switched on
    FirstStampCThick,
    FirstGroupCount
};

// Groups of the continuation sheet.
enum ContinuationGroup {
    ContThinGreen,       // 1
    ContThickGreen,      // 2
    ContDottedGreen,     // 3
    ContStampAThin,      // 4, 5: stamp field A, when switched on
    ContStampAThick,
    ContGroupCount
};

const QList<Group>& firstPage();
const QList<Group>& continuation();

} // namespace EhFormLines
