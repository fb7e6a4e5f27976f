#include <gtest/gtest.h>

#include <algorithm>

#include "duty/BundeslaenderCodeModel.h"
#include "duty/LaenderCodeModel.h"
#include "duty/WaehrungsCodeModel.h"
#include "duty/ZollArtenModel.h"

namespace {

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

TEST(LaenderCodeModel, CaptionNamesThePurpose)
{
    EXPECT_EQ(LaenderCodeModel(1).caption(), QStringLiteral("Bestimmungsland"));
    EXPECT_EQ(LaenderCodeModel(4).caption(), QStringLiteral("Erzeugungsland"));
    EXPECT_EQ(LaenderCodeModel(0).caption(), u("Ländercodes"));
    EXPECT_EQ(LaenderCodeModel(7).caption(), u("Ländercodes"));
}

TEST(LaenderCodeModel, ListsAreSortedAndLinkedRowByRow)
{
    const LinkedCodeLists::Sorted& sorted = LaenderCodeModel::sortedCountries();
    ASSERT_EQ(sorted.codes().size(), 352);
    ASSERT_EQ(sorted.names().size(), 352);
    EXPECT_EQ(sorted.codes().front().text, QStringLiteral("AD"));
    EXPECT_EQ(sorted.codes().back().text, QStringLiteral("ZW"));
    // German order: an umlaut sorts beside its vowel, not after "Z".
    const int aegypten = sorted.namePosition(11);  // the table's row of "EG"
    EXPECT_EQ(sorted.names()[aegypten].text, u("Ägypten"));
    EXPECT_LT(aegypten, 20);
    EXPECT_EQ(sorted.names().back().text, QStringLiteral("Zypern"));
    for (int row = 0; row < sorted.rowCount(); ++row) {
        ASSERT_EQ(sorted.codes()[sorted.codePosition(row)].row, row);
        ASSERT_EQ(sorted.names()[sorted.namePosition(row)].row, row);
    }

    LaenderCodeModel model;
    model.open({}, QStringLiteral("CH"));
    const int byName = sorted.namePosition(model.lists().selectedRow());
    model.lists().selectNameAt(byName + 1);
    EXPECT_EQ(model.lists().selectedCodePosition(), sorted.codePosition(model.lists().selectedRow()));
    EXPECT_EQ(model.resultName(), sorted.names()[byName + 1].text);
}

TEST(LaenderCodeModel, OpeningSelectsByNameThenByCodeThenGermany)
{
    LaenderCodeModel model;
    model.open({}, QStringLiteral("fr"));
    // The first "FR" of the sorted code list: equal codes keep table order.
    EXPECT_EQ(model.resultCode(), QStringLiteral("FR"));
    EXPECT_EQ(model.resultName(), u("Déairade-I"));
    const auto& codes = LaenderCodeModel::sortedCountries().codes();
    const auto firstFr = std::find_if(codes.begin(), codes.end(), [](const auto& e) { return e.text == "FR"; });
    EXPECT_EQ(model.lists().selectedCodePosition(), firstFr - codes.begin());

    model.open({}, QStringLiteral("QQ"));
    EXPECT_EQ(model.resultCode(), QStringLiteral("DE"));
    EXPECT_EQ(model.resultName(), QStringLiteral("Deutschland"));
    model.open({}, {});
    EXPECT_EQ(model.resultName(), QStringLiteral("Deutschland"));

    model.open(QStringLiteral("frank"), QStringLiteral("IT"));
    EXPECT_EQ(model.resultName(), QStringLiteral("Frankreich"));
    EXPECT_EQ(model.resultCode(), QStringLiteral("FR"));
    // A name no row begins with falls back to the code.
    model.open(QStringLiteral("Atlantis"), QStringLiteral("it"));
    EXPECT_EQ(model.resultName(), QStringLiteral("Italien"));
    model.open(QStringLiteral("Atlantis"), {});
    EXPECT_EQ(model.resultCode(), QStringLiteral("DE"));
}

TEST(LaenderCodeModel, FilterNarrowsBothListsAndKeepsOneRowSelected)
{
    LaenderCodeModel model;
    model.open({}, QStringLiteral("DE"));
    LinkedCodeLists& lists = model.lists();

    lists.setFilter(QStringLiteral("guam"));
    EXPECT_EQ(lists.shownNamePositions().size(), 2);
    EXPECT_EQ(lists.shownCodePositions().size(), 2);
    // Deutschland dropped out: the first name left is selected.
    EXPECT_EQ(model.resultName(), QStringLiteral("Guam"));
    EXPECT_EQ(model.resultCode(), QStringLiteral("GU"));

    // A code matches as well as a name; "fr" finds every "FR" row and the
    // names that contain it.
    lists.setFilter(QStringLiteral("FR"));
    for (int pos : lists.shownCodePositions()) {
        const int row = LaenderCodeModel::sortedCountries().codes()[pos].row;
        EXPECT_TRUE(lists.lists().code(row) == QStringLiteral("FR")
                    || lists.lists().name(row).contains(QStringLiteral("fr"), Qt::CaseInsensitive));
    }
    EXPECT_GE(lists.shownCodePositions().size(), 11);

    // The selection survives when its row stays shown.
    lists.selectRow(lists.firstCodeBeginningWith(QStringLiteral("FR")));
    const int kept = lists.selectedRow();
    lists.setFilter(QStringLiteral("r"));
    EXPECT_EQ(lists.selectedRow(), kept);

    lists.setFilter(QStringLiteral("xyzzy"));
    EXPECT_TRUE(lists.shownNamePositions().isEmpty());
    EXPECT_EQ(lists.selectedRow(), -1);
    EXPECT_EQ(model.resultCode(), QString());

    lists.setFilter({});
    EXPECT_EQ(lists.shownNamePositions().size(), 352);
}

TEST(WaehrungsCodeModel, OpeningSelectsTheExactCodeOrEuro)
{
    WaehrungsCodeModel model;
    model.open({});
    EXPECT_EQ(model.resultCode(), QStringLiteral("EUR"));
    model.open(QStringLiteral("CHF"));
    EXPECT_EQ(model.resultCode(), QStringLiteral("CHF"));
    EXPECT_EQ(model.lists().lists().name(model.lists().selectedRow()), QStringLiteral("Schweizer Franken"));
    model.open(QStringLiteral("usd"));
    EXPECT_EQ(model.resultCode(), QStringLiteral("USD"));
    model.open(QStringLiteral("XYZ"));
    EXPECT_EQ(model.lists().selectedRow(), -1);
    EXPECT_EQ(model.resultCode(), QString());
}

TEST(WaehrungsCodeModel, EqualNamesStayLinkedToTheirOwnCode)
{
    // "Kubanischer Peso" names two currencies; picking either name returns
    // the code of that very row.
    WaehrungsCodeModel model;
    const LinkedCodeLists::Sorted& sorted = WaehrungsCodeModel::sortedCurrencies();
    QStringList picked;
    for (int pos = 0; pos < sorted.names().size(); ++pos) {
        if (sorted.names()[pos].text == QStringLiteral("Kubanischer Peso")) {
            model.lists().selectNameAt(pos);
            picked << model.resultCode();
        }
    }
    picked.sort();
    EXPECT_EQ(picked, (QStringList{QStringLiteral("CUC"), QStringLiteral("CUP")}));
}

TEST(BundeslaenderCodeModel, CodesSelectTheirStateAndReturnTwoDigits)
{
    BundeslaenderCodeModel model;
    model.open(QStringLiteral("99"));
    EXPECT_EQ(model.selectedPosition(), 16);
    EXPECT_EQ(model.resultCode(), QStringLiteral("99"));
    model.open(QStringLiteral("5"));
    EXPECT_EQ(model.selectedPosition(), 4);
    EXPECT_EQ(model.resultCode(), QStringLiteral("05"));
    model.open({});
    EXPECT_EQ(model.resultCode(), QStringLiteral("01"));
    model.open(QStringLiteral("16"));
    EXPECT_EQ(model.resultCode(), QStringLiteral("16"));
    model.open(QStringLiteral("17"));
    EXPECT_EQ(model.selectedPosition(), -1);
    EXPECT_EQ(model.resultCode(), QStringLiteral("00"));
    model.select(16);
    EXPECT_EQ(model.resultCode(), QStringLiteral("99"));
}

TEST(ZollArtenModel, SelectsTheFirstCodeBeginningWithTheText)
{
    ZollArtenModel model;
    model.open(QStringLiteral("20"));
    EXPECT_EQ(model.resultCode(), QStringLiteral("20000"));
    EXPECT_EQ(model.meaning(), QStringLiteral("Einfuhrumsatzsteuer"));
    model.open(QStringLiteral("203"));
    EXPECT_EQ(model.resultCode(), QStringLiteral("10100"));
    EXPECT_EQ(model.meaning(), u("Zölle"));
    model.open(QStringLiteral("371"));
    EXPECT_EQ(model.resultCode(), QStringLiteral("37100"));
    model.open({});
    EXPECT_EQ(model.resultCode(), QStringLiteral("10100"));
    model.select(22);
    EXPECT_EQ(model.resultCode(), QStringLiteral("67000"));
}
