#include "print/DV1PrintLayer.h"

#include <QPainter>

#include "dv1/CDV1_Doc.h"
#include "settings/Profile.h"

using DV1Geometry::Layout;

namespace {

constexpr int ThinPen = 1;
constexpr int CrossPen = 2;

QPen blackPen(int width)
{
    return QPen(Qt::black, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

} // namespace

Dv1PrintSetup Dv1PrintSetup::fromStore(int page)
{
    Dv1PrintSetup s;
    const int side = DV1Geometry::sheetSide(page) - 1;
    s.leftMargin = Profile::get(Settings::Left_Margin_DV1[std::size_t(side)]);
    s.topMargin = Profile::get(Settings::Top_Margin_DV1[std::size_t(side)]);
    s.fontFactor = Profile::get(Settings::PrinterFontFactor, QString::fromLatin1(Settings::SectionDV1));
    return s;
}

Dv1PrintSetup Dv1PrintSetup::uncalibrated()
{
    Dv1PrintSetup s;
    s.fontFactor = Profile::get(Settings::PrinterFontFactor, QString::fromLatin1(Settings::SectionDV1));
    s.correction.fromStore = false;
    return s;
}

DV1PrintLayer::DV1PrintLayer(const Dv1PrintSetup& setup)
    : m_setup(setup)
    , m_fonts(FieldFontSet::print(setup.fontFactor))
    , m_screenFonts(FieldFontSet::screen(10))
    , m_text(m_fonts)
{
    // What the editor accepted must not gain a line on paper.
    m_text.breakLinesWith(&m_screenFonts);
}

QRect DV1PrintLayer::placedRect(Layout layout, int field) const
{
    const EhRect r = DV1Geometry::printRect(layout, field);
    if (r.isZero())
        return {};
    // The sheets are measured downwards from their top edge, the origin lies
    // T above it: a field's top t is t - T below the origin.
    return QRect(r.left + m_setup.originLeft(), r.top - m_setup.originTop(), r.width(), r.height());
}

QRect DV1PrintLayer::placedBox(int box) const
{
    const EhRect r = DV1Geometry::answerBox(box);
    return QRect(r.left + m_setup.originLeft(), r.top - m_setup.originTop(), r.width(), r.height());
}

QPoint DV1PrintLayer::sheetPictureOffset() const
{
    return QPoint(m_setup.originLeft(), -m_setup.originTop());
}

void DV1PrintLayer::printPage(QPainter& painter, const CDV1_Doc& doc, int page) const
{
    const Layout layout = DV1Geometry::layoutOf(page);
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    printMarks(painter, layout);
    painter.setPen(Qt::black);
    const FieldStore& store = doc.fieldStore();
    if (page <= store.pageCount()) {
        const int count = std::min(DV1Geometry::fieldCount(layout), store.fieldCount(page));
        for (int field = 0; field < count; ++field) {
            const QRect placed = placedRect(layout, field);
            if (!placed.isNull())
                PrintField(painter, placed, store.text(field, page), store.attr(field, page));
        }
    }
    if (layout == Layout::First)
        printCrosses(painter, doc);
    painter.restore();
}

int DV1PrintLayer::PrintField(QPainter& painter, const QRect& placed, const QString& text, std::uint16_t attr,
                              QRectF* extent) const
{
    return m_text.draw(painter, m_setup.correction.apply(placed), text, attr, false, nullptr, placed.width(), extent);
}

void DV1PrintLayer::printMarks(QPainter& painter, Layout layout) const
{
    // The corner and the short line let the user check the sheet's position
    // against its pre-printed frame.
    const int L = m_setup.originLeft();
    const int T = m_setup.originTop();
    const int x = layout == Layout::First ? L + 100 : L + 10;
    const int top = layout == Layout::First ? 90 : 100;
    painter.setPen(blackPen(ThinPen));
    const QPoint corner[3] = {{x, top - T}, {x, top - 20 - T}, {x + 20, top - 20 - T}};
    painter.drawPolyline(corner, 3);
    painter.drawLine(x, 2040 - T, x, 2000 - T);
}

void DV1PrintLayer::printCrosses(QPainter& painter, const CDV1_Doc& doc) const
{
    painter.setPen(blackPen(CrossPen));
    for (int box = 0; box < DV1Geometry::AnswerBoxes; ++box) {
        if (!doc.answerBox(box))
            continue;
        const QRect r = m_setup.correction.apply(placedBox(box));
        const int right = r.left() + r.width();
        const int bottom = r.top() + r.height();
        painter.drawLine(r.left(), r.top(), right, bottom);
        painter.drawLine(right, r.top(), r.left(), bottom);
    }
}
