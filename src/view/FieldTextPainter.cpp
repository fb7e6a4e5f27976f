#include "view/FieldTextPainter.h"

#include "settings/Profile.h"
#include "form/FieldStore.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QTextLayout>

#include <cmath>
#include <memory>

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

namespace {

// A further line may reach this share of its height below the rectangle:
// descenders of the last line need not fit.
constexpr double LineSlack = 0.12;
// A line at most this much too wide is drawn narrower rather than cut.
constexpr double MostCondensed = 0.9;

// The lines of a text as a layout breaks them, each without its trailing
// blanks.
QStringList brokenLines(const QString& text, const QFont& font, const QTextOption& option, double width)
{
    QTextLayout layout(text, font);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        QString part = text.mid(line.textStart(), line.textLength());
        while (!part.isEmpty() && (part.back().isSpace() || part.back() == QChar::LineSeparator))
            part.chop(1);
        lines.append(part);
    }
    layout.endLayout();
    return lines;
}

// Where a text of an alignment starts and ends inside its rectangle:
// left-aligned text 10 units right of the left edge, right-aligned text 12
// units left of the right edge; an unknown alignment is drawn left without
// the shift.
struct Insets {
    int left = 0;
    int right = 0;
    Qt::Alignment align = Qt::AlignLeft;
};

Insets insets(std::uint16_t attr)
{
    switch (attr & FieldStore::AlignMask) {
    case FieldStore::AlignLeft:
        return {10, 0, Qt::AlignLeft};
    case FieldStore::AlignCenter:
        return {0, 0, Qt::AlignHCenter};
    case FieldStore::AlignRight:
        return {0, 12, Qt::AlignRight};
    default:
        return {};
    }
}

// The height of one line in a font as the screen lays it out, its leading
// included.
double lineHeightOf(const QFont& font)
{
    QTextLayout layout(QStringLiteral("x"), font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLeadingIncluded(true);
    layout.endLayout();
    return line.height();
}

QStringList breakText(const QString& text, bool singleLine, const QFont& font, double width)
{
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(singleLine ? QTextOption::NoWrap : QTextOption::WrapAtWordBoundaryOrAnywhere);
    return brokenLines(laidOutText(text, singleLine), font, option, width);
}

// One line of a text laid out in the font it is drawn in.
struct LaidLine {
    std::shared_ptr<QTextLayout> layout;
    double natural = 0;   // width of its glyphs
    double height = 0;    // the line's height, its leading included
    double ink = 0;       // ascent and descent
};

// Everything that decides how a text's lines are broken and shaped.
struct LayoutKey {
    QString text;
    QFont breakFont;
    QFont font;
    double width = 0;
    bool singleLine = false;
    bool operator==(const LayoutKey&) const = default;
};

size_t qHash(const LayoutKey& k, size_t seed = 0)
{
    return qHashMulti(seed, k.text, k.breakFont, k.font, k.width, k.singleLine);
}

// A view draws the same texts on every repaint (scrolling, an uncovered
// window, the caret's field): breaking and shaping them is most of the
// work, so the laid-out lines are kept. The store is dropped whole when it
// grows past what a few pages of every field need.
QList<LaidLine> laidOutLines(const QString& text, bool singleLine, const QFont& breakFont, double breakWidth,
                             const QFont& font)
{
    constexpr qsizetype MostTexts = 4096;
    thread_local QHash<LayoutKey, QList<LaidLine>> kept;
    LayoutKey key{text, breakFont, font, breakWidth, singleLine};
    if (const auto found = kept.constFind(key); found != kept.constEnd())
        return found.value();

    QTextOption one(Qt::AlignLeft);
    one.setWrapMode(QTextOption::NoWrap);
    QList<LaidLine> lines;
    for (const QString& part : breakText(text, singleLine, breakFont, breakWidth)) {
        auto layout = std::make_shared<QTextLayout>(part, font);
        layout->setTextOption(one);
        layout->beginLayout();
        QTextLine line = layout->createLine();
        line.setLeadingIncluded(true);
        line.setLineWidth(1.0e6);
        line.setPosition(QPointF(0, 0));
        layout->endLayout();
        lines.append({layout, line.naturalTextWidth(), line.height(), line.ascent() + line.descent()});
    }
    if (kept.size() >= MostTexts)
        kept.clear();
    kept.insert(std::move(key), lines);
    return lines;
}

} // namespace

