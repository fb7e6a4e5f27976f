#include <gtest/gtest.h>

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTextLayout>

#include "TestSupport.h"
#include "settings/Profile.h"
#include "form/EhFieldFlags.h"
#include "form/EhFieldGeometry.h"
#include "form/FieldStore.h"
#include "view/EhFormLines.h"
#include "view/FormPainter.h"

using EhFieldFlags::PageKind;

namespace {

// A page drawn at real size, one pixel per 0.1 mm.
class Drawn
{
public:
    Drawn(const EhFormPage& page, const EhPaintOptions& options)
        : m_image(2100, 3000, QImage::Format_RGB32)
    {
        m_image.fill(Qt::white);
        QPainter p(&m_image);
        FormPainter(options).paintPage(p, page);
    }

    // Bounding box of the pixels that are clearly of a colour.
    QRect extentOf(const QColor& colour, const QRect& within = QRect()) const
    {
        const QRect area = within.isNull() ? m_image.rect() : within & m_image.rect();
        QRect box;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(m_image.constScanLine(y));
            for (int x = area.left(); x <= area.right(); ++x) {
                const QColor c(line[x]);
                if (std::abs(c.red() - colour.red()) < 60 && std::abs(c.green() - colour.green()) < 60
                    && std::abs(c.blue() - colour.blue()) < 60)
                    box |= QRect(x, y, 1, 1);
            }
        }
        return box;
    }

private:
    QImage m_image;
};

const QColor Blue(0, 0, 255);
const QColor Black(0, 0, 0);

struct Fixture {
    FieldStore store{154, 214};
    EhFormPage page;
    EhPaintOptions options;

    Fixture()
    {
        page.store = &store;
        page.formSet = 0;
        page.firstFlags = EhFieldFlags::defaultTable(PageKind::First);
        page.contFlags = EhFieldFlags::defaultTable(PageKind::Continuation);
        options.showUnusedMarks = false;
    }
    QRect textRect(PageKind kind, int field) const { return FormPainter(options).textRect(kind, field); }
};

} // namespace

TEST(FormPainter, FieldTextsLieInsideTheirRectanglesAsAligned)
{
    Fixture f;
    f.store.setText(10, 1, QStringLiteral("Muster Spedition GmbH\r\nHafenstraße 12\r\n20457 Hamburg"));
    f.store.setAttr(10, 1, 3);
    f.store.setText(16, 1, QStringLiteral("REF-4711"));
    f.store.setAttr(16, 1, 0x203);                 // right-aligned
    f.store.setText(25, 1, QStringLiteral("Zentral"));
    f.store.setAttr(25, 1, 0x103);                 // centred
    const Drawn d(f.page, f.options);

    const QRect box2 = f.textRect(PageKind::First, 10);
    const QRect text2 = d.extentOf(Blue, box2.adjusted(-200, -200, 200, 200));
    ASSERT_FALSE(text2.isEmpty());
    EXPECT_TRUE(box2.contains(text2)) << text2.x() << "," << text2.y() << " " << text2.width() << "x" << text2.height();
    EXPECT_GE(text2.left(), box2.left() + 10);     // left text starts 10 units in
    EXPECT_GT(text2.height(), 2 * 38);             // three lines at step 3

    const QRect box7 = f.textRect(PageKind::First, 16);
    const QRect text7 = d.extentOf(Blue, box7.adjusted(-100, -20, 100, 20));
    ASSERT_FALSE(text7.isEmpty());
    EXPECT_TRUE(box7.contains(text7));
    EXPECT_LE(box7.right() - text7.right(), 12 + 6);   // ends 12 units before the edge
    EXPECT_GE(box7.right() - text7.right(), 12);

    const QRect box9 = f.textRect(PageKind::First, 25);
    const QRect text9 = d.extentOf(Blue, box9);
    ASSERT_FALSE(text9.isEmpty());
    EXPECT_NEAR(text9.center().x(), box9.center().x(), 8);
}

TEST(FormPainter, FlagsColourAndTheContinuationSheet)
{
    testsupport::clearSettings();
    Fixture f;
    f.store.setText(0, 1, QStringLiteral("IM"));
    f.store.setText(18, 1, QStringLiteral("Empfänger AG"));
    EhFieldFlags::setFlag(f.page.firstFlags, 18, 0, EhFieldFlags::NotShown);
    // The settings colour is 0x00BBGGRR: 0x0000FF is red.
    Profile::set(Settings::EditTextColor, QString::fromLatin1(Settings::SectionEH), 0x0000FF);
    EhPaintOptions options = EhPaintOptions::fromSettings(10);
    options.showUnusedMarks = false;
    const Drawn d(f.page, options);
    EXPECT_TRUE(d.extentOf(Blue).isEmpty());
    EXPECT_FALSE(d.extentOf(QColor(255, 0, 0), f.textRect(PageKind::First, 0)).isEmpty());
    EXPECT_TRUE(d.extentOf(QColor(255, 0, 0), f.textRect(PageKind::First, 18)).isEmpty());   // flag 0x08

    // A continuation sheet shows box 1 of the first page, and its own texts.
    f.store.setText(8, 2, QStringLiteral("Versender"));
    f.page.page = 2;
    const Drawn c(f.page, f.options);
    EXPECT_FALSE(c.extentOf(Blue, f.textRect(PageKind::First, 0)).isEmpty());
    EXPECT_FALSE(c.extentOf(Blue, f.textRect(PageKind::Continuation, 8)).isEmpty());
    testsupport::clearSettings();
}

