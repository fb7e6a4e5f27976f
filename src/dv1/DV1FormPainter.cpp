#include "dv1/DV1FormPainter.h"

#include <QPainter>

#include "dv1/DV1FormLists.h"
#include "form/FieldStore.h"
#include "settings/Profile.h"
#include "view/FormDrawing.h"
#include "view/FormPainter.h"

using DV1Geometry::Layout;

namespace {

// Pens of the printed form, in drawing units: thin lines, the dotted lines
// within a box, and the frame and section ends.
constexpr double ThinPen = 2;
constexpr double DottedPen = 1;
constexpr double ThickPen = 6;

} // namespace

Dv1PaintOptions Dv1PaintOptions::fromSettings(int zoom)
{
    Dv1PaintOptions o;
    o.zoom = zoom;
    o.textColor = FormDrawing::windowsColor(Profile::get(Settings::EditTextColor, QString::fromLatin1(Settings::SectionDV1)));
    return o;
}

DV1FormPainter::DV1FormPainter(const Dv1PaintOptions& options)
    : m_options(options)
    , m_fonts(FieldFontSet::screen(options.zoom))
    , m_text(m_fonts)
    // The form's two label fonts: bold 32 and normal 30 twelfths of the zoom.
    , m_boldFont(FieldFontSet::cellHeightFont(32 * options.zoom / 12, 700))
    , m_normalFont(FieldFontSet::cellHeightFont(30 * options.zoom / 12, 400))
{
}

QRect DV1FormPainter::textRect(Layout layout, int field) const
{
    const EhRect r = DV1Geometry::screenRect(layout, field);
    if (r.isZero())
        return {};
    const EhRect s = r.scaled(m_options.zoom).translated(FormPainter::TextShift, 0);
    return QRect(s.left, s.top, s.width(), s.height());
}

void DV1FormPainter::paintPage(QPainter& painter, const CDV1_Doc* doc, int page) const
{
    paintForm(painter, DV1Geometry::layoutOf(page));
    paintOverForm(painter, doc, page);
}

QByteArray DV1FormPainter::formLook(Layout layout) const
{
    return "DV1;" + QByteArray::number(int(layout)) + ';' + QByteArray::number(m_options.zoom);
}

void DV1FormPainter::paintOverForm(QPainter& painter, const CDV1_Doc* doc, int page) const
{
    // The grey areas lie outside the sheet, so the form may come first.
    const Layout layout = DV1Geometry::layoutOf(page);
    painter.save();
    FormDrawing::paintGreyAreas(painter, m_options.area, m_options.zoom);
    if (doc && page <= doc->pageCount())
        paintFieldTexts(painter, doc->fieldStore(), page);
    if (layout == Layout::First)
        paintAnswerBoxes(painter, doc ? &doc->answerBoxes() : nullptr);
    if (m_options.outlineFields)
        paintFieldOutlines(painter, layout);
    painter.restore();
}

void DV1FormPainter::paintForm(QPainter& painter, Layout layout) const
{
    const DV1FormLists::Sheet& sheet = DV1FormLists::sheet(layout);
    painter.save();
    const auto draw = [&](const DV1FormLists::Lines& lines, const QPen& pen) {
        painter.setPen(pen);
        for (const QLine& l : lines)
            painter.drawLine(QLine(scaled(l.x1()), scaled(l.y1()), scaled(l.x2()), scaled(l.y2())));
    };
    draw(sheet.thin, FormDrawing::pen(painter, Qt::black, ThinPen));
    draw(sheet.dotted, FormDrawing::pen(painter, Qt::black, DottedPen, Qt::DotLine));
    draw(sheet.thick, FormDrawing::pen(painter, Qt::black, ThickPen));

    painter.setPen(Qt::black);
    const auto label = [&](const DV1FormLists::Captions& captions, const QFont& font) {
        for (const DV1FormLists::Caption& c : captions) {
            if (!c.text.isEmpty())
                FieldFontSet::drawOnCellBottom(painter, QPointF(scaled(c.pos.x()), scaled(c.pos.y())), font, c.text);
        }
    };
    label(sheet.bold, m_boldFont);
    label(sheet.normal, m_normalFont);
    painter.restore();
}

void DV1FormPainter::paintFieldTexts(QPainter& painter, const FieldStore& store, int page) const
{
    const Layout layout = DV1Geometry::layoutOf(page);
    painter.save();
    painter.setPen(m_options.textColor);
    const int count = std::min(DV1Geometry::fieldCount(layout), store.fieldCount(page));
    for (int field = 0; field < count; ++field) {
        const QRect r = textRect(layout, field);
        if (r.isNull())
            continue;
        bool overflow = false;
        m_text.draw(painter, r, store.text(field, page), store.attr(field, page), false, &overflow);
        if (overflow && m_options.markOverflow)
            FormDrawing::paintOverflowMark(painter, r, m_options.zoom);
    }
    painter.restore();
}

void DV1FormPainter::paintAnswerBoxes(QPainter& painter, const CDV1_Doc::AnswerBoxes* boxes) const
{
    painter.save();
    painter.setPen(FormDrawing::pen(painter, Qt::black, ThinPen));
    painter.setBrush(Qt::NoBrush);
    for (int box = 0; box < DV1Geometry::AnswerBoxes; ++box) {
        const EhRect r = DV1Geometry::answerBox(box).scaled(m_options.zoom);
        painter.drawRect(QRect(r.left, r.top, r.width(), r.height()));
        if (boxes && (*boxes)[std::size_t(box)]) {
            painter.drawLine(r.left, r.top, r.right, r.bottom);
            painter.drawLine(r.right, r.top, r.left, r.bottom);
        }
    }
    painter.restore();
}

void DV1FormPainter::paintFieldOutlines(QPainter& painter, Layout layout) const
{
    FormDrawing::paintFieldOutlines(painter, m_options.zoom, DV1Geometry::fieldCount(layout), [&](int i) {
        return DV1Geometry::screenRect(layout, i).scaled(m_options.zoom);
    });
}
