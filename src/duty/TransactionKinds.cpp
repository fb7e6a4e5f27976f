#include "duty/TransactionKinds.h"

namespace TransactionKinds {

namespace {

constexpr const char* kFirstDigit[FirstDigitCount] = {
    "Geschäfte mit Eigentumsübertragung (tatsächlich oder beabsichtigt) und mit Gegenleistung (finanziell oder "
    "anderweitig)",
    "Rücksendung von Waren nach Erfassung des ursprünglichen Geschäfts unter 1; unentgeltlicher Ersatz von Waren",
    "Geschäfte mit Eigentumsübertragung, jedoch ohne finanzielle oder andere Gegenleistung",
    "Vorgänge im Hinblick auf eine Lohnveredelung",
    "Vorgänge nach einer Lohnveredelung",
    "Besondere, für einzelstaatliche Zwecke erfasste Geschäfte",
    "Vorgänge im Rahmen gemeinsamer Verteidigungsprogramme oder anderer zwischenstaatlicher Produktionsprogramme",
    "Lieferung von Baumaterial und technischer Ausrüstung im Rahmen eines allgemeinen Bau- oder Ingenieurvertrags",
    "Andere Geschäfte",
};

// clang-format off
constexpr Kind kKinds[Count] = {
    {"1 1", 0, "Endgültiger Kauf/Verkauf"},
    {"1 2", 0, "Ansichts- oder Probesendungen, Sendungen mit Rückgaberecht und Kommissionsgeschäfte "
               "(einschließlich Konsignationslager)"},
    {"1 3", 0, "Tauschhandel (Kompensation in Waren)"},
    {"1 4", 0, "Persönliche Käufe von Reisenden"},
    {"1 5", 0, "Finanzierungsleasing (Mietkauf)"},
    {"2 1", 1, "Rücksendung von Waren"},
    {"2 2", 1, "Ersatz für zurückgesandte Waren"},
    {"2 3", 1, "Ersatz (z. B. wegen Garantie) für nicht zurückgesandte Waren"},
    {"3 1", 2, "Warenlieferungen im Rahmen von ganz oder teilweise von der Europäischen Gemeinschaft finanzierten "
               "Hilfsprogrammen"},
    {"3 2", 2, "Andere Hilfslieferungen öffentlicher Stellen"},
    {"3 3", 2, "Sonstige Hilfslieferungen (von Privatpersonen oder nichtstaatlichen Organisationen)"},
    {"3 4", 2, "Sonstige"},
    {"4 1", 3, "Lieferungen zur Lohnveredelung"},
    {"5 1", 4, "Lieferungen nach Lohnveredelung"},
    {"6 3", 5, "Reparatur und Instandhaltung gegen Entgelt"},
    {"6 4", 5, "Reparatur und Instandhaltung ohne Entgelt"},
    {"6 5", 5, "Zolllagerverkehr für ausländische Rechnung"},
    {"6 6", 5, "Vorübergehende Verwendung bis zu 24 Monaten"},
    {"6 9", 5, "Sonstige vorübergehende Warenverkehre"},
    {"7 1", 6, "Für militärische Zwecke"},
    {"7 2", 6, "Für zivile Zwecke"},
    {"8 1", 7, "Lieferung von Baumaterial und technischer Ausrüstung, über die keine Einzelrechnungen, sondern eine "
               "Rechnung über den Gesamtauftrag ausgestellt wird"},
    {"9 2", 8, "Miete, Leihe und Operate-Leasing über mehr als 24 Monate"},
    {"9 3", 8, "Unentgeltliche Lieferungen, nicht unter 3 erfasst"},
    {"9 9", 8, "Nicht anderweitig erfasst"},
};
// clang-format on

} // namespace

std::span<const Kind> rows()
{
    return kKinds;
}

std::span<const char* const> firstDigitTexts()
{
    return kFirstDigit;
}

QString firstDigitText(const Kind& kind)
{
    return QString::fromUtf8(kFirstDigit[kind.firstDigitText]);
}

} // namespace TransactionKinds
