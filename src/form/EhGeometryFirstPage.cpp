#include "form/EhFieldGeometryBlocks.h"

// Screen rectangles of the first page (form sheet "Anmeldung"). Each field
// lies inside the box of the printed form that carries its number, a little
// below the box's caption line.

namespace EhFieldGeometry::detail {

using EhGrid::x;
using EhGrid::y;

std::array<EhRect, FirstPageRows> firstPageScreen()
{
    std::array<EhRect, FirstPageRows> f{};

    // Box 1 and its three cells; box A with the six lines of stamp field A.
    f[0] = {1074, 115, 1165, 175};
    f[1] = {x(40) + 10, 115, x(44) - 1, 175};
    f[2] = {x(44) + 10, 115, x(48) - 1, 175};
    for (int i = 0; i < 6; ++i)
        f[3 + i] = {x(48) + 11, 110 + 27 * i, x(73) - 9, 137 + 27 * i};

    // Box 2 with its number; boxes 3 to 7 beside it.
    f[9] = {760, y(1) + 3, 1050, y(2) - 2};
    f[10] = {160, 152, 1050, 354};
    f[11] = {x(36) + 10, y(3) + 38, x(39) - 5, y(5) - 5};    // 3 A
    f[12] = {x(39) + 5, y(3) + 38, x(42) - 5, y(5) - 5};     // 3 B
    f[13] = {x(42) + 10, y(3) + 38, x(48) - 5, y(5) - 5};    // 4
    f[14] = {x(36) + 10, y(5) + 37, x(42) - 5, y(7) - 5};    // 5
    f[15] = {x(42) + 10, y(5) + 37, x(51) - 5, y(7) - 5};    // 6
    f[16] = {x(51) + 10, y(5) + 37, x(73) - 9, y(7) - 5};    // 7

    // Boxes 8 and 14 with their numbers; 9 to 13, 15 to 17 beside them.
    f[17] = {760, y(7) + 3, 1050, y(8) - 2};
    f[18] = {160, y(8) + 2, 1050, y(12) - 5};
    f[19] = {x(36) + 10, y(8) - 4, x(73) - 9, y(10) - 4};    // 9
    f[20] = {1150, y(11) - 11, x(43) - 5, y(12) - 3};        // 10
    f[21] = {1300, y(11) - 9, EhGrid::Box11Right - 5, y(12) - 3};         // 11
    f[22] = {EhGrid::Box11Right + 10, y(10) + 12, x(62) - 5, y(12) - 3};  // 12
    f[23] = {x(62) + 10, y(11) - 9, x(73) - 9, y(12) - 3};   // 13
    f[24] = {760, y(12) + 3, 1050, y(13) - 1};
    f[25] = {160, y(13) + 2, 1050, y(16) - 4};
    f[26] = {x(36) + 10, y(13) - 3, x(55) - 7, y(14) - 4};   // 15
    f[27] = {x(55) + 10, y(13) - 3, x(59) - 5, y(14) - 4};   // 15 A
    f[28] = {x(59) + 6, y(13) - 3, EhGrid::Box15CodeRight - 6, y(14) - 4};   // 15 B
    f[29] = {EhGrid::Box15CodeRight + 8, y(13) - 3, x(67) - 4, y(14) - 4};   // 17 A
    f[30] = {x(67) + 6, y(13) - 3, x(73) - 9, y(14) - 4};    // 17 B
    f[31] = {x(36) + 10, y(15) - 4, x(55) - 7, y(16) - 4};   // 16
    f[32] = {x(55) + 10, y(15) - 4, x(73) - 9, y(16) - 4};   // 17

    // Boxes 18 to 30.
    f[33] = {160, y(17) - 4, x(28) - 6, y(18) - 4};          // 18 A
    f[34] = {x(28) + 9, y(17) - 4, x(36) - 9, y(18) - 4};    // 18 B
    f[35] = {x(36) + 10, y(17) - 4, x(40) - 6, y(18) - 4};   // 19
    f[36] = {x(40) + 10, y(17) - 4, x(48) - 5, y(18) - 4};   // 20 A
    f[37] = {x(48) + 10, y(17) - 4, x(73) - 9, y(18) - 4};   // 20 B
    f[38] = {160, y(19) - 5, x(30) - 7, y(20) - 4};          // 21 A
    f[39] = {x(30) + 8, y(19) - 5, EhGrid::Box21Right - 6, y(20) - 4};         // 21 B
    f[40] = {EhGrid::Box21Right + 10, y(19) - 3, x(46) - 5, y(21) - 4};        // 22 A
    f[41] = {x(46) + 7, y(19) - 3, EhGrid::Box22Right - 6, y(21) - 4};         // 22 B
    f[42] = {EhGrid::Box22Right + 10, y(20) - 22, EhGrid::Box23Right - 7, y(21) - 4};   // 23
    f[43] = {EhGrid::Box23Right + 8, y(21) - 41, 1948, y(21) - 4};             // 24 A
    f[44] = {1956, y(21) - 41, x(73) - 6, y(21) - 4};                          // 24 B
    f[45] = {305, y(21) - 6, x(9) - 5, y(22) - 4};           // 25
    f[46] = {530, y(21) - 6, x(18) - 5, y(22) - 4};          // 26
    f[47] = {x(18) + 10, y(21) - 6, EhGrid::Box21Right - 6, y(22) - 4};   // 27
    f[48] = {EhGrid::Box21Right + 10, y(21) + 36, x(73) - 9, y(23) - 2};  // 28 A
    f[49] = {EhGrid::Box21Right + 10, y(23) + 2, x(73) - 9, y(24) - 3};   // 28 B
    f[50] = {160, y(23) - 6, x(18) - 7, y(24) - 3};                       // 29
    f[51] = {x(18) + 10, y(23) - 6, EhGrid::Box21Right - 6, y(24) - 3};   // 30

    // The goods position: boxes 31 to 46.
    // Box 44's text takes five lines from the box's first line on: the short
    // lines there (106-110) are unused in every form set.
    const GoodsBlock block{EhGrid::FirstTop, EhGrid::FirstBlockRow, EhGrid::FirstBox44Rows, 4};
    const auto goods = block.fields();
    for (int i = 0; i < 21; ++i)
        f[52 + i] = goods[i];
    f[52] = {160, 1155, 1160, 1500};

    // Box 47 as a whole (below its column names, which its text must leave
    // readable), boxes 48, 49 and B beside it.
    f[73] = {160, EhGrid::dutyRowsTop(EhGrid::FirstDutyHeaderBottom), 1070, 2125};
    f[74] = {x(37) + 10, y(40), x(55) - 7, y(41) - 4};
    f[75] = {x(55) + 10, y(40), x(73) - 9, y(41) - 4};

    // Box 50, stamp field C in box C.
    f[76] = {160, y(49) + 36, 990, y(51) + 21};
    f[77] = {760, y(49) + 3, 990, y(50) - 9};
    f[78] = {400, y(51) + 26, x(48) - 9, y(52) + 26};
    f[79] = {400, y(53) - 6, x(48) - 9, y(54) - 5};
    for (int i = 0; i < 6; ++i)
        f[80 + i] = {x(48) + 11, y(50) + 2 + 27 * i, x(73) - 9, y(50) + 29 + 27 * i};

    // Box 51: six crossing points right of the caption column.
    for (int i = 0; i < 6; ++i) {
        const int left = x(9) + 271 * i;
        f[86 + i] = {left + 8, y(55) - 14, left + 263, y(57) - 6};
    }
    // Boxes 52 and 53.
    f[92] = {160, y(58) - 6, x(18) - 7, y(59) - 4};
    f[93] = {x(18) + 10, y(58) - 6, x(35) - 7, y(59) - 4};
    f[94] = {x(35) + 10, y(58) - 6, x(40) - 6, y(59) - 4};
    f[95] = {x(40) + 10, y(58) - 6, x(73) - 9, y(59) - 4};
    // Box 54: place and date under its caption, the name at the bottom.
    f[96] = {x(40) + 10, y(59) + 36, x(73) - 9, y(60) + 37};
    f[97] = {x(40) + 10, y(65) - 16, x(73) - 9, y(66) - 7};
    // Box D: five lines.
    for (int i = 0; i < 5; ++i)
        f[98 + i] = {160, y(59) + 38 + 50 * i, x(40) - 6, y(59) + 83 + 50 * i};

    // Box B: two lines and a block under its caption.
    f[103] = {x(37) + 10, y(41) + 40, x(73) - 9, y(41) + 80};
    f[104] = {x(37) + 10, y(41) + 85, x(73) - 9, y(41) + 125};
    f[105] = {x(37) + 10, y(41) + 130, x(73) - 9, y(49) - 9};

    // Box 44: five short lines along its top, the two values kept outside
    // the sheet, the text area (drawn only) and the second rectangle on the
    // place of the Ein-/Ausfuhrfrist.
    const EhRect text = f[69];
    const int shortTop = y(34) + 8, shortBottom = y(34) + 51;
    for (int i = 0; i < 5; ++i)
        f[106 + i] = {360 + 220 * i, shortTop, i == 4 ? text.right : 355 + 220 * (i + 1), shortBottom};
    f[111] = {4160, shortTop, 4160 + text.width(), shortBottom};
    // 113 starts a line lower and moves up when the first line is free.
    f[113] = {text.left, text.top + 50, text.right, f[71].bottom};
    f[112] = {4160, f[113].top, 4160 + text.width(), f[71].bottom};
    f[114] = f[71];

    EhRect total;
    placeDutyGrid(&f[FirstDutyBase], total, EhGrid::LeftDutyColumns, EhGrid::FirstDutyHeaderBottom);
    f[FirstDutyTotal] = total;

    // 151 on the place where the continuation sheet carries its number.
    f[151] = {x(48) + 11, 10, x(73) - 9, 48};
    f[152] = block.besideDeadlineLeft();
    f[153] = block.besideDeadlineRight();
    return f;
}

} // namespace EhFieldGeometry::detail
