#include <gtest/gtest.h>

#include "form/EhFieldFlags.h"
#include "form/EhFieldGeometry.h"
#include "form/EhFieldGeometryGrid.h"
#include "view/EhFormLines.h"

#include <set>
#include <utility>

using EhFieldFlags::PageKind;
using EhFieldGeometry::printRect;
using EhFieldGeometry::screenRect;

namespace {

constexpr int SheetWidth = 2100;
constexpr int SheetHeight = 2970;

int rows(PageKind kind) { return EhFieldGeometry::rowCount(kind); }

bool isFirstDutyCell(int f) { return f >= 115 && f <= 150; }
bool isContDutyCell(int f) { return f >= 78 && f <= 207; }


} // namespace

TEST(FieldGeometry, TellingRowsAreExact)
{
    struct Row {
        PageKind kind;
        int field;
        EhRect screen;
        EhRect print;
    };
    // The print rectangles are where the sheet has its boxes. The picture
    // follows them (5 mm to the left), and a few print rectangles end where
    // their drawn box ends: box 31 at its right line, box 47's own text
    // below the column names, its total where the amounts above it end.
    const Row telling[] = {
        {PageKind::First, 0, {1074, 115, 1165, 175}, {1124, 115, 1215, 175}},
        {PageKind::First, 10, {160, 152, 1050, 354}, {210, 152, 1100, 354}},
        {PageKind::First, 52, {160, 1155, 1160, 1500}, {210, 1155, 1210, 1500}},
        {PageKind::First, 73, {160, 1745, 1070, 2125}, {210, 1745, 1120, 2125}},
        {PageKind::First, 115, {160, 1745, 240, 1790}, {210, 1745, 290, 1790}},
        {PageKind::First, 150, {755, 2075, 1002, 2115}, {805, 2075, 1052, 2115}},
        {PageKind::Continuation, 11, {160, 299, 1160, 644}, {210, 299, 1210, 644}},
        {PageKind::Continuation, 32, {160, 894, 1160, 1237}, {210, 894, 1210, 1237}},
        {PageKind::Continuation, 53, {160, 1489, 1160, 1834}, {210, 1489, 1210, 1834}},
        {PageKind::Continuation, 74, {150, 2040, 1070, 2465}, {200, 2040, 1120, 2465}},
    };
    for (const Row& r : telling) {
        EXPECT_EQ(screenRect(r.kind, r.field), r.screen) << "screen " << r.field;
        EXPECT_EQ(printRect(r.kind, r.field), r.print) << "print " << r.field;
    }
    // Zoom 10 is real size: "Feld 2" from 16.0 to 105.0 mm.
    EXPECT_EQ(screenRect(PageKind::First, 10).scaled(10), EhRect({160, 152, 1050, 354}));
    EXPECT_EQ(screenRect(PageKind::First, 10).scaled(25), EhRect({400, 380, 2625, 885}));
}

TEST(FieldGeometry, IndexBeyondTheTableReadsRowZero)
{
    for (int f : {154, 155, 1000, -1})
        EXPECT_EQ(screenRect(PageKind::First, f), screenRect(PageKind::First, 0)) << f;
    EXPECT_EQ(printRect(PageKind::First, 154), printRect(PageKind::First, 0));
    for (int f : {214, 400, -5})
        EXPECT_EQ(screenRect(PageKind::Continuation, f), screenRect(PageKind::Continuation, 0)) << f;
    EXPECT_EQ(printRect(PageKind::Continuation, 214), printRect(PageKind::Continuation, 0));
    EXPECT_EQ(rows(PageKind::First), 154);
    EXPECT_EQ(rows(PageKind::Continuation), 214);
}

TEST(FieldGeometry, EveryFieldButTheKeptValuesLiesOnTheSheet)
{
    for (PageKind kind : {PageKind::First, PageKind::Continuation}) {
        for (int f = 0; f < rows(kind); ++f) {
            const EhRect r = screenRect(kind, f);
            EXPECT_GT(r.width(), 0) << f;
            EXPECT_GT(r.height(), 0) << f;
            if (kind == PageKind::First && (f == 111 || f == 112)) {
                EXPECT_GE(r.left, SheetWidth) << f;
                continue;
            }
            EXPECT_TRUE(EhRect({0, 0, SheetWidth, SheetHeight}).contains(r)) << f;
        }
    }
}