TEST(FormPainter, Box44TextMovesUpAndGivesWayToTheDeadline)
{
    Fixture f;
    const QString longText = QStringLiteral("Vorgelegte Unterlagen N935 und Y901 mit weiteren Angaben zur Sendung");
    f.store.setText(113, 1, longText);
    const QRect area = f.textRect(PageKind::First, 113).adjusted(-10, -80, 10, 10);
    const QRect up = Drawn(f.page, f.options).extentOf(Blue, area);

    f.store.setText(111, 1, QStringLiteral("x"));
    const QRect kept = Drawn(f.page, f.options).extentOf(Blue, area);
    ASSERT_FALSE(up.isEmpty());
    ASSERT_FALSE(kept.isEmpty());
    EXPECT_NEAR(kept.top() - up.top(), 50, 2);

    f.store.setText(114, 1, QStringLiteral("31.12."));
    const QRect deadline = f.textRect(PageKind::First, 114);
    const QRect aboveDeadline(area.left(), area.top(), area.width(), deadline.top() - area.top());
    const QRect narrowed = Drawn(f.page, f.options).extentOf(Blue, aboveDeadline);
    ASSERT_FALSE(narrowed.isEmpty());
    EXPECT_LT(narrowed.right(), deadline.left() - 2);
    EXPECT_GT(up.right(), deadline.left());
}

TEST(FormPainter, CrossRowsAndTheInputTaxCross)
{
    Fixture f;
    f.options.showUnusedMarks = true;
    const QRect box13 = f.textRect(PageKind::First, 23);   // "Feld 13", marked in every form set
    EXPECT_FALSE(Drawn(f.page, f.options).extentOf(Black, box13).isEmpty());
    f.options.showUnusedMarks = false;
    EXPECT_TRUE(Drawn(f.page, f.options).extentOf(Black, box13).isEmpty());

    QRect cross;   // the check box of line group 6
    for (const QLine& l : EhFormLines::firstPage()[EhFormLines::FirstInputTaxBox])
        cross |= QRect(l.p1(), l.p2()).normalized();
    const QRect inner = cross.adjusted(4, 4, -4, -4);
    EXPECT_TRUE(Drawn(f.page, f.options).extentOf(Black, inner).isEmpty());
    f.page.inputTax = true;
    EXPECT_FALSE(Drawn(f.page, f.options).extentOf(Black, inner).isEmpty());
    f.page.formSet = 2;   // no input-tax box on the simplified declaration
    EXPECT_TRUE(Drawn(f.page, f.options).extentOf(Black, cross).isEmpty());
}

TEST(FieldTextPainter, FontsWrappingAndUnknownSizes)
{
    testsupport::clearSettings();
    const FieldFontSet fonts = FieldFontSet::screen(12);
    // "DFont2" 42 at zoom 12: a cell of 42 units; "DFont0B" is 28, not 30.
    const QFontMetricsF m2(*fonts.font(2));
    EXPECT_NEAR(m2.ascent() + m2.descent(), 12 * 42 / 12, 1.0);
    const QFontMetricsF m0b(*fonts.font(0x10));
    EXPECT_NEAR(m0b.ascent() + m0b.descent(), 12 * 28 / 12, 1.0);
    EXPECT_TRUE(fonts.font(0x10)->bold());
    EXPECT_EQ(fonts.font(5), nullptr);
    EXPECT_EQ(fonts.font(0x41)->pixelSize(), fonts.font(1)->pixelSize());   // stamp lines: bits 0-3 only

    QImage image(800, 400, QImage::Format_RGB32);
    QPainter p(&image);
    const FieldTextPainter text(fonts);
    const QRect rect(0, 0, 300, 300);
    const QString words = QStringLiteral("eins zwei drei vier fünf sechs sieben acht neun zehn");
    const int wrapped = text.draw(p, rect, words, 1);
    const int single = text.draw(p, rect, words, 1, true);
    const int oneLine = text.draw(p, rect, QStringLiteral("eins"), 1);
    EXPECT_EQ(single, oneLine);
    EXPECT_GT(wrapped, 2 * oneLine);
    EXPECT_NEAR(text.draw(p, rect, QStringLiteral("a\r\nb"), 1), 2 * oneLine, 1);
    EXPECT_EQ(text.draw(p, rect, QString(), 1), 0);

    // A size step outside 0..4 keeps the font of the field drawn before.
    const int large = text.draw(p, rect, QStringLiteral("x"), 4);
    EXPECT_GT(large, oneLine);
    EXPECT_EQ(text.draw(p, rect, QStringLiteral("x"), 7), large);
}

