#include <gtest/gtest.h>

#include "TestSupport.h"
#include "settings/Profile.h"
#include "dv1/CDV1_Doc.h"
#include "dv1/DV1Calculation.h"

namespace {

class DV1Calculation : public ::testing::Test
{
protected:
    void SetUp() override { testsupport::clearSettings(); }

    void set(int field, const char* text, int page = 2) { doc.fieldStore().setText(field, page, QString::fromUtf8(text)); }
    QString text(int field, int page = 2) const { return doc.fieldStore().text(field, page); }

    CDV1_Doc doc;
};

} // namespace

TEST_F(DV1Calculation, PriceAloneFillsTheFirstColumn)
{
    set(4, "12,5");
    CalculatePages(doc);
    EXPECT_EQ(text(4), QStringLiteral("12,50"));
    EXPECT_EQ(text(53), QStringLiteral("12,50"));
    EXPECT_EQ(text(54), QStringLiteral("0,00"));
    EXPECT_EQ(text(55), QStringLiteral("0,00"));
    EXPECT_EQ(text(56), QStringLiteral("12,50"));
    // The second column has nothing and shows nothing.
    for (int f = 57; f <= 60; ++f)
        EXPECT_TRUE(text(f).isEmpty()) << f;
    EXPECT_TRUE(doc.isModified());
}

TEST_F(DV1Calculation, SumsBothColumnsFromTheirOwnFields)
{
    set(4, "1.000");
    set(6, "50,25");
    for (int f : {7, 8, 9, 10, 11, 12, 13, 14, 15, 19, 21, 23})
        set(f, "1");
    set(24, "10");
    set(27, "0,5");
    // Text fields between the amounts take no part.
    set(16, "99");
    set(20, "Fracht");

    set(30, "2000");
    set(31, ",75");
    for (int f : {32, 33, 34, 35, 36, 37, 38, 39, 40, 42, 43, 44})
        set(f, "2");
    set(41, "500");
    set(45, "1.000,00");
    set(48, "0,25");

    CalculatePages(doc);
    EXPECT_EQ(text(4), QStringLiteral("1.000,00"));
    EXPECT_EQ(text(6), QStringLiteral("50,25"));
    EXPECT_EQ(text(31), QStringLiteral("0,75"));
    EXPECT_EQ(text(41), QStringLiteral("500"));
    EXPECT_EQ(text(16), QStringLiteral("99"));
    EXPECT_EQ(text(53), QStringLiteral("1.050,25"));
    EXPECT_EQ(text(54), QStringLiteral("12,00"));
    EXPECT_EQ(text(55), QStringLiteral("10,50"));
    EXPECT_EQ(text(56), QStringLiteral("1.051,75"));
    EXPECT_EQ(text(57), QStringLiteral("2.000,75"));
    EXPECT_EQ(text(58), QStringLiteral("24,00"));
    EXPECT_EQ(text(59), QStringLiteral("1.000,25"));
    EXPECT_EQ(text(60), QStringLiteral("1.024,50"));
}

TEST_F(DV1Calculation, APositiveResultShowsEveryZeroTotalOfItsColumn)
{
    // Neither price is filled in: the price totals are zero like the
    // deductions and must read "0,00" as well once the result is positive.
    set(7, "100");
    set(32, "5");
    CalculatePages(doc);
    EXPECT_EQ(text(53), QStringLiteral("0,00"));
    EXPECT_EQ(text(54), QStringLiteral("100,00"));
    EXPECT_EQ(text(55), QStringLiteral("0,00"));
    EXPECT_EQ(text(56), QStringLiteral("100,00"));
    EXPECT_EQ(text(57), QStringLiteral("0,00"));
    EXPECT_EQ(text(58), QStringLiteral("5,00"));
    EXPECT_EQ(text(59), QStringLiteral("0,00"));
    EXPECT_EQ(text(60), QStringLiteral("5,00"));
    // The empty price fields themselves stay empty.
    EXPECT_TRUE(text(4).isEmpty());
    EXPECT_TRUE(text(30).isEmpty());
}

