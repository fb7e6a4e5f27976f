// Scrolling and zooming the Einheitspapier as a user does: the horizontal
// scroll bar at a high zoom, Page Down and typing, the zoom keys and Ctrl
// with the wheel.
#include <QScrollBar>
#include <QWheelEvent>

#include "ViewTestSupport.h"
#include "form/EhField.h"

namespace {

class Scrolling : public ViewFixture
{
protected:
    // A wheel turn of notches (120 eighths of a degree each) over widget.
    static void wheel(QWidget* widget, int notches, Qt::KeyboardModifiers modifiers)
    {
        const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
        QWheelEvent event(at, widget->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &event);
    }
    // Whether the field editor's start (where typing begins) is in sight;
    // a field wider than the view cannot be seen whole.
    bool editorVisible() const
    {
        const QRect r = editor()->geometry();
        return view->viewport()->rect().contains(QRect(r.topLeft(), QSize(std::min(r.width(), 20), r.height())));
    }
};

} // namespace

TEST_F(Scrolling, TheHorizontalScrollBarMovesTheFormTheWayItsThumbGoes)
{
    view->resize(600, 500);
    view->setZoom(25);
    QScrollBar* bar = view->horizontalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    goTo(EhField::Box2Address, 1);   // at the sheet's left edge
    EXPECT_TRUE(editorVisible());

    // Thumb to the right: the sheet moves left, its right part comes into
    // sight, and a click there lands in the field drawn under the mouse.
    bar->setValue(bar->maximum());
    EXPECT_EQ(view->scrollPosition().x(), bar->maximum());
    EXPECT_LT(editor()->geometry().left(), 0);
    CancelDialogs cancel;   // a box that opens a dialog when clicked
    int hit = -1;
    for (int field = 0; field < EhField::FirstPageCount && hit < 0; ++field) {
        const QPoint centre = centreOf(field, 1);
        // Under the mouse now, and beyond what the view shows at thumb left.
        if (!view->viewport()->rect().contains(centre)
            || editor()->fieldRect(field, 1).center().x() <= view->viewport()->width())
            continue;
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        if (view->currentField() == field)
            hit = field;
    }
    ASSERT_GE(hit, 0);
    EXPECT_EQ(bar->value(), bar->maximum());   // in sight already: nothing moved

    // Thumb to the left: the left edge is back, and so is box 2.
    bar->setValue(0);
    const QPoint box2 = centreOf(EhField::Box2Address, 1);
    ASSERT_TRUE(view->viewport()->rect().contains(box2));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, box2);
    EXPECT_EQ(view->currentField(), EhField::Box2Address);
    EXPECT_EQ(bar->value(), 0);
}

TEST_F(Scrolling, AHighZoomOpensWithTheSheetsLeftEdgeInSight)
{
    Profile::WriteProfileInt(QString::fromLatin1(CEinheitspapierView::Section), QString::fromLatin1(Settings::ZoomFactor),
                             25);
    Profile::WriteProfileInt(QString::fromLatin1(Settings::SectionSettings),
                             QString::fromLatin1(Settings::WinFormScaledFactorOv), 100);
    auto other = std::make_unique<CEinheitspapierView>(doc.get(), definitions);
    // Laid out while its window is still small, as a new document window is.
    other->resize(120, 80);
    ASSERT_EQ(other->zoom(), 25);
    ASSERT_TRUE(other->initialUpdate(0));
    const int focused = other->currentField();
    const QRect field = other->editor()->fieldRect(focused, 1);
    // Then the window gets its size: wide enough for the sheet up to the
    // focused field, so nothing needs to be cut off on the left.
    other->resize(field.right() + 200, 700);
    other->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(other.get()));
    EXPECT_EQ(other->horizontalScrollBar()->value(), 0);
    EXPECT_EQ(other->verticalScrollBar()->value(), 0);
    EXPECT_TRUE(other->viewport()->rect().contains(other->editor()->geometry()));

    // Once the user has scrolled, a new size leaves the view where it is.
    other->horizontalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    const int scrolled = other->horizontalScrollBar()->value();
    ASSERT_GT(scrolled, 0);
    other->resize(other->width() - 50, 700);
    EXPECT_EQ(other->horizontalScrollBar()->value(), scrolled);
}

TEST_F(Scrolling, TypingAfterPageDownBringsTheFieldBackIntoSight)
{
    view->setZoom(20);
    goTo(EhField::Box2Address, 1);
    ASSERT_TRUE(editorVisible());
    key(Qt::Key_PageDown);
    key(Qt::Key_PageDown);
    EXPECT_GT(view->verticalScrollBar()->value(), 0);
    EXPECT_FALSE(editorVisible());
    type(QStringLiteral("A"));
    EXPECT_TRUE(editorVisible());
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("A"));

    // Shift alone is no typing yet: the view stays where the user put it.
    key(Qt::Key_PageDown);
    key(Qt::Key_PageDown);
    const int scrolled = view->verticalScrollBar()->value();
    key(Qt::Key_Shift);
    EXPECT_EQ(view->verticalScrollBar()->value(), scrolled);
}

TEST_F(Scrolling, CtrlPlusCtrlMinusAndCtrlWithTheWheelZoom)
{
    view->setZoom(15);
    key(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(view->zoom(), 16);
    key(Qt::Key_Minus, Qt::ControlModifier);
    key(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(view->zoom(), 14);

    wheel(view->viewport(), 1, Qt::ControlModifier);
    EXPECT_EQ(view->zoom(), 15);
    wheel(editor()->viewport(), -2, Qt::ControlModifier);
    EXPECT_EQ(view->zoom(), 13);
    // The focus stays in its field, and the field in sight.
    EXPECT_TRUE(editor()->hasFocus());
    EXPECT_TRUE(editorVisible());

    // Without Ctrl the wheel scrolls and leaves the zoom alone.
    const int before = view->verticalScrollBar()->value();
    wheel(view->viewport(), -3, Qt::NoModifier);
    EXPECT_EQ(view->zoom(), 13);
    EXPECT_GT(view->verticalScrollBar()->value(), before);
}
