#include "view/FormPainter.h"

#include "form/EhField.h"

#include "settings/Profile.h"
#include "form/EhFieldGeometry.h"
#include "form/FieldDefinitions.h"
#include "form/FieldStore.h"
#include "view/EhBox44Text.h"
#include "view/EhFormCaptions.h"
#include "view/EhFormLines.h"
#include "view/FormDrawing.h"

#include <QFontMetricsF>
#include <QPainter>


using EhFieldFlags::PageKind;

namespace {

const QColor Green(0, 128, 0);
const QColor Black(0, 0, 0);
const QColor Red(255, 0, 0);

using FormDrawing::SheetHeight;
constexpr int ThinPen = 1;
constexpr int ThickPen = 4;

QRect toQRect(const EhRect& r)
{
    return QRect(r.left, r.top, r.width(), r.height());
}

const QByteArray& flagsOf(const EhFormPage& page, PageKind kind)
{
    return kind == PageKind::First ? page.firstFlags : page.contFlags;
}

bool isFormSet(int formSet)
{
    return formSet >= 0 && formSet < EhFieldFlags::FormSets;
}

} // namespace

void EhFormPage::takeFlags(const FieldDefinitions& definitions)
{
    using PageKind = EhFieldFlags::PageKind;
    firstFlags = definitions.table(PageKind::First);
    contFlags = definitions.table(PageKind::Continuation);
    if (Profile::get(Settings::EH_ShowXX) != 1)
        return;
    for (int f : EhFieldFlags::unusedMarks(PageKind::First, formSet))
        EhFieldFlags::setFlag(firstFlags, f, formSet, EhFieldFlags::Unused);
    for (int f : EhFieldFlags::unusedMarks(PageKind::Continuation, formSet))
        EhFieldFlags::setFlag(contFlags, f, formSet, EhFieldFlags::Unused);
}

EhPaintOptions EhPaintOptions::fromSettings(int zoom)
{
    EhPaintOptions o;
    o.zoom = zoom;
    o.stampA = Profile::get(Settings::Stamp_A) != 0;
    o.stampC = Profile::get(Settings::Stamp_C) != 0;
    o.showUnusedMarks = Profile::get(Settings::EH_ShowXX) == 1;
    o.textColor = FormPainter::windowsColor(Profile::get(Settings::EditTextColor, QString::fromLatin1(Settings::SectionEH)));
    return o;
}

FormPainter::FormPainter(const EhPaintOptions& options)
    : m_options(options)
    , m_fonts(FieldFontSet::screen(options.zoom))
    , m_text(m_fonts)
    , m_titleFont(FieldFontSet::cellHeightFont(4 * options.zoom, 800))
    , m_numberFont(FieldFontSet::cellHeightFont(3 * options.zoom, 400))
    , m_captionFont(FieldFontSet::cellHeightFont(8 * options.zoom / 3, 400))
{
}

QColor FormPainter::windowsColor(int value)
{
    return FormDrawing::windowsColor(value);
}

QPen FormPainter::pen(const QPainter& painter, const QColor& color, int width, Qt::PenStyle style) const
{
    return FormDrawing::pen(painter, color, width, style);
}

QRect FormPainter::textRect(PageKind kind, int field) const
{
    return toQRect(EhFieldGeometry::screenRect(kind, field).scaled(m_options.zoom).translated(TextShift, 0));
}

void FormPainter::paintPage(QPainter& painter, const EhFormPage& page) const
{
    paintForm(painter, page);
    paintOverForm(painter, page);
}

void FormPainter::paintOverForm(QPainter& painter, const EhFormPage& page) const
{
    // The grey areas lie outside the sheet, so the form may come first.
    painter.save();
    paintGreyAreas(painter);
    paintFieldTexts(painter, page);
    if (m_options.outlineFields)
        paintFieldOutlines(painter, page.kind());
    painter.restore();
}

QByteArray FormPainter::formLook(const EhFormPage& page) const
{
    // Everything paintForm reads.
    return "EH;" + QByteArray::number(int(page.kind())) + ';' + QByteArray::number(page.formSet) + ';'
        + QByteArray::number(m_options.zoom) + ';' + QByteArray::number(m_options.stampA) + ';'
        + QByteArray::number(m_options.stampC) + ';' + QByteArray::number(m_options.showUnusedMarks);
}

