#include <QImage>
#include <QPainter>

#include "PrintFixture.h"
#include "form/EhFieldGeometry.h"
#include "print/EhPrintLayer.h"

using EhFieldFlags::PageKind;

namespace {

// Glyphs start a little right of the pen position and the PDF reader
// measures the font's ascent: a tenth or two of a millimetre either way.
constexpr double Tolerance = 0.3;

constexpr int Feld2 = 10;
// Left text starts 1.0 mm inside its box, right text ends 1.2 mm inside.
constexpr double LeftInset = 1.0;
constexpr double RightInset = 1.2;

} // namespace

TEST_F(PrintFixture, Feld2LandsInItsBoxWithAllMarginsZero)
{
    setText(Feld2, 1, QStringLiteral("Links"));
    setText(9, 1, QStringLiteral("Nummer"), FieldStore::AlignRight);   // "Feld 2 (Nr.)" beside it
    PdfText pdf = print(1);
    ASSERT_EQ(pdf.pages, 1);
    const PdfWord* left = pdf.find(QStringLiteral("Links"));
    ASSERT_TRUE(left);
    EXPECT_NEAR(left->left, 24.2 + LeftInset, Tolerance);
    EXPECT_NEAR(left->top, 14.2, Tolerance);

    setText(Feld2, 1, QStringLiteral("Rechts"), FieldStore::AlignRight);
    pdf = print(1);
    const PdfWord* right = pdf.find(QStringLiteral("Rechts"));
    ASSERT_TRUE(right);
    EXPECT_NEAR(right->right, 113.2 - RightInset, Tolerance);
    EXPECT_NEAR(right->top, 14.2, Tolerance);
}

TEST_F(PrintFixture, MarginsMoveTheirOwnSheetTypeOnly)
{
    setText(Feld2, 1, QStringLiteral("Erste"));
    setText(0, 1, QStringLiteral("Kopf"));
    setText(11, 2, QStringLiteral("Waren"));   // "31-1"
    Profile::set(Settings::Left_Margin_EH, 25);    // 2.5 mm to the right
    Profile::set(Settings::Top_Margin_EH, -13);    // 1.3 mm up
    Profile::set(Settings::Left_Margin2_EH, -40);
    Profile::set(Settings::Top_Margin2_EH, 70);

    const PdfText first = print(1);
    const PdfWord* erste = first.find(QStringLiteral("Erste"));
    ASSERT_TRUE(erste);
    EXPECT_NEAR(erste->left, 24.2 + 2.5 + LeftInset, Tolerance);
    EXPECT_NEAR(erste->top, 14.2 - 1.3, Tolerance);

    // 31-1 is printed at 210, 299 of the continuation sheet; box 1 comes
    // along with the continuation sheet's margins.
    const PdfText cont = print(2);
    const PdfWord* waren = cont.find(QStringLiteral("Waren"));
    ASSERT_TRUE(waren);
    EXPECT_NEAR(waren->left, (210 + 32) / 10.0 - 4.0 + LeftInset, Tolerance);
    EXPECT_NEAR(waren->top, (299 - 10) / 10.0 + 7.0, Tolerance);
    const PdfWord* kopf = cont.find(QStringLiteral("Kopf"));
    ASSERT_TRUE(kopf);
    const EhRect box1 = EhFieldGeometry::printRect(PageKind::First, 0);
    EXPECT_NEAR(kopf->left, (box1.left + 32) / 10.0 - 4.0 + LeftInset, Tolerance);
    EXPECT_NEAR(kopf->top, (box1.top - 10) / 10.0 + 7.0, Tolerance);
}

TEST_F(PrintFixture, PrintAreaCorrectionScalesFromTheOrigin)
{
    setText(Feld2, 1, QStringLiteral("Breit"));
    Profile::set(Settings::PrnFactorH, 1100);
    PdfText pdf = print(1);
    const PdfWord* w = pdf.find(QStringLiteral("Breit"));
    ASSERT_TRUE(w);
    // Left edge 242 * 1.1 = 266.2, truncated to 266; the top stays.
    EXPECT_NEAR(w->left, 26.6 + LeftInset, Tolerance);
    EXPECT_NEAR(w->top, 14.2, Tolerance);

    setText(Feld2, 1, QStringLiteral("Breit"), FieldStore::AlignRight);
    pdf = print(1);
    w = pdf.find(QStringLiteral("Breit"));
    ASSERT_TRUE(w);
    EXPECT_NEAR(w->right, 124.5 - RightInset, Tolerance);   // 1132 * 1.1 = 1245.2

    // The vertical factor moves tops, and it is read at every print.
    Profile::set(Settings::PrnFactorH, 1000);
    Profile::set(Settings::PrnFactorV, 970);
    pdf = print(1);
    w = pdf.find(QStringLiteral("Breit"));
    ASSERT_TRUE(w);
    EXPECT_NEAR(w->top, 13.7, Tolerance);   // 142 * 0.97 = 137.7 -> 137
    EXPECT_NEAR(w->right, 113.2 - RightInset, Tolerance);

    // Edges on both sides of the origin truncate towards zero: -242 becomes
    // -266 (not -267), 648 becomes 712.
    EXPECT_EQ(EhPrintLayer::corrected(QRect(-242, -142, 890, 202), 1100, 1100), QRect(-266, -156, 978, 222));
}

