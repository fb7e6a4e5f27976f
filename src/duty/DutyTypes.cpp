#include "duty/DutyTypes.h"

namespace DutyTypes {

namespace {

// clang-format off
constexpr CodeText kDutyTypes[Count] = {
    {"10100", "Zölle"},
    {"10200", "Zölle für EGKS-Waren - ohne Ausgleichs- und Antidumpingzölle"},
    {"10300", "Ausgleichs- und Antidumpingzölle"},
    {"10400", "Zölle auf Agrarwaren, Zusatzzölle auf Agrarwaren und Agrarteilbeträge"},
    {"11000", "Ausgleichsabgaben bei der EInfuhr von EG-Marktordnungswaren aus Drittländern"},
    {"14000", "Währungsausgleichbeträge bei der Einfuhr aus Drittländern"},
    {"15000", "Abgaben bei der Ausfuhr von EU-Marktordnungswaren nach Drittländern"},
    {"16000", "Ausgleichsbeträge bei der Einfuhr aus neuen Mitgliedstaaten (Beitrittsausgleichsbeträge)"},
    {"17000", "Währungsausgleichsbeträge bei der Einfuhr aus Mitgliedstaaten"},
    {"20000", "Einfuhrumsatzsteuer"},
    {"21000", "Zölle für die ein Bescheid von dem 1.7.1971 erging; EGKS-Zölle, für die ein Bescheid vor dem "
              "1.1.1988 erging"},
    {"23000", "Pauschalierte Eingangsabgaben"},
    {"30000", "Tabaksteuer"},
    {"31000", "Kaffeesteuer"},
    {"35000", "Branntweinsteuer"},
    {"37000", "Schaumweinsteuer"},
    {"37100", "Zwischenerzeugnissteuer"},
    {"40000", "Mineralölsteuer (aus dem Verbrauch von Heizöl)"},
    {"41000", "Mineralölsteuer (sonstiges Aufkommen)"},
    {"41500", "Erdgassteuer"},
    {"42000", "Stromsteuer"},
    {"43000", "Abschöpfungen von Preisunterschieden bei Lebensmitteleinfuhren nach weiter geltendem nationalen "
              "Marktordnungsrecht"},
    {"67000", "Biersteuer"},
};
// clang-format on

} // namespace

std::span<const CodeText> rows()
{
    return kDutyTypes;
}

int firstBeginningWith(const QString& text)
{
    for (int i = 0; i < Count; ++i) {
        if (QLatin1StringView(kDutyTypes[i].code).startsWith(text, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

} // namespace DutyTypes