void FormPainter::paintGreyAreas(QPainter& painter) const
{
    FormDrawing::paintGreyAreas(painter, m_options.area, m_options.zoom);
}

void FormPainter::paintForm(QPainter& painter, const EhFormPage& page) const
{
    const PageKind kind = page.kind();
    painter.save();
    paintColourMarks(painter, page.formSet);
    paintLines(painter, kind, page.formSet);
    paintCaptions(painter, kind, page.formSet);
    if (m_options.showUnusedMarks)
        paintUnusedMarks(painter, kind, page.formSet);
    painter.restore();
}

void FormPainter::paintColourMarks(QPainter& painter, int formSet) const
{
    // The import copies carry marks every 6 mm at the right edge; a document
    // of no form set of ours (an export document) shows one bar instead.
    if (!isFormSet(formSet)) {
        painter.fillRect(QRect(QPoint(scaled(2010), 0), QPoint(scaled(2050), scaled(2980))).adjusted(0, 0, -1, -1), Red);
        return;
    }
    for (int bottom = SheetHeight; bottom - 30 >= 0; bottom -= 60) {
        const QRect r(QPoint(scaled(2010), scaled(bottom - 30)), QPoint(scaled(2050), scaled(bottom)));
        painter.fillRect(r.adjusted(0, 0, -1, -1), Red);
    }
}

void FormPainter::paintLines(QPainter& painter, PageKind kind, int formSet) const
{
    using namespace EhFormLines;
    const auto draw = [&](const Group& group, const QPen& p) {
        painter.setPen(p);
        for (const QLine& l : group)
            painter.drawLine(QLine(scaled(l.x1()), scaled(l.y1()), scaled(l.x2()), scaled(l.y2())));
    };
    const QPen thinGreen = pen(painter, Green, ThinPen);
    const QPen thickGreen = pen(painter, Green, ThickPen);
    const QPen dottedGreen = pen(painter, Green, ThinPen, Qt::DotLine);
    const QPen thinBlack = pen(painter, Black, ThinPen);
    const QPen thickBlack = pen(painter, Black, ThickPen);
    if (kind == PageKind::First) {
        const QList<Group>& g = firstPage();
        draw(g[FirstThinGreen], thinGreen);
        draw(g[FirstThickGreen], thickGreen);
        draw(g[FirstDottedGreen], dottedGreen);
        if (formSet == 0 || formSet == 1 || formSet == 3)
            draw(g[FirstInputTaxBox], thinBlack);
        if (m_options.stampA) {
            draw(g[FirstStampAThin], thinBlack);
            draw(g[FirstStampAThick], thickBlack);
        }
        if (m_options.stampC) {
            draw(g[FirstStampCThin], thinBlack);
            draw(g[FirstStampCThick], thickBlack);
        }
    } else {
        const QList<Group>& g = continuation();
        draw(g[ContThinGreen], thinGreen);
        draw(g[ContThickGreen], thickGreen);
        draw(g[ContDottedGreen], dottedGreen);
        if (m_options.stampA) {
            draw(g[ContStampAThin], thinBlack);
            draw(g[ContStampAThick], thickBlack);
        }
    }
}

void FormPainter::paintCaptions(QPainter& painter, PageKind kind, int formSet) const
{
    const auto draw = [&](const EhFormCaptions::Caption& c, const QFont& font) {
        if (c.text.isEmpty())
            return;
        const QPointF at(scaled(c.pos.x()), scaled(c.pos.y()));
        if (c.cellHeight > 0)
            FieldFontSet::drawOnCellBottom(painter, at, FieldFontSet::cellHeightFont(scaled(c.cellHeight), 400), c.text);
        else
            FieldFontSet::drawOnCellBottom(painter, at, font, c.text);
    };
    if (kind == PageKind::First) {
        const QList<EhFormCaptions::Caption>& c = EhFormCaptions::firstPage();
        painter.setPen(Green);
        for (int i = 0; i <= 150; ++i)
            draw(c[i], i == 0 ? m_titleFont : i <= 56 ? m_numberFont : m_captionFont);
        painter.setPen(Black);
        if (formSet == 0 || formSet == 1 || formSet == 3)
            draw(c[151], m_numberFont);
        if (formSet == 2) {
            draw(c[152], m_numberFont);
            draw(c[153], m_captionFont);
        }
    } else {
        const QList<EhFormCaptions::Caption>& c = EhFormCaptions::continuation();
        painter.setPen(Green);
        for (int i = 0; i < c.size(); ++i)
            draw(c[i], i == 0 ? m_titleFont : m_captionFont);
    }
}

