#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>

#include "TestSupport.h"
#include "duty/CountryCodes.h"
#include "duty/CurrencyCodes.h"
#include "duty/CustomsOffices.h"
#include "duty/DutyTypes.h"
#include "duty/FederalStates.h"
#include "duty/PreferenceCodes.h"
#include "duty/TransactionKinds.h"
#include "duty/TransportModes.h"
#include "form/DeclarantRoles.h"

using testsupport::runCli;

namespace {

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

int countCode(std::span<const CodeText> rows, const char* code)
{
    int n = 0;
    for (const CodeText& row : rows)
        n += qstrcmp(row.code, code) == 0;
    return n;
}

QJsonArray codesJson(const QString& list)
{
    const testsupport::ProcessResult r = runCli({QStringLiteral("codes"), list});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(r.out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << r.out.constData();
    return doc.array();
}

} // namespace

TEST(CodeLists, CountriesInTheirOrderWithRepeatedCodesAndTheClosingRow)
{
    const auto rows = CountryCodes::rows();
    ASSERT_EQ(rows.size(), 352u);
    ASSERT_EQ(CountryCodes::table().size(), 353u);
    EXPECT_STREQ(CountryCodes::table().back().code, "2000@");

    EXPECT_EQ(rows[0].codeString(), QStringLiteral("US"));
    EXPECT_EQ(rows[1].textString(), u("Vereinigtes Königreich"));
    EXPECT_EQ(rows[2].textString(), QStringLiteral("Arab. Emirate, Ver."));
    EXPECT_EQ(rows[45].textString(), u("Besetzte palästinensische Gebiete"));
    EXPECT_EQ(rows[351].codeString(), QStringLiteral("CY"));
    EXPECT_EQ(rows[351].textString(), QStringLiteral("Zypern"));
    // Texts as the list has them, slips included.
    EXPECT_EQ(CountryCodes::nameForCode(u"CI"), u("Côte d’Ivoire"));
    EXPECT_EQ(CountryCodes::nameForCode(u"RU"), u("Russische Föreration"));
    EXPECT_EQ(CountryCodes::nameForCode(u"KN"), u("Nevis-I"));

    EXPECT_EQ(countCode(rows, "AE"), 8);
    EXPECT_EQ(countCode(rows, "FR"), 11);
    EXPECT_EQ(countCode(rows, "AN"), 7);
}

TEST(CodeLists, CountryLookupsStopAtTheClosingRow)
{
    EXPECT_EQ(CountryCodes::nameForCode(u"DE"), QStringLiteral("Deutschland"));
    EXPECT_EQ(CountryCodes::nameForCode(u"FR"), u("Déairade-I"));  // the first FR row
    EXPECT_EQ(CountryCodes::nameForCode(u"de"), std::nullopt);
    EXPECT_EQ(CountryCodes::nameForCode(u"DEU"), std::nullopt);
    EXPECT_EQ(CountryCodes::nameForCode(u"2000@"), std::nullopt);
    EXPECT_EQ(CountryCodes::nameForCode(u""), std::nullopt);
    // The code column holds letters only, so a number never finds a row.
    EXPECT_EQ(CountryCodes::codeForNumber(4), std::nullopt);
    EXPECT_EQ(CountryCodes::codeForNumber(2000), std::nullopt);
}

TEST(CodeLists, CurrenciesSortedByCodeWithTheOldUgandaCode)
{
    const auto rows = CurrencyCodes::rows();
    ASSERT_EQ(rows.size(), 185u);
    EXPECT_STREQ(CurrencyCodes::table().back().code, "2000");
    EXPECT_STREQ(CurrencyCodes::table().back().text, "@");
    QSet<QString> codes;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        codes.insert(rows[i].codeString());
        if (i > 0) {
            EXPECT_LT(qstrcmp(rows[i - 1].code, rows[i].code), 0) << rows[i].code;
        }
    }
    EXPECT_EQ(codes.size(), 185);
    EXPECT_EQ(rows.front().codeString(), QStringLiteral("ADF"));
    EXPECT_EQ(rows.back().textString(), QStringLiteral("Simbabwe-Dollar"));
    EXPECT_TRUE(codes.contains(QStringLiteral("UGS")));
    EXPECT_TRUE(codes.contains(QStringLiteral("EUR")));
    const auto euro = std::find_if(rows.begin(), rows.end(), [](const CodeText& r) { return qstrcmp(r.code, "EUR") == 0; });
    ASSERT_NE(euro, rows.end());
    EXPECT_EQ(euro->textString(), QStringLiteral("Euro"));
}