int FieldTextPainter::lineCount(const QString& text, std::uint16_t attr, int width) const
{
    if (text.isEmpty())
        return 0;
    const FieldFontSet& fonts = m_breakFonts ? *m_breakFonts : m_fonts;
    const QFont* font = fonts.font(attr);
    if (!font)
        return 0;
    const Insets in = insets(attr);
    return int(breakText(text, false, *font, std::max(0, width - in.left - in.right)).size());
}

int FieldTextPainter::draw(QPainter& painter, const QRect& rect, const QString& text, std::uint16_t attr,
                           bool singleLine, bool* overflow, int breakWidth, QRectF* extent) const
{
    if (overflow)
        *overflow = false;
    if (extent)
        *extent = QRectF();
    if (const QFont* f = m_fonts.font(attr)) {
        m_current = *f;
        m_currentBreak = m_breakFonts ? *m_breakFonts->font(attr) : *f;
        m_hasCurrent = true;
    } else if (!m_hasCurrent) {
        // Nothing drawn yet: the font the painter has.
        m_current = painter.font();
        m_currentBreak = m_current;
        m_hasCurrent = true;
    }
    if (text.isEmpty())
        return 0;

    const Insets in = insets(attr);
    const Qt::Alignment align = in.align;
    const double left = rect.left() + in.left;
    const double width = std::max(0, rect.width() - in.left - in.right);
    const double layoutWidth = breakWidth < 0 ? width : std::max(0, breakWidth - in.left - in.right);
    const QList<LaidLine> lines = laidOutLines(text, singleLine, m_currentBreak, layoutWidth, m_current);

    // With the screen's line breaks come the screen's line positions: each
    // printed line stands where the screen shows it, so the last line the
    // screen shows is the last one printed and no line drifts into the box
    // below. Only a printer font taller than the screen's line spacing (a
    // large printer font factor) spaces its lines further, so that they do
    // not overlap.
    const double breakPitch = m_breakFonts ? lineHeightOf(m_currentBreak) : 0.0;
    bool cut = false;
    double height = 0;
    painter.save();
    painter.setClipRect(QRectF(rect.left(), rect.top() - rect.height(), rect.width(), 3.0 * rect.height() + 1000),
                        Qt::IntersectClip);
    for (const LaidLine& line : lines) {
        const double lineHeight = m_breakFonts ? std::max(breakPitch, line.ink) : line.height;
        if (height > 0 && rect.top() + height + lineHeight * (1.0 - LineSlack) > rect.bottom() + 1) {
            cut = true;
            break;
        }
        const double natural = line.natural;
        double scale = 1.0;
        double x = left;
        if (natural > width) {
            scale = width > 0 ? width / natural : 0;
            if (scale < MostCondensed) {
                scale = MostCondensed;
                cut = true;
            }
            // Right-aligned text keeps its right end.
            if (align == Qt::AlignRight)
                x = left + width - natural * scale;
        } else if (align == Qt::AlignHCenter) {
            x = left + (width - natural) / 2;
        } else if (align == Qt::AlignRight) {
            x = left + width - natural;
        }
        painter.save();
        painter.translate(x, rect.top() + height);
        if (scale != 1.0)
            painter.scale(scale, 1.0);
        line.layout->draw(&painter, QPointF(0, 0));
        painter.restore();
        if (extent && natural > 0) {
            const double drawnWidth = std::min(natural * scale, width);
            *extent |= QRectF(std::max(x, left), rect.top() + height, drawnWidth, lineHeight);
        }
        height += lineHeight;
    }
    painter.restore();
    if (overflow)
        *overflow = cut;
    return int(std::ceil(height));
}
