// The view's rules that need no window: focus movement, hit testing, pasted
// text, the stored zoom, scrolling a field into sight, undo steps, the
// goods-position preselection and the refusal of text below a field.
#include <QFont>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

#include "form/EhFieldFlags.h"
#include "form/EhFieldGeometry.h"
#include "view/EditorText.h"
#include "view/EhFocusNavigator.h"
#include "view/EhPositionChoice.h"
#include "view/FieldTextFit.h"
#include "view/FieldVisibility.h"
#include "view/FormMapping.h"
#include "view/FormZoom.h"

namespace {

using EhFieldFlags::NotEditable;
using EhFieldFlags::NotShown;

struct Tables {
    QByteArray first = QByteArray(EhFieldFlags::FirstTableSize, '\0');
    QByteArray cont = QByteArray(EhFieldFlags::ContinuationTableSize, '\0');
    void setFirst(int field, std::uint8_t v) { EhFieldFlags::setFlag(first, field, 0, v); }
    void setCont(int field, std::uint8_t v) { EhFieldFlags::setFlag(cont, field, 0, v); }
    EhFocusNavigator nav() const { return EhFocusNavigator(first, cont, 0); }
};

} // namespace

TEST(FocusRules, TabSkipsLockedFieldsAndWrapsAtTheLastTypedField)
{
    Tables t;
    t.setFirst(1, NotEditable);
    t.setFirst(105, EhFieldFlags::Unused);
    t.setFirst(20, NotShown);  // hidden, but still takes the focus
    const EhFocusNavigator nav = t.nav();

    EXPECT_EQ(nav.nextField(1, 0), 2);
    EXPECT_EQ(nav.nextField(1, 19), 20);
    EXPECT_EQ(nav.nextField(1, 104), 0);
    EXPECT_EQ(nav.previousField(1, 0), 104);
    EXPECT_EQ(nav.previousField(1, 2), 0);
    EXPECT_EQ(nav.nextField(2, 77), 0);
    EXPECT_EQ(nav.previousField(2, 0), 77);
    // A field beyond the Tab range (reached by mouse) goes on to the end of
    // the page and then to field 0.
    EXPECT_EQ(nav.nextField(1, 120), 121);
    EXPECT_EQ(nav.nextField(1, 153), 0);
    EXPECT_EQ(nav.nextField(2, 213), 0);

    // A table that locks everything must not hang the keyboard.
    Tables locked;
    for (int f = 0; f < EhFieldFlags::FirstPageFields; ++f)
        locked.setFirst(f, NotEditable);
    EXPECT_GE(locked.nav().nextField(1, 0), 0);
    EXPECT_GE(locked.nav().resolveTarget(1, 0, 5), 0);
}

TEST(FocusRules, AFocusMovePassesLockedFieldsInItsDirection)
{
    Tables t;
    t.setFirst(50, NotEditable);
    t.setFirst(51, NotEditable);
    t.setFirst(0, NotEditable);
    const EhFocusNavigator nav = t.nav();

    EXPECT_EQ(nav.resolveTarget(1, 40, 50), 52);  // coming from below: forwards
    EXPECT_EQ(nav.resolveTarget(1, 60, 51), 49);  // coming from above: backwards
    EXPECT_EQ(nav.resolveTarget(1, 50, 50), 49);  // the same field counts as above
    EXPECT_EQ(nav.resolveTarget(1, 5, 0), 1);     // field 0 always forwards
    EXPECT_EQ(nav.resolveTarget(1, 5, 154), 1);   // beyond the page: field 0, then on
    EXPECT_EQ(nav.resolveTarget(2, 5, 214), 0);
    EXPECT_EQ(nav.resolveTarget(1, 5, 30), 30);
}

TEST(FocusRules, PageCommands)
{
    Tables t;
    t.setCont(0, NotShown);
    EhFocusNavigator nav = t.nav();
    // Next page moves on only past a locked field 0; previous and last page
    // also past a hidden one.
    EXPECT_EQ(nav.nextPage(1, 3), (EhFocusNavigator::Position{2, 0}));
    EXPECT_EQ(nav.previousPage(3), (EhFocusNavigator::Position{2, 1}));
    EXPECT_EQ(nav.lastPage(3), (EhFocusNavigator::Position{3, 1}));
    EXPECT_EQ(nav.previousPage(2), (EhFocusNavigator::Position{1, 0}));
    EXPECT_EQ(nav.nextPage(3, 3).field, -1);
    EXPECT_EQ(nav.previousPage(1).field, -1);

    t.setCont(0, NotEditable);
    t.setFirst(0, NotEditable);
    nav = t.nav();
    EXPECT_EQ(nav.nextPage(1, 3), (EhFocusNavigator::Position{2, 1}));
    EXPECT_EQ(nav.firstPage(), (EhFocusNavigator::Position{1, 1}));
}

