// The built-in field flags of the Einheitspapier, field by field and form
// set by form set, written out here from the published lists of unused and
// locked fields rather than taken from the program's own tables.
#include <gtest/gtest.h>

#include <QSet>

#include "form/EhFieldFlags.h"

#include <initializer_list>

using Kind = EhFieldFlags::PageKind;

namespace {

// One field, or the fields from..to.
struct Span {
    Span(int field) : from(field), to(field) {}
    Span(int first, int last) : from(first), to(last) {}
    int from;
    int to;
};

QSet<int> fields(std::initializer_list<Span> spans)
{
    QSet<int> out;
    for (const Span& s : spans) {
        for (int f = s.from; f <= s.to; ++f)
            out.insert(f);
    }
    return out;
}

struct Defaults {
    QSet<int> unused;       // 11: not printed, not editable, not shown
    QSet<int> notEditable;  // 2
};

// The box 47 cells of form set 2 that are unused: every cell of the seven
// rows except column 1 ("Bemessungsgrundlage"), and the total.
const std::initializer_list<Span> kFirstDutyCells2 = {
    115, {117, 120}, {122, 125}, {127, 130}, {132, 135}, {137, 140}, {142, 145}, {147, 150}};

Defaults firstPage(int formSet)
{
    switch (formSet) {
    case 0:
        return {fields({{2, 8}, 13, 15, {19, 23}, 32, 48, 60, 71, {76, 95}, {98, 102}, {104, 112}}),
                fields({113, 114})};
    case 1:
        return {fields({{3, 8}, 13, 15, {19, 21}, 23, 26, 28, 30, 42, 48, 49, 66, 71, {80, 95}, {98, 102},
                        {104, 112}}),
                fields({113, 114})};
    case 2: {
        QSet<int> unused = fields({{2, 10}, 13, 15, {17, 23}, {27, 30}, 32, {35, 37}, {40, 51}, 60, 71, 72, 74,
                                   {76, 95}, {98, 102}, {104, 112}});
        unused.unite(fields(kFirstDutyCells2));
        return {unused, fields({113, 114})};
    }
    default:
        return {fields({{2, 8}, 13, 15, {19, 23}, 28, 32, 48, 60, 71, {76, 95}, {98, 104}, {106, 112}}),
                fields({113, 114})};
    }
}

Defaults continuationPage(int formSet)
{
    if (formSet != 2)
        return {fields({{0, 6}, 19, 30, 40, 51, 61, 72}), {}};
    return {fields({{0, 8}, 19, 30, 31, 40, 51, 52, 61, 64, 65, 72, 73,
                    // box 47 of the three positions: all but column 1 ...
                    78, {80, 83}, {85, 88}, {90, 93}, {95, 98}, {100, 103}, {105, 108}, {110, 114},
                    {116, 119}, {121, 124}, {126, 129}, {131, 134}, {136, 139}, {141, 144}, {146, 150},
                    {152, 155}, {157, 160}, {162, 165}, {167, 170}, {172, 175}, {177, 180}, {182, 186},
                    // ... and of the summary grid all but column 0.
                    188, 189, 191, 192, 194, 195, 197, 198, 200, 201, 203, 204, 206, 207}),
            {}};
}

} // namespace

TEST(EhFieldFlags, DefaultTablesHoldThePublishedFlagsForEveryFieldAndFormSet)
{
    struct PageTable {
        Kind kind;
        int fieldCount;
        Defaults (*defaults)(int);
    };
    for (const PageTable& page : {PageTable{Kind::First, 154, firstPage},
                                  PageTable{Kind::Continuation, 214, continuationPage}}) {
        const QByteArray& table = EhFieldFlags::defaultTable(page.kind);
        // The settings store keeps the table as is: byte field * 4 + form set.
        ASSERT_EQ(table.size(), page.fieldCount * 4);
        for (int set = 0; set < 4; ++set) {
            const Defaults want = page.defaults(set);
            for (int field = 0; field < page.fieldCount; ++field) {
                const int expected = want.unused.contains(field) ? 0x0B : want.notEditable.contains(field) ? 0x02 : 0;
                EXPECT_EQ(quint8(table.at(field * 4 + set)), expected)
                    << (page.kind == Kind::First ? "first" : "continuation") << " page, form set " << set
                    << ", field " << field;
            }
        }
    }
}

TEST(EhFieldFlags, UnusedMarksOfEachFormSet)
{
    const QSet<int> firstSet1 =
        fields({2, 13, 15, {19, 23}, 28, 32, 48, 60, 77, {86, 91}, {93, 95}, 152, 153});
    const QSet<int> contSet013 = fields({19, 40, 61, {208, 213}});
    const QSet<int> first[4] = {
        fields({2, 13, 15, {19, 23}, 28, 32, 48, 60, 77, {86, 95}, 152, 153}),
        firstSet1,
        fields({2, 10, 13, 15, {18, 23}, {26, 51}, 60, 72, 74, 77, 82, 83, {86, 91}, {93, 95}, 130, {132, 134}, 152,
                153}),
        firstSet1,
    };
    const QSet<int> continuation[4] = {
        contSet013,
        contSet013,
        fields({8, 19, 31, 40, 52, 61, 73, 77, 93, {95, 97}, 129, {131, 133}, 165, {167, 169}, {208, 213}}),
        contSet013,
    };
    for (int set = 0; set < 4; ++set) {
        const QList<int>& firstMarks = EhFieldFlags::unusedMarks(Kind::First, set);
        const QList<int>& contMarks = EhFieldFlags::unusedMarks(Kind::Continuation, set);
        EXPECT_EQ(QSet<int>(firstMarks.begin(), firstMarks.end()), first[set]) << "form set " << set;
        EXPECT_EQ(QSet<int>(contMarks.begin(), contMarks.end()), continuation[set]) << "form set " << set;
    }
    EXPECT_TRUE(EhFieldFlags::unusedMarks(Kind::First, 5).isEmpty());
    EXPECT_TRUE(EhFieldFlags::unusedMarks(Kind::First, -1).isEmpty());
}
