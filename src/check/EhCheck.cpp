#include "check/EhCheck.h"

#include "check/EhCheckContext.h"
#include "check/EhRules.h"
#include "form/CEinheitspapierDoc.h"
#include "view/FormPainter.h"

namespace EhCheck {

CheckFindings run(const CEinheitspapierDoc& doc, const QByteArray& firstFlags, const QByteArray& contFlags)
{
    EhCheckContext ctx(doc, firstFlags, contFlags);
    using Rule = void (*)(EhCheckContext&);
    constexpr Rule rules[] = {
        EhRules::requiredBoxes,   EhRules::box1Lists,       EhRules::countryCodes,    EhRules::currencyCode,
        EhRules::federalStates,   EhRules::transactionKind, EhRules::transportModes,  EhRules::preferenceCodes,
        EhRules::customsOffice,   EhRules::box47Codes,      EhRules::box47Totals,     EhRules::positionsAndSheets,
        EhRules::textFitsOnPaper,
    };
    for (Rule rule : rules)
        rule(ctx);
    CheckFindings findings = ctx.takeFindings();
    CheckFindingList::sort(findings);
    return findings;
}

CheckFindings run(const CEinheitspapierDoc& doc, const FieldDefinitions& definitions)
{
    EhFormPage sheet;
    sheet.formSet = doc.formSet();
    sheet.takeFlags(definitions);
    return run(doc, sheet.firstFlags, sheet.contFlags);
}

} // namespace EhCheck