TEST(CodeLists, FederalStatesCodesAndLookup)
{
    EXPECT_EQ(FederalStates::entry(0), QStringLiteral("01 - Schleswig-Holstein"));
    EXPECT_EQ(FederalStates::entry(7), u("08 - Baden-Würtemberg"));
    EXPECT_EQ(FederalStates::entry(16), QStringLiteral("99 - Ausland"));
    EXPECT_EQ(FederalStates::entry(17), QString());
    EXPECT_EQ(FederalStates::codeAt(4), QStringLiteral("05"));
    EXPECT_EQ(FederalStates::codeAt(16), QStringLiteral("99"));
    EXPECT_EQ(FederalStates::codeAt(-1), QStringLiteral("00"));
    EXPECT_EQ(FederalStates::positionOfCode(QStringLiteral("99")), 16);
    EXPECT_EQ(FederalStates::positionOfCode(QStringLiteral("5")), 4);
    EXPECT_EQ(FederalStates::positionOfCode(QStringLiteral("17")), -1);
    EXPECT_EQ(FederalStates::textOfState(16), u("16 - Thüringen"));
    EXPECT_EQ(FederalStates::textOfState(17), QString());
    EXPECT_EQ(FederalStates::textOfState(0), QString());
}

TEST(CodeLists, DutyTypesTransactionsPreferencesTransportRoles)
{
    ASSERT_EQ(DutyTypes::rows().size(), 23u);
    EXPECT_STREQ(DutyTypes::rows()[0].code, "10100");
    EXPECT_EQ(DutyTypes::rows()[4].textString(),
              u("Ausgleichsabgaben bei der EInfuhr von EG-Marktordnungswaren aus Drittländern"));
    EXPECT_STREQ(DutyTypes::rows()[22].code, "67000");
    EXPECT_EQ(DutyTypes::firstBeginningWith(QStringLiteral("20")), 9);
    EXPECT_EQ(DutyTypes::firstBeginningWith(QStringLiteral("203")), -1);

    const auto kinds = TransactionKinds::rows();
    ASSERT_EQ(kinds.size(), 25u);
    EXPECT_STREQ(kinds[0].code, "1 1");
    EXPECT_STREQ(kinds[24].code, "9 9");
    EXPECT_EQ(QString::fromUtf8(kinds[0].text), u("Endgültiger Kauf/Verkauf"));
    EXPECT_EQ(QString::fromUtf8(kinds[24].text), u("Nicht anderweitig erfasst"));
    EXPECT_EQ(TransactionKinds::firstDigitText(kinds[4]),
              u("Geschäfte mit Eigentumsübertragung (tatsächlich oder beabsichtigt) und mit Gegenleistung "
                "(finanziell oder anderweitig)"));
    EXPECT_EQ(TransactionKinds::firstDigitText(kinds[24]), u("Andere Geschäfte"));
    // Every entry is explained by the text of its own first digit.
    for (const TransactionKinds::Kind& kind : kinds)
        EXPECT_EQ(kind.firstDigitText, kind.code[0] - '1') << kind.code;

    ASSERT_EQ(PreferenceCodes::firstDigit().size(), 3u);
    ASSERT_EQ(PreferenceCodes::lastTwoDigits().size(), 10u);
    EXPECT_EQ(PreferenceCodes::lastTwoDigits()[9].textString(),
              u("Bescheinigung über die Beschaffenheit der Ware"));

    EXPECT_EQ(TransportModes::entry(TransportModes::positionOfCode(3)), u("3 - Straßenverkehr"));
    EXPECT_EQ(TransportModes::entry(TransportModes::positionOfCode(6)), QStringLiteral("5 - Postsendungen"));
    EXPECT_EQ(TransportModes::entry(TransportModes::positionOfCode(9)), QStringLiteral("9 - Eigener Antrieb"));
    EXPECT_EQ(TransportModes::positionOfCode(-3), 0);

    EXPECT_EQ(DeclarantRoles::text(1), u("Ausführer - 00400"));
    EXPECT_EQ(DeclarantRoles::text(4), QStringLiteral("Subunternehmer gem. Artikel 789 Zollkodex-DVO"));
    EXPECT_EQ(DeclarantRoles::text(0), QString());
    EXPECT_EQ(DeclarantRoles::text(5), QString());
}

