#include "check/Dv1Check.h"

#include <cmath>

#include "dv1/CDV1_Doc.h"
#include "dv1/DV1Amount.h"
#include "dv1/DV1Calculation.h"
#include "dv1/DV1Field.h"
#include "dv1/DV1FieldNames.h"

namespace Dv1Check {

CheckFindings run(const CDV1_Doc& doc)
{
    // The calculation runs on a copy, so the check changes nothing.
    CDV1_Doc computed;
    computed.fieldStore() = doc.fieldStore();
    CalculatePages(computed);

    CheckFindings findings;
    const FieldStore& store = doc.fieldStore();
    for (int page = 2; page <= store.pageCount(); ++page) {
        for (int field = Dv1Field::TotalA1; field <= Dv1Field::DeclaredValue2; ++field) {
            const QString stored = store.text(field, page).trimmed();
            const QString expected = computed.fieldStore().text(field, page).trimmed();
            if (std::abs(ParseAmount(stored) - ParseAmount(expected)) < 0.005)
                continue;
            const QString shown = stored.isEmpty() ? QStringLiteral("leer") : QStringLiteral("„%1“").arg(stored);
            findings.append({page, field, DV1FieldNames::name(page, field),
                             QStringLiteral("Der Betrag ist %1, die Berechnung (F3) ergibt „%2“.").arg(shown, expected),
                             CheckFinding::Severity::Error});
        }
    }
    return findings;
}

} // namespace Dv1Check
