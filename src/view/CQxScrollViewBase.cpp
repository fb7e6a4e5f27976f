#include "view/CQxScrollViewBase.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>

#include "settings/Profile.h"
#include "settings/ViewZoom.h"
#include "view/FormZoom.h"

namespace {

// The scroll step of Page Up / Page Down, in logical units.
constexpr int PageScrollUnits = 700;

} // namespace

CQxScrollViewBase::CQxScrollViewBase(QWidget* parent)
    : QAbstractScrollArea(parent), m_section(QString::fromLatin1(Settings::SectionSettings))
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The user scrolled (thumb, arrows, trough, wheel): the view stays
    // where the user put it.
    for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()})
        connect(bar, &QAbstractSlider::actionTriggered, this, [this] { m_revealOnResize = false; });
}

void CQxScrollViewBase::loadZoom()
{
    ViewZoom::Screen screen;
    const QScreen* s = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (s) {
        screen.desktopHeight = s->geometry().height();
        screen.logicalDpiX = int(s->logicalDotsPerInchX());
    }
    screen.windows8OrLater = ViewZoom::runningOnWindows8OrLater();
    applyZoom(ViewZoom::loadZoom(m_section, screen), false);
}

void CQxScrollViewBase::setZoom(int zoom)
{
    applyZoom(zoom, false);
}

bool CQxScrollViewBase::canZoomLarger() const
{
    return FormZoom::canLarger(m_zoom);
}

bool CQxScrollViewBase::canZoomSmaller() const
{
    return FormZoom::canSmaller(m_zoom);
}

void CQxScrollViewBase::zoomLarger()
{
    if (canZoomLarger())
        applyZoom(FormZoom::larger(m_zoom), true);
}

void CQxScrollViewBase::zoomSmaller()
{
    if (canZoomSmaller())
        applyZoom(FormZoom::smaller(m_zoom), true);
}

void CQxScrollViewBase::applyZoom(int zoom, bool store)
{
    if (zoom < 1)
        zoom = 1;
    if (store) {
        // Stored so that the next view, which multiplies by the screen
        // scale, opens at the zoom shown now.
        const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
        const int computed = ViewZoom::screenScale(s ? int(s->logicalDotsPerInchX()) : 0);
        int scale = Profile::GetProfileInt(QString::fromLatin1(Settings::SectionSettings),
                                           QString::fromLatin1(Settings::WinFormScaledFactorOv), computed);
        if (scale <= 0)
            scale = computed;
        Profile::WriteProfileInt(m_section, QString::fromLatin1(Settings::ZoomFactor),
                                 FormZoom::storedFactor(zoom, scale));
    }
    m_zoom = zoom;
    m_layoutValid = false;
    m_revealOnResize = true;
    updateScrollSizes();
    onZoomChanged();
    if (store)
        scrollToPosition(QPoint(0, 0));
    viewport()->update();
    emit zoomChanged(m_zoom);
}

FormMapping CQxScrollViewBase::mapping() const
{
    return FormMapping(m_zoom, logicalDpiX());
}

QPoint CQxScrollViewBase::scrollPosition() const
{
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

void CQxScrollViewBase::scrollToPosition(const QPoint& pixels)
{
    horizontalScrollBar()->setValue(pixels.x());
    verticalScrollBar()->setValue(pixels.y());
}

void CQxScrollViewBase::scrollByUnits(int dx, int dy)
{
    const FormMapping m = mapping();
    const QPoint p = scrollPosition();
    scrollToPosition(QPoint(p.x() + m.toPixels(dx), p.y() + m.toPixels(dy)));
}

void CQxScrollViewBase::scrollPage(bool down)
{
    m_revealOnResize = false;
    scrollByUnits(0, down ? PageScrollUnits : -PageScrollUnits);
}

void CQxScrollViewBase::wheelScroll(QWheelEvent* event)
{
    wheelEvent(event);
}

void CQxScrollViewBase::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    // Ctrl and the wheel zoom, one step per notch (a notch is 120 eighths
    // of a degree; touch pads send less at a time, summed up here).
    m_wheelZoom += event->angleDelta().y();
    while (m_wheelZoom >= 120) {
        m_wheelZoom -= 120;
        zoomLarger();
    }
    while (m_wheelZoom <= -120) {
        m_wheelZoom += 120;
        zoomSmaller();
    }
    event->accept();
}

void CQxScrollViewBase::updateScrollSizes()
{
    const FormMapping m = mapping();
    const QSize doc = m.documentSize(Profile::get(Settings::DocWidth, m_section),
                                     Profile::get(Settings::DocLength, m_section));
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, doc.width() - view.width()));
    verticalScrollBar()->setRange(0, std::max(0, doc.height() - view.height()));
    // Steps of 50 and 70 mm of the form at the zoom, lines a tenth of that.
    horizontalScrollBar()->setPageStep(std::min(view.width(), m.toPixels(50 * m_zoom)));
    verticalScrollBar()->setPageStep(std::min(view.height(), m.toPixels(70 * m_zoom)));
    horizontalScrollBar()->setSingleStep(std::max(1, m.toPixels(5 * m_zoom)));
    verticalScrollBar()->setSingleStep(std::max(1, m.toPixels(7 * m_zoom)));
}

void CQxScrollViewBase::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
        scrollPage(true);
        break;
    case Qt::Key_PageUp:
        scrollPage(false);
        break;
    default:
        giveFocusToEditor();
        break;
    }
}

void CQxScrollViewBase::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollSizes();
    if (m_revealOnResize) {
        scrollToPosition(QPoint(0, 0));
        revealFocusedField();
    }
}

void CQxScrollViewBase::scrollContentsBy(int, int)
{
    onScrolled();
    viewport()->update();
}

QRect CQxScrollViewBase::beginFormPainting(QPainter& painter, const QRect& dirty) const
{
    const FormMapping m = mapping();
    const QPoint scroll = scrollPosition();
    painter.translate(-scroll);
    painter.scale(m.pixelsPerUnit(), m.pixelsPerUnit());
    const QRect visible = dirty.translated(scroll);
    return QRect(m.toLogical(visible.left()) - 1, m.toLogical(visible.top()) - 1, m.toLogical(visible.width()) + 2,
                 m.toLogical(visible.height()) + 2);
}

FormPictureCache::Look CQxScrollViewBase::formPictureLook(const QByteArray& key) const
{
    // Both forms lie within 210 x 300 mm; what is greyed beyond the sheet is
    // drawn over the picture.
    constexpr int PictureWidth = 2100;
    constexpr int PictureHeight = 3000;
    const FormMapping m = mapping();
    return {key, QSize(PictureWidth * m.zoom() / 10, PictureHeight * m.zoom() / 10), m.pixelsPerUnit()};
}

bool CQxScrollViewBase::viewportEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() == Qt::LeftButton) {
            formClicked(e->position().toPoint());
            return true;
        }
        break;
    }
    case QEvent::MouseMove:
        formHovered(static_cast<QMouseEvent*>(event)->position().toPoint());
        break;
    default:
        break;
    }
    return QAbstractScrollArea::viewportEvent(event);
}