TEST(CodeLists, CustomsOfficesByCategory)
{
    const auto rows = CustomsOffices::rows();
    ASSERT_EQ(rows.size(), 118u);
    EXPECT_TRUE(CustomsOffices::table().back().isClosingRow());
    QMap<QString, int> perCategory;
    for (const CustomsOffices::Office& office : rows)
        ++perCategory[QString::fromUtf8(office.category)];
    const QMap<QString, int> expected = {
        {QStringLiteral("Allgemein"), 46},   {QStringLiteral("Luftverkehr"), 31},
        {QStringLiteral("See (Ostsee)"), 15}, {QStringLiteral("See (Nordsee)"), 13},
        {QStringLiteral("See (HB)"), 6},      {QStringLiteral("Rohrleitung"), 5},
        {QStringLiteral("Post"), 1},          {QStringLiteral("See (HH)"), 1},
    };
    EXPECT_EQ(perCategory, expected);
    EXPECT_EQ(rows[1].name(), QStringLiteral("D.Zollamt Basel"));
    EXPECT_STREQ(rows[27].place, "Neuhaus (Randen)");
    EXPECT_EQ(rows.back().name(), QStringLiteral("Abfertigungsstelle Wyk"));
    EXPECT_STREQ(rows.back().code, "DE006160");
}

TEST(CodeLists, CommandPrintsEachListAsJson)
{
    const QJsonArray countries = codesJson(QStringLiteral("countries"));
    ASSERT_EQ(countries.size(), 352);
    EXPECT_EQ(countries[0].toObject(),
              (QJsonObject{{"code", "US"}, {"text", "Vereinigte Staaten"}}));

    const QJsonArray transactions = codesJson(QStringLiteral("transactions"));
    ASSERT_EQ(transactions.size(), 25);
    EXPECT_EQ(transactions[24].toObject()[QStringLiteral("code")].toString(), QStringLiteral("99"));
    EXPECT_EQ(transactions[24].toObject()[QStringLiteral("firstDigitText")].toString(),
              u("Andere Geschäfte"));

    const QJsonArray offices = codesJson(QStringLiteral("offices"));
    ASSERT_EQ(offices.size(), 118);
    EXPECT_EQ(offices[0].toObject(), (QJsonObject{{"code", "DE004209"},
                                                  {"text", u("Zollamt Bad Säckingen")},
                                                  {"kind", "Zollamt"},
                                                  {"place", u("Bad Säckingen")},
                                                  {"category", "Allgemein"}}));

    const QJsonArray states = codesJson(QStringLiteral("states"));
    ASSERT_EQ(states.size(), 17);
    EXPECT_EQ(states[16].toObject()[QStringLiteral("code")].toString(), QStringLiteral("99"));
    EXPECT_EQ(codesJson(QStringLiteral("currencies")).size(), 185);
    EXPECT_EQ(codesJson(QStringLiteral("duty-types")).size(), 23);
    EXPECT_EQ(codesJson(QStringLiteral("preferences")).size(), 13);
    EXPECT_EQ(codesJson(QStringLiteral("transport")).size(), 8);
    EXPECT_EQ(codesJson(QStringLiteral("roles")).size(), 4);

    EXPECT_EQ(runCli({QStringLiteral("codes"), QStringLiteral("planets")}).exitCode, 2);
    EXPECT_EQ(runCli({QStringLiteral("codes")}).exitCode, 2);
}
