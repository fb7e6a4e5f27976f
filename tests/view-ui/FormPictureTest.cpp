// The view keeps the empty form as a picture and draws the field texts over
// it: what it shows must be what drawing the page afresh shows, whatever
// changed since the picture was made.
#include <QImage>
#include <QPainter>
#include <QScrollBar>

#include "ViewTestSupport.h"
#include "form/EhField.h"
#include "settings/SettingsKeys.h"
#include "view/FormPainter.h"

namespace {

class FormPictureTest : public ViewFixture
{
protected:
    // The viewport as the view draws it, without the field editor on top.
    QImage shown() const
    {
        QImage image(view->viewport()->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        view->viewport()->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        return image;
    }

    // The page drawn afresh, form and texts at once, as the view showed it
    // before it kept the form as a picture.
    QImage drawnAfresh() const
    {
        QImage image(view->viewport()->size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        const FormMapping m = view->mapping();
        const QPoint scroll = view->scrollPosition();
        painter.translate(-scroll);
        painter.scale(m.pixelsPerUnit(), m.pixelsPerUnit());
        const QRect visible = image.rect().translated(scroll);
        EhPaintOptions options = EhPaintOptions::fromSettings(view->zoom());
        options.area = QRect(m.toLogical(visible.left()) - 1, m.toLogical(visible.top()) - 1,
                             m.toLogical(visible.width()) + 2, m.toLogical(visible.height()) + 2);
        EhFormPage page;
        page.store = &doc->store();
        page.formSet = doc->formSet();
        page.page = view->currentPage();
        page.firstFlags = definitions.table(EhFieldFlags::PageKind::First);
        page.contFlags = definitions.table(EhFieldFlags::PageKind::Continuation);
        page.inputTax = doc->inputTax();
        FormPainter(options).paintPage(painter, page);
        return image;
    }

    // The view lays itself out anew when it draws after a change: draw
    // first, then compare with the same page drawn afresh. A stale picture
    // (another form set, zoom or kind of page) differs in thousands of
    // pixels; where a line is cut by the picture's edge, its smoothed
    // pixels may differ in a handful.
    void expectShownAsDrawnAfresh(const char* step)
    {
        const QImage viewPicture = shown();
        const QImage afresh = drawnAfresh();
        ASSERT_EQ(viewPicture.size(), afresh.size()) << step;
        int differing = 0;
        for (int y = 0; y < afresh.height(); ++y) {
            for (int x = 0; x < afresh.width(); ++x)
                differing += viewPicture.pixel(x, y) != afresh.pixel(x, y);
        }
        EXPECT_LE(differing, 200) << step;
    }
};

TEST_F(FormPictureTest, FollowsFormSetStampsZoomPageAndScrolling)
{
    doc->store().setText(EhField::Box8Address, 1, QStringLiteral("Muster GmbH\r\nHafenstraße 1"));
    expectShownAsDrawnAfresh("form set 0, first page");

    doc->setFormSet(2);
    expectShownAsDrawnAfresh("form set changed");

    Profile::set(Settings::Stamp_A, 1);
    expectShownAsDrawnAfresh("stamp in box A switched on");

    view->setZoom(25);
    expectShownAsDrawnAfresh("zoom changed");

    doc->setContinuationPageCount(1);
    goTo(0, 2);
    expectShownAsDrawnAfresh("continuation sheet");
    goTo(0, 1);
    expectShownAsDrawnAfresh("back on the first page");

    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->maximum());
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum() / 2);
    expectShownAsDrawnAfresh("scrolled to the right edge, greyed beyond the sheet");
}

} // namespace
