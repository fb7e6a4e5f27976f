// The drawn D.V.1: every field and answer box in a box of its own, every
// printed text of the form clear of the fields and of the lines, and the
// page layouts with their sheet sides.
#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QRectF>

#include "TestSupport.h"
#include "dv1/DV1Field.h"
#include "dv1/DV1FormLists.h"
#include "dv1/DV1Geometry.h"
#include "dv1/DocumentFileType.h"
#include "view/FieldTextPainter.h"

using DV1Geometry::Layout;

namespace {

const Layout Layouts[] = {Layout::First, Layout::Even, Layout::Odd};

const char* nameOf(Layout layout)
{
    return layout == Layout::First ? "first" : layout == Layout::Even ? "even" : "odd";
}

QList<QLine> allLines(const DV1FormLists::Sheet& s)
{
    return s.thin + s.dotted + s.thick;
}

// Everything the user fills in on a layout: its fields, and on the first
// page the answer boxes.
QList<EhRect> filledRects(Layout layout)
{
    QList<EhRect> rects;
    for (int f = 0; f < DV1Geometry::fieldCount(layout); ++f) {
        const EhRect r = DV1Geometry::screenRect(layout, f);
        if (!r.isZero())
            rects.append(r);
    }
    if (layout == Layout::First) {
        for (int b = 0; b < DV1Geometry::AnswerBoxes; ++b)
            rects.append(DV1Geometry::answerBox(b));
    }
    return rects;
}

// A line that runs through the inside of a rectangle (touching its edge is
// not crossing it).
bool crosses(const QLine& l, const QRectF& r)
{
    if (l.y1() == l.y2()) {
        return l.y1() > r.top() && l.y1() < r.bottom() && std::min(l.x1(), l.x2()) < r.right()
            && std::max(l.x1(), l.x2()) > r.left();
    }
    return l.x1() > r.left() && l.x1() < r.right() && std::min(l.y1(), l.y2()) < r.bottom()
        && std::max(l.y1(), l.y2()) > r.top();
}

QRectF toRectF(const EhRect& r)
{
    return QRectF(r.left, r.top, r.width(), r.height());
}

// A form text's cell at real size, as the painter lays it.
QRectF captionBox(const DV1FormLists::Caption& c, bool bold)
{
    const QFont font = FieldFontSet::cellHeightFont(bold ? 32 * 10 / 12 : 30 * 10 / 12, bold ? 700 : 400);
    const QFontMetricsF m(font);
    const double height = m.ascent() + m.descent();
    return QRectF(c.pos.x(), c.pos.y() - height, m.horizontalAdvance(c.text), height);
}

} // namespace

TEST(DV1Form, EveryFieldAndAnswerBoxLiesInABoxOfItsOwn)
{
    for (Layout layout : Layouts) {
        const QList<QLine> lines = allLines(DV1FormLists::sheet(layout));
        for (const EhRect& e : filledRects(layout)) {
            const QRectF r = toRectF(e);
            for (const QLine& l : lines)
                EXPECT_FALSE(crosses(l, r)) << nameOf(layout) << ": line " << l.x1() << "," << l.y1() << "-" << l.x2()
                                            << "," << l.y2() << " crosses " << e.left << "," << e.top;
            // Closed on all four sides by lines of the form.
            const auto spans = [](int a1, int a2, int b1, int b2) { return std::min(a1, a2) <= b1 && std::max(a1, a2) >= b2; };
            bool above = false, below = false, left = false, right = false;
            for (const QLine& l : lines) {
                if (l.y1() == l.y2() && spans(l.x1(), l.x2(), e.left, e.right)) {
                    above |= l.y1() <= e.top;
                    below |= l.y1() >= e.bottom;
                }
                if (l.x1() == l.x2() && spans(l.y1(), l.y2(), e.top, e.bottom)) {
                    left |= l.x1() <= e.left;
                    right |= l.x1() >= e.right;
                }
            }
            EXPECT_TRUE(above && below && left && right) << nameOf(layout) << ": " << e.left << "," << e.top;
        }
        // Everything on the drawn sheet of 205 x 298 mm.
        for (const QLine& l : lines)
            EXPECT_TRUE(QRect(0, 0, 2051, 2981).contains(l.p1()) && QRect(0, 0, 2051, 2981).contains(l.p2()));
    }
}

TEST(DV1Form, TextsStayClearOfFieldsAndLines)
{
    for (Layout layout : Layouts) {
        const DV1FormLists::Sheet& sheet = DV1FormLists::sheet(layout);
        const QList<QLine> lines = allLines(sheet);
        const QList<EhRect> filled = filledRects(layout);
        EXPECT_GT(sheet.bold.size() + sheet.normal.size(), 20) << nameOf(layout);
        for (bool bold : {true, false}) {
            for (const DV1FormLists::Caption& c : bold ? sheet.bold : sheet.normal) {
                ASSERT_FALSE(c.text.isEmpty());
                const QRectF box = captionBox(c, bold);
                for (const EhRect& e : filled)
                    EXPECT_FALSE(box.intersects(toRectF(e))) << nameOf(layout) << ": " << qPrintable(c.text);
                for (const QLine& l : lines)
                    EXPECT_FALSE(crosses(l, box.adjusted(0, 1, 0, -1))) << nameOf(layout) << ": " << qPrintable(c.text);
            }
        }
    }
}