TEST_F(DV1Calculation, ResultsThatAreNotPositiveKeepZeroTotalsEmpty)
{
    // The first column ends below zero, the second at zero.
    set(24, "5");
    set(30, "10");
    set(45, "10");
    CalculatePages(doc);
    EXPECT_TRUE(text(53).isEmpty());
    EXPECT_TRUE(text(54).isEmpty());
    EXPECT_EQ(text(55), QStringLiteral("5,00"));
    EXPECT_EQ(text(56), QStringLiteral("-5,00"));
    EXPECT_EQ(text(57), QStringLiteral("10,00"));
    EXPECT_TRUE(text(58).isEmpty());
    EXPECT_EQ(text(59), QStringLiteral("10,00"));
    EXPECT_TRUE(text(60).isEmpty());
}

TEST_F(DV1Calculation, ResultIsFormedFromTheRoundedTotals)
{
    // 0,004 + 0,004 rounds to 0,01 only when added unrounded; each addition
    // is rewritten to 0,00 first, so the page adds what it shows.
    set(4, "10");
    set(7, "0,004");
    set(8, "0,004");
    CalculatePages(doc);
    EXPECT_TRUE(text(7).isEmpty());
    EXPECT_EQ(text(54), QStringLiteral("0,00"));
    EXPECT_EQ(text(56), QStringLiteral("10,00"));
}

TEST_F(DV1Calculation, AlternativePriceFieldsFollowTheSetting)
{
    set(2, "100");
    set(4, "200");
    set(29, "300");
    set(30, "400");
    Profile::set(Settings::Flag_DV1_11a, 1);
    CalculatePages(doc);
    EXPECT_EQ(text(53), QStringLiteral("100,00"));
    EXPECT_EQ(text(57), QStringLiteral("300,00"));
    // The unused price fields are left as typed.
    EXPECT_EQ(text(4), QStringLiteral("200"));
    EXPECT_EQ(text(30), QStringLiteral("400"));

    // Read at each use: flipping it back takes effect on the next run.
    FlipFlagDV1_11a();
    EXPECT_EQ(Profile::get(Settings::Flag_DV1_11a), 0);
    CalculatePages(doc);
    EXPECT_EQ(text(53), QStringLiteral("200,00"));
    EXPECT_EQ(text(57), QStringLiteral("400,00"));

    // Any value but 1 counts as off and flips to 1.
    Profile::set(Settings::Flag_DV1_11a, 7);
    FlipFlagDV1_11a();
    EXPECT_EQ(Profile::get(Settings::Flag_DV1_11a), 1);
}

TEST_F(DV1Calculation, EveryContinuationPageFromItsOwnFields)
{
    ASSERT_TRUE(doc.AddContinuationPage());
    ASSERT_TRUE(doc.AddContinuationPage());
    ASSERT_EQ(doc.pageCount(), 4);
    set(4, "1", 2);
    set(4, "2", 3);
    set(4, "3", 4);
    set(7, "10", 3);
    doc.fieldStore().setText(0, 1, QStringLiteral("4,5"));
    CalculatePages(doc);
    EXPECT_EQ(text(56, 2), QStringLiteral("1,00"));
    EXPECT_EQ(text(56, 3), QStringLiteral("12,00"));
    EXPECT_EQ(text(54, 3), QStringLiteral("10,00"));
    EXPECT_EQ(text(54, 4), QStringLiteral("0,00"));
    EXPECT_EQ(text(56, 4), QStringLiteral("3,00"));
    // The first page takes no part.
    EXPECT_EQ(doc.fieldStore().text(0, 1), QStringLiteral("4,5"));
}

TEST_F(DV1Calculation, ADocumentWithoutContinuationPagesIsOnlyMarkedModified)
{
    doc.fieldStore().setContinuationPageCount(0, 2);
    doc.fieldStore().setText(4, 1, QStringLiteral("7"));
    CalculatePages(doc);
    EXPECT_EQ(doc.fieldStore().text(4, 1), QStringLiteral("7"));
    EXPECT_TRUE(doc.isModified());
}
