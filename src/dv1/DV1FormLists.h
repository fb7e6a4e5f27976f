#pragma once

#include <QLine>
#include <QList>

#include "dv1/DV1Geometry.h"
#include "view/EhFormCaptions.h"

// The printed picture of the D.V.1 sheets: the lines and texts of the
// front, of a back and of the front of a D.V.1 BIS, in 0.1 mm from the
// sheet's top-left corner, y downwards, laid around the field rectangles
// and answer boxes of DV1Geometry.
//
// Lines come in three lists by pen (drawn in this order): thin solid, dotted
// and thick solid. Texts come in two lists by font, bold and normal; a text's
// point is its left edge and the bottom of its text cell.
namespace DV1FormLists {

using Lines = QList<QLine>;
using Caption = EhFormCaptions::Caption;
using Captions = QList<Caption>;

struct Sheet {
    Lines thin;
    Lines dotted;
    Lines thick;
    Captions bold;
    Captions normal;
};

const Sheet& sheet(DV1Geometry::Layout layout);

} // namespace DV1FormLists