TEST(FocusRules, ClicksHitTheZoomedFieldRectangles)
{
    Tables t;
    const EhFocusNavigator nav = t.nav();
    // Box 2 lies at 16.0-105.0 mm by 15.2-35.4 mm of the form.
    const EhRect box2 = EhFieldGeometry::screenRect(EhFieldFlags::PageKind::First, 10);
    EXPECT_EQ(box2, (EhRect{160, 152, 1050, 354}));
    EXPECT_EQ(nav.fieldAt(1, QPoint(500, 300), 10), 10);
    EXPECT_EQ(nav.fieldAt(1, QPoint(1000, 600), 20), 10);
    EXPECT_EQ(nav.fieldAt(1, QPoint(160, 152), 10), 10);
    EXPECT_NE(nav.fieldAt(1, QPoint(1050, 300), 10), 10);   // right edge is outside
    EXPECT_EQ(nav.fieldAt(1, QPoint(2040, 2950), 10), -1);  // beyond the sheet

    Tables locked;
    locked.setFirst(10, NotEditable);
    EXPECT_NE(locked.nav().fieldAt(1, QPoint(500, 300), 10), 10);

    // At 254 dpi a logical unit is one pixel: the rectangle at real size.
    const FormMapping m(10, 254);
    EXPECT_EQ(m.fieldRect(box2), QRect(160, 152, 890, 202));
    EXPECT_EQ(FormMapping(20, 254).fieldRect(box2), QRect(320, 304, 1780, 404));
    EXPECT_EQ(m.zoomedPoint(QPoint(500, 300)), QPoint(500, 300));
}

TEST(PastedText, LineBreaksTrailingSpaceAndSpreadsheetQuotes)
{
    using EditorText::normalizePasted;
    EXPECT_EQ(normalizePasted(QStringLiteral("a\nb\n\nc")), QStringLiteral("a\r\nb\r\n\r\nc"));
    EXPECT_EQ(normalizePasted(QStringLiteral("a\r\nb")), QStringLiteral("a\r\nb"));
    EXPECT_EQ(normalizePasted(QStringLiteral("abc  \r\n\t")), QStringLiteral("abc"));
    EXPECT_EQ(normalizePasted(QStringLiteral("\"Zeile 1\nZeile \"\"2\"\"\"\n")),
              QStringLiteral("Zeile 1\r\nZeile \"\"2\"\""));
    EXPECT_EQ(normalizePasted(QStringLiteral("\"abc")), QStringLiteral("\"abc"));
    EXPECT_EQ(normalizePasted(QStringLiteral("\"")), QStringLiteral("\""));
    EXPECT_EQ(normalizePasted(QStringLiteral("\"\"")), QString());

    // What the editor shows and what the store keeps.
    EXPECT_EQ(EditorText::toEditor(QStringLiteral("a\r\nb\rc\nd")), QStringLiteral("a\nb\nc\nd"));
    const QString raw = QStringLiteral("a") + QChar(QChar::ParagraphSeparator) + QStringLiteral("b\u00A0c");
    EXPECT_EQ(EditorText::toStored(raw), QStringLiteral("a\r\nb\u00A0c"));
}

TEST(ZoomSteps, LimitsAndTheStoredFactor)
{
    EXPECT_FALSE(FormZoom::canLarger(25));
    EXPECT_TRUE(FormZoom::canLarger(24));
    EXPECT_FALSE(FormZoom::canSmaller(10));
    EXPECT_EQ(FormZoom::larger(25), 25);
    EXPECT_EQ(FormZoom::larger(30), 30);
    EXPECT_EQ(FormZoom::smaller(10), 10);
    EXPECT_EQ(FormZoom::smaller(11), 10);

    EXPECT_EQ(FormZoom::storedFactor(17, 100), 17);
    EXPECT_EQ(FormZoom::storedFactor(20, 125), 16);
    // Whatever the screen scale, the stored factor opens the next view at
    // the zoom it was stored for (when any factor can).
    for (int scale : {75, 96, 100, 110, 125, 150}) {
        for (int zoom = 10; zoom <= 25; ++zoom) {
            const int f = FormZoom::storedFactor(zoom, scale);
            if (scale <= 100)
                EXPECT_EQ(f * scale / 100, zoom) << scale << " " << zoom;
            else
                EXPECT_LE(std::abs(f * scale / 100 - zoom), 1) << scale << " " << zoom;
        }
    }
}