void FormPainter::paintUnusedMarks(QPainter& painter, PageKind kind, int formSet) const
{
    painter.setPen(pen(painter, Black, ThickPen));
    if (kind == PageKind::Continuation)
        paintCrossRow(painter, EhFieldGeometry::screenRect(PageKind::First, 2).scaled(m_options.zoom));
    for (int field : EhFieldFlags::unusedMarks(kind, formSet))
        paintCrossRow(painter, EhFieldGeometry::screenRect(kind, field).scaled(m_options.zoom));
}

void FormPainter::paintCrossRow(QPainter& painter, const EhRect& r) const
{
    // The crosses take their size from box 1 A, so every row looks alike.
    const int c = 3 * EhFieldGeometry::screenRect(PageKind::First, 0).scaled(m_options.zoom).height() / 7;
    if (c <= 0)
        return;
    const int top = r.top + (r.height() - c) / 2;
    for (int left = r.left + 2; left + c < r.right + 2; left += c) {
        painter.drawLine(left, top, left + c, top + c);
        painter.drawLine(left + c, top, left, top + c);
    }
}

void FormPainter::paintInputTaxCross(QPainter& painter) const
{
    painter.setPen(pen(painter, Black, ThickPen));
    for (const QLine& l : EhFormLines::firstPage()[EhFormLines::FirstInputTaxCross])
        painter.drawLine(QLine(scaled(l.x1()), scaled(l.y1()), scaled(l.x2()), scaled(l.y2())));
}

void FormPainter::paintFieldTexts(QPainter& painter, const EhFormPage& page) const
{
    if (!page.store)
        return;
    const FieldStore& store = *page.store;
    painter.save();
    painter.setPen(m_options.textColor);
    const PageKind kind = page.kind();
    const QByteArray& flags = flagsOf(page, kind);
    const auto shown = [&](int field) {
        return !(EhFieldFlags::flag(flags, field, page.formSet) & EhFieldFlags::NotShown);
    };
    const auto draw = [&](int field, int onPage, const QRect& r) {
        bool overflow = false;
        m_text.draw(painter, r, store.text(field, onPage), store.attr(field, onPage), false, &overflow);
        if (overflow && m_options.markOverflow)
            paintOverflowMark(painter, r);
    };

    if (kind == PageKind::First) {
        for (int i = 0; i < store.firstPageFieldCount(); ++i) {
            if (!shown(i))
                continue;
            QRect r = textRect(kind, i);
            if (i == EhBox44Text::TextField)
                r = EhBox44Text::adjusted(r, store, textRect(kind, EhBox44Text::DeadlineField));
            draw(i, 1, r);
        }
        if (page.inputTax && (page.formSet == 0 || page.formSet == 1 || page.formSet == 3))
            paintInputTaxCross(painter);
    } else if (page.page <= store.pageCount()) {
        // A continuation sheet repeats box 1 of the first page.
        for (int i = EhField::Box1A; i < EhField::Box1Fields; ++i)
            draw(i, 1, textRect(PageKind::First, i));
        for (int i = 0; i < store.continuationFieldCount(); ++i) {
            if (shown(i))
                draw(i, page.page, textRect(kind, i));
        }
    }
    painter.restore();
}

void FormPainter::paintOverflowMark(QPainter& painter, const QRect& r) const
{
    FormDrawing::paintOverflowMark(painter, r, m_options.zoom);
}

void FormPainter::paintFieldOutlines(QPainter& painter, PageKind kind) const
{
    FormDrawing::paintFieldOutlines(painter, m_options.zoom, EhFieldGeometry::rowCount(kind), [&](int i) {
        return EhFieldGeometry::screenRect(kind, i).scaled(m_options.zoom);
    });
}
