#include "view/EhFormLines.h"

#include "form/EhFieldGeometryGrid.h"

namespace EhFormLines {

namespace {

using EhGrid::x;
using EhGrid::y;
using EhGrid::yc;

constexpr int L = EhGrid::FrameLeft;
constexpr int R = EhGrid::FrameRight;

// Collects the lines of one group.
struct Pen {
    Group lines;
    void h(int yy, int x1, int x2) { lines.append(QLine(x1, yy, x2, yy)); }
    void v(int xx, int y1, int y2) { lines.append(QLine(xx, y1, xx, y2)); }
    void line(int x1, int y1, int x2, int y2) { lines.append(QLine(x1, y1, x2, y2)); }
    void box(int x1, int y1, int x2, int y2)
    {
        h(y1, x1, x2);
        h(y2, x1, x2);
        v(x1, y1, y2);
        v(x2, y1, y2);
    }
};

// Boxes 31 to 46 of one goods position; rows relative to its top line.
void goodsBlock(Pen& thin, Pen& dotted, int pageTop, int firstRow, int box44Rows, int drift = 0)
{
    const auto r = [&](int i) { return EhGrid::rowY(pageTop, firstRow + i) + drift; };
    thin.v(x(40), r(0), r(10));
    for (int i : {2, 4, 6, 8})
        thin.h(r(i), x(40), R);
    thin.v(x(46), r(0), r(2));                  // 32 | 33
    for (int c : {55, 58, 63, 68})               // subdivisions of 33
        dotted.v(x(c), r(0) + 35, r(2));
    thin.v(x(52), r(2), r(6));                  // 34 | 35, 37 | 38
    thin.v(x(64), r(2), r(6));                  // 35 | 36, 38 | 39
    dotted.v(x(46), r(2) + 35, r(4));           // 34 a | b
    dotted.v(x(47), r(4) + 35, r(6));           // 37 A | B
    thin.v(x(52), r(8), r(10));                 // 41 | 42
    thin.h(r(10), L, R);                        // box 31 | box 44
    const int end = r(10 + box44Rows);
    thin.v(x(52), r(10), end);                  // 44 | Code B. V., 46
    thin.h(r(12), x(52), R);
    // The small boxes of the Ein-/Ausfuhrfrist line at the foot of box 44.
    const int deadline = r(9 + box44Rows);
    thin.h(deadline, x(36), x(52));
    thin.v(x(36), deadline, end);
    thin.v(x(40), deadline, end);
    thin.v(x(48), deadline, end);
}

// The head both pages share: the title line over box 2, the middle line,
// and box 1 with its three cells (the continuation sheet repeats box 1).
void head(Pen& thin, int top, int box2Top, int box1Bottom, int middleBottom, int box1ColumnBottom)
{
    thin.h(box2Top, L, x(36));
    thin.v(x(36), top, middleBottom);
    thin.v(x(48), top, box1ColumnBottom);
    thin.v(x(40), box2Top, box1Bottom);
    thin.v(x(44), box2Top, box1Bottom);
    thin.h(box1Bottom, x(36), x(48));
}

// A duty grid of box 47: column lines, header line, dotted row lines and
// the frame of the total under the "Betrag" column.
void dutyGrid(Pen& thin, Pen& dotted, const EhGrid::DutyColumns& cols, int headerTop, int headerBottom,
              int boxBottom)
{
    const int left = cols.edges[0], right = cols.edges[cols.count];
    const int rowsEnd = EhGrid::dutyRowsEnd(headerBottom) + 5;
    thin.h(headerBottom, left, right);
    for (int c = 1; c < cols.count; ++c)
        thin.v(cols.edges[c], headerTop, rowsEnd);
    for (int r = 1; r < EhGrid::DutyRows; ++r)
        dotted.h(EhGrid::dutyRowsTop(headerBottom) + r * EhGrid::DutyRowPitch, left, right);
    thin.h(rowsEnd, left, right);
    const int b = cols.betragColumn;
    thin.v(EhGrid::dutyTotalBoxLeft(cols), rowsEnd, boxBottom);
    thin.v(cols.edges[b + 1], rowsEnd, boxBottom);
}

// A stamp: thick frame, thin lines under the first and above the last line.
void stamp(Pen& thin, Pen& thick, int top, int bottom, int firstLine, int lastLine)
{
    thick.box(x(48) + 6, top, R - 6, bottom);
    thin.h(firstLine, x(48) + 6, R - 6);
    thin.h(lastLine, x(48) + 6, R - 6);
}

QList<Group> buildFirst()
{
    Pen thin, thick, dotted, hidden4, cross, taxBox, hidden7, stampAThin, stampAThick, stampCThin, stampCThick;

    thick.box(L, y(0), R, EhGrid::FirstBottom);

    // Head: boxes 1 to 7 and A.
    head(thin, y(0), y(1), y(3), y(18), y(5));
    thin.v(x(42), y(3), y(7));
    dotted.v(x(39), y(3) + 35, y(5));
    thin.h(y(5), x(36), R);
    thin.v(x(51), y(5), y(7));
    thin.h(y(7), L, R);

    // Boxes 8 to 17.
    thin.h(y(10), x(36), R);
    for (int xx : {x(43), EhGrid::Box11Right, x(62)})
        thin.v(xx, y(10), y(12));
    thin.h(y(12), L, R);
    thin.h(y(14), x(36), R);
    thin.v(x(55), y(12), y(16));
    thin.v(EhGrid::Box15CodeRight, y(12), y(14));
    dotted.v(x(59), y(12) + 35, y(14));
    dotted.v(x(67), y(12) + 35, y(14));
    thin.h(y(16), L, R);

    // Boxes 18 to 30.
    dotted.v(x(28), y(16) + 35, y(18));
    thin.v(x(40), y(16), y(18));
    thin.v(EhGrid::Box21Right, y(18), y(24));
    dotted.v(x(48), y(16) + 35, y(18));
    thin.h(y(18), L, R);
    dotted.v(x(30), y(18) + 35, y(20));
    thin.h(y(20), L, EhGrid::Box21Right);
    thin.v(EhGrid::Box22Right, y(18), y(21));
    thin.v(EhGrid::Box23Right, y(18), y(21));
    dotted.v(x(46), y(18) + 35, y(21));
    dotted.v(1952, y(21) - 41, y(21));
    thin.h(y(21), EhGrid::Box21Right, R);
    thin.v(x(9), y(20), y(22));
    thin.v(x(18), y(20), y(24));
    thin.h(y(22), L, EhGrid::Box21Right);
    thick.h(y(24), L, R);

    // The goods position, then box 47 with 48, 49 and B.
    goodsBlock(thin, dotted, EhGrid::FirstTop, EhGrid::FirstBlockRow, EhGrid::FirstBox44Rows);
    thick.h(y(39), L, R);
    thin.v(x(37), y(39), y(49));
    thin.v(x(55), y(39), y(41));
    thin.h(y(41), x(37), R);
    dutyGrid(thin, dotted, EhGrid::LeftDutyColumns, EhGrid::FirstDutyHeaderTop, EhGrid::FirstDutyHeaderBottom,
             y(49));
    thick.h(y(49), L, R);

    // Boxes 50, C, 51, 52, 53, D and 54.
    thin.v(x(48), y(49), y(54));
    thin.h(y(54), L, R);
    for (int i = 1; i < 6; ++i)
        thin.v(x(9) + 271 * i, y(54), y(57));
    thin.v(x(9), y(54), y(57));
    thin.h(y(57), L, R);
    thin.v(x(40), y(57), EhGrid::FirstBottom);
    thin.v(x(18), y(57), y(59));
    thin.v(x(35), y(57), y(59));
    thin.h(y(59), L, R);

    // The input-tax check box and its cross, where the printer puts the
    // cross. (The first line of box 44 belongs to box 44's text when nothing
    // else is kept there.)
    {
        constexpr int l = EhGrid::InputTaxBoxLeft, t = EhGrid::InputTaxBoxTop;
        constexpr int r = l + EhGrid::InputTaxBoxSize, b = t + EhGrid::InputTaxBoxSize;
        taxBox.box(l, t, r, b);
        cross.line(l, t, r, b);
        cross.line(r, t, l, b);
    }

    stamp(stampAThin, stampAThick, 104, 274, 137, 245);
    stamp(stampCThin, stampCThick, y(50) - 1, y(54) - 3, y(50) + 29, y(50) + 137);

    return {thin.lines, thick.lines, dotted.lines, hidden4.lines, cross.lines, taxBox.lines, hidden7.lines,
            stampAThin.lines, stampAThick.lines, stampCThin.lines, stampCThick.lines};
}

QList<Group> buildContinuation()
{
    Pen thin, thick, dotted, stampAThin, stampAThick;

    thick.box(L, yc(0), R, EhGrid::ContBottom);

    // Head: boxes 2, 1, 3 and A.
    head(thin, yc(0), yc(1), yc(3), yc(4), yc(4));
    dotted.v(1295, yc(3) + 5, yc(4));
    thick.h(yc(4), L, R);

    // Three goods positions, each closed by a thick line.
    for (int k = 0; k < 3; ++k) {
        const int first = EhGrid::ContBlockRow + EhGrid::ContBlockPitch * k;
        const int drift = EhGrid::contBlockDrift(k);
        goodsBlock(thin, dotted, EhGrid::ContTop, first, EhGrid::ContBox44Rows, drift);
        thick.h(yc(first + EhGrid::BlockBox31Rows + EhGrid::ContBox44Rows) + drift, L, R);
    }

    // Box 47: positions 1 and 2 side by side, position 3 under the first,
    // the summary and box C under the second.
    thin.v(x(37), EhGrid::ContUpperHeaderTop, EhGrid::ContBottom);
    thin.h(EhGrid::ContLowerHeaderTop, L, x(37));
    thin.h(EhGrid::ContSummaryTop, x(37), R);
    thin.h(EhGrid::ContLowerHeaderTop, x(37), x(55));
    thin.v(x(55), EhGrid::ContSummaryTop, EhGrid::ContBottom);
    dutyGrid(thin, dotted, EhGrid::LeftDutyColumns, EhGrid::ContUpperHeaderTop, EhGrid::ContUpperHeaderBottom,
             EhGrid::ContLowerHeaderTop);
    dutyGrid(thin, dotted, EhGrid::RightDutyColumns, EhGrid::ContUpperHeaderTop, EhGrid::ContUpperHeaderBottom,
             EhGrid::ContSummaryTop);
    dutyGrid(thin, dotted, EhGrid::LeftDutyColumns, EhGrid::ContLowerHeaderTop, EhGrid::ContLowerHeaderBottom,
             EhGrid::ContBottom);
    dutyGrid(thin, dotted, EhGrid::SummaryDutyColumns, EhGrid::ContLowerHeaderTop, EhGrid::ContLowerHeaderBottom,
             EhGrid::ContBottom);

    stamp(stampAThin, stampAThick, 82, 218, 106, 194);

    return {thin.lines, thick.lines, dotted.lines, stampAThin.lines, stampAThick.lines};
}

} // namespace

const QList<Group>& firstPage()
{
    static const QList<Group> groups = buildFirst();
    return groups;
}

const QList<Group>& continuation()
{
    static const QList<Group> groups = buildContinuation();
    return groups;
}

} // namespace EhFormLines