TEST(FieldVisibility, ScrollsTheFieldIntoSight)
{
    using FieldVisibility::scrollFor;
    const QSize view(400, 300);
    const QPoint max(1000, 2000);
    // Visible already: nothing moves.
    EXPECT_EQ(scrollFor(QRect(10, 10, 100, 20), view, QPoint(0, 0), max, 50), QPoint(0, 0));
    // Below: down in steps until its bottom is inside.
    const QPoint down = scrollFor(QRect(10, 900, 100, 20), view, QPoint(0, 0), max, 50);
    EXPECT_EQ(down.y(), 650);
    // Above: up until its top is inside, never below 0.
    EXPECT_EQ(scrollFor(QRect(10, 120, 100, 20), view, QPoint(0, 500), max, 50).y(), 100);
    EXPECT_EQ(scrollFor(QRect(10, 5, 100, 20), view, QPoint(0, 30), max, 50).y(), 0);
    // Right: until 20 pixels are left over; left: until its left edge shows.
    EXPECT_EQ(scrollFor(QRect(500, 10, 100, 20), view, QPoint(0, 0), max, 50).x(), 250);
    EXPECT_EQ(scrollFor(QRect(100, 10, 100, 20), view, QPoint(300, 0), max, 50).x(), 100);
    // Wider than the view: its start and half a view of it will do, and the
    // sheet left of it stays in sight where it can.
    EXPECT_EQ(scrollFor(QRect(150, 10, 800, 20), view, QPoint(0, 0), max, 50).x(), 0);
    EXPECT_EQ(scrollFor(QRect(150, 10, 800, 20), view, QPoint(600, 0), max, 50).x(), 150);
    EXPECT_EQ(scrollFor(QRect(600, 10, 800, 20), view, QPoint(0, 0), max, 50).x(), 450);
    // The scroll range ends the search.
    EXPECT_EQ(scrollFor(QRect(10, 5000, 100, 20), view, QPoint(0, 0), max, 50).y(), 2000);
}

TEST(PositionChoice, PreselectionFollowsTheFocus)
{
    EXPECT_EQ(EhPositionChoice::moveSource(1, 60), 0);
    EXPECT_EQ(EhPositionChoice::moveTarget(1), -1);
    EXPECT_EQ(EhPositionChoice::moveSource(2, 31), 1);
    EXPECT_EQ(EhPositionChoice::moveSource(2, 32), 2);
    EXPECT_EQ(EhPositionChoice::moveSource(3, 53), 6);
    EXPECT_EQ(EhPositionChoice::moveTarget(3), 1);
    EXPECT_EQ(EhPositionChoice::movePosition(0), (EhGoodsPosition{1, 1}));
    EXPECT_EQ(EhPositionChoice::movePosition(5), (EhGoodsPosition{3, 2}));
    EXPECT_EQ(EhPositionChoice::deleteIndex(1, 60), -1);
    EXPECT_EQ(EhPositionChoice::deleteIndex(3, 40), 4);
}

TEST(FieldTextFit, TextBelowTheLastLineIsRefused)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(20);
    QTextDocument doc;
    FieldTextFit::configure(doc, font, Qt::AlignLeft, 120);
    doc.setPlainText(QStringLiteral("abc"));
    const double oneLine = 24;  // a line of a 20-pixel font, not two

    EXPECT_TRUE(FieldTextFit::accepts(doc, 3, 3, QStringLiteral("d"), false, false, oneLine));
    EXPECT_FALSE(FieldTextFit::accepts(doc, 3, 3, QString(), true, false, oneLine));
    EXPECT_FALSE(FieldTextFit::accepts(doc, 3, 3, QStringLiteral(" wrapping words"), false, false, oneLine));
    // Replacing the selection by less text is always fine.
    EXPECT_TRUE(FieldTextFit::accepts(doc, 0, 3, QStringLiteral("x"), false, false, oneLine));
    // A line break fits into a field two lines high, a second one does not.
    EXPECT_TRUE(FieldTextFit::accepts(doc, 3, 3, QString(), true, false, 2 * oneLine));
    doc.setPlainText(QStringLiteral("abc\ndef"));
    EXPECT_FALSE(FieldTextFit::accepts(doc, 7, 7, QString(), true, false, 2 * oneLine));
    // A text that already holds more lines than show may still be typed into
    // as long as no line is added.
    doc.setPlainText(QStringLiteral("a\nb\nc"));
    EXPECT_EQ(FieldTextFit::lineCount(doc), 3);
    EXPECT_TRUE(FieldTextFit::accepts(doc, 1, 1, QStringLiteral("x"), false, false, oneLine));
    EXPECT_FALSE(FieldTextFit::accepts(doc, 1, 1, QString(), true, false, oneLine));
    // In overwrite mode a typed character takes the next one's place.
    doc.setPlainText(QStringLiteral("wwwww"));
    const bool full = !FieldTextFit::accepts(doc, 5, 5, QStringLiteral("w"), false, false, oneLine);
    if (full)
        EXPECT_TRUE(FieldTextFit::accepts(doc, 0, 0, QStringLiteral("w"), false, true, oneLine));
}
