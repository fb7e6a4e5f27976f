#include "form/EhFieldGeometryBlocks.h"

// Screen rectangles of the continuation sheet ("Ergänzungsblatt"): the head
// with boxes 2, 3 and stamp field A, three goods positions, and box 47 with
// one duty grid per position and the summary.

namespace EhFieldGeometry::detail {

using EhGrid::x;
using EhGrid::yc;

std::array<EhRect, ContinuationRows> continuationScreen()
{
    std::array<EhRect, ContinuationRows> f{};

    // The sheet number above the frame; stamp field A; boxes 2 and 3.
    f[0] = {x(48) + 11, 10, x(73) - 9, 48};
    for (int i = 0; i < 6; ++i)
        f[1 + i] = {x(48) + 11, 84 + 22 * i, x(73) - 9, 106 + 22 * i};
    f[7] = {760, yc(1) + 3, 1050, yc(2) - 2};
    f[8] = {160, yc(2), 1050, yc(4) - 4};
    f[9] = {1220, yc(3) + 3, 1290, yc(4) - 2};
    f[10] = {1300, yc(3) + 3, x(48) - 5, yc(4) - 2};

    // The three goods positions; box 31 of each is a fixed point, the first
    // one reaching 0.4 mm lower than the others.
    static constexpr EhRect box31[3] = {
        {160, 299, 1160, 644},
        {160, 889, 1160, 1232},
        {160, 1479, 1160, 1824},
    };
    for (int k = 0; k < 3; ++k) {
        const int drift = EhGrid::contBlockDrift(k);
        const GoodsBlock block{EhGrid::ContTop, EhGrid::ContBlockRow + EhGrid::ContBlockPitch * k,
                               EhGrid::ContBox44Rows, 8, drift};
        const auto goods = block.fields();
        const int base = ContBlockFirstField + ContBlockFields * k;
        for (int i = 0; i < ContBlockFields; ++i)
            f[base + i] = goods[i];
        f[base] = box31[k].translated(0, drift);
        f[208 + 2 * k] = block.besideDeadlineLeft();
        f[209 + 2 * k] = block.besideDeadlineRight();
    }

    // Box 47: the whole of each position's grid and of the summary (the
    // fields that open the duty dialogs), then the grids' cells.
    f[74] = {150, 2040, 1070, 2465};
    f[75] = {x(37) + 10, EhGrid::ContUpperHeaderBottom - 1, x(73) - 19, EhGrid::ContSummaryTop - 4};
    f[76] = {150, EhGrid::ContLowerHeaderBottom, 1070, EhGrid::ContBottom - 2};
    f[77] = {x(37) + 10, EhGrid::ContLowerHeaderBottom, x(55) - 7, EhGrid::ContBottom - 2};

    EhRect total;
    placeDutyGrid(&f[ContDutyBases[0]], total, EhGrid::LeftDutyColumns, EhGrid::ContUpperHeaderBottom);
    f[ContDutyBases[0] + 35] = total;
    placeDutyGrid(&f[ContDutyBases[1]], total, EhGrid::RightDutyColumns, EhGrid::ContUpperHeaderBottom);
    f[ContDutyBases[1] + 35] = total;
    placeDutyGrid(&f[ContDutyBases[2]], total, EhGrid::LeftDutyColumns, EhGrid::ContLowerHeaderBottom);
    f[ContDutyBases[2] + 35] = total;
    placeDutyGrid(&f[ContSummaryBase], total, EhGrid::SummaryDutyColumns, EhGrid::ContLowerHeaderBottom);
    f[ContSummaryTotal] = total;
    return f;
}

} // namespace EhFieldGeometry::detail