TEST(DV1Form, TheSheetsSayWhatTheyAre)
{
    const auto has = [](Layout layout, const char* text) {
        const DV1FormLists::Sheet& s = DV1FormLists::sheet(layout);
        for (const auto& c : s.bold + s.normal) {
            if (c.text == QString::fromUtf8(text))
                return true;
        }
        return false;
    };
    EXPECT_TRUE(has(Layout::First, "ANMELDUNG DER ANGABEN ÜBER DEN ZOLLWERT"));
    EXPECT_TRUE(has(Layout::First, "D.V.1"));
    EXPECT_TRUE(has(Layout::Odd, "D.V.1 BIS"));
    EXPECT_FALSE(has(Layout::Even, "D.V.1 BIS"));
    for (Layout layout : {Layout::Even, Layout::Odd})
        EXPECT_TRUE(has(layout, "24  ANGEMELDETER WERT (A + B – C)")) << nameOf(layout);
}

TEST(DV1Geometry, PagesTakeTheLayoutAndSheetSideOfTheirParity)
{
    EXPECT_EQ(DV1Geometry::layoutOf(1), Layout::First);
    for (int page : {2, 4, 6, 98})
        EXPECT_EQ(DV1Geometry::layoutOf(page), Layout::Even) << page;
    for (int page : {3, 5, 99})
        EXPECT_EQ(DV1Geometry::layoutOf(page), Layout::Odd) << page;
    // Front, back, then front and back of each D.V.1 BIS.
    const int sides[] = {1, 2, 3, 4, 3, 4, 3};
    for (int page = 1; page <= 7; ++page)
        EXPECT_EQ(DV1Geometry::sheetSide(page), sides[page - 1]) << page;

    EXPECT_EQ(DV1Geometry::helpContext(1, Dv1Field::Seller), 300);
    EXPECT_EQ(DV1Geometry::helpContext(1, Dv1Field::Buyer), 302);
    EXPECT_EQ(DV1Geometry::helpContext(1, Dv1Field::Declarant), 301);
    EXPECT_EQ(DV1Geometry::helpContext(1, Dv1Field::PlaceDateSignature), 310);
    EXPECT_EQ(DV1Geometry::helpContext(3, Dv1Field::TotalA1), 312);
}

TEST(DV1Geometry, PrintRectanglesDifferOnlyWhereThePaperDoes)
{
    int differing = 0;
    for (Layout layout : Layouts) {
        for (int f = 0; f < DV1Geometry::fieldCount(layout); ++f) {
            if (DV1Geometry::printRect(layout, f) != DV1Geometry::screenRect(layout, f))
                ++differing;
        }
    }
    EXPECT_EQ(differing, 5);
    // The totals of the first item on the front of a BIS start further left
    // on paper; their right edge, where the amounts end, stays.
    const EhRect total = DV1Geometry::printRect(Layout::Odd, Dv1Field::TotalA1);
    EXPECT_EQ(total.left, 1030);
    EXPECT_EQ(total.right, DV1Geometry::screenRect(Layout::Odd, Dv1Field::TotalA1).right);
    EXPECT_EQ(DV1Geometry::printRect(Layout::Odd, Dv1Field::DeclaredValue1).left, 1030);
    EXPECT_EQ(DV1Geometry::printRect(Layout::Odd, Dv1Field::TotalA2).left, 1380);
    EXPECT_EQ(DV1Geometry::printRect(Layout::Even, Dv1Field::Remarks), (EhRect{350, 2800, 1900, 2800}));
    EXPECT_TRUE(DV1Geometry::printRect(Layout::Odd, Dv1Field::Remarks).isZero());
    // Outside the sets: nothing.
    EXPECT_TRUE(DV1Geometry::screenRect(Layout::First, 12).isZero());
    EXPECT_TRUE(DV1Geometry::screenRect(Layout::Even, -1).isZero());
    EXPECT_TRUE(DV1Geometry::answerBox(14).isZero());
}

TEST(DocumentFileType, TheMagicDecidesAndTheExtensionWhenItNamesNeither)
{
    using DocumentFileType::Type;
    using DocumentFileType::fromHead;
    EXPECT_EQ(fromHead("QZN-DV1Form@3.00", QStringLiteral("x.aef")), Type::Dv1);
    EXPECT_EQ(fromHead("QZN-DV1Form@9.99", QStringLiteral("x")), Type::Dv1);
    EXPECT_EQ(fromHead("QZN-EHForm@2.10", QStringLiteral("x.fdv")), Type::Einheitspapier);
    EXPECT_EQ(fromHead("QZN-EHForm@7.00", QStringLiteral("x.FDV")), Type::Einheitspapier);
    // Empty, short or foreign: by the name.
    EXPECT_EQ(fromHead("", QStringLiteral("leer.fdv")), Type::Dv1);
    EXPECT_EQ(fromHead("QZN-DV1", QStringLiteral("kurz.FDV")), Type::Dv1);
    EXPECT_EQ(fromHead("%PDF-1.4 whatever", QStringLiteral("fremd.fdv")), Type::Dv1);
    EXPECT_EQ(fromHead("%PDF-1.4 whatever", QStringLiteral("fremd.aef")), Type::Einheitspapier);
    EXPECT_EQ(fromHead("", QStringLiteral("ohne")), Type::Einheitspapier);

    testsupport::TempDir dir;
    const QString named = dir.file(QStringLiteral("falsch.aef"));
    testsupport::writeFile(named, "QZN-DV1Form@3.00");
    EXPECT_EQ(DocumentFileType::ofFile(named), Type::Dv1);
    EXPECT_EQ(DocumentFileType::ofFile(dir.file(QStringLiteral("fehlt.fdv"))), Type::Dv1);
}
