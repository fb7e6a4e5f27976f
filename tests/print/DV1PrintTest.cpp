// The D.V.1 on paper: where its texts land on each sheet side, read back from
// a PDF with pdftotext, and the crosses and marks the print adds.
#include <gtest/gtest.h>

#include <QFile>
#include <QHash>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <iostream>

#include "PdfWords.h"
#include "TestSupport.h"
#include "dv1/CDV1_Doc.h"
#include "dv1/DV1Field.h"
#include "dv1/DV1FormLists.h"
#include "dv1/DV1Geometry.h"
#include "print/DV1PrintJob.h"
#include "print/DV1PrintLayer.h"
#include "settings/Profile.h"

namespace F = Dv1Field;
using DV1Geometry::Layout;

namespace {

// Glyphs start a little right of the pen position and the PDF reader
// measures the font's ascent: a tenth or two of a millimetre either way.
constexpr double Tolerance = 0.3;
constexpr double LeftInset = 1.0;    // left-aligned text starts 1.0 mm inside its box
constexpr double RightInset = 1.2;   // right-aligned text ends 1.2 mm inside

class Dv1Print : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::clearSettings();
        while (doc.pageCount() < 6)
            doc.AddContinuationPage();
    }

    // What the printer gets for a page, as a PDF whose page is the
    // printable area.
    PdfText print(int page, int copies = 1)
    {
        const QString path = dir.file(QStringLiteral("dv1-%1.pdf").arg(++m_files));
        {
            QPdfWriter writer(path);
            writer.setPageSize(QPageSize(QPageSize::A4));
            writer.setPageMargins(QMarginsF(0, 0, 0, 0));
            writer.setResolution(1200);
            EXPECT_TRUE(DV1PrintJob::printCopies(writer, doc, page, copies));
        }
        return readPdfText(path);
    }

    testsupport::TempDir dir;
    CDV1_Doc doc;

private:
    int m_files = 0;
};

