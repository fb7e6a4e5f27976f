#include "print/PrinterFontSizes.h"

#include "settings/Profile.h"
#include "print/WholeNumberInput.h"

std::optional<int> PrinterFontSizes::parse(const QString& text)
{
    return WholeNumberInput::parse(text, Min, Max);
}

QString PrinterFontSizes::rangeMessage()
{
    return WholeNumberInput::rangeMessage(Min, Max);
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
