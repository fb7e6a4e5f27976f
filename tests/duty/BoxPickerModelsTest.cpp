// What the box pickers preselect for a box's text and what they return.
#include <gtest/gtest.h>

#include <algorithm>

#include "TestSupport.h"
#include "duty/Default01Model.h"
#include "duty/Default19Model.h"
#include "duty/Default20Model.h"
#include "duty/Default24Model.h"
#include "duty/Default25Model.h"
#include "duty/Default29Model.h"
#include "duty/Default36Model.h"
#include "duty/Default54Model.h"
#include "duty/Feld44Model.h"
#include "duty/ListOrder.h"
#include "settings/Profile.h"

TEST(BoxPickers, Box1PresetsEachPartFromItsText)
{
    Default01Model model;
    model.open({QStringLiteral(" im"), QStringLiteral("Q"), QStringLiteral("T2LSM")});
    EXPECT_EQ(model.result(0), QStringLiteral("IM"));
    EXPECT_EQ(model.selected(1), -1);
    EXPECT_TRUE(model.result(1).isEmpty());
    EXPECT_EQ(model.result(2), QStringLiteral("T2LSM"));
    model.select(1, 6);
    EXPECT_EQ(model.result(1), QStringLiteral("X"));
    model.select(1, 9);
    EXPECT_TRUE(model.result(1).isEmpty());
}

TEST(BoxPickers, Boxes19And25ReturnTheirCodes)
{
    Default19Model container;
    container.open(QStringLiteral("1"));
    EXPECT_EQ(container.result(), QStringLiteral("1"));
    container.open(QString());
    EXPECT_EQ(container.result(), QStringLiteral("0"));

    Default25Model transport;
    transport.open(QStringLiteral("7"));
    EXPECT_EQ(transport.selected(), 5);   // "7 - Festinstallierte Transporteinrichtungen"
    EXPECT_EQ(transport.result(), QStringLiteral("7"));
    transport.select(4);
    EXPECT_EQ(transport.result(), QStringLiteral("5"));
    transport.select(7);
    EXPECT_EQ(transport.result(), QStringLiteral("9"));
    // There is no code 6: it lands on the postal entry.
    transport.open(QStringLiteral("6"));
    EXPECT_EQ(transport.result(), QStringLiteral("5"));
    transport.open(QStringLiteral("42"));
    EXPECT_EQ(transport.selected(), 0);
}

TEST(BoxPickers, Box20TakesTheTermOrKeepsTheBoxTextInUpperCase)
{
    Default20Model model;
    model.open(QStringLiteral("fob"));
    EXPECT_EQ(Default20Model::code(model.selected()), QStringLiteral("FOB"));
    EXPECT_EQ(model.result(), QStringLiteral("FOB"));

    model.open(QStringLiteral("frei haus"));
    EXPECT_EQ(model.selected(), 0);
    EXPECT_EQ(model.ownText(), QStringLiteral("FREI HAUS"));
    EXPECT_EQ(model.result(), QStringLiteral("FREI HAUS"));
    model.select(14);
    EXPECT_EQ(model.result(), QStringLiteral("XXX"));
    EXPECT_EQ(Default20Model::meaning(5), QStringLiteral("Kosten und Fracht (C & F)"));
}

TEST(BoxPickers, Box24FindsTheKindOfItsTwoDigits)
{
    Default24Model model;
    model.open(QStringLiteral("6 3"));
    EXPECT_EQ(model.firstDigit(), QStringLiteral("6"));
    EXPECT_EQ(model.secondDigit(), QStringLiteral("3"));
    EXPECT_EQ(model.entryText(), QStringLiteral("Reparatur und Instandhaltung gegen Entgelt"));
    EXPECT_EQ(model.firstDigitText(), QStringLiteral("Besondere, für einzelstaatliche Zwecke erfasste Geschäfte"));
    // 24 A and 24 B given together, and a pair no kind has.
    model.open(QStringLiteral("9") + QStringLiteral("9"));
    EXPECT_EQ(model.selected(), 24);
    model.open(QStringLiteral("68"));
    EXPECT_EQ(model.selected(), 0);
    model.open(QStringLiteral("4"));
    EXPECT_EQ(model.selected(), 0);
}

TEST(BoxPickers, Box29SortsByEveryColumnAndKeepsTheSelection)
{
    Default29Model model;
    model.open(QStringLiteral(" de002601 "));
    ASSERT_GE(model.selectedOffice(), 0);
    EXPECT_EQ(model.result(), QStringLiteral("DE002601"));
    EXPECT_EQ(model.cell(model.selectedOffice(), Default29Model::Place), QStringLiteral("Düsseldorf-Flughafen"));
    EXPECT_EQ(model.cell(model.selectedOffice(), Default29Model::Category), QStringLiteral("Luftverkehr"));
    EXPECT_EQ(model.cell(model.selectedOffice(), Default29Model::Kind), QStringLiteral("Zollamt"));

    model.sortBy(Default29Model::Place);
    EXPECT_TRUE(model.ascending());
    const QList<int> ascending = model.order();
    for (int i = 1; i < ascending.size(); ++i)
        ASSERT_LE(ListOrder::compare(model.cell(ascending[i - 1], 0), model.cell(ascending[i], 0)), 0) << i;
    EXPECT_EQ(model.result(), QStringLiteral("DE002601"));
    EXPECT_EQ(model.order().at(model.selectedRow()), model.selectedOffice());

    // The same column again: the exact reverse.
    model.sortBy(Default29Model::Place);
    EXPECT_FALSE(model.ascending());
    QList<int> reversed = ascending;
    std::reverse(reversed.begin(), reversed.end());
    EXPECT_EQ(model.order(), reversed);
    EXPECT_EQ(model.result(), QStringLiteral("DE002601"));

    model.sortBy(Default29Model::Code);
    EXPECT_TRUE(model.ascending());
    EXPECT_EQ(model.cell(model.order().first(), Default29Model::Code), QStringLiteral("DE002102"));
    model.selectRow(0);
    EXPECT_EQ(model.result(), QStringLiteral("DE002102"));

    Default29Model unknown;
    unknown.open(QStringLiteral("XY"));
    EXPECT_EQ(unknown.selectedRow(), 0);
}

