#include <gtest/gtest.h>

#include "form/FieldStore.h"

TEST(FieldStore, PageWordFollowsTheContinuationKind)
{
    FieldStore single(12, 0);
    EXPECT_EQ(single.pageWord(), 0x1000);
    EXPECT_EQ(single.pageCount(), 1);

    FieldStore two(154, 214);
    EXPECT_EQ(two.pageWord(), 0x2002);
    EXPECT_EQ(two.pageCount(), 2);
    EXPECT_EQ(two.continuationTexts().size(), 214);

    two.setContinuationPageCount(3, 2);
    EXPECT_EQ(two.pageCount(), 4);
    EXPECT_EQ(two.attr(213, 4), 2);
    two.setText(5, 4, QStringLiteral("x"));
    EXPECT_EQ(two.continuationTexts().at(214 * 2 + 5), QStringLiteral("x"));
}

TEST(FieldStore, OutOfRangeFieldsAreIgnored)
{
    FieldStore s(154, 214);
    s.setText(154, 1, QStringLiteral("lost"));
    s.setText(214, 2, QStringLiteral("lost"));
    s.setText(0, 9, QStringLiteral("lost"));
    EXPECT_TRUE(s.text(154, 1).isEmpty());
    EXPECT_TRUE(s.text(0, 9).isEmpty());
    for (const QString& t : s.firstTexts())
        EXPECT_TRUE(t.isEmpty());
    for (const QString& t : s.continuationTexts())
        EXPECT_TRUE(t.isEmpty());
}

TEST(FieldStore, FormattingKeepsTheOtherBits)
{
    FieldStore s(2, 0);
    s.setAttr(0, 1, 0x0204);
    EXPECT_FALSE(s.fontLarger(0, 1));
    EXPECT_EQ(s.attr(0, 1), 0x0204);
    EXPECT_TRUE(s.fontSmaller(0, 1));
    s.toggleBold(0, 1);
    EXPECT_EQ(s.attr(0, 1), 0x0213);
    s.setAlignment(0, 1, FieldStore::AlignCenter);
    EXPECT_EQ(s.attr(0, 1), 0x0113);
    s.setSizeByte(0, 1, 65);
    EXPECT_EQ(s.attr(0, 1), 0x0141);

    s.setAttr(1, 1, 0x0100);
    EXPECT_FALSE(s.fontSmaller(1, 1));
    EXPECT_EQ(s.attr(1, 1), 0x0100);
}

TEST(FieldStore, GrowKeepsEveryTextAtItsPlaceAndRefusesToShrink)
{
    FieldStore s(150, 200);
    s.setContinuationPageCount(2, 2);
    s.setText(149, 1, QStringLiteral("a"));
    s.setText(199, 2, QStringLiteral("b"));
    s.setText(0, 3, QStringLiteral("c"));
    s.setAttr(7, 3, 0x0203);

    EXPECT_FALSE(s.growCounts(149, 214));
    EXPECT_EQ(s.firstPageFieldCount(), 150);

    ASSERT_TRUE(s.growCounts(154, 214));
    EXPECT_EQ(s.pageCount(), 3);
    EXPECT_EQ(s.text(149, 1), QStringLiteral("a"));
    EXPECT_EQ(s.text(199, 2), QStringLiteral("b"));
    EXPECT_EQ(s.text(0, 3), QStringLiteral("c"));
    EXPECT_EQ(s.attr(7, 3), 0x0203);
    EXPECT_TRUE(s.text(153, 1).isEmpty());
    EXPECT_EQ(s.attr(153, 1), 1);
    EXPECT_EQ(s.attr(213, 3), 2);
}