// Fields may only overlap where the form puts one on purpose over another:
// box 47 over its grid, box 44's drawn text over the boxes at its foot and
// over its unused first line.
TEST(FieldGeometry, FieldsOverlapOnlyWhereIntended)
{
    const auto allowedFirst = [](int a, int b) {
        if (a == 73 && isFirstDutyCell(b))
            return true;
        if (a == 113)
            return b == 69 || b == 71 || b == 114 || b == 152 || b == 153;
        // Box 44's text takes the first line, whose short lines are unused
        // in every form set.
        if (a == 69)
            return b >= 106 && b <= 110;
        return a == 71 && b == 114;
    };
    const auto allowedCont = [](int a, int b) {
        return a >= 74 && a <= 77 && isContDutyCell(b);
    };
    for (PageKind kind : {PageKind::First, PageKind::Continuation}) {
        for (int a = 0; a < rows(kind); ++a) {
            for (int b = a + 1; b < rows(kind); ++b) {
                if (!screenRect(kind, a).intersects(screenRect(kind, b)))
                    continue;
                const bool ok = kind == PageKind::First ? allowedFirst(a, b) || allowedFirst(b, a)
                                                        : allowedCont(a, b) || allowedCont(b, a);
                EXPECT_TRUE(ok) << (kind == PageKind::First ? "first " : "continuation ") << a << " / " << b;
            }
        }
    }
    // No two fields that can get the focus overlap in any form set, except a
    // box-47 field over its own grid.
    for (PageKind kind : {PageKind::First, PageKind::Continuation}) {
        const QByteArray& table = EhFieldFlags::defaultTable(kind);
        for (int set = 0; set < EhFieldFlags::FormSets; ++set) {
            std::set<std::pair<int, int>> clashes;
            for (int a = 0; a < rows(kind); ++a) {
                for (int b = a + 1; b < rows(kind); ++b) {
                    const bool editable = !(EhFieldFlags::flag(table, a, set) & EhFieldFlags::NotEditable)
                        && !(EhFieldFlags::flag(table, b, set) & EhFieldFlags::NotEditable);
                    const bool grid = kind == PageKind::First ? a == 73 && isFirstDutyCell(b)
                                                              : a >= 74 && a <= 77 && isContDutyCell(b);
                    if (editable && !grid && screenRect(kind, a).intersects(screenRect(kind, b)))
                        clashes.insert({a, b});
                }
            }
            EXPECT_TRUE(clashes.empty()) << "form set " << set << ": " << clashes.size() << " overlaps";
        }
    }
}

// A field must sit inside its box: no drawn line of the form may cut through
// it. Only the fields that stand for a whole box 47 (or box 44's drawn text)
// span lines.
TEST(FieldGeometry, NoFormLineCutsThroughAField)
{
    const auto spans = [](PageKind kind, int f) {
        if (kind == PageKind::First)
            return f == 73 || f == 113;
        return f >= 74 && f <= 77;
    };
    for (PageKind kind : {PageKind::First, PageKind::Continuation}) {
        const auto& groups = kind == PageKind::First ? EhFormLines::firstPage() : EhFormLines::continuation();
        for (int f = 0; f < rows(kind); ++f) {
            if (spans(kind, f))
                continue;
            const EhRect r = screenRect(kind, f);
            for (int g = 0; g < 3; ++g) {   // the green form lines
                for (const QLine& l : groups[g]) {
                    const bool horizontal = l.y1() == l.y2();
                    const bool cuts = horizontal
                        ? l.y1() > r.top && l.y1() < r.bottom && std::min(l.x1(), l.x2()) < r.right
                            && std::max(l.x1(), l.x2()) > r.left
                        : l.x1() > r.left && l.x1() < r.right && std::min(l.y1(), l.y2()) < r.bottom
                            && std::max(l.y1(), l.y2()) > r.top;
                    EXPECT_FALSE(cuts) << (kind == PageKind::First ? "first " : "continuation ") << f << " by "
                                       << l.x1() << "," << l.y1() << "-" << l.x2() << "," << l.y2();
                }
            }
        }
    }
}