// The box the form draws around a rectangle: the nearest lines on its four
// sides, in 0.1 mm of the sheet.
QRect drawnCell(Layout layout, const EhRect& r)
{
    const DV1FormLists::Sheet& s = DV1FormLists::sheet(layout);
    int left = -100000, right = 100000, top = -100000, bottom = 100000;
    for (const QLine& l : s.thin + s.dotted + s.thick) {
        const int x1 = std::min(l.x1(), l.x2()), x2 = std::max(l.x1(), l.x2());
        const int y1 = std::min(l.y1(), l.y2()), y2 = std::max(l.y1(), l.y2());
        if (y1 == y2 && x1 < r.right && x2 > r.left) {
            if (y1 <= r.top)
                top = std::max(top, y1);
            if (y1 >= r.bottom)
                bottom = std::min(bottom, y1);
        }
        if (x1 == x2 && y1 < r.bottom && y2 > r.top) {
            if (x1 <= r.left)
                left = std::max(left, x1);
            if (x1 >= r.right)
                right = std::min(right, x1);
        }
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

TEST_F(Dv1Print, EachSheetSideTakesItsOwnMargins)
{
    // Offsets of set n: n mm to the right, n - 3 mm down.
    for (int set = 0; set < 4; ++set) {
        Profile::set(Settings::Left_Margin_DV1[std::size_t(set)], 10 * (set + 1));
        Profile::set(Settings::Top_Margin_DV1[std::size_t(set)], 10 * (set - 2));
    }
    doc.fieldStore().setText(F::Seller, 1, QStringLiteral("Verkaeufer"));
    for (int page = 2; page <= 6; ++page)
        doc.fieldStore().setText(F::Item1, page, QStringLiteral("Seite%1").arg(page));

    // The words live as long as the text they were read from.
    const PdfText first = print(1);
    const PdfWord* seller = first.find(QStringLiteral("Verkaeufer"));
    ASSERT_TRUE(seller);
    EXPECT_NEAR(seller->left, (130 + 30 + 10) / 10.0 + LeftInset, Tolerance);
    EXPECT_NEAR(seller->top, (90 - 10 - 20) / 10.0, Tolerance);

    // Page 2 the back of the declaration, 3 and 5 the front and 4 and 6 the
    // back of a D.V.1 BIS.
    const int sets[] = {0, 0, 2, 3, 4, 3, 4};
    for (int page = 2; page <= 6; ++page) {
        const int set = sets[page];
        const PdfText pdf = print(page);
        ASSERT_EQ(pdf.pages, 1);
        const PdfWord* w = pdf.find(QStringLiteral("Seite%1").arg(page));
        ASSERT_TRUE(w) << page;
        const EhRect r = DV1Geometry::printRect(DV1Geometry::layoutOf(page), F::Item1);
        EXPECT_NEAR(w->left, (r.left + 30 + 10 * set) / 10.0 + LeftInset, Tolerance) << page;
        EXPECT_NEAR(w->top, (r.top - 10 + 10 * (set - 3)) / 10.0, Tolerance) << page;
    }

    // Copies repeat the chosen sheet, and only it.
    const PdfText copies = print(3, 3);
    EXPECT_EQ(copies.pages, 3);
    for (int page = 1; page <= 3; ++page)
        EXPECT_TRUE(copies.find(QStringLiteral("Seite3"), page)) << page;
    EXPECT_FALSE(copies.find(QStringLiteral("Seite2")));
}

TEST_F(Dv1Print, EveryPrintedFieldLiesInsideItsDrawnBox)
{
    // Each field filled with far more than it holds, one symbol per field so
    // that every printed word names its field; the words against the box the
    // form draws around the field, placed on paper as the preview places it.
    const QString symbols = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    int inside = 0;
    int fields = 0;
    for (int page : {1, 2, 3}) {
        const Layout layout = DV1Geometry::layoutOf(page);
        const QPoint offset = DV1PrintLayer(Dv1PrintSetup::fromStore(page)).sheetPictureOffset();
        QList<int> printed;
        for (int f = 0; f < DV1Geometry::fieldCount(layout); ++f) {
            if (!DV1Geometry::printRect(layout, f).isZero())
                printed << f;
        }
        // Neighbours go into different batches, so their texts never run
        // into one word.
        const int batches = int((printed.size() + symbols.size() - 1) / symbols.size());
        for (int b = 0; b < batches; ++b) {
            QHash<QString, int> owner;
            for (int f = 0; f < DV1Geometry::fieldCount(layout); ++f)
                doc.fieldStore().setText(f, page, QString());
            for (int i = b, k = 0; i < printed.size(); i += batches, ++k) {
                const QString symbol = symbols.mid(k, 1);
                doc.fieldStore().setText(printed[i], page, QStringList(160, symbol).join(QLatin1Char(' ')));
                owner.insert(symbol, printed[i]);
            }
            QSet<int> seen;
            QSet<int> outside;
            for (const PdfWord& w : print(page).onPage(1)) {
                ASSERT_TRUE(owner.contains(w.text)) << "page " << page << ": " << qPrintable(w.text);
                const int field = owner.value(w.text);
                seen << field;
                const QRect cell =
                    drawnCell(layout, DV1Geometry::screenRect(layout, field)).translated(offset);
                const bool holds = w.left >= cell.left() / 10.0 - 0.5 && w.right <= cell.right() / 10.0 + 0.5
                    && w.top >= cell.top() / 10.0 - 0.5 && w.bottom <= cell.bottom() / 10.0 + 0.5;
                if (!holds && !outside.contains(field)) {
                    outside << field;
                    ADD_FAILURE() << "page " << page << ", field " << field << ": word " << w.left << ".." << w.right
                                  << " x " << w.top << ".." << w.bottom << " mm, box " << cell.left() / 10.0 << ".."
                                  << cell.right() / 10.0 << " x " << cell.top() / 10.0 << ".." << cell.bottom() / 10.0;
                }
            }
            for (const int field : owner) {
                ++fields;
                EXPECT_TRUE(seen.contains(field)) << "page " << page << ": field " << field << " printed nothing";
                if (seen.contains(field) && !outside.contains(field))
                    ++inside;
            }
        }
    }
    std::cout << inside << " of " << fields << " printed D.V.1 fields inside their drawn boxes\n";
    EXPECT_EQ(inside, fields);
}

TEST_F(Dv1Print, TheTwoFieldsThatPrintElsewhereThanShown)
{
    doc.fieldStore().setText(F::DeclaredValue1, 3, QStringLiteral("4.711,00"));
    doc.fieldStore().setText(F::Remarks, 2, QStringLiteral("Hamburg"));
    // The totals of the BIS front keep their right edge; the last line of a
    // back prints at 280 mm of the sheet.
    const PdfText front = print(3);
    const PdfWord* total = front.find(QStringLiteral("4.711,00"));
    ASSERT_TRUE(total);
    EXPECT_NEAR(total->right, (1355 + 30) / 10.0 - RightInset, Tolerance);
    const PdfText back = print(2);
    const PdfWord* remarks = back.find(QStringLiteral("Hamburg"));
    ASSERT_TRUE(remarks);
    EXPECT_NEAR(remarks->top, (2800 - 10) / 10.0, Tolerance);
    EXPECT_NEAR(remarks->left, (350 + 30) / 10.0 + LeftInset, Tolerance);
    const DV1PrintLayer layer(Dv1PrintSetup{});
    EXPECT_EQ(layer.placedRect(Layout::Odd, F::TotalA1).left(), 1030 + 30);
    EXPECT_TRUE(layer.placedRect(Layout::Odd, F::Remarks).isNull());
}

namespace {

// A sheet printed into an image of one pixel per 0.1 mm.
QImage printedImage(const CDV1_Doc& doc, int page)
{
    QImage image(2100, 2970, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DV1PrintLayer(Dv1PrintSetup::fromStore(page)).printPage(painter, doc, page);
    return image;
}

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

TEST_F(Dv1Print, AnswerBoxCrossesAndCropMarks)
{
    doc.ClickAnswerBox(1);
    doc.ClickAnswerBox(6);
    Profile::set(Settings::Left_Margin_DV1[0], 20);
    const QImage front = printedImage(doc, 1);
    const auto centre = [](int box) {
        const EhRect r = DV1Geometry::answerBox(box);
        return QPoint((r.left + r.right) / 2 + 30 + 20, (r.top + r.bottom) / 2 - 10);
    };
    for (int box = 0; box < DV1Geometry::AnswerBoxes; ++box)
        EXPECT_EQ(isInk(front, centre(box).x(), centre(box).y()), box == 1 || box == 6) << box;
    // The corner mark of the front: down from (L + 100, 70 - T) to (L + 100,
    // 90 - T), then right to L + 120; and its short line at 200 mm.
    const int L = 30 + 20;
    EXPECT_TRUE(isInk(front, L + 100, 70));
    EXPECT_TRUE(isInk(front, L + 110, 60));
    EXPECT_TRUE(isInk(front, L + 100, 2010));
    // Other sides have theirs further left, and no crosses.
    const QImage back = printedImage(doc, 2);
    EXPECT_TRUE(isInk(back, 30 + 10, 80));
    EXPECT_TRUE(isInk(back, 30 + 20, 70));
    EXPECT_TRUE(isInk(back, 30 + 10, 2010));
    EXPECT_FALSE(isInk(back, centre(1).x() - 20, centre(1).y()));
}

TEST_F(Dv1Print, PrinterFontFactorOfTheDv1ScalesItsTexts)
{
    doc.fieldStore().setText(F::Seller, 1, QStringLiteral("Gross"));
    Profile::set(Settings::PrinterFontFactor, QString::fromLatin1(Settings::SectionDV1), 150);
    Profile::set(Settings::PrinterFontFactor, QString::fromLatin1(Settings::SectionEH), 50);
    const PdfWord big = *print(1).find(QStringLiteral("Gross"));
    Profile::set(Settings::PrinterFontFactor, QString::fromLatin1(Settings::SectionDV1), 50);
    const PdfWord small = *print(1).find(QStringLiteral("Gross"));
    EXPECT_NEAR((big.bottom - big.top) / (small.bottom - small.top), 3.0, 0.15);
    EXPECT_NEAR((big.right - big.left) / (small.right - small.left), 3.0, 0.15);
}

TEST_F(Dv1Print, ExportShowsTheFormWithItsTexts)
{
    doc.fieldStore().setText(F::Seller, 1, QStringLiteral("Verkaeufer"));
    doc.fieldStore().setText(F::Item1, 3, QStringLiteral("Position5"));
    const QString path = dir.file(QStringLiteral("export.pdf"));
    QString error;
    ASSERT_TRUE(DV1PrintJob::exportPdf(doc, path, &error)) << qPrintable(error);
    const PdfText pdf = readPdfText(path);
    EXPECT_EQ(pdf.pages, 6);
    EXPECT_TRUE(pdf.find(QStringLiteral("Verkaeufer"), 1));
    EXPECT_TRUE(pdf.find(QStringLiteral("ZOLLWERT"), 1));
    EXPECT_TRUE(pdf.find(QStringLiteral("Position5"), 3));
    EXPECT_TRUE(pdf.find(QStringLiteral("BIS"), 3));
    // The form lies at the page's corner: field 0's box starts 13 mm in.
    const PdfWord* seller = pdf.find(QStringLiteral("Verkaeufer"));
    EXPECT_NEAR(seller->left, 13.0 + LeftInset, Tolerance);
    EXPECT_FALSE(DV1PrintJob::exportPdf(doc, dir.file(QStringLiteral("fehlt/x.pdf")), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("fehlt/x.pdf")));
}

TEST_F(Dv1Print, PrintCommandOfTheToolPutsOutWhatThePrinterGets)
{
    doc.fieldStore().setText(F::Item1, 3, QStringLiteral("Dritte"));
    Profile::set(Settings::Left_Margin_DV1[2], 15);
    const QString fdv = dir.file(QStringLiteral("erklaerung.fdv"));
    ASSERT_TRUE(doc.OnSaveDocument(fdv));
    const QString out = dir.file(QStringLiteral("seite3.pdf"));
    auto r = testsupport::runCli({QStringLiteral("print"), fdv, QStringLiteral("--page"), QStringLiteral("3"),
                                  QStringLiteral("--copies"), QStringLiteral("2"), QStringLiteral("-o"), out});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const PdfText pdf = readPdfText(out);
    EXPECT_EQ(pdf.pages, 2);
    const PdfWord* w = pdf.find(QStringLiteral("Dritte"), 2);
    ASSERT_TRUE(w);
    EXPECT_NEAR(w->left, (1130 + 30 + 15) / 10.0 + LeftInset, Tolerance);

    // A page the document lacks; a file the program refuses prints nothing.
    r = testsupport::runCli({QStringLiteral("print"), fdv, QStringLiteral("--page"), QStringLiteral("7"),
                             QStringLiteral("-o"), out});
    EXPECT_EQ(r.exitCode, 2);
    const QString older = dir.file(QStringLiteral("alt.fdv"));
    testsupport::writeFile(older, "QZN-DV1Form@2.00 und mehr");
    r = testsupport::runCli({QStringLiteral("print"), older, QStringLiteral("--page"), QStringLiteral("1"),
                             QStringLiteral("-o"), dir.file(QStringLiteral("alt.pdf"))});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("älteren Version")));
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("alt.pdf"))));
}
