#pragma once

// Named field indexes of the Einheitspapier: what the form rules, the views,
// the dialogs and printing use instead of bare numbers. The indexes are those
// of the field store and the files, so they never change.
//
// First page: EhField::Box8Address. Continuation sheet: EhField::Cont::...
// The goods positions of a continuation sheet repeat one block of fields;
// EhGoodsPosition turns a position and a block offset into an index.
namespace EhField {

// --- first page ("Seite 1") --------------------------------------------------
inline constexpr int Box1A = 0;
inline constexpr int Box1B = 1;
inline constexpr int Box1C = 2;
inline constexpr int Box1Fields = 3; // 1 A to 1 C; every continuation sheet repeats them
// Stamp box A, six lines (3..8); its fourth line takes the date.
inline constexpr int StampA1 = 3;
inline constexpr int StampA2 = 4;
inline constexpr int StampA3 = 5;
inline constexpr int StampA4 = 6;
inline constexpr int StampA5 = 7;
inline constexpr int StampA6 = 8;
inline constexpr int Box2Number = 9;
inline constexpr int Box2Address = 10;
inline constexpr int Box3A = 11;    // this sheet's number
inline constexpr int Box3B = 12;    // number of sheets
inline constexpr int Box4 = 13;
inline constexpr int Box5 = 14;     // number of goods positions
inline constexpr int Box6 = 15;
inline constexpr int Box7 = 16;
inline constexpr int Box8Number = 17;
inline constexpr int Box8Address = 18;
inline constexpr int Box9 = 19;
inline constexpr int Box10 = 20;
inline constexpr int Box11 = 21;
inline constexpr int Box12 = 22;
inline constexpr int Box13 = 23;
inline constexpr int Box14Number = 24;
inline constexpr int Box14Declarant = 25;
inline constexpr int Box15Text = 26;
inline constexpr int Box15A = 27;
inline constexpr int Box15B = 28;
inline constexpr int Box17A = 29;
inline constexpr int Box17B = 30;
inline constexpr int Box16 = 31;
inline constexpr int Box17Text = 32;
inline constexpr int Box18A = 33;
inline constexpr int Box18B = 34;
inline constexpr int Box19 = 35;
inline constexpr int Box20A = 36;
inline constexpr int Box20B = 37;
inline constexpr int Box21A = 38;
inline constexpr int Box21B = 39;
inline constexpr int Box22A = 40;
inline constexpr int Box22B = 41;
inline constexpr int Box23 = 42;
inline constexpr int Box24A = 43;
inline constexpr int Box24B = 44;
inline constexpr int Box25 = 45;
inline constexpr int Box26 = 46;
inline constexpr int Box27 = 47;
inline constexpr int Box28A = 48;
inline constexpr int Box28B = 49;
inline constexpr int Box29 = 50;
inline constexpr int Box30 = 51;
// The first page's goods position: boxes 31 to 46 (52..72) and box 47.
inline constexpr int Box31 = 52;
inline constexpr int Box32 = 53;
inline constexpr int Box33A = 54;
inline constexpr int Box33B = 55;
inline constexpr int Box33C = 56;
inline constexpr int Box33D = 57;
inline constexpr int Box33E = 58;
inline constexpr int Box34A = 59;
inline constexpr int Box34B = 60;
inline constexpr int Box35 = 61;
inline constexpr int Box36 = 62;
inline constexpr int Box37A = 63;
inline constexpr int Box37B = 64;
inline constexpr int Box38 = 65;
inline constexpr int Box39 = 66;
inline constexpr int Box40 = 67;
inline constexpr int Box41 = 68;
inline constexpr int Box44 = 69;   // its text comes from its dialog, five lines in SmallSizeStep
inline constexpr int Box42 = 70;
inline constexpr int Box44Deadline = 71;
inline constexpr int Box46 = 72;
inline constexpr int Box47 = 73;    // the whole grid; entering it opens the box 47 dialog
inline constexpr int Box48 = 74;
inline constexpr int Box49 = 75;
inline constexpr int Box50A = 76;
inline constexpr int Box50B = 77;
inline constexpr int Box50C = 78;
inline constexpr int Box50D = 79;
// Stamp box C, six lines (80..85); its fourth line takes the date.
inline constexpr int StampC1 = 80;
inline constexpr int StampC2 = 81;
inline constexpr int StampC3 = 82;
inline constexpr int StampC4 = 83;
inline constexpr int StampC5 = 84;
inline constexpr int StampC6 = 85;
inline constexpr int Box51A = 86;
inline constexpr int Box51F = 91;
inline constexpr int Box52Line1 = 92;
inline constexpr int Box52Line3 = 94;
inline constexpr int Box53 = 95;
inline constexpr int Box54Place = 96;   // place and date
inline constexpr int Box54Name = 97;
inline constexpr int D1 = 98;
inline constexpr int D5 = 102;
// Right of box 47, below boxes 48 and 49.
inline constexpr int Box47Side1 = 103;
inline constexpr int Box47Side2 = 104;
inline constexpr int Box47SideBlock = 105;
// The five short lines at the top of box 44 (106..110).
inline constexpr int Box44Line1 = 106;
inline constexpr int Box44Line5 = 110;
inline constexpr int OffSheet1 = 111;   // outside the sheet, never visible
inline constexpr int OffSheet2 = 112;
inline constexpr int Box44Text = 113;   // box 44's text area below the short lines
inline constexpr int Box44Second = 114; // a second rectangle on box 44's deadline
// Box 47 grid: cell (row, column) at Box47Grid + 5 * row + column.
inline constexpr int Box47Grid = 115;
inline constexpr int Box47Total = 150;
inline constexpr int SheetNumber = 151; // the top of the sheet, like a continuation sheet's number
inline constexpr int ScreenOnly1 = 152; // beside box 44's deadline, never printed
inline constexpr int ScreenOnly2 = 153;

inline constexpr int FirstPageCount = 154;

// The size step of the boxes that hold more lines than the usual step 3
// shows: box 44, its old short lines, box 2 of the continuation sheet.
inline constexpr int SmallSizeStep = 1;

// Box 47 grids: seven rows of five columns.
inline constexpr int Box47Rows = 7;
inline constexpr int Box47Columns = 5;
enum Box47Column : int { ColKind = 0, ColBase = 1, ColRate = 2, ColAmount = 3, ColZA = 4 };
inline constexpr int Box47TotalOffset = Box47Rows * Box47Columns; // the total after the cells
constexpr int box47Cell(int gridBase, int row, int column) { return gridBase + Box47Columns * row + column; }

// Offsets within a goods position's block of boxes 31 to 46: the first
// page's position starts at Box31, a continuation position at
// Cont::FirstBlock + Cont::BlockFields * (slot - 1).
namespace Block {
inline constexpr int Box31 = 0;
inline constexpr int Box32 = 1;
inline constexpr int Box33A = 2;
inline constexpr int Box33E = 6;
inline constexpr int Box34A = 7;
inline constexpr int Box34B = 8;
inline constexpr int Box35 = 9;
inline constexpr int Box36 = 10;
inline constexpr int Box37A = 11;
inline constexpr int Box37B = 12;
inline constexpr int Box38 = 13;
inline constexpr int Box39 = 14;
inline constexpr int Box40 = 15;
inline constexpr int Box41 = 16;
inline constexpr int Box44 = 17;
inline constexpr int Box42 = 18;
inline constexpr int Box44Deadline = 19;
inline constexpr int Box46 = 20;
} // namespace Block

// --- continuation sheet ("Ergänzungsblatt") -----------------------------------
namespace Cont {
inline constexpr int SheetNumber = 0;
inline constexpr int StampA1 = 1;   // stamp box A, six lines (1..6)
inline constexpr int StampA4 = 4;   // the date line
inline constexpr int StampA6 = 6;
inline constexpr int Box2Number = 7;
inline constexpr int Box2Address = 8;
inline constexpr int Box3A = 9;
inline constexpr int Box3B = 10;
// Three goods positions of BlockFields fields each, from FirstBlock; the
// offsets within a block follow the first page's boxes 31 to 46.
inline constexpr int FirstBlock = 11;
inline constexpr int BlockFields = 21;
// Box 47 of each position as one field each (entering it opens the dialog)
// and the summary box.
inline constexpr int Box47Position1 = 74;
inline constexpr int Box47Position3 = 76;
inline constexpr int Box47Summary = 77;
// The grids of the three positions (cell as on the first page, total at
// base + 35) and the summary grid: three columns "Art", "Betrag", "ZA".
inline constexpr int Box47Grids[3] = {78, 114, 150};
inline constexpr int SummaryGrid = 186;
inline constexpr int SummaryColumns = 3;
enum SummaryColumn : int { SumKind = 0, SumAmount = 1, SumZA = 2 };
inline constexpr int SummaryTotal = 207;
constexpr int summaryCell(int row, int column) { return SummaryGrid + SummaryColumns * row + column; }
// The fields a continuation sheet starts in the small size step: box 2
// and box 44 of each position.
inline constexpr int SmallFontFields[5] = {Box2Number, Box2Address, FirstBlock + Block::Box44,
                                           FirstBlock + BlockFields + Block::Box44,
                                           FirstBlock + 2 * BlockFields + Block::Box44};
// Two screen-only fields per position beside its deadline (208..213).
inline constexpr int ScreenOnlyFirst = 208;

inline constexpr int Count = 214;
} // namespace Cont


static_assert(Box31 + Block::Box46 == Box46, "the first page's position follows the block layout");
static_assert(Cont::FirstBlock + 3 * Cont::BlockFields == Cont::Box47Position1);

} // namespace EhField
