#include "view/EhFormCaptions.h"

#include "form/EhFieldGeometryGrid.h"

#include <array>

namespace EhFormCaptions {

namespace {

using EhGrid::x;
using EhGrid::y;
using EhGrid::yc;

// Box numbers stand 3.1 mm below their box's top line, captions 3.0 mm, so
// that the larger numbers and the captions share one base line.
constexpr int NumberDrop = 31;
constexpr int TextDrop = 30;
constexpr int LinePitch = 23;      // stacked caption lines
constexpr int Box31Pitch = 22;     // box 31's caption above its text
constexpr int ContBox44Pitch = 21; // box 44 of the continuation sheet is one line lower

Caption at(int cx, int cy, const char* text)
{
    return {QPoint(cx, cy), QString::fromUtf8(text)};
}

// Captions of one goods position (boxes 31 to 46), shared by the first page
// and the three positions of the continuation sheet.
struct GoodsBlockCaptions {
    QList<Caption> numbers;   // "31" ... "41", "44", "46"
    QList<Caption> texts;     // "Packstücke" ... "Statistischer Wert"
    Caption articlePrice;     // "42 Artikelpreis"
};

GoodsBlockCaptions goodsBlock(int pageTop, int firstRow, int box44Pitch, int drift = 0)
{
    const auto r = [&](int i) { return EhGrid::rowY(pageTop, firstRow + i) + drift; };
    const int n = NumberDrop, t = TextDrop;
    GoodsBlockCaptions b;
    b.numbers = {
        at(154, r(0) + n, "31"),  at(1170, r(0) + n, "32"), at(1322, r(0) + n, "33"),
        at(1170, r(2) + n, "34"), at(1475, r(2) + n, "35"), at(1780, r(2) + n, "36"),
        at(1170, r(4) + n, "37"), at(1475, r(4) + n, "38"), at(1780, r(4) + n, "39"),
        at(1170, r(6) + n, "40"), at(1170, r(8) + n, "41"), at(154, r(10) + n, "44"),
        at(1475, r(12) + n, "46"),
    };
    const int p = Box31Pitch;
    b.texts = {
        at(188, r(0) + t, "Packstücke"),
        at(188, r(0) + t + p, "und Waren-"),
        // The text of box 31 starts on the third line: the last part of
        // the caption follows on the same line.
        at(188, r(0) + t + 2 * p, "bezeich-"),
        at(283, r(0) + t + 2 * p, "nung"),
        at(420, r(0) + t, "Zeichen und Nummern - Container Nr. - Anzahl und Art"),
        at(1204, r(0) + t, "Positions"),
        at(1204, r(0) + t + 24, "Nr."),
        at(1356, r(0) + t, "Warennummer"),
        at(1204, r(2) + t, "Urspr.land Code"),
        at(1509, r(2) + t, "Rohmasse (kg)"),
        at(1814, r(2) + t, "Präferenz"),
        at(1204, r(4) + t, "VERFAHREN"),
        at(1509, r(4) + t, "Eigenmasse (kg)"),
        at(1814, r(4) + t, "Kontingent"),
        at(1204, r(6) + t, "Summarische Anmeldung/Vorpapier"),
        at(1204, r(8) + t, "Besondere Maßeinheit"),
        at(188, r(10) + t, "Besondere"),
        at(158, r(10) + t + box44Pitch, "Vermerke/"),
        at(158, r(10) + t + 2 * box44Pitch, "Vorgelegte"),
        at(158, r(10) + t + 3 * box44Pitch, "Unterlagen/"),
        at(158, r(10) + t + 4 * box44Pitch, "Bescheini-"),
        at(158, r(10) + t + 5 * box44Pitch, "gungen u. Ge-"),
        at(158, r(10) + t + 6 * box44Pitch, "nehmigungen"),
        at(1479, r(10) + t, "Code B. V."),
        at(1509, r(12) + t, "Statistischer Wert"),
    };
    b.articlePrice = at(1479, r(8) + t, "42 Artikelpreis");
    return b;
}

// The usual caption cell, and what a caption keeps clear of the lines above
// and below it.
constexpr int CaptionCell = 8 * 10 / 3;
constexpr int HeaderClearance = 4;

// A caption on the bottom of a narrow header row, as large as fits.
Caption inHeader(int cx, int headerTop, int headerBottom, const char* text)
{
    Caption c = at(cx, headerBottom - HeaderClearance / 2, text);
    const int fit = headerBottom - headerTop - HeaderClearance;
    if (fit < CaptionCell)
        c.cellHeight = fit;
    return c;
}

// The column names over a duty grid.
QList<Caption> dutyHeadings(const EhGrid::DutyColumns& cols, int headerTop, int headerBottom)
{
    static constexpr std::array<const char*, 5> full = {"Art", "Bemessungsgrundlage", "Satz", "Betrag", "ZA"};
    static constexpr std::array<const char*, 3> summary = {"Art", "Betrag", "ZA"};
    // The first column leaves room for the box number in its corner.
    static constexpr std::array<int, 5> indent = {40, 38, 58, 90, 21};
    QList<Caption> out;
    for (int c = 0; c < cols.count; ++c) {
        const char* text = cols.count == 5 ? full[c] : summary[c];
        const int in = cols.count == 5 ? indent[c] : (c == 0 ? 30 : 21);
        out << inHeader(cols.edges[c] + in, headerTop, headerBottom, text);
    }
    return out;
}

// Left end of a total's caption so that it ends just before the total.
int beforeTotal(const EhGrid::DutyColumns& cols, int width)
{
    return EhGrid::dutyTotalBoxLeft(cols) - width;
}

QList<Caption> buildFirst()
{
    const int n = NumberDrop, t = TextDrop;
    GoodsBlockCaptions goods = goodsBlock(EhGrid::FirstTop, EhGrid::FirstBlockRow, LinePitch);
    // Box 44's number and the first word of its caption stand right of the
    // input-tax check box, which reaches into box 44's first line.
    constexpr int Box44Number = 11, Box44FirstWord = 16;
    const int clear = EhGrid::InputTaxBoxLeft + EhGrid::InputTaxBoxSize + 5;
    goods.numbers[Box44Number].pos.setX(clear);
    goods.texts[Box44FirstWord].pos.setX(clear + 34);
    QList<Caption> c;
    c << at(155, 106, "EUROPÄISCHE UNION") << at(1373, 96, "A") << at(1069, 96, "1   A N M E L D U N G");
    // Box numbers 2 to 30.
    c << at(154, y(1) + n, "2") << at(1068, y(3) + n, "3") << at(1221, y(3) + n, "4")
      << at(1068, y(5) + n, "5") << at(1221, y(5) + n, "6") << at(1451, y(5) + n, "7")
      << at(154, y(7) + n, "8") << at(1068, y(7) + n, "9") << at(1068, y(10) + n, "10")
      << at(1246, y(10) + n, "11") << at(1729, y(10) + n, "13") << at(154, y(12) + n, "14")
      << at(1068, y(12) + n, "15") << at(1551, y(12) + n, "15") << at(EhGrid::Box15CodeRight + 4, y(12) + n, "17")
      << at(1068, y(14) + n, "16") << at(1551, y(14) + n, "17") << at(154, y(16) + n, "18")
      << at(1068, y(16) + n, "19") << at(1170, y(16) + n, "20") << at(152, y(18) + n, "21")
      << at(EhGrid::Box21Right + 4, y(18) + n, "22") << at(EhGrid::Box22Right + 4, y(18) + n, "23")
      << at(EhGrid::Box23Right + 3, y(18) + n, "24")
      << at(154, y(20) + n, "25") << at(383, y(20) + n, "26") << at(611, y(20) + n, "27")
      << at(EhGrid::Box21Right + 4, y(21) + n, "28") << at(154, y(22) + n, "29") << at(611, y(22) + n, "30");
    c << goods.numbers;   // 31 ... 46
    c << inHeader(154, EhGrid::FirstDutyHeaderTop, EhGrid::FirstDutyHeaderBottom, "47") << at(1094, y(39) + n, "48") << at(1551, y(39) + n, "49")
      << at(1094, y(41) + n, "B") << at(154, y(49) + n, "50") << at(1373, y(49) + n, "C")
      << at(154, y(54) + n, "51") << at(154, y(57) + n, "52") << at(1170, y(57) + n, "53")
      << at(154, y(59) + n, "D") << at(1170, y(59) + n, "54");
    // Box captions.
    c << goods.articlePrice << at(1400, 95, "BESTIMMUNGSZOLLSTELLE") << at(645, y(20) + t, "Entladeort")
      << at(194, y(22) + t, "Eingangszollstelle") << at(184, y(59) + t, "PRÜFUNG DURCH DIE BESTIMMUNGSZOLLSTELLE")
      << at(1104, y(10) + t, "Letztes Her-") << at(1068, y(10) + t + 25, "kunfts-")
      << at(1068, y(10) + t + 50, "land") << at(1278, y(10) + t, "Hand./Erz.") << at(1246, y(10) + t + 25, "Land")
      << at(194, y(16) + t, "Kennzeichen und Staatszugehörigkeit des Beförderungsmittels bei der Ankunft")
      << at(184, y(1) + t, "Versender/Ausführer") << at(1098, y(3) + t, "Vordrucke")
      << at(1251, y(3) + t, "Ladelisten") << at(1098, y(5) + t, "Positionen")
      << at(1249, y(5) + t, "Packst. insgesamt") << at(1481, y(5) + t, "Bezugsnummer")
      << at(184, y(7) + t, "Empfänger") << at(1098, y(7) + t, "Verantwortlicher für den Zahlungsverkehr")
      << at(1764, y(10) + t, "G. L. P.") << at(194, y(12) + t, "Anmelder/Vertreter")
      << at(715, y(1) + t, "Nr.") << at(715, y(7) + t, "Nr.") << at(715, y(12) + t, "Nr.")
      << at(1102, y(12) + t, "Versendungs-/Ausfuhrland") << at(1583, y(12) + t, "Vers./Ausf.L.Code")
      << at(EhGrid::Box15CodeRight + 36, y(12) + t, "Bestimm.L.Code") << at(1102, y(14) + t, "Ursprungsland")
      << at(1585, y(14) + t, "Bestimmungsland") << at(1204, y(16) + t, "Lieferbedingung")
      << at(1102, y(16) + t, "Ctr.")
      << at(184, y(18) + t,
            "Kennzeichen und Staatszugehörigkeit des grenzüberschreitenden aktiven Beförderungsmittels")
      << at(EhGrid::Box21Right + 36, y(18) + t, "Währung u. in Rechn. gestellter Gesamtbetr.")
      << at(EhGrid::Box22Right + 3, y(18) + t + 26, "Umrechnungskurs")
      << at(EhGrid::Box23Right + 3, y(18) + t + 26, "Art des")
      << at(EhGrid::Box23Right + 2, y(18) + t + 51, "Geschäfts") << at(188, y(20) + t, "Verkehrszweig an")
      << at(158, y(20) + t + 25, "der Grenze") << at(417, y(20) + t, "Inländischer Ver-")
      << at(387, y(20) + t + 25, "kehrszweig") << at(EhGrid::Box21Right + 36, y(21) + t, "Finanz- und Bankangaben")
      << at(645, y(22) + t, "Warenort");
    c << goods.texts;   // "Packstücke" ... "Statistischer Wert"
    c << at(158, y(49) - 31, "Abgaben-") << at(158, y(49) - 7, "berechnung");
    c << dutyHeadings(EhGrid::LeftDutyColumns, EhGrid::FirstDutyHeaderTop, EhGrid::FirstDutyHeaderBottom);
    c << at(1128, y(39) + t, "Zahlungsaufschub") << at(1585, y(39) + t, "Bezeichnung des Lagers")
      << at(1122, y(41) + t, "ANGABEN FÜR VERBUCHUNGSZWECKE")
      << at(beforeTotal(EhGrid::LeftDutyColumns, 92), y(49) - 14, "Summe")
      << at(188, y(49) + t, "Hauptverpflichteter") << at(715, y(49) + t, "Nr.")
      << at(1000, y(49) + t, "Unterschrift:") << at(1400, y(49) + t, "ABGANGSZOLLSTELLE")
      << at(158, y(52) + 19, "vertreten durch") << at(158, y(54) - 11, "Ort und Datum:")
      << at(188, y(54) + t, "Vorgesehene") << at(158, y(54) + t + 24, "Grenzüber-")
      << at(158, y(54) + t + 48, "gangsstellen") << at(158, y(54) + t + 72, "(und Land)")
      << at(188, y(57) + t, "Sicherheit") << at(621, y(57) + t, "nicht gültig für")
      << at(1053, y(57) + t, "Code") << at(1204, y(57) + t, "Bestimmungszollstelle (und Land)")
      << at(1204, y(59) + t, "Ort und Datum:")
      << at(1180, y(65) - 20, "Unterschrift und Name des Anmelders/Vertreters");
    // Notes in black.
    c << at(205, 1500, "Hinsichtlich aller angemeldeten Waren zum vollen Vorsteuerabzug berechtigt.")
      << at(600, 101, "Vereinfachte Zollanmeldung") << at(600, 101, "");
    return c;
}

QList<Caption> buildContinuation()
{
    const int n = NumberDrop;
    std::array<GoodsBlockCaptions, 3> goods;
    for (int k = 0; k < 3; ++k)
        goods[k] = goodsBlock(EhGrid::ContTop, EhGrid::ContBlockRow + EhGrid::ContBlockPitch * k, ContBox44Pitch,
                              EhGrid::contBlockDrift(k));

    QList<Caption> c;
    c << at(155, yc(1) - 1, "EUROPÄISCHE UNION") << at(1400, yc(1) - 11, "BESTIMMUNGSSTELLE")
      << at(20, 1400, "Empfänger");
    for (int k = 0; k < 3; ++k)
        c << goods[k].articlePrice;
    c << at(60, 2600, "C") << at(570, yc(1) - 5, "BIS") << at(1373, yc(1) - 11, "A")
      << at(x(55) + 4, EhGrid::ContSummaryTop + 30, "C ABGANGSSTELLE")
      << at(1069, yc(1) - 11, "1   A N M E L D U N G") << at(154, yc(1) + n, "2") << at(1069, yc(4) - 11, "3");
    for (int k = 0; k < 3; ++k)
        c << goods[k].numbers;
    c << inHeader(154, EhGrid::ContUpperHeaderTop, EhGrid::ContUpperHeaderBottom, "47")
      << at(x(37) + 10, EhGrid::ContSummaryTop + 30, "ZUSAMMENFASSUNG") << at(1090, yc(4) - 11, "Vordrucke");
    for (int k = 0; k < 3; ++k)
        c << goods[k].texts;
    c << at(158, EhGrid::ContLowerHeaderTop - 66, "Abgaben-") << at(158, EhGrid::ContLowerHeaderTop - 42, "berechnung");

    const int upperTotal = EhGrid::dutyTotalTop(EhGrid::ContUpperHeaderBottom) + 35;
    const int lowerTotal = EhGrid::dutyTotalTop(EhGrid::ContLowerHeaderBottom) + 35;
    c << dutyHeadings(EhGrid::LeftDutyColumns, EhGrid::ContUpperHeaderTop, EhGrid::ContUpperHeaderBottom)
      << at(beforeTotal(EhGrid::LeftDutyColumns, 262), upperTotal, "Summe erste Position:");
    c << dutyHeadings(EhGrid::RightDutyColumns, EhGrid::ContUpperHeaderTop, EhGrid::ContUpperHeaderBottom)
      << at(beforeTotal(EhGrid::RightDutyColumns, 268), upperTotal, "Summe zweite Position:");
    c << dutyHeadings(EhGrid::LeftDutyColumns, EhGrid::ContLowerHeaderTop, EhGrid::ContLowerHeaderBottom)
      << at(beforeTotal(EhGrid::LeftDutyColumns, 262), lowerTotal, "Summe dritte Position:");
    c << dutyHeadings(EhGrid::SummaryDutyColumns, EhGrid::ContLowerHeaderTop, EhGrid::ContLowerHeaderBottom)
      << at(x(37) + 10, lowerTotal, "GS:");
    return c;
}

} // namespace

const QList<Caption>& firstPage()
{
    static const QList<Caption> captions = buildFirst();
    return captions;
}

const QList<Caption>& continuation()
{
    static const QList<Caption> captions = buildContinuation();
    return captions;
}

} // namespace EhFormCaptions