TEST(FieldGeometry, DutyCellsLieInsideTheirBox47)
{
    using namespace EhGrid;
    const EhRect firstBox{x(0), y(39), x(37), y(49)};
    for (int f = 115; f <= 150; ++f)
        EXPECT_TRUE(firstBox.contains(screenRect(PageKind::First, f))) << f;
    EXPECT_TRUE(firstBox.contains(screenRect(PageKind::First, 73)));

    const EhRect position1{x(0), ContUpperHeaderTop, x(37), ContLowerHeaderTop};
    const EhRect position2{x(37), ContUpperHeaderTop, x(73), ContSummaryTop};
    const EhRect position3{x(0), ContLowerHeaderTop, x(37), ContBottom};
    const EhRect summary{x(37), ContSummaryTop, x(55), ContBottom};
    const EhRect boxes[] = {position1, position2, position3};
    for (int k = 0; k < 3; ++k) {
        for (int f = EhFieldGeometry::ContDutyBases[k]; f <= EhFieldGeometry::ContDutyBases[k] + 35; ++f)
            EXPECT_TRUE(boxes[k].contains(screenRect(PageKind::Continuation, f))) << f;
        EXPECT_TRUE(boxes[k].contains(screenRect(PageKind::Continuation, 74 + k))) << 74 + k;
    }
    for (int f = 186; f <= 207; ++f)
        EXPECT_TRUE(summary.contains(screenRect(PageKind::Continuation, f))) << f;
    EXPECT_TRUE(summary.contains(screenRect(PageKind::Continuation, 77)));
    // Cell (row, col) is numbered row by row: row 1 lies under row 0.
    EXPECT_GT(screenRect(PageKind::First, 120).top, screenRect(PageKind::First, 115).top);
    EXPECT_EQ(screenRect(PageKind::First, 120).left, screenRect(PageKind::First, 115).left);
    EXPECT_GT(screenRect(PageKind::Continuation, 187).left, screenRect(PageKind::Continuation, 186).left);
}

// The picture is drawn where the sheet has its boxes: every print rectangle
// is its screen rectangle 5 mm further right.
TEST(FieldGeometry, PrintRectanglesAreTheScreenShifted)
{
    for (PageKind kind : {PageKind::First, PageKind::Continuation}) {
        for (int f = 0; f < rows(kind); ++f) {
            const EhRect s = screenRect(kind, f);
            const EhRect p = printRect(kind, f);
            const bool first = kind == PageKind::First;
            if ((first && (f == 152 || f == 153)) || (!first && f >= 208))
                EXPECT_TRUE(p.isZero()) << f;
            else
                EXPECT_EQ(p, s.translated(50, 0)) << (first ? "first " : "continuation ") << f;
        }
    }
}

// Each box-47 total ends where the amounts of its column end, so that a
// column of amounts and its sum line up on paper.
TEST(FieldGeometry, Box47TotalsLineUpWithTheirColumn)
{
    const auto check = [](PageKind kind, int base, int columns, int betrag) {
        const EhRect total = printRect(kind, base + 7 * columns);
        for (int r = 0; r < 7; ++r)
            EXPECT_EQ(printRect(kind, base + r * columns + betrag).right, total.right) << base << " row " << r;
        EXPECT_GT(total.top, printRect(kind, base + 6 * columns + betrag).bottom);
    };
    check(PageKind::First, 115, 5, 3);
    for (int base : EhFieldGeometry::ContDutyBases)
        check(PageKind::Continuation, base, 5, 3);
    check(PageKind::Continuation, EhFieldGeometry::ContSummaryBase, 3, 1);
}
