#include "view/EhBox47Text.h"

#include <QPainter>
#include <QPicture>

#include "duty/Feld47Box.h"
#include "form/EhFieldGeometry.h"
#include "form/FieldStore.h"

namespace EhBox47Text {

namespace {

QRect toRect(const EhRect& r)
{
    return QRect(r.left, r.top, r.width(), r.height());
}

} // namespace

CellFit::CellFit(int printerFontFactor)
    : m_screenFonts(FieldFontSet::screen(10))
    , m_printFonts(FieldFontSet::print(printerFontFactor))
    , m_screen(m_screenFonts)
    , m_paper(m_printFonts)
{
    // The printer breaks lines where the screen at real size breaks them.
    m_paper.breakLinesWith(&m_screenFonts);
}

bool CellFit::fits(EhFieldFlags::PageKind kind, int field, const QString& text, std::uint16_t attr) const
{
    if (text.isEmpty())
        return true;
    // Drawn for nothing: the painter itself says whether a text was cut, as
    // it does for the view's overflow mark and the check before printing.
    QPicture scratch;
    QPainter painter(&scratch);
    bool cut = false;
    m_screen.draw(painter, toRect(EhFieldGeometry::screenRect(kind, field)), text, attr, false, &cut);
    if (cut)
        return false;
    const EhRect printed = EhFieldGeometry::printRect(kind, field);
    if (printed.isZero())
        return true;
    m_paper.draw(painter, toRect(printed), text, attr, false, &cut, printed.width());
    return !cut;
}

namespace {

// The largest step up to the usual one in which every field's text fits.
template <typename Fields>
int fittingStep(const FieldStore& store, const Feld47Box& box, const CellFit& fit, const Fields& fields)
{
    const EhFieldFlags::PageKind kind = box.page <= 1 ? EhFieldFlags::PageKind::First
                                                      : EhFieldFlags::PageKind::Continuation;
    for (int step = UsualSizeStep; step > 0; --step) {
        bool all = true;
        for (int field : fields) {
            const std::uint16_t attr = withSizeStep(store.attr(field, box.page), step);
            if (!fit.fits(kind, field, store.text(field, box.page), attr)) {
                all = false;
                break;
            }
        }
        if (all)
            return step;
    }
    return 0;
}

template <typename Fields>
void setStep(FieldStore& store, int page, const Fields& fields, int step)
{
    for (int field : fields)
        store.setAttr(field, page, withSizeStep(store.attr(field, page), step));
}

} // namespace

void fitSizes(FieldStore& store, const Feld47Box& box, const CellFit& fit)
{
    for (int column = 0; column < box.columns(); ++column) {
        QList<int> fields;
        for (int row = 0; row < Feld47Box::Rows; ++row)
            fields.append(box.cellField(row, column));
        setStep(store, box.page, fields, fittingStep(store, box, fit, fields));
    }
    const int total[] = {box.totalField()};
    setStep(store, box.page, total, fittingStep(store, box, fit, total));
}

} // namespace EhBox47Text
