#include "view/FieldTextPainter.h"

#include "settings/Profile.h"
#include "form/FieldStore.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace {

// Cell height over em size of the face: the font settings give cell heights,
// Qt sizes fonts by their em.
double emPerCell()
{
    static const double ratio = [] {
        QFont probe(QStringLiteral("Arial"));
        probe.setPixelSize(1000);
        const QFontMetricsF m(probe);
        const double cell = m.ascent() + m.descent();
        return cell > 0 ? 1000.0 / cell : 1.0;
    }();
    return ratio;
}

std::array<int, FieldFontSet::Sizes> heights(Settings::FontFamily family, bool bold, int num, int den)
{
    static constexpr const char* normalSlots[] = {"0", "1", "2", "3", "4"};
    static constexpr const char* boldSlots[] = {"0B", "1B", "2B", "3B", "4B"};
    std::array<int, FieldFontSet::Sizes> h{};
    for (int k = 0; k < FieldFontSet::Sizes; ++k)
        h[k] = num * Profile::fontValue(family, bold ? boldSlots[k] : normalSlots[k]) / den;
    return h;
}

// A field's text with its line breaks as the layout understands them.
QString laidOutText(const QString& text, bool singleLine)
{
    QString s = text;
    s.replace(QLatin1String("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    s.replace(QLatin1Char('\n'), singleLine ? QChar(QLatin1Char(' ')) : QChar(QChar::LineSeparator));
    return s;
}

} // namespace

FieldFontSet::FieldFontSet(const std::array<int, Sizes>& normalHeights, const std::array<int, Sizes>& boldHeights)
{
    for (int k = 0; k < Sizes; ++k) {
        m_normal[k] = cellHeightFont(normalHeights[k], 400);
        m_bold[k] = cellHeightFont(boldHeights[k], 700);
    }
}

FieldFontSet FieldFontSet::screen(int zoom)
{
    using Settings::FontFamily;
    return FieldFontSet(heights(FontFamily::Screen, false, zoom, 12), heights(FontFamily::Screen, true, zoom, 12));
}

FieldFontSet FieldFontSet::print(int factorPercent)
{
    using Settings::FontFamily;
    return FieldFontSet(heights(FontFamily::Print, false, factorPercent, 100),
                        heights(FontFamily::Print, true, factorPercent, 100));
}

const QFont* FieldFontSet::font(std::uint16_t attr) const
{
    const int step = attr & FieldStore::SizeMask;
    if (step >= Sizes)
        return nullptr;
    return (attr & FieldStore::BoldBit) ? &m_bold[step] : &m_normal[step];
}

QFont FieldFontSet::cellHeightFont(int cellHeight, int weight)
{
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(1, int(std::lround(cellHeight * emPerCell()))));
    f.setWeight(QFont::Weight(weight));
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void FieldFontSet::drawOnCellBottom(QPainter& painter, const QPointF& pos, const QFont& font, const QString& text)
{
    painter.setFont(font);
    painter.drawText(QPointF(pos.x(), pos.y() - QFontMetricsF(font).descent()), text);
}

int FieldTextPainter::draw(QPainter& painter, const QRect& rect, const QString& text, std::uint16_t attr,
                           bool singleLine) const
{
    if (const QFont* f = m_fonts.font(attr)) {
        m_current = *f;
        m_hasCurrent = true;
    } else if (!m_hasCurrent) {
        // Nothing drawn yet: the font the painter has.
        m_current = painter.font();
        m_hasCurrent = true;
    }
    if (text.isEmpty())
        return 0;

    int left = rect.left();
    int right = rect.left() + rect.width();
    Qt::Alignment align = Qt::AlignLeft;
    switch (attr & FieldStore::AlignMask) {
    case FieldStore::AlignLeft:
        left += 10;
        break;
    case FieldStore::AlignCenter:
        align = Qt::AlignHCenter;
        break;
    case FieldStore::AlignRight:
        align = Qt::AlignRight;
        right -= 12;
        break;
    default:
        break;   // an unknown alignment is drawn left without the shift
    }

    QTextOption option(align);
    option.setWrapMode(singleLine ? QTextOption::NoWrap : QTextOption::WordWrap);
    QTextLayout layout(laidOutText(text, singleLine), m_current);
    layout.setTextOption(option);
    const double width = std::max(0, right - left);
    double height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLeadingIncluded(true);
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    layout.draw(&painter, QPointF(left, rect.top()));
    return int(std::ceil(height));
}
