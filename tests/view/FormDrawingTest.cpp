#include <gtest/gtest.h>

#include <QRect>

#include "form/EhFieldGeometryGrid.h"
#include "view/EhFormCaptions.h"
#include "view/EhFormLines.h"

namespace {

QString captionText(const QList<EhFormCaptions::Caption>& list, int i)
{
    return list.at(i).text;
}

} // namespace

TEST(FormCaptions, TextsStandAtTheirIndexes)
{
    const auto& first = EhFormCaptions::firstPage();
    ASSERT_EQ(first.size(), EhFormCaptions::FirstPageCount);
    const std::pair<int, const char*> firstTexts[] = {
        {0, "EUROPÄISCHE UNION"}, {1, "A"}, {2, "1   A N M E L D U N G"}, {3, "2"}, {13, "13"},
        {15, "15"}, {16, "15"}, {17, "17"}, {18, "16"}, {19, "17"}, {45, "46"}, {49, "B"}, {51, "C"},
        {55, "D"}, {56, "54"}, {57, "42 Artikelpreis"}, {58, "BESTIMMUNGSZOLLSTELLE"},
        {67, "Kennzeichen und Staatszugehörigkeit des Beförderungsmittels bei der Ankunft"},
        {80, "Nr."}, {99, "Packstücke"}, {103, "Zeichen und Nummern - Container Nr. - Anzahl und Art"},
        {114, "Besondere Maßeinheit"}, {121, "nehmigungen"}, {123, "Statistischer Wert"}, {124, "Abgaben-"},
        {126, "Art"}, {130, "ZA"}, {134, "Summe"}, {144, "(und Land)"}, {149, "Ort und Datum:"},
        {150, "Unterschrift und Name des Anmelders/Vertreters"},
        {151, "Hinsichtlich aller angemeldeten Waren zum vollen Vorsteuerabzug berechtigt."},
        {152, "Vereinfachte Zollanmeldung"}, {153, ""},
    };
    for (const auto& [i, text] : firstTexts)
        EXPECT_EQ(captionText(first, i), QString::fromUtf8(text)) << i;

    const auto& cont = EhFormCaptions::continuation();
    ASSERT_EQ(cont.size(), EhFormCaptions::ContinuationCount);
    const std::pair<int, const char*> contTexts[] = {
        {0, "EUROPÄISCHE UNION"}, {1, "BESTIMMUNGSSTELLE"}, {2, "Empfänger"}, {3, "42 Artikelpreis"},
        {5, "42 Artikelpreis"}, {6, "C"}, {7, "BIS"}, {8, "A"}, {9, "C ABGANGSSTELLE"},
        {10, "1   A N M E L D U N G"}, {12, "3"}, {13, "31"}, {25, "46"}, {26, "31"}, {51, "46"}, {52, "47"},
        {53, "ZUSAMMENFASSUNG"}, {54, "Vordrucke"}, {55, "Packstücke"}, {79, "Statistischer Wert"},
        {80, "Packstücke"}, {129, "Statistischer Wert"}, {130, "Abgaben-"}, {131, "berechnung"},
        {133, "Bemessungsgrundlage"}, {137, "Summe erste Position:"}, {138, "Art"}, {143, "Summe zweite Position:"},
        {148, "ZA"}, {149, "Summe dritte Position:"}, {150, "Art"}, {151, "Betrag"}, {152, "ZA"}, {153, "GS:"},
    };
    for (const auto& [i, text] : contTexts)
        EXPECT_EQ(captionText(cont, i), QString::fromUtf8(text)) << i;
}

TEST(FormCaptions, CaptionsStandOnTheSheet)
{
    // Inside the frame, except the continuation sheet's copy marks in the
    // left margin.
    const auto inside = [](const EhFormCaptions::Caption& c, int top, int bottom) {
        return c.pos.x() >= EhGrid::FrameLeft && c.pos.x() < EhGrid::FrameRight && c.pos.y() > top
            && c.pos.y() <= bottom;
    };
    const auto& first = EhFormCaptions::firstPage();
    for (int i = 0; i < first.size(); ++i)
        EXPECT_TRUE(inside(first[i], EhGrid::FirstTop, EhGrid::FirstBottom)) << i;
    const auto& cont = EhFormCaptions::continuation();
    for (int i = 0; i < cont.size(); ++i) {
        if (i == 2 || i == 6)
            EXPECT_LT(cont[i].pos.x(), EhGrid::FrameLeft) << i;
        else
            EXPECT_TRUE(inside(cont[i], EhGrid::ContTop, EhGrid::ContBottom)) << i;
    }
    // The three goods positions repeat at the block distance, each 0.5 mm
    // lower than whole lines would put it.
    const int pitch = EhGrid::yc(EhGrid::ContBlockRow + EhGrid::ContBlockPitch) - EhGrid::yc(EhGrid::ContBlockRow)
                    + EhGrid::ContBlockDrift;
    EXPECT_NEAR(cont[26].pos.y() - cont[13].pos.y(), pitch, 1);
    EXPECT_NEAR(cont[105].pos.y() - cont[80].pos.y(), pitch, 1);
}

TEST(FormLines, GroupsHaveTheirMeaning)
{
    using namespace EhFormLines;
    const auto& first = firstPage();
    ASSERT_EQ(first.size(), FirstGroupCount);
    EXPECT_EQ(first.size(), 11);
    EXPECT_GT(first[FirstThinGreen].size(), 50);
    EXPECT_GE(first[FirstThickGreen].size(), 4);
    EXPECT_FALSE(first[FirstDottedGreen].isEmpty());
    // Group 5: exactly the two diagonals of the input-tax cross, inside the
    // check box of group 6.
    ASSERT_EQ(first[FirstInputTaxCross].size(), 2);
    QRect box;
    for (const QLine& l : first[FirstInputTaxBox])
        box |= QRect(l.p1(), l.p2()).normalized();
    for (const QLine& l : first[FirstInputTaxCross]) {
        EXPECT_NE(l.x1(), l.x2());
        EXPECT_NE(l.y1(), l.y2());
        EXPECT_TRUE(box.contains(l.p1()) && box.contains(l.p2()));
    }
    for (int g : {FirstStampAThin, FirstStampAThick, FirstStampCThin, FirstStampCThick})
        EXPECT_FALSE(first[g].isEmpty()) << g;
    // Stamp field A sits at the top, stamp field C in the lower half.
    EXPECT_LT(first[FirstStampAThick].first().y1(), 300);
    EXPECT_GT(first[FirstStampCThick].first().y1(), 2000);

    const auto& cont = continuation();
    ASSERT_EQ(cont.size(), ContGroupCount);
    EXPECT_EQ(cont.size(), 5);
    EXPECT_FALSE(cont[ContStampAThin].isEmpty());
    EXPECT_FALSE(cont[ContStampAThick].isEmpty());

    // Every line lies on the drawn picture (205 x 298 mm).
    for (const auto* groups : {&first, &cont}) {
        for (const Group& g : *groups) {
            for (const QLine& l : g)
                EXPECT_TRUE(QRect(0, 0, 2050, 2980).contains(l.p1()) && QRect(0, 0, 2050, 2980).contains(l.p2()));
        }
    }
}
