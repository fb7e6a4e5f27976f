#include <gtest/gtest.h>

#include "TestSupport.h"
#include "dv1/DV1Amount.h"

#include <limits>

namespace {

// Declarants run the program under a German locale, where the C library
// writes and reads a decimal comma; amounts must not notice.
class DV1Amount : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(locale.active()) << "locale " << testsupport::GermanLocaleName << " missing"; }

    testsupport::GermanLocale locale;
};

} // namespace

TEST_F(DV1Amount, ParsesGermanNotation)
{
    EXPECT_DOUBLE_EQ(ParseAmount(QStringLiteral("1.234,56")), 1234.56);
    EXPECT_DOUBLE_EQ(ParseAmount(QStringLiteral(",5")), 0.5);
    EXPECT_DOUBLE_EQ(ParseAmount(QStringLiteral("12")), 12.0);
    EXPECT_DOUBLE_EQ(ParseAmount(QStringLiteral("  -1.000,5 EUR")), -1000.5);
    EXPECT_DOUBLE_EQ(ParseAmount(QStringLiteral("12,5,7")), 12.5);
    // Dots are always thousands separators, whatever the user meant.
    EXPECT_DOUBLE_EQ(ParseAmount(QStringLiteral("1,234.56")), 1.23456);
    EXPECT_DOUBLE_EQ(ParseAmount(QStringLiteral("1.5")), 15.0);
}

TEST_F(DV1Amount, TextsWithoutANumberAreZero)
{
    for (const char* text : {"", "   ", "EUR 12", ",", "-", "Info", "nan", "inf", "0x10"})
        EXPECT_EQ(ParseAmount(QString::fromLatin1(text)), 0.0) << text;
}

TEST_F(DV1Amount, ParseFollowsTheDecimalConversionAtItsLimits)
{
    EXPECT_DOUBLE_EQ(ParseAmount(QStringLiteral("1e3")), 1000.0);
    EXPECT_EQ(ParseAmount(QStringLiteral("1e400")), std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseAmount(QStringLiteral("-1e400")), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(ParseAmount(QStringLiteral("1e-400")), 0.0);
    EXPECT_EQ(ParseAmount(QStringLiteral("0,") + QString(400, QLatin1Char('0')) + QStringLiteral("1")), 0.0);
}

TEST_F(DV1Amount, FormatsWithAtMostTwoSeparators)
{
    EXPECT_EQ(FormatAmount(1234.56), QStringLiteral("1.234,56"));
    EXPECT_EQ(FormatAmount(123.4), QStringLiteral("123,40"));
    EXPECT_EQ(FormatAmount(1234567.891), QStringLiteral("1.234.567,89"));
    EXPECT_EQ(FormatAmount(1234567890.12), QStringLiteral("1234.567.890,12"));
    EXPECT_EQ(FormatAmount(-1234.5), QStringLiteral("-1234,50"));
    EXPECT_EQ(FormatAmount(-1234567.5), QStringLiteral("-1234567,50"));
}

TEST_F(DV1Amount, AmountsOfSixToTenDigitsGetTheirSeparators)
{
    // Six-digit customs values are everyday on a D.V.1; the second separator
    // starts only beyond ten characters, and at most two are set.
    const std::pair<double, const char*> cases[] = {
        {123456.78, "123.456,78"},
        {100000.0, "100.000,00"},
        {999999.99, "999.999,99"},
        {1000000.0, "1.000.000,00"},
        {9999999.99, "9.999.999,99"},
        {1234567890.12, "1234.567.890,12"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(FormatAmount(value), QString::fromLatin1(text)) << value;
        EXPECT_DOUBLE_EQ(ParseAmount(QString::fromLatin1(text)), value) << text;
    }
}

TEST_F(DV1Amount, ZeroIsEmptyButNegativeZeroStays)
{
    EXPECT_EQ(FormatAmount(0.0), QString());
    EXPECT_EQ(FormatAmount(0.004), QString());
    EXPECT_EQ(FormatAmount(-0.004), QStringLiteral("-0,00"));
}

TEST_F(DV1Amount, RoundsFromTheExactBinaryValue)
{
    // Exact halves go to the even neighbour; 2.675 is just below the half.
    EXPECT_EQ(FormatAmount(0.125), QStringLiteral("0,12"));
    EXPECT_EQ(FormatAmount(0.375), QStringLiteral("0,38"));
    EXPECT_EQ(FormatAmount(2.675), QStringLiteral("2,67"));
    EXPECT_EQ(FormatAmount(1.005), QStringLiteral("1,00"));
}

TEST_F(DV1Amount, FormattedAmountsReadBackUnchanged)
{
    for (double v : {0.01, 12.5, 999.99, 1000.0, 123456.78, 1234567.89, 1234567890.12}) {
        const QString text = FormatAmount(v);
        EXPECT_EQ(FormatAmount(ParseAmount(text)), text) << v;
    }
}
