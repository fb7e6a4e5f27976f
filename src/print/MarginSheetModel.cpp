#include "print/MarginSheetModel.h"

#include <cstdlib>

#include "settings/Profile.h"

MarginSheetKeys MarginSheetKeys::einheitspapier()
{
    using namespace Settings;
    return {QStringLiteral("Ränder bei Ausdruck (Einheitspapier)"),
            {{QStringLiteral("  Einheitspapier "), Left_Margin_EH, Top_Margin_EH},
             {QStringLiteral("  Ergänzungsblätter "), Left_Margin2_EH, Top_Margin2_EH}},
            ShowMarginDlgEH};
}

MarginSheetKeys MarginSheetKeys::dv1()
{
    using namespace Settings;
    const char* const captions[4] = {" D.V.1 Vorderseite ", " D.V.1 Rückseite ", " D.V.1 BIS Vorderseite ",
                                     " D.V.1 BIS Rückseite "};
    MarginSheetKeys keys{QStringLiteral("Ränder beim Ausdruck für D.V.1"), {}, ShowMarginDlg};
    for (int i = 0; i < 4; ++i)
        keys.pages.append({QString::fromUtf8(captions[i]), Left_Margin_DV1[i], Top_Margin_DV1[i]});
    return keys;
}

QString MarginSheetModel::tooManyPagesText()
{
    return QStringLiteral("Dialog Ränder - Fehler, zu viele Seiten");
}

MarginSheetModel::MarginSheetModel()
    : m_offsets(MaxPages)
{
    for (int i = 0; i < MaxPages; ++i)
        m_pageCaptions.append(QStringLiteral("Seite %1").arg(i + 1));
}

bool MarginSheetModel::setPageCount(int n)
{
    if (n < MinPages || n > MaxPages)
        return false;
    m_pageCount = n;
    return true;
}

void MarginSheetModel::setPageCaption(int page, const QString& caption)
{
    if (validPage(page))
        m_pageCaptions[page] = caption;
}

QString MarginSheetModel::pageCaption(int page) const
{
    return validPage(page) ? m_pageCaptions.at(page) : QString();
}

void MarginSheetModel::setHorizontal(int page, int tenths)
{
    if (validPage(page))
        m_offsets[page].horizontal = tenths;
}

void MarginSheetModel::setVertical(int page, int tenths)
{
    if (validPage(page))
        m_offsets[page].vertical = tenths;
}

int MarginSheetModel::horizontal(int page) const
{
    return validPage(page) ? m_offsets.at(page).horizontal : 0;
}

int MarginSheetModel::vertical(int page) const
{
    return validPage(page) ? m_offsets.at(page).vertical : 0;
}

void MarginSheetModel::load(const MarginSheetKeys& keys)
{
    setPageCount(int(keys.pages.size()));
    m_caption = keys.caption;
    for (int i = 0; i < keys.pages.size() && i < MaxPages; ++i) {
        const MarginSheetKeys::Page& p = keys.pages.at(i);
        m_pageCaptions[i] = p.caption;
        m_offsets[i] = {Profile::get(p.horizontal), Profile::get(p.vertical)};
    }
    m_suppressed = Profile::get(keys.suppressFlag) != 0;
}

void MarginSheetModel::save(const MarginSheetKeys& keys) const
{
    for (int i = 0; i < keys.pages.size() && i < MaxPages; ++i) {
        Profile::set(keys.pages.at(i).horizontal, m_offsets.at(i).horizontal);
        Profile::set(keys.pages.at(i).vertical, m_offsets.at(i).vertical);
    }
    Profile::set(keys.suppressFlag, m_suppressed ? 1 : 0);
}

int MarginSheetModel::decreased(int tenths)
{
    return tenths > -Limit ? tenths - Step : -Limit;
}

int MarginSheetModel::increased(int tenths)
{
    return tenths < Limit ? tenths + Step : Limit;
}

namespace {

QString offsetText(int tenths, const char* positive, const char* negative)
{
    if (tenths == 0)
        return QStringLiteral("unverändert");
    const QString mm = QString::asprintf("%2.1f", std::abs(tenths) / 10.0);
    return QStringLiteral("%1 mm nach %2").arg(mm, QLatin1String(tenths > 0 ? positive : negative));
}

} // namespace

QString MarginSheetModel::horizontalText(int tenths)
{
    return offsetText(tenths, "rechts", "links");
}

QString MarginSheetModel::verticalText(int tenths)
{
    return offsetText(tenths, "unten", "oben");
}
