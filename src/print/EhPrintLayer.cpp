#include "print/EhPrintLayer.h"
#include "print/PrintCorrection.h"

#include "form/EhField.h"

#include <QPainter>

#include <algorithm>

#include "settings/Profile.h"
#include "form/EhFieldGeometry.h"
#include "form/FieldStore.h"
#include "view/EhBox44Text.h"
#include "view/FormPainter.h"

using EhFieldFlags::PageKind;

namespace {

// Fields of a sheet kind that the print code walks through.
using EhFieldFlags::ContinuationFields;
using EhFieldFlags::FirstPageFields;
// Box 1 of the first page: "Feld 1 A" to "Feld 1 C".
constexpr int Box1Fields = EhField::Box1Fields;
// Box 2 of a continuation sheet: its customs number and its text.
constexpr int ContBox2Number = 7;
constexpr int ContBox2 = 8;
// The print rectangles sit 0.2 mm right of the origin, the pre-printed
// sheet 5 mm right of the form picture.
constexpr int FieldShift = 2;
constexpr int PictureShift = 50;

constexpr int ThinPen = 1;
constexpr int ThickPen = 4;

QPen blackPen(int width)
{
    return QPen(Qt::black, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

} // namespace

EhPrintSetup EhPrintSetup::fromStore(PageKind kind)
{
    EhPrintSetup s;
    const bool first = kind == PageKind::First;
    s.leftMargin = Profile::get(first ? Settings::Left_Margin_EH : Settings::Left_Margin2_EH);
    s.topMargin = Profile::get(first ? Settings::Top_Margin_EH : Settings::Top_Margin2_EH);
    s.crossH = Profile::get(Settings::HorPosX2_EH);
    s.crossV = Profile::get(Settings::VertPosX2_EH);
    s.fontFactor = Profile::get(Settings::PrinterFontFactor, QString::fromLatin1(Settings::SectionEH));
    s.box2OnSheets = !(Profile::get(Settings::Feld2S2) & 1);
    return s;
}

EhPrintSetup EhPrintSetup::uncalibrated()
{
    EhPrintSetup s;
    s.fontFactor = Profile::get(Settings::PrinterFontFactor, QString::fromLatin1(Settings::SectionEH));
    s.box2OnSheets = !(Profile::get(Settings::Feld2S2) & 1);
    s.correctionFromStore = false;
    return s;
}

EhPrintLayer::EhPrintLayer(const EhPrintSetup& setup)
    : m_setup(setup)
    , m_fonts(FieldFontSet::print(setup.fontFactor))
    , m_screenFonts(FieldFontSet::screen(10))
    , m_text(m_fonts)
{
    // What the editor accepted must not gain a line on paper.
    m_text.breakLinesWith(&m_screenFonts);
}

QRect EhPrintLayer::placedRect(PageKind kind, int field) const
{
    const EhRect r = EhFieldGeometry::printRect(kind, field);
    if (r.isZero())
        return {};
    // The sheets are measured downwards from their top edge, the origin lies
    // T above it: a field's top t is t - T below the origin.
    const int dx = m_setup.originLeft() + FieldShift;
    const int dy = -m_setup.originTop();
    return QRect(r.left + dx, r.top + dy, r.width(), r.height());
}

QRect EhPrintLayer::corrected(const QRect& placed, int factorV, int factorH)
{
    return PrintCorrection::scaled(placed, factorV, factorH);
}

QPoint EhPrintLayer::sheetPictureOffset() const
{
    // The screen draws a text TextShift right of its rectangle, the print
    // FieldShift right of its rectangle: the picture moves by the difference
    // too, so its texts and the printed ones cover each other.
    return QPoint(m_setup.originLeft() + FieldShift + PictureShift - FormPainter::TextShift, -m_setup.originTop());
}

QList<EhPrintedField> EhPrintLayer::printedFields(const EhFormPage& page) const
{
    QList<EhPrintedField> out;
    if (!page.store)
        return out;
    const FieldStore& store = *page.store;
    const PageKind kind = page.kind();
    if (kind == PageKind::Continuation && page.page > store.pageCount())
        return out;
    const auto printable = [&page](const QByteArray& flags, int field) {
        return !(EhFieldFlags::flag(flags, field, page.formSet) & EhFieldFlags::NotPrinted);
    };

    if (kind == PageKind::First) {
        const int n = std::min(FirstPageFields, int(store.firstPageFieldCount()));
        for (int i = 0; i < n; ++i) {
            QRect r = placedRect(kind, i);
            if (!printable(page.firstFlags, i) || r.isNull())
                continue;
            if (i == EhBox44Text::TextField)
                r = EhBox44Text::adjusted(r, store, placedRect(kind, EhBox44Text::DeadlineField));
            out.append({kind, i, 1, r});
        }
        return out;
    }

    // Every continuation sheet carries the first page's box 1, where the
    // first sheet has it. "Nicht drucken" on one of its fields holds for
    // every sheet.
    QList<QRect> box1;
    for (int i = 0; i < Box1Fields; ++i) {
        const QRect r = placedRect(PageKind::First, i);
        if (printable(page.firstFlags, i) && !r.isNull()) {
            out.append({PageKind::First, i, 1, r});
            box1.append(r);
        }
    }
    const int n = std::min(ContinuationFields, int(store.continuationFieldCount()));
    for (int i = 0; i < n; ++i) {
        const QRect r = placedRect(kind, i);
        if (!printable(page.contFlags, i) || r.isNull())
            continue;
        if (!m_setup.box2OnSheets && (i == ContBox2Number || i == ContBox2))
            continue;
        // The sheet's own first fields give way to box 1: two texts printed
        // over each other would make both unreadable.
        if (i < Box1Fields && std::any_of(box1.cbegin(), box1.cend(), [&r](const QRect& b) { return b.intersects(r); }))
            continue;
        out.append({kind, i, page.page, r});
    }
    return out;
}

int EhPrintLayer::PrintField(QPainter& painter, const QRect& placed, const QString& text, std::uint16_t attr,
                             bool singleLine, QRectF* extent, bool* overflow) const
{
    const PrintCorrection correction{m_setup.correctionFromStore, m_setup.factorV, m_setup.factorH};
    return m_text.draw(painter, correction.apply(placed), text, attr, singleLine, overflow, placed.width(), extent);
}

void EhPrintLayer::printPage(QPainter& painter, const EhFormPage& page) const
{
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(Qt::black);
    printMarks(painter, page.kind());
    if (page.store) {
        for (const EhPrintedField& f : printedFields(page)) {
            const int field = f.field;
            PrintField(painter, f.placed, page.store->text(field, f.page), page.store->attr(field, f.page));
        }
    }
    if (page.kind() == PageKind::First && page.inputTax
        && (page.formSet == 0 || page.formSet == 1 || page.formSet == 3))
        printInputTaxCross(painter);
    painter.restore();
}

void EhPrintLayer::printMarks(QPainter& painter, PageKind kind) const
{
    // The corner and the short line let the user check the sheet's position
    // against its pre-printed frame.
    const int L = m_setup.originLeft();
    const int T = m_setup.originTop();
    painter.setPen(blackPen(ThinPen));
    if (kind == PageKind::First) {
        const QPoint corner[3] = {{L + 115, 100 - T}, {L + 115, 80 - T}, {L + 135, 80 - T}};
        painter.drawPolyline(corner, 3);
        painter.drawLine(L + 115, 2050 - T, L + 115, 2010 - T);
    } else {
        const QPoint corner[3] = {{L + 180, 85 - T}, {L + 180, 65 - T}, {L + 200, 65 - T}};
        painter.drawPolyline(corner, 3);
        painter.drawLine(L + 180, 2025 - T, L + 180, 1985 - T);
    }
    painter.setPen(Qt::black);
}

QRect EhPrintLayer::inputTaxCrossRect() const
{
    const int x = m_setup.originLeft() + m_setup.crossH;
    // The cross offsets count upwards like the sheet's own origin.
    const int y = -(m_setup.originTop() + m_setup.crossV);
    return QRect(x + 215, y + 1495, 30, 30);
}

void EhPrintLayer::printInputTaxCross(QPainter& painter) const
{
    const QRect r = inputTaxCrossRect();
    const int right = r.left() + r.width();
    const int bottom = r.top() + r.height();
    painter.save();
    painter.setPen(blackPen(ThickPen));
    painter.drawLine(r.left(), r.top(), right, bottom);
    painter.drawLine(right, r.top(), r.left(), bottom);
    painter.restore();
}
