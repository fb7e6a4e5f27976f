#include "view/PrinterFontSizes.h"

#include "app/Profile.h"

std::optional<int> PrinterFontSizes::parse(const QString& text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok || v < Min || v > Max)
        return std::nullopt;
    return v;
}

QString PrinterFontSizes::rangeMessage()
{
    return QStringLiteral("Geben Sie eine ganze Zahl zwischen %1 und %2 ein.").arg(Min).arg(Max);
}

void PrinterFontSizes::load()
{
    m_eh = Profile::get(Settings::PrinterFontFactor, QString::fromLatin1(Settings::SectionEH));
    m_dv1 = Profile::get(Settings::PrinterFontFactor, QString::fromLatin1(Settings::SectionDV1));
}

void PrinterFontSizes::save() const
{
    Profile::set(Settings::PrinterFontFactor, QString::fromLatin1(Settings::SectionEH), m_eh);
    Profile::set(Settings::PrinterFontFactor, QString::fromLatin1(Settings::SectionDV1), m_dv1);
}