// A text longer than its field stays in the field, on screen as on paper,
// and the screen marks the field so the user sees that some of it is hidden.
TEST(FieldTextPainter, OverlongTextStaysInItsFieldAndIsMarked)
{
    testsupport::clearSettings();
    Fixture f;
    const int box2 = 10;   // "Feld 2": four lines above box 8
    QStringList lines;
    for (int i = 1; i <= 9; ++i)
        lines << QStringLiteral("Zeile %1").arg(i);
    const QRect box = f.textRect(PageKind::First, box2);
    const QRect below(box.left(), box.bottom() + 8, box.width(), 150);
    const QRect corner(box.right() - 12, box.bottom() - 12, 12, 12);

    f.store.setText(box2, 1, QStringLiteral("Kurz"));
    const Drawn fits(f.page, f.options);
    EXPECT_TRUE(fits.extentOf(QColor(255, 0, 0), corner).isNull());

    f.store.setText(box2, 1, lines.join(QStringLiteral("\r\n")));
    const Drawn over(f.page, f.options);
    EXPECT_TRUE(over.extentOf(Blue, below).isNull()) << "text drawn below its field";
    EXPECT_FALSE(over.extentOf(Blue, box).isNull());
    EXPECT_FALSE(over.extentOf(QColor(255, 0, 0), corner).isNull()) << "no overflow mark";

    // One word wider than the field is cut at the field's side.
    f.store.setText(box2, 1, QString(200, QLatin1Char('W')));
    const Drawn wide(f.page, f.options);
    const QRect drawn = wide.extentOf(Blue);
    EXPECT_LE(drawn.right(), box.right() + 1);
    EXPECT_FALSE(wide.extentOf(QColor(255, 0, 0), corner).isNull());
}

// Print breaks lines where the screen does, even where the printer's wider
// font would need a break of its own: what the editor accepted never gains a
// line on paper.
TEST(FieldTextPainter, PrintKeepsTheScreensLineBreaks)
{
    testsupport::clearSettings();
    const FieldFontSet screen = FieldFontSet::screen(10);
    const FieldFontSet print = FieldFontSet::print(95);
    const QStringList pool = QStringLiteral("Spedition Lager Hafen Nord Tor Rampe Kai Halle Zoll Ware Kiste "
                                            "Palette Sack Fass Ballen Rolle Karton Kolli Stück Posten")
                                 .split(QLatin1Char(' '));
    const int width = 890 - 10;   // box 8 less the left inset
    const auto lineCount = [](const QFont& font, const QString& text, int w) {
        QTextLayout layout(text, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        int n = 0;
        for (QTextLine l = layout.createLine(); l.isValid(); l = layout.createLine(), ++n)
            l.setLineWidth(w);
        layout.endLayout();
        return n;
    };
    // A text whose lines the printer's font alone would break once more.
    QString text;
    for (int i = 0; i < 400 && text.isEmpty(); ++i) {
        QStringList words;
        for (int k = 0; k < 14 + i % 9; ++k)
            words << pool[(i * 7 + k * 3) % pool.size()];
        const QString candidate = words.join(QLatin1Char(' '));
        if (lineCount(*print.font(3), candidate, width) > lineCount(*screen.font(3), candidate, width))
            text = candidate;
    }
    ASSERT_FALSE(text.isEmpty());
    const int lines = lineCount(*screen.font(3), text, width);

    QImage image(1200, 800, QImage::Format_RGB32);
    QPainter p(&image);
    const QRect rect(0, 0, 890, 600);
    FieldTextPainter onScreen(screen);
    FieldTextPainter onPaper(print);
    onPaper.breakLinesWith(&screen);
    const int lineHeight = onPaper.draw(p, rect, QStringLiteral("x"), 3);
    EXPECT_NEAR(onPaper.draw(p, rect, text, 3), lines * lineHeight, 1);
    const int screenLine = onScreen.draw(p, rect, QStringLiteral("x"), 3);
    EXPECT_NEAR(onScreen.draw(p, rect, text, 3), lines * screenLine, 1);
    // Each printed line stands where the screen shows it: the printer's
    // taller font does not push the lower lines of a box down.
    EXPECT_NEAR(onPaper.draw(p, rect, text, 3), onScreen.draw(p, rect, text, 3), 1);
    // Without the screen's breaks the printer's font would need one more.
    FieldTextPainter ownBreaks(print);
    EXPECT_GT(ownBreaks.draw(p, rect, text, 3), onPaper.draw(p, rect, text, 3) + lineHeight / 2);
    // A printer font far larger than the screen's keeps its lines apart.
    const FieldFontSet large = FieldFontSet::print(150);
    FieldTextPainter onLargePaper(large);
    onLargePaper.breakLinesWith(&screen);
    const QFontMetricsF largeMetrics(*large.font(3));
    EXPECT_GE(onLargePaper.draw(p, rect, text, 3), lines * (largeMetrics.ascent() + largeMetrics.descent()) - 1);
}
