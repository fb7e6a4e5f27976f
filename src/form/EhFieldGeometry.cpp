#include "form/EhFieldGeometry.h"

#include "form/EhFieldGeometryBlocks.h"

namespace EhFieldGeometry {

namespace detail {

std::array<EhRect, 21> GoodsBlock::fields() const
{
    using EhGrid::x;
    const int r0 = row(0), r2 = row(2), r4 = row(4), r6 = row(6), r8 = row(8), r10 = row(10);
    const int r12 = row(12);
    const int end = row(10 + box44Rows);
    const int deadlineTop = row(9 + box44Rows);

    std::array<EhRect, 21> f{};
    // 0: box 31 is placed by the page, its rectangle is a fixed point.
    f[1] = {1245, r0 + 37, x(46) - 5, r2 - 4};                  // 32
    const int t33 = r0 + 37, b33 = r2 - 4;                       // 33 A-E
    f[2] = {x(46) + 8, t33, x(55) - 3, b33};
    f[3] = {x(55) + 8, t33, x(58) - 3, b33};
    f[4] = {x(58) + 8, t33, x(63) - 3, b33};
    f[5] = {x(63) + 8, t33, x(68) - 3, b33};
    f[6] = {x(68) + 8, t33, x(73) - 6, b33};
    f[7] = {x(40) + 10, r2 + 37, x(46) - 5, r4 - 4};             // 34 A
    f[8] = {x(46) + 8, r2 + 37, x(52) - 5, r4 - 4};              // 34 B
    f[9] = {x(52) + 10, r2 + 37, x(64) - 5, r4 - 4};             // 35
    f[10] = {x(64) + 10, r2 + 37, x(73) - 6, r4 - 4};            // 36
    f[11] = {x(40) + 10, r4 + 38, x(47) - 5, r6 - 4};            // 37 A
    f[12] = {x(47) + 8, r4 + 38, x(52) - 5, r6 - 4};             // 37 B
    f[13] = {x(52) + 10, r4 + 38, x(64) - 5, r6 - 4};            // 38
    f[14] = {x(64) + 10, r4 + 38, x(73) - 6, r6 - 4};            // 39
    f[15] = {x(40) + 10, r6 + 38, x(73) - 9, r8 - 4};            // 40
    f[16] = {x(40) + 10, r8 + 38, x(52) - 5, r10 - 4};           // 41
    // 44: the text area right of the caption column, above the small boxes
    // of the Ein-/Ausfuhrfrist line.
    f[17] = {360, r10 + box44TextTop, x(52) - 6, deadlineTop - 3};
    f[18] = {x(52) + 10, r8 + 38, x(73) - 9, r10 - 4};           // 42
    // 44 (Ein-/Ausfuhrfrist): one line, its descenders reaching down to the
    // line under it.
    f[19] = {x(40) + 10, deadlineTop + 5, x(48) - 5, end - 1};
    f[20] = {x(52) + 10, r12 + 41, x(73) - 9, end - 4};          // 46
    return f;
}

EhRect GoodsBlock::besideDeadlineLeft() const
{
    const EhRect d = fields()[19];
    return {EhGrid::x(36) + 10, d.top, EhGrid::x(40) - 10, d.bottom};
}

EhRect GoodsBlock::besideDeadlineRight() const
{
    const EhRect d = fields()[19];
    return {EhGrid::x(48) + 10, d.top, EhGrid::x(52) - 5, d.bottom};
}

void placeDutyGrid(EhRect* cells, EhRect& total, const EhGrid::DutyColumns& columns, int headerBottom)
{
    const int top = EhGrid::dutyRowsTop(headerBottom);
    for (int r = 0; r < EhGrid::DutyRows; ++r) {
        for (int c = 0; c < columns.count; ++c) {
            const int y = top + r * EhGrid::DutyRowPitch;
            cells[r * columns.count + c] = {columns.edges[c] + 10, y, columns.edges[c + 1] - 12,
                                            y + EhGrid::DutyRowHeight};
        }
    }
    const int b = columns.betragColumn;
    const int t = EhGrid::dutyTotalTop(headerBottom);
    total = {columns.edges[b] - EhGrid::DutyTotalIndent, t, columns.edges[b + 1] - 12, t + EhGrid::DutyTotalHeight};
}

} // namespace detail

namespace {

bool inRange(int v, int from, int to) { return v >= from && v <= to; }

// The pre-printed sheet sits 5 mm further right under the print head than
// the picture on screen. The picture is drawn where the sheet's boxes are,
// so every field moves by just that much. Fields shown only on screen have
// no print rectangle at all.
EhRect printFromScreen(PageKind kind, int field, const EhRect& s)
{
    constexpr int SheetShift = 50;
    if (kind == PageKind::First && (field == 152 || field == 153))
        return {};
    if (kind == PageKind::Continuation && inRange(field, 208, 213))
        return {};
    return s.translated(SheetShift, 0);
}

struct Tables {
    std::array<EhRect, FirstPageRows> firstScreen;
    std::array<EhRect, FirstPageRows> firstPrint;
    std::array<EhRect, ContinuationRows> contScreen;
    std::array<EhRect, ContinuationRows> contPrint;

    Tables()
        : firstScreen(detail::firstPageScreen())
        , contScreen(detail::continuationScreen())
    {
        for (int i = 0; i < FirstPageRows; ++i)
            firstPrint[i] = printFromScreen(PageKind::First, i, firstScreen[i]);
        for (int i = 0; i < ContinuationRows; ++i)
            contPrint[i] = printFromScreen(PageKind::Continuation, i, contScreen[i]);
    }
};

const Tables& tables()
{
    static const Tables t;
    return t;
}

int rowFor(PageKind kind, int field)
{
    return field < 0 || field >= rowCount(kind) ? 0 : field;
}

} // namespace

int rowCount(PageKind kind)
{
    return kind == PageKind::First ? FirstPageRows : ContinuationRows;
}

EhRect screenRect(PageKind kind, int field)
{
    const int row = rowFor(kind, field);
    return kind == PageKind::First ? tables().firstScreen[row] : tables().contScreen[row];
}

EhRect printRect(PageKind kind, int field)
{
    const int row = rowFor(kind, field);
    return kind == PageKind::First ? tables().firstPrint[row] : tables().contPrint[row];
}

} // namespace EhFieldGeometry