TEST(BoxPickers, Box36SplitsTheCodeIntoItsTwoLists)
{
    Default36Model model;
    model.open(QStringLiteral("217"));
    EXPECT_EQ(model.firstSelected(), 1);   // "2"
    EXPECT_EQ(model.lastSelected(), 2);    // "15"
    EXPECT_EQ(model.result(), QStringLiteral("215"));
    EXPECT_EQ(model.lastMeaning(), QStringLiteral("Zollaussetzung mit besonderer Verwendung"));

    const struct {
        const char* box;
        const char* result;
    } cases[] = {{"", "100"}, {"99", "100"}, {"100", "100"}, {"118", "118"}, {"139", "128"},
                 {"349", "340"}, {"399", "350"}, {"910", "350"}, {"-5", "100"}};
    for (const auto& c : cases) {
        model.open(QString::fromLatin1(c.box));
        EXPECT_EQ(model.result(), QString::fromLatin1(c.result)) << c.box;
    }
    model.selectFirst(2);
    model.selectLast(0);
    EXPECT_EQ(model.result(), QStringLiteral("300"));
}

TEST(BoxPickers, Box44KeepsItsTextWhereItIsWhenTheCrossIsTakenTwice)
{
    Feld44Model model;
    model.open(QStringLiteral("Rechnung 4711\r\nUrsprungszeugnis"), false);
    EXPECT_EQ(model.shownText(), QStringLiteral("Rechnung 4711\nUrsprungszeugnis"));
    ASSERT_TRUE(model.take(model.shownText(), true));
    EXPECT_EQ(model.text(), QStringLiteral("\r\nRechnung 4711\r\nUrsprungszeugnis"));
    EXPECT_TRUE(model.inputTax());

    // The second OK finds the first line empty: nothing moves.
    model.open(model.text(), true);
    ASSERT_TRUE(model.take(model.shownText(), true));
    EXPECT_EQ(model.text(), QStringLiteral("\r\nRechnung 4711\r\nUrsprungszeugnis"));

    // Clearing the cross leaves the text as it is.
    ASSERT_TRUE(model.take(model.shownText(), false));
    EXPECT_FALSE(model.inputTax());
    EXPECT_EQ(model.text(), QStringLiteral("\r\nRechnung 4711\r\nUrsprungszeugnis"));
}

TEST(BoxPickers, Box44RefusesTextsThatDoNotFit)
{
    Feld44Model model;
    model.open(QString(), false);
    const QString five = QStringLiteral("1\n2\n3\n4\n5\n\n  \n");
    // Five lines fit (empty lines at the end do not count) ...
    ASSERT_TRUE(model.take(five, false));
    EXPECT_EQ(model.text(), QStringLiteral("1\r\n2\r\n3\r\n4\r\n5"));
    // ... but not with the cross, which would push the fifth off the box.
    EXPECT_FALSE(model.take(five, true));
    EXPECT_TRUE(model.error().contains(QStringLiteral("vier Zeilen"))) << model.error().toStdString();
    EXPECT_FALSE(model.inputTax());
    // With the first line already free, five lines and the cross fit.
    ASSERT_TRUE(model.take(QStringLiteral("\n2\n3\n4\n5"), true));
    EXPECT_EQ(model.text(), QStringLiteral("\r\n2\r\n3\r\n4\r\n5"));

    EXPECT_FALSE(model.take(QStringLiteral("1\n2\n3\n4\n5\n6"), false));
    EXPECT_TRUE(model.error().contains(QStringLiteral("fünf Zeilen")));
    EXPECT_FALSE(model.take(QStringLiteral("kurz\n") + QString(128, QLatin1Char('x')), false));
    EXPECT_TRUE(model.error().contains(QStringLiteral("Zeile 2")));
    EXPECT_TRUE(model.take(QString(127, QLatin1Char('x')), true));
}

TEST(BoxPickers, Box54PutsThePlaceBeforeTodaysDateAndRemembersIt)
{
    testsupport::clearSettings();
    const QDate march7(2024, 3, 7);
    Default54Model model;
    model.open();
    EXPECT_TRUE(model.rememberPlace());
    EXPECT_TRUE(model.place().isEmpty());
    EXPECT_EQ(model.take(QStringLiteral("Hamburg  "), true, march7), QStringLiteral("Hamburg, 7.3.2024"));
    EXPECT_EQ(Profile::get(Settings::DatumOrt), QStringLiteral("Hamburg"));

    Default54Model next;
    next.open();
    EXPECT_EQ(next.place(), QStringLiteral("Hamburg"));
    EXPECT_EQ(next.take(QString(), false, march7), QStringLiteral("7.3.2024"));
    // Not remembering keeps the place stored before, but no longer offers it.
    EXPECT_EQ(Profile::get(Settings::ReuseDatumOrt), 0);
    EXPECT_EQ(Profile::get(Settings::DatumOrt), QStringLiteral("Hamburg"));
    Default54Model third;
    third.open();
    EXPECT_FALSE(third.rememberPlace());
    EXPECT_TRUE(third.place().isEmpty());
    EXPECT_EQ(third.take(QStringLiteral("Kiel"), false, QDate(2026, 11, 12)), QStringLiteral("Kiel, 12.11.2026"));
}
