// The field editor's looks: colours, the editor fonts of each size step,
// and the formatting commands of the current field.
#include "view/CQxEditWindow.h"

#include "form/FieldStore.h"
#include "settings/Profile.h"
#include "view/FieldTextPainter.h"
#include "view/FormMapping.h"

// --- looks ------------------------------------------------------------------

void CQxEditWindow::SetColours(const QColor& text, const QColor& background)
{
    m_textColour = text;
    m_backColour = background;
    QPalette p = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::Base, background);
        p.setColor(group, QPalette::Window, background);
    }
    setPalette(p);
    viewport()->setAutoFillBackground(true);
}

void CQxEditWindow::SetupScreenFonts(int zoom, int dpi)
{
    static constexpr const char* normalSlots[] = {"0", "1", "2", "3", "4"};
    static constexpr const char* boldSlots[] = {"0B", "1B", "2B", "3B", "4B"};
    m_zoom = zoom;
    m_dpi = dpi > 0 ? dpi : 96;
    const FormMapping m(m_zoom, m_dpi);
    for (int k = 0; k < 5; ++k) {
        // zoom * value / 12 tenths of a millimetre: the editor's cell height.
        const int normal = zoom * Profile::fontValue(Settings::FontFamily::Editor, normalSlots[k]) / 12;
        const int bold = zoom * Profile::fontValue(Settings::FontFamily::Editor, boldSlots[k]) / 12;
        m_normalFonts[k] = FieldFontSet::cellHeightFont(m.toPixels(normal), 400);
        m_boldFonts[k] = FieldFontSet::cellHeightFont(m.toPixels(bold), 700);
    }
}

QFont CQxEditWindow::editorFont(std::uint16_t attr) const
{
    const int step = attr & FieldStore::SizeMask;
    if (step > FieldStore::MaxSizeStep)
        return font();
    return (attr & FieldStore::BoldBit) ? m_boldFonts[step] : m_normalFonts[step];
}

// --- formatting -------------------------------------------------------------

bool CQxEditWindow::CanFontLarger() const
{
    return FieldStore::canFontLarger(m_store.attr(m_field, m_page));
}

bool CQxEditWindow::CanFontSmaller() const
{
    return FieldStore::canFontSmaller(m_store.attr(m_field, m_page));
}

void CQxEditWindow::FontLarger()
{
    if (m_store.fontLarger(m_field, m_page))
        refresh();
}

void CQxEditWindow::FontSmaller()
{
    if (m_store.fontSmaller(m_field, m_page))
        refresh();
}

void CQxEditWindow::ToggleBold()
{
    m_store.toggleBold(m_field, m_page);
    refresh();
}

bool CQxEditWindow::IsBold() const
{
    return m_store.attr(m_field, m_page) & FieldStore::BoldBit;
}

void CQxEditWindow::AlignLeft()
{
    m_store.setAlignment(m_field, m_page, FieldStore::AlignLeft);
    refresh();
}

void CQxEditWindow::AlignCenter()
{
    m_store.setAlignment(m_field, m_page, FieldStore::AlignCenter);
    refresh();
}

void CQxEditWindow::AlignRight()
{
    m_store.setAlignment(m_field, m_page, FieldStore::AlignRight);
    refresh();
}

bool CQxEditWindow::IsAlignLeft() const
{
    return FieldStore::alignmentOf(m_store.attr(m_field, m_page)) == FieldStore::AlignLeft;
}

bool CQxEditWindow::IsAlignCenter() const
{
    return FieldStore::alignmentOf(m_store.attr(m_field, m_page)) == FieldStore::AlignCenter;
}

bool CQxEditWindow::IsAlignRight() const
{
    return FieldStore::alignmentOf(m_store.attr(m_field, m_page)) == FieldStore::AlignRight;
}
