#include "check/EhRules.h"

#include <cmath>

#include "check/EhCheckContext.h"
#include "duty/Feld47Amount.h"
#include "duty/Feld47Box.h"
#include "duty/Feld47Grid.h"
#include "form/CEinheitspapierDoc.h"
#include "form/EhDocumentOperations.h"
#include "form/EhField.h"

namespace F = EhField;

namespace {

bool sameAmount(const QString& a, const QString& b)
{
    return std::abs(Feld47Amount::parse(a) - Feld47Amount::parse(b)) < 0.005;
}

QString shown(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("leer") : QStringLiteral("„%1“").arg(text);
}

} // namespace

namespace EhRules {

void box47Totals(EhCheckContext& ctx)
{
    // The box's dialog computes its total from the amounts the same way.
    const auto check = [&ctx](const Feld47Box& box, Feld47Grid& grid, int boxField, const QString& what) {
        box.load(grid, ctx.store());
        grid.computeTotal();
        const QString stored = ctx.text(box.page, box.totalField());
        if (!sameAmount(stored, grid.total()))
            ctx.add(box.page, boxField,
                    QStringLiteral("%1 (%2) ist nicht die Summe der Beträge (%3).")
                        .arg(what, shown(stored), shown(grid.total())));
    };
    for (const EhGoodsPosition& pos : ctx.goodsPositions()) {
        Feld47Model grid;
        check({Feld47Box::Position, pos.page, pos.slot}, grid, pos.box47Field(), QStringLiteral("Die Summe"));
    }
    for (int page = 2; page <= ctx.pageCount(); ++page) {
        Feld47SummeModel grid;
        check({Feld47Box::Summary, page, 1}, grid, F::Cont::Box47Summary, QStringLiteral("Die Gesamtsumme"));
    }
}

void positionsAndSheets(EhCheckContext& ctx)
{
    // What the automatic numbering writes is what the boxes must say: it is
    // run on a copy, and every box it would change is a finding.
    CEinheitspapierDoc numbered;
    numbered.store() = ctx.store();
    numbered.setFormSet(ctx.formSet());
    EhDocumentOperations::renumber(numbered);

    const auto check = [&ctx, &numbered](int page, int field, const QString& what) {
        const QString stored = ctx.text(page, field);
        const QString expected = numbered.store().text(field, page).trimmed();
        // A form of one sheet leaves box 3 empty; "1" there says the same.
        if (stored == expected || (expected.isEmpty() && stored == QLatin1String("1")))
            return;
        ctx.add(page, field, QStringLiteral("%1 ist %2, richtig wäre %3.").arg(what, shown(stored), shown(expected)));
    };
    check(1, F::Box5, QStringLiteral("Die Zahl der Warenpositionen"));
    check(1, F::Box3A, QStringLiteral("Die Nummer des Blatts"));
    check(1, F::Box3B, QStringLiteral("Die Zahl der Blätter"));
    for (int page = 2; page <= ctx.pageCount(); ++page) {
        check(page, F::Cont::Box3A, QStringLiteral("Die Nummer des Blatts"));
        check(page, F::Cont::Box3B, QStringLiteral("Die Zahl der Blätter"));
    }
}

} // namespace EhRules