TEST_F(PrintFixture, NotPrintedFlagOfTheDocumentsFormSet)
{
    setText(Feld2, 1, QStringLiteral("Absender"));
    setText(18, 1, QStringLiteral("Empfaenger"));
    doc.setFormSet(1);
    definitions.setFlag(PageKind::First, Feld2, 1, EhFieldFlags::NotPrinted);
    PdfText pdf = print(1);
    EXPECT_FALSE(pdf.find(QStringLiteral("Absender")));
    EXPECT_TRUE(pdf.find(QStringLiteral("Empfaenger")));

    // The same flag in another form set does not matter to this document.
    doc.setFormSet(3);
    pdf = print(1);
    EXPECT_TRUE(pdf.find(QStringLiteral("Absender")));
}

TEST_F(PrintFixture, CopiesRepeatTheChosenSheetOnly)
{
    setText(Feld2, 1, QStringLiteral("Seiteeins"));
    setText(11, 2, QStringLiteral("Seitezwei"));
    setText(32, 2, QStringLiteral("Position2"));
    const PdfText pdf = print(2, 3);
    ASSERT_EQ(pdf.pages, 3);
    EXPECT_FALSE(pdf.find(QStringLiteral("Seiteeins")));
    const QList<PdfWord> sheet = pdf.onPage(1);
    ASSERT_FALSE(sheet.isEmpty());
    for (int page = 2; page <= 3; ++page) {
        const QList<PdfWord> copy = pdf.onPage(page);
        ASSERT_EQ(copy.size(), sheet.size());
        for (int i = 0; i < sheet.size(); ++i) {
            EXPECT_EQ(copy[i].text, sheet[i].text);
            EXPECT_DOUBLE_EQ(copy[i].left, sheet[i].left);
            EXPECT_DOUBLE_EQ(copy[i].top, sheet[i].top);
        }
    }
}

TEST_F(PrintFixture, ContinuationSheetCarriesBox1WithoutOverprinting)
{
    // Box 1 C and the sheet's own number and first stamp lines, made
    // printable.
    Profile::set(Settings::EH_ShowXX, 0);
    for (int f = 0; f < 3; ++f) {
        definitions.setFlag(PageKind::Continuation, f, 0, 0);
        definitions.setFlag(PageKind::First, f, 0, 0);
    }
    const QStringList box1 = {QStringLiteral("IM"), QStringLiteral("A"), QStringLiteral("Drei")};
    const QStringList own = {QStringLiteral("Blatt"), QStringLiteral("Stempel"), QStringLiteral("Zollamt")};
    for (int f = 0; f < 3; ++f) {
        setText(f, 1, box1[f]);
        setText(f, 2, own[f]);
    }
    const PdfText pdf = print(2);
    const PdfText first = print(1);
    for (const QString& t : box1) {
        // Where the first sheet has it (the continuation margins are 0 too).
        const PdfWord* onSheet = pdf.find(t);
        const PdfWord* onFirst = first.find(t);
        ASSERT_TRUE(onSheet && onFirst) << qPrintable(t);
        EXPECT_DOUBLE_EQ(onSheet->left, onFirst->left);
        EXPECT_DOUBLE_EQ(onSheet->top, onFirst->top);
        for (const QString& o : own) {
            const PdfWord* b = pdf.find(o);
            ASSERT_TRUE(b) << qPrintable(o);
            const PdfWord* a = onSheet;
            const bool apart = a->right <= b->left || b->right <= a->left || a->bottom <= b->top || b->bottom <= a->top;
            EXPECT_TRUE(apart) << qPrintable(a->text) << " over " << qPrintable(b->text);
        }
    }
}

TEST_F(PrintFixture, SheetFieldsThatWouldCoverBox1GiveWay)
{
    const EhPrintLayer layer(EhPrintSetup{});
    doc.store().setText(0, 2, QStringLiteral("Blatt"));
    EhFormPage page = EhPrintJob::pageOf(doc, 2, definitions);
    EhFieldFlags::setFlag(page.contFlags, 0, 0, 0);
    const auto printed = [&](PageKind kind, int field) {
        for (const EhPrintedField& f : layer.printedFields(page)) {
            if (f.kind == kind && f.field == field)
                return true;
        }
        return false;
    };
    // With the sheets as they are, the number lies clear of box 1 ...
    EXPECT_TRUE(printed(PageKind::Continuation, 0));
    for (int b = 0; b < 3; ++b)
        EXPECT_FALSE(layer.placedRect(PageKind::Continuation, 0).intersects(layer.placedRect(PageKind::First, b)));
    EXPECT_TRUE(printed(PageKind::First, 0));
    // ... and box 2 leaves the continuation sheets when the user says so.
    EXPECT_TRUE(printed(PageKind::Continuation, 8));
    Profile::set(Settings::Feld2S2, 1);
    const EhPrintLayer without(EhPrintSetup::fromStore(PageKind::Continuation));
    for (const EhPrintedField& f : without.printedFields(page))
        EXPECT_FALSE(f.kind == PageKind::Continuation && (f.field == 7 || f.field == 8));
}

