#pragma once

#include <QList>
#include <QPoint>
#include <QString>

// The printed texts of the drawn Einheitspapier: box numbers, box captions
// and the few notes. A caption's point is its left edge and the bottom edge
// of its text cell, in 0.1 mm from the sheet's top-left corner.
namespace EhFormCaptions {

struct Caption {
    QPoint pos;
    QString text;
    // Cell height in 0.1 mm where a caption must be smaller than the others
    // of its kind to fit between two lines; 0: the usual font.
    int cellHeight = 0;
};

constexpr int FirstPageCount = 154;
constexpr int ContinuationCount = 154;

// First page: 0 title, 1-56 box numbers and letters, 57-150 captions,
// 151 the input-tax note (form sets 0, 1, 3), 152 and 153 the notes of the
// simplified declaration (form set 2).
const QList<Caption>& firstPage();
// Continuation sheet: 0 title, 1-153 captions.
const QList<Caption>& continuation();

} // namespace EhFormCaptions
