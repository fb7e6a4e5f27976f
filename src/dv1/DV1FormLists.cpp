#include "dv1/DV1FormLists.h"

#include "dv1/DV1Field.h"

namespace DV1FormLists {

namespace {

using DV1Geometry::Layout;
namespace F = Dv1Field;

// Collects one sheet.
struct Builder {
    Sheet s;
    void h(Lines& l, int y, int x1, int x2) { l.append(QLine(x1, y, x2, y)); }
    void v(Lines& l, int x, int y1, int y2) { l.append(QLine(x, y1, x, y2)); }
    void frame(int left, int top, int right, int bottom)
    {
        h(s.thick, top, left, right);
        h(s.thick, bottom, left, right);
        v(s.thick, left, top, bottom);
        v(s.thick, right, top, bottom);
    }
    void bold(int x, int y, const char* text) { s.bold.append({QPoint(x, y), QString::fromUtf8(text)}); }
    void text(int x, int y, const char* text) { s.normal.append({QPoint(x, y), QString::fromUtf8(text)}); }
};

// --- the front of the declaration --------------------------------------------

constexpr int FrontLeft = 100;
constexpr int FrontRight = 1940;
constexpr int FrontTop = 40;
constexpr int FrontBottom = 2860;
constexpr int FrontMiddle = 1120;   // left column | right column
constexpr int QuestionX = 195;      // the questions of boxes 7 to 9
constexpr int LetterX = 145;        // their (a), (b), (c)
constexpr int NumberX = 110;        // box numbers and captions of the left column
constexpr int RightX = 1130;        // captions of the right column

void frontBoxes(Builder& b)
{
    b.frame(FrontLeft, FrontTop, FrontRight, FrontBottom);
    // Boxes 1, 2 (a), 2 (b) on the left; title, official use, 3 to 6 on the
    // right; the note below box 2 (b).
    b.v(b.s.thin, FrontMiddle, FrontTop, 1160);
    for (int y : {310, 565, 815})
        b.h(b.s.thin, y, FrontLeft, FrontMiddle);
    for (int y : {300, 690, 815, 945, 1053})
        b.h(b.s.thin, y, FrontMiddle, FrontRight);
    // Boxes 7, 8, 9 across the sheet, their questions parted by dots.
    for (int y : {1160, 1580, 2005, 2345})
        b.h(b.s.thin, y, FrontLeft, FrontRight);
    for (int y : {1252, 1337, 1760, 2097})
        b.h(b.s.dotted, y, LetterX - 15, 1910);
    // Box 10: the declaration on the left, (a) and (b) on the right.
    b.v(b.s.thin, FrontMiddle, 2345, FrontBottom);
    b.h(b.s.thin, 2500, FrontMiddle, FrontRight);
}

void frontTexts(Builder& b)
{
    b.text(NumberX, 80, "1  Name und Anschrift des Verkäufers");
    b.text(NumberX, 340, "2 (a)  Name und Anschrift des Käufers");
    b.text(NumberX, 593, "2 (b)  Name und Anschrift des Anmelders");

    b.text(1150, 95, "EUROPÄISCHE GEMEINSCHAFT");
    b.bold(1150, 150, "ANMELDUNG DER ANGABEN ÜBER DEN ZOLLWERT");
    b.bold(1150, 205, "D.V.1");
    b.bold(1150, 340, "FÜR AMTLICHE ZWECKE");
    b.text(RightX, 725, "3  Lieferungsbedingung (z. B. FOB New York)");
    b.text(RightX, 850, "4  Nummer und Datum der Rechnung");
    b.text(RightX, 975, "5  Nummer und Datum des Vertrags");
    b.text(RightX, 1078, "6  Nummer und Datum einer früheren Zollentscheidung zu Feld 7 bis 9");

    b.bold(NumberX, 850, "WICHTIGER HINWEIS");
    const char* const note[] = {
        "Mit der Unterzeichnung und Vorlage dieser Anmeldung übernimmt der Anmelder die",
        "Verantwortung für die Richtigkeit und Vollständigkeit der auf diesem Vordruck und",
        "den mit ihm vorgelegten Ergänzungsblättern gemachten Angaben sowie für die Echtheit",
        "aller als Nachweis vorgelegten Unterlagen. Der Anmelder verpflichtet sich außerdem,",
        "alle zusätzlichen Informationen zu erteilen und alle weiteren Unterlagen vorzulegen,",
        "die für die Ermittlung des Zollwerts der Waren erforderlich sind.",
    };
    int y = 885;
    for (const char* line : note) {
        b.text(NumberX, y, line);
        y += 25;
    }

    // Box 7: relationship of buyer and seller.
    b.text(NumberX, 1210, "7");
    b.text(LetterX, 1210, "(a)");
    b.text(QuestionX, 1210, "Sind Käufer und Verkäufer VERBUNDEN im Sinne von Artikel 143");
    b.text(QuestionX, 1235, "der Verordnung (EWG) Nr. 2454/93?*) Falls NEIN, weiter mit Feld 8.");
    b.text(LetterX, 1305, "(b)");
    b.text(QuestionX, 1305, "Hat die Verbundenheit den Preis der eingeführten Waren BEEINFLUSST?");
    b.text(LetterX, 1365, "(c)");
    b.text(QuestionX, 1365, "(Antwort freigestellt) Kommt der Transaktionswert der eingeführten");
    b.text(QuestionX, 1390, "Waren einem Wert im Sinne von Artikel 29 Absatz 2 Buchstabe b)");
    b.text(QuestionX, 1415, "der Verordnung (EWG) Nr. 2913/92 SEHR NAHE? Falls JA, Einzelheiten angeben.");

    // Box 8: restrictions, conditions and considerations.
    b.text(NumberX, 1607, "8");
    b.text(LetterX, 1607, "(a)");
    const char* const box8a[] = {
        "Bestehen EINSCHRÄNKUNGEN bezüglich der Verwendung und des Gebrauchs",
        "der Waren durch den Käufer, ausgenommen solche, die",
        "– durch das Gesetz oder von den Behörden in der Gemeinschaft auferlegt",
        "   oder gefordert werden,",
        "– das Gebiet abgrenzen, in dem die Waren weiterverkauft werden können,",
        "– sich auf den Wert der Waren nicht wesentlich auswirken?",
    };
    y = 1607;
    for (const char* line : box8a) {
        b.text(QuestionX, y, line);
        y += 25;
    }
    b.text(LetterX, 1805, "(b)");
    b.text(QuestionX, 1805, "Liegen hinsichtlich des Kaufgeschäfts oder des Preises BEDINGUNGEN vor");
    b.text(QuestionX, 1830, "oder sind LEISTUNGEN zu erbringen, deren Wert im Hinblick auf die zu");
    b.text(QuestionX, 1855, "bewertenden Waren nicht bestimmt werden kann?");
    b.text(QuestionX, 1890, "Art der Einschränkungen, Bedingungen oder Leistungen angeben. Kann der Wert der Bedingungen");
    b.text(QuestionX, 1915, "oder Leistungen bestimmt werden, Betrag in Feld 11 (b) angeben.");

    // Box 9: royalties and proceeds.
    b.text(NumberX, 2032, "9");
    b.text(LetterX, 2032, "(a)");
    b.text(QuestionX, 2032, "Sind vom Käufer unmittelbar oder mittelbar als Bedingung für das");
    b.text(QuestionX, 2057, "Kaufgeschäft LIZENZGEBÜHREN für die eingeführten Waren zu zahlen?");
    b.text(LetterX, 2125, "(b)");
    b.text(QuestionX, 2125, "Ist das Kaufgeschäft mit einer Vereinbarung verbunden, nach der ein Teil");
    b.text(QuestionX, 2150, "der Erlöse aus späteren WEITERVERKÄUFEN, SONSTIGEN ÜBERLASSUNGEN");
    b.text(QuestionX, 2175, "ODER VERWENDUNGEN unmittelbar oder mittelbar dem Verkäufer zugute kommt?");
    b.text(QuestionX, 2200, "Falls JA zu einer dieser Fragen, Bedingungen und, soweit möglich, Beträge in den Feldern 15 und 16 angeben.");

    // The answer boxes' words, right of each box.
    for (int box = 0; box < DV1Geometry::AnswerBoxes; ++box) {
        const EhRect r = DV1Geometry::answerBox(box);
        b.text(r.right + 15, r.bottom - 8, box % 2 == 0 ? "JA" : "NEIN");
    }

    // Box 10.
    b.bold(NumberX, 2395, "ERKLÄRUNG DES ANMELDERS");
    b.text(NumberX, 2430, "Ich versichere, dass die Angaben in dieser Anmeldung und in den");
    b.text(NumberX, 2455, "beigefügten Ergänzungsblättern richtig und vollständig sind.");
    b.text(NumberX, 2845, "*) Zutreffendes ankreuzen.");
    b.text(RightX, 2395, "10 (a)  Anzahl der beigefügten Ergänzungsblätter D.V.1 BIS");
    b.text(RightX, 2545, "(b)  Ort, Datum und Unterschrift");
}

// --- the values of two goods items: the back, and the front of a BIS ---------

// Where one layout puts the block of values; the front of a D.V.1 BIS has it
// lower (under its own heading) and wider on the left.
struct ValueBlock {
    Layout layout;
    int dy;          // rows start this much lower than on a back
    int left;        // the frame
    int textX;       // descriptions
    int columnLeft;  // column of the first item
    int columnMid;   // between the two items
    int columnRight; // right of the second item; then the official use
    int right;
    int top;         // the block's top line
};

constexpr ValueBlock Back{Layout::Even, 0, 50, 60, 990, 1237, 1490, 1940, 50};
constexpr ValueBlock BisFront{Layout::Odd, 255, 100, 130, 1120, 1367, 1620, 1940, 305};

// The row lines of the block on a back, with their pens: main rows thin,
// the lines within a box dotted, the ends of sections A, B and C thick.
enum class Pen { Thin, Dotted, Thick };
struct RowLine {
    int y;
    Pen pen;
};
constexpr RowLine RowLines[] = {
    {137, Pen::Thick},  {222, Pen::Dotted}, {307, Pen::Dotted}, {392, Pen::Thin},   {477, Pen::Thick},
    {562, Pen::Dotted}, {647, Pen::Dotted}, {735, Pen::Thin},   {990, Pen::Dotted}, {1070, Pen::Dotted},
    {1155, Pen::Dotted}, {1242, Pen::Dotted}, {1325, Pen::Thin}, {1407, Pen::Thin}, {1495, Pen::Thin},
    {1578, Pen::Dotted}, {1662, Pen::Dotted}, {1747, Pen::Dotted}, {1835, Pen::Thin}, {1920, Pen::Thick},
    {2002, Pen::Thin},  {2087, Pen::Thin},  {2172, Pen::Thin},  {2255, Pen::Thin},  {2347, Pen::Thin},
    {2435, Pen::Thick},
};
constexpr int BlockEnd = 2435;

Lines& linesOf(Builder& b, Pen pen)
{
    return pen == Pen::Thin ? b.s.thin : pen == Pen::Dotted ? b.s.dotted : b.s.thick;
}

// The rows of the totals A, B, C and the declared value, top and bottom on a
// back.
struct Rows {
    int top;
    int bottom;
};
constexpr Rows TotalRows[] = {{392, 477}, {1835, 1920}, {2255, 2435}};

void valueBlockLines(Builder& b, const ValueBlock& g)
{
    for (const RowLine& r : RowLines)
        b.h(linesOf(b, r.pen), r.y + g.dy, g.left, g.columnRight);
    for (int x : {g.columnMid, g.columnRight})
        b.v(b.s.thin, x, g.top, BlockEnd + g.dy);
    if (g.layout != Layout::Odd) {
        b.v(b.s.thin, g.columnLeft, g.top, BlockEnd + g.dy);
        return;
    }
    // The front of a D.V.1 BIS prints the first item's totals from further
    // left than the other amounts: their boxes reach as far.
    const int totalsLeft = DV1Geometry::printRect(g.layout, F::TotalA1).left - 10;
    int from = g.top;
    for (const Rows& r : TotalRows) {
        b.v(b.s.thin, g.columnLeft, from, r.top + g.dy);
        b.v(b.s.thin, totalsLeft, r.top + g.dy, r.bottom + g.dy);
        from = r.bottom + g.dy;
    }
    if (from < BlockEnd + g.dy)
        b.v(b.s.thin, g.columnLeft, from, BlockEnd + g.dy);
}

void valueBlockTexts(Builder& b, const ValueBlock& g)
{
    const int x = g.textX;
    const int in = x + 75;   // the text after "11 (a)" and the like
    const auto at = [&](int dx, int y, const char* t) { b.text(dx, y + g.dy, t); };
    const auto field = [&](int f) { return DV1Geometry::screenRect(g.layout, f); };

    b.bold(x, g.top + 55, "A. GRUNDLAGE DER BERECHNUNG");
    b.text(field(F::Item1).left - 215, g.top + 60, "Ware (Position) Nr.");
    b.bold(g.columnRight + 15, g.top + 55, "FÜR AMTLICHE");
    b.bold(g.columnRight + 15, g.top + 85, "ZWECKE");

    at(x, 170, "11 (a)  Nettopreis in der RECHNUNGSWÄHRUNG");
    at(in, 197, "(tatsächlich gezahlter oder zu zahlender Preis)");
    b.text(field(F::InvoiceCurrency).left - 105, field(F::InvoiceCurrency).bottom - 12, "Währung");
    at(in, 262, "Nettopreis in EINZELSTAATLICHER WÄHRUNG");
    b.text(field(F::PriceRate).left + 5, field(F::PriceRate).top - 3, "Umrechnungskurs");
    at(x + 35, 345, "(b)  Mittelbare Zahlungen (siehe Feld 8 (b))");
    b.text(field(F::IndirectRate).left + 5, field(F::IndirectRate).top - 3, "Umrechnungskurs");
    at(x, 445, "12  Summe A in EINZELSTAATLICHER WÄHRUNG");

    b.bold(x, 507 + g.dy, "B. HINZURECHNUNGEN: in A nicht enthaltene Kosten");
    at(x, 532, "13  Vom Käufer getragene Kosten:");
    at(in, 557, "(a) Provisionen, ausgenommen Einkaufsprovisionen");
    at(in, 610, "(b) Maklerlöhne");
    at(in, 695, "(c) Umschließungen und Verpackung");
    at(x, 770, "14  Gegenstände und Leistungen, die vom Käufer unentgeltlich oder zu");
    at(in, 795, "ermäßigten Preisen für die Herstellung und den Verkauf zur Ausfuhr");
    at(in, 820, "der eingeführten Waren geliefert oder erbracht wurden. Die angegebenen");
    at(in, 845, "Werte sind gegebenenfalls anteilig aufgeteilt.");
    at(in, 1022, "(a) in den eingeführten Waren enthaltene Materialien,");
    at(in + 40, 1047, "Bestandteile, Teile und dergleichen");
    at(in, 1102, "(b) bei der Herstellung der eingeführten Waren verwendete");
    at(in + 40, 1127, "Werkzeuge, Matrizen, Gussformen und dergleichen");
    at(in, 1189, "(c) bei der Herstellung der eingeführten Waren verbrauchte");
    at(in + 40, 1214, "Materialien");
    at(in, 1267, "(d) für die Herstellung der eingeführten Waren notwendige");
    at(in + 40, 1292, "Techniken, Entwicklungen, Entwürfe, Pläne und Skizzen,");
    at(in + 40, 1317, "die außerhalb der Gemeinschaft erarbeitet wurden");
    at(x, 1372, "15  Lizenzgebühren (siehe Feld 9 (a))");
    at(x, 1440, "16  Erlöse aus Weiterverkäufen, sonstigen Überlassungen oder");
    at(in, 1465, "Verwendungen, die dem Verkäufer zugute kommen (siehe Feld 9 (b))");
    at(x, 1525, "17  Lieferungskosten bis (Ort des Verbringens):");
    at(x, 1615, "(a) Beförderung");
    at(x, 1697, "(b) Ladekosten");
    at(x, 1740, "und Behandlungskosten");
    at(x, 1785, "(c) Versicherung");
    at(x, 1888, "18  Summe B");

    b.bold(x, 1951 + g.dy, "C. ABZÜGE: in A enthaltene Kosten");
    at(x, 1977, "19  Beförderungskosten nach Ankunft am Ort des Verbringens");
    at(x, 2032, "20  Zahlungen für Bau, Errichtung, Montage, Instandhaltung oder");
    at(in, 2057, "technische Unterstützung nach der Einfuhr");
    at(x, 2137, "21  Andere Zahlungen (Art angeben)");
    at(x, 2202, "22  Zölle und Steuern, die in der Gemeinschaft wegen der Einfuhr");
    at(in, 2227, "oder des Verkaufs der Waren zu zahlen sind");
    at(x, 2308, "23  Summe C");
    b.bold(x, 2400 + g.dy, "24  ANGEMELDETER WERT (A + B – C)");
}

// The amounts in foreign currency: reference, amount, rate in three columns
// under the block.
void foreignCurrencyTable(Builder& b, const ValueBlock& g, int noteY, int tableTop, int bottom)
{
    b.text(g.textX, noteY,
           "*) Sind Beträge in AUSLÄNDISCHER WÄHRUNG zu zahlen, hier für jeden Teilbetrag und jede Zeile "
           "den Betrag und den Umrechnungskurs angeben.");
    b.h(b.s.thin, tableTop, g.left, g.right);
    const EhRect reference = DV1Geometry::screenRect(g.layout, F::ForeignReference);
    const EhRect amount = DV1Geometry::screenRect(g.layout, F::ForeignAmount);
    const EhRect rate = DV1Geometry::screenRect(g.layout, F::ForeignRate);
    const int captionY = reference.top - 5;
    b.text(reference.left + 10, captionY, "Bezug");
    b.text(amount.left + 10, captionY, "Betrag");
    b.text(rate.left + 10, captionY, "Umrechnungskurs");
    b.v(b.s.thin, (reference.right + amount.left) / 2, tableTop, bottom);
    b.v(b.s.thin, (amount.right + rate.left) / 2, tableTop, bottom);
}

Sheet back()
{
    Builder b;
    const ValueBlock& g = Back;
    b.frame(g.left, g.top, g.right, FrontBottom);
    valueBlockLines(b, g);
    valueBlockTexts(b, g);
    foreignCurrencyTable(b, g, 2465, 2473, 2672);
    // The last line of the sheet, under the table.
    b.h(b.s.thin, 2672, g.left, g.right);
    b.text(g.textX, 2835, "Ort, Datum, Unterschrift:");
    b.h(b.s.dotted, 2848, DV1Geometry::screenRect(Layout::Even, F::Remarks).left, 1900);
    return b.s;
}

Sheet bisFront()
{
    Builder b;
    const ValueBlock& g = BisFront;
    b.frame(g.left, FrontTop, g.right, FrontBottom);
    b.h(b.s.thick, g.top, g.left, g.right);
    b.text(g.textX, 90, "EUROPÄISCHE GEMEINSCHAFT");
    b.bold(1650, 95, "D.V.1 BIS");
    b.bold(g.textX, 145, "ERGÄNZUNGSBLATT ZUR ANMELDUNG DER ANGABEN ÜBER DEN ZOLLWERT");
    b.text(g.textX, 200, "Dieses Ergänzungsblatt ist Bestandteil der Anmeldung D.V.1. Es nimmt die Angaben zu je");
    b.text(g.textX, 225, "zwei weiteren Waren (Positionen) auf; seine Felder entsprechen denen der Rückseite");
    b.text(g.textX, 250, "des Vordrucks D.V.1. Angaben, die für alle Waren gelten, stehen nur im Vordruck D.V.1.");
    valueBlockLines(b, g);
    valueBlockTexts(b, g);
    foreignCurrencyTable(b, g, BlockEnd + g.dy + 32, 2742, FrontBottom);
    return b.s;
}

Sheet front()
{
    Builder b;
    frontBoxes(b);
    frontTexts(b);
    return b.s;
}

} // namespace

const Sheet& sheet(Layout layout)
{
    static const Sheet first = front();
    static const Sheet even = back();
    static const Sheet odd = bisFront();
    switch (layout) {
    case Layout::First:
        return first;
    case Layout::Even:
        return even;
    case Layout::Odd:
        return odd;
    }
    return first;
}

} // namespace DV1FormLists