TEST_F(PrintFixture, PrinterFontFactorScalesTheText)
{
    setText(Feld2, 1, QStringLiteral("Gross"));
    Profile::set(Settings::PrinterFontFactor, QString::fromLatin1(Settings::SectionEH), 150);
    const PdfWord big = *print(1).find(QStringLiteral("Gross"));
    Profile::set(Settings::PrinterFontFactor, QString::fromLatin1(Settings::SectionEH), 50);
    const PdfWord small = *print(1).find(QStringLiteral("Gross"));
    EXPECT_NEAR((big.bottom - big.top) / (small.bottom - small.top), 3.0, 0.15);
    EXPECT_NEAR((big.right - big.left) / (small.right - small.left), 3.0, 0.15);
}

namespace {

// A sheet printed into an image of one pixel per 0.1 mm.
QImage printedImage(const EhFormPage& page)
{
    QImage image(2100, 2970, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    EhPrintLayer(EhPrintSetup::fromStore(page.kind())).printPage(painter, page);
    return image;
}

// Ink at the point or next to it (a thin line covers one pixel column).
bool isInk(const QImage& image, int x, int y)
{
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (qGray(image.pixel(x + dx, y + dy)) < 128)
                return true;
        }
    }
    return false;
}

} // namespace

TEST_F(PrintFixture, InputTaxCrossAndAlignmentMarks)
{
    doc.setInputTax(true);
    Profile::set(Settings::HorPosX2_EH, 40);
    Profile::set(Settings::VertPosX2_EH, 20);
    // Centre of the cross: L + H + 230 across, 1510 - T - V down.
    const int cx = 30 + 40 + 230;
    const int cy = 1510 - 10 - 20;
    QImage image = printedImage(EhPrintJob::pageOf(doc, 1, definitions));
    EXPECT_TRUE(isInk(image, cx, cy));
    EXPECT_FALSE(isInk(image, cx, cy + 40));
    // The corner mark: down from (L + 115, 70) to (L + 115, 90).
    EXPECT_TRUE(isInk(image, 30 + 115, 80));
    EXPECT_TRUE(isInk(image, 30 + 125, 70));

    // Form set 2 has no input-tax box, and continuation sheets no cross.
    doc.setFormSet(2);
    EXPECT_FALSE(isInk(printedImage(EhPrintJob::pageOf(doc, 1, definitions)), cx, cy));
    doc.setFormSet(0);
    image = printedImage(EhPrintJob::pageOf(doc, 2, definitions));
    EXPECT_FALSE(isInk(image, cx, cy));
    EXPECT_TRUE(isInk(image, 30 + 180, 65));   // the continuation sheet's corner
}

TEST_F(PrintFixture, Box44TextGivesWayToTheDeadline)
{
    // Box 44's text area reaches down beside the deadline box; long lines
    // down to its bottom would run across the deadline's text.
    QStringList lines;
    for (int i = 1; i <= 12; ++i)
        lines << QStringLiteral("Vermerk%1 Unterlagen Bescheinigungen Genehmigungen Rechnung Ursprung").arg(i);
    setText(113, 1, lines.join(QStringLiteral("\r\n")));
    setText(114, 1, QStringLiteral("Frist"));
    const PdfText pdf = print(1);
    const PdfWord* deadline = pdf.find(QStringLiteral("Frist"));
    ASSERT_TRUE(deadline);
    // Twelve lines are more than the box holds: the ones below it are left
    // out rather than printed over box 47.
    ASSERT_TRUE(pdf.find(QStringLiteral("Vermerk1")));
    EXPECT_FALSE(pdf.find(QStringLiteral("Vermerk12")));
    const EhPrintLayer placed(EhPrintSetup{});
    const double boxBottom = (placed.placedRect(PageKind::First, 113).bottom() + 1) / 10.0;
    for (const PdfWord& w : pdf.onPage(1)) {
        if (w.text.startsWith(QStringLiteral("Vermerk")))
            EXPECT_LE(w.bottom, boxBottom + 0.5) << qPrintable(w.text);
        if (w.text == QStringLiteral("Frist"))
            continue;
        const bool apart = w.right <= deadline->left || w.bottom <= deadline->top || w.top >= deadline->bottom;
        EXPECT_TRUE(apart) << qPrintable(w.text);
    }
    // Without anything kept for its first line, the text starts a line higher.
    const EhPrintLayer layer(EhPrintSetup{});
    EXPECT_NEAR(pdf.find(QStringLiteral("Vermerk1"))->top, (layer.placedRect(PageKind::First, 113).top() - 50) / 10.0,
                Tolerance);
}
