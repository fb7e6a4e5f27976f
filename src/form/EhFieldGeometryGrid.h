#pragma once

#include <array>

// The raster of the printed Einheitspapier, shared by the field rectangles,
// the drawn lines and the caption positions so that all three agree.
//
// The official form is designed for a typewriter: its boxes sit on columns of
// one tenth of an inch (2.54 mm) and lines of one sixth of an inch (4.23 mm).
// All values are 0.1 mm from the sheet's top-left corner, y downwards.
namespace EhGrid {

constexpr int FrameLeft = 150;   // left frame line, column 0
constexpr int Columns = 73;      // the frame is 73 columns wide
constexpr int FirstTop = 65;     // top frame line of the first page
constexpr int ContTop = 51;      // top frame line of the continuation sheet

// x of column c, rounded to 0.1 mm.
constexpr int x(int col) { return FrameLeft + (col * 254 + 5) / 10; }
// y of line r from a page's top frame line.
constexpr int rowY(int top, int row) { return top + (row * 4233 + 50) / 100; }
constexpr int y(int row) { return rowY(FirstTop, row); }
constexpr int yc(int row) { return rowY(ContTop, row); }

constexpr int FrameRight = x(Columns);

// Where the form leaves the raster: boxes whose captions need a little more
// room than whole columns give them (box 21's caption is one long line).
constexpr int Box11Right = 1401;        // boxes 11 | 12
constexpr int Box15CodeRight = 1782;    // "Vers./Ausf.L.Code" | "Bestimm.L.Code"
constexpr int Box21Right = 1186;        // boxes 21, 27, 30 | 22, 28
constexpr int Box22Right = 1695;        // boxes 22 | 23
constexpr int Box23Right = 1893;        // boxes 23 | 24

// Rows of the goods-position block (box 31 with boxes 32-41 beside it, then
// box 44 with 46 beside it): first page from line 24, continuation blocks
// from line 4 every 14 lines.
constexpr int FirstBlockRow = 24;
constexpr int ContBlockRow = 4;
constexpr int ContBlockPitch = 14;
// The continuation sheet's goods positions lie 0.5 mm further apart than
// whole lines: position k (0, 1, 2) sits k * 0.5 mm lower.
constexpr int ContBlockDrift = 5;
constexpr int contBlockDrift(int k) { return ContBlockDrift * k; }
constexpr int BlockBox31Rows = 10;
constexpr int FirstBox44Rows = 5;
constexpr int ContBox44Rows = 4;

// Box 47: a header line with the column names, seven rows of 4.5 mm and a
// total under the "Betrag" column. The rows start 1.5 mm above the whole
// line under the header, where the sheet has them, which leaves a narrow
// header.
constexpr int DutyRaise = 15;
constexpr int DutyRows = 7;
constexpr int DutyRowPitch = 45;
constexpr int DutyRowHeight = 45;
constexpr int DutyTotalGap = 15;
constexpr int DutyTotalHeight = 40;

// Column boundaries of a duty grid, left to right.
struct DutyColumns {
    std::array<int, 6> edges;   // Art | Bemessungsgrundlage | Satz | Betrag | ZA
    int count;                  // 5 columns, or 3 in the summary grid
    int betragColumn;           // index of the "Betrag" column
};

// First page and the continuation's first and third position (left half).
constexpr DutyColumns LeftDutyColumns{{x(0), x(4), x(17), x(24), x(34), x(37)}, 5, 3};
// The continuation's second position (right half).
constexpr DutyColumns RightDutyColumns{{x(37), x(41), x(54), x(60), x(70), x(73)}, 5, 3};
// The continuation's summary grid: Art | Betrag | ZA.
constexpr DutyColumns SummaryDutyColumns{{x(37), x(41), x(51), x(55), 0, 0}, 3, 1};

// Where the duty rows of a grid start: just below its header line.
constexpr int dutyRowsTop(int headerBottom) { return headerBottom + 2; }
constexpr int dutyRowsEnd(int headerBottom) { return dutyRowsTop(headerBottom) + DutyRows * DutyRowPitch; }
constexpr int dutyTotalTop(int headerBottom) { return dutyRowsEnd(headerBottom) + DutyTotalGap; }
// The total's box under the "Betrag" column: it starts 1.5 mm left of the
// column, where the sheet prints the total, and the total's text ends where
// the amounts above it end.
constexpr int DutyTotalIndent = 5;
constexpr int dutyTotalBoxLeft(const DutyColumns& cols) { return cols.edges[cols.betragColumn] - 2 * DutyTotalIndent; }

// Header lines of the duty grids. The upper grids of the continuation sheet
// start under the third position, which lies 1.0 mm low.
constexpr int FirstDutyHeaderTop = y(39);
constexpr int FirstDutyHeaderBottom = y(40) - DutyRaise;
constexpr int ContUpperHeaderTop = yc(46) + contBlockDrift(2);
constexpr int ContUpperHeaderBottom = yc(47) - DutyRaise;
// The first position's box 47 (a fixed point) reaches 0.1 mm past line 57,
// so the grids below start just under it.
constexpr int ContLowerHeaderTop = yc(57) + 2;
constexpr int ContLowerHeaderBottom = yc(58) - DutyRaise;
// On the right half the summary starts one line higher than the third
// position, to make room for its title.
constexpr int ContSummaryTop = yc(56);
constexpr int ContBottom = yc(67);

// The input-tax check box where the printed cross lands: across the line
// between box 31 and box 44, left of box 44's captions.
constexpr int InputTaxBoxLeft = 165;
constexpr int InputTaxBoxTop = 1495;
constexpr int InputTaxBoxSize = 30;
constexpr int FirstBottom = y(66);

} // namespace EhGrid
