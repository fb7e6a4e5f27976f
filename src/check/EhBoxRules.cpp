#include "check/EhRules.h"

#include "check/EhCheckContext.h"
#include "duty/Default01Model.h"
#include "form/EhField.h"

#include <algorithm>
#include <initializer_list>

namespace F = EhField;

namespace {

// Whether a box of the first page (made of these fields) is one the form
// set uses, and whether all of its fields are empty.
bool usedBox(const EhCheckContext& ctx, std::initializer_list<int> fields)
{
    return std::any_of(fields.begin(), fields.end(), [&ctx](int f) { return ctx.usedByFormSet(1, f); });
}

bool emptyBox(const EhCheckContext& ctx, std::initializer_list<int> fields)
{
    return std::all_of(fields.begin(), fields.end(), [&ctx](int f) { return ctx.text(1, f).isEmpty(); });
}

} // namespace

namespace EhRules {

void box1Lists(EhCheckContext& ctx)
{
    constexpr int parts[Default01Model::Parts] = {F::Box1A, F::Box1B, F::Box1C};
    for (int part = 0; part < Default01Model::Parts; ++part) {
        const int field = parts[part];
        const QString text = ctx.text(1, field);
        if (text.isEmpty() || !ctx.printed(1, field))
            continue;
        // Read as the box's picker reads it: blanks around it and the case
        // do not count.
        const QStringList entries = Default01Model::entries(part);
        const bool listed = std::any_of(entries.cbegin(), entries.cend(), [&text](const QString& entry) {
            return entry.trimmed().compare(text, Qt::CaseInsensitive) == 0;
        });
        if (!listed)
            ctx.add(1, field,
                    QStringLiteral("„%1“ steht nicht in der Liste für dieses Feld (%2).")
                        .arg(text, entries.join(QStringLiteral(", "))));
    }
}

void requiredBoxes(EhCheckContext& ctx)
{
    // A document without a chosen form set (or an export document) has no
    // set of boxes to demand.
    if (ctx.formSet() < 0 || ctx.formSet() > 3)
        return;
    const std::initializer_list<int> box1{F::Box1A, F::Box1B, F::Box1C};
    if (usedBox(ctx, box1) && emptyBox(ctx, box1))
        ctx.add(1, F::Box1A, QStringLiteral("Feld 1 (Anmeldung) ist leer."));

    const std::initializer_list<int> box8{F::Box8Number, F::Box8Address};
    const std::initializer_list<int> box14{F::Box14Number, F::Box14Declarant};
    const bool need8 = usedBox(ctx, box8);
    const bool need14 = usedBox(ctx, box14);
    if ((need8 || need14) && emptyBox(ctx, box8) && emptyBox(ctx, box14))
        ctx.add(1, need8 ? F::Box8Address : F::Box14Declarant,
                QStringLiteral("Weder Feld 8 (Empfänger) noch Feld 14 (Anmelder/Vertreter) ist ausgefüllt."));

    const std::initializer_list<int> box54{F::Box54Place, F::Box54Name};
    if (usedBox(ctx, box54) && emptyBox(ctx, box54))
        ctx.add(1, F::Box54Place, QStringLiteral("Feld 54 (Ort, Datum, Unterschrift und Name) ist leer."));
}

} // namespace EhRules
