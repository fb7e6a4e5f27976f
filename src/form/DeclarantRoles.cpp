#include "form/DeclarantRoles.h"

namespace DeclarantRoles {

namespace {

constexpr const char* kRoles[Count] = {
    "Ausführer - 00400",
    "Versender - 00300",
    "Einführer - 00500",
    "Subunternehmer gem. Artikel 789 Zollkodex-DVO",
};

} // namespace

QString text(int role)
{
    return role >= 1 && role <= Count ? QString::fromUtf8(kRoles[role - 1]) : QString();
}

} // namespace DeclarantRoles
