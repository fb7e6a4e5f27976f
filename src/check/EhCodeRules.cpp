#include "check/EhRules.h"

#include "check/EhCheckContext.h"
#include "duty/CodeText.h"
#include "duty/CountryCodes.h"
#include "duty/CurrencyCodes.h"
#include "duty/CustomsOffices.h"
#include "duty/DutyTypes.h"
#include "duty/FederalStates.h"
#include "duty/Feld47Box.h"
#include "duty/Feld47Grid.h"
#include "duty/PreferenceCodes.h"
#include "duty/TransactionKinds.h"
#include "duty/TransportModes.h"
#include "form/EhField.h"

#include <algorithm>

namespace F = EhField;

namespace {

bool inList(std::span<const CodeText> rows, const QString& code)
{
    return std::any_of(rows.begin(), rows.end(), [&code](const CodeText& row) {
        return code.compare(QLatin1StringView(row.code), Qt::CaseInsensitive) == 0;
    });
}

QString quoted(const QString& text)
{
    return QStringLiteral("„%1“").arg(text);
}

// A code box that is printed and holds text: the text, else nothing.
QString codeIn(const EhCheckContext& ctx, int page, int field)
{
    return ctx.printed(page, field) ? ctx.text(page, field) : QString();
}

} // namespace

namespace EhRules {

void countryCodes(EhCheckContext& ctx)
{
    const auto check = [&ctx](int page, int field) {
        const QString code = codeIn(ctx, page, field);
        // Codes are compared on at most four characters, as the list does;
        // a longer text is no code of the list at all.
        if (!code.isEmpty() && (code.size() > 4 || !CountryCodes::nameForCode(code.toUpper())))
            ctx.add(page, field, QStringLiteral("Der Ländercode %1 steht nicht in der Länderliste.").arg(quoted(code)));
    };
    for (int field : {F::Box11, F::Box15A, F::Box17A})
        check(1, field);
    for (const EhGoodsPosition& pos : ctx.goodsPositions())
        check(pos.page, pos.boxField(F::Block::Box34A));
}

void currencyCode(EhCheckContext& ctx)
{
    const QString code = codeIn(ctx, 1, F::Box22A);
    if (!code.isEmpty() && !inList(CurrencyCodes::rows(), code))
        ctx.add(1, F::Box22A, QStringLiteral("Der Währungscode %1 steht nicht in der Währungsliste.").arg(quoted(code)));
}

void federalStates(EhCheckContext& ctx)
{
    const auto check = [&ctx](int page, int field) {
        const QString code = codeIn(ctx, page, field);
        // The list reads a leading number; the box must hold nothing else.
        const bool digits = code.size() <= 2 && std::all_of(code.cbegin(), code.cend(), [](QChar c) { return c.isDigit(); });
        if (!code.isEmpty() && (!digits || FederalStates::positionOfCode(code) < 0))
            ctx.add(page, field,
                    QStringLiteral("%1 ist kein Bundesland der Liste (01 bis 16, 99 für das Ausland).").arg(quoted(code)));
    };
    check(1, F::Box17B);
    for (const EhGoodsPosition& pos : ctx.goodsPositions())
        check(pos.page, pos.boxField(F::Block::Box34B));
}

void transactionKind(EhCheckContext& ctx)
{
    const QString first = codeIn(ctx, 1, F::Box24A);
    const QString second = codeIn(ctx, 1, F::Box24B);
    if (first.isEmpty() && second.isEmpty())
        return;
    const QString code = first + QLatin1Char(' ') + second;
    const auto rows = TransactionKinds::rows();
    if (std::none_of(rows.begin(), rows.end(), [&code](const auto& kind) { return code == QLatin1StringView(kind.code); }))
        ctx.add(1, first.isEmpty() ? F::Box24B : F::Box24A,
                QStringLiteral("Die Art des Geschäfts %1 steht nicht in der Liste.").arg(quoted(first + second)));
}

void transportModes(EhCheckContext& ctx)
{
    for (int field : {F::Box25, F::Box26}) {
        const QString code = codeIn(ctx, 1, field);
        if (code.isEmpty())
            continue;
        // A code is in the list when the entry it leads to starts with it
        // ("6" leads to the postal entry "5 - ...", so it is not).
        bool ok = false;
        const int number = code.toInt(&ok);
        if (!ok || number < 1
            || !TransportModes::entry(TransportModes::positionOfCode(number)).startsWith(code + QStringLiteral(" -")))
            ctx.add(1, field, QStringLiteral("Der Verkehrszweig %1 steht nicht in der Liste.").arg(quoted(code)));
    }
}

void preferenceCodes(EhCheckContext& ctx)
{
    for (const EhGoodsPosition& pos : ctx.goodsPositions()) {
        const int field = pos.boxField(F::Block::Box36);
        const QString code = codeIn(ctx, pos.page, field);
        if (code.isEmpty())
            continue;
        if (code.size() != 3 || !inList(PreferenceCodes::firstDigit(), code.left(1))
            || !inList(PreferenceCodes::lastTwoDigits(), code.mid(1)))
            ctx.add(pos.page, field, QStringLiteral("Der Präferenzcode %1 steht nicht in der Liste.").arg(quoted(code)));
    }
}

void customsOffice(EhCheckContext& ctx)
{
    const QString code = codeIn(ctx, 1, F::Box29);
    if (code.isEmpty())
        return;
    const auto offices = CustomsOffices::rows();
    if (std::none_of(offices.begin(), offices.end(), [&code](const CustomsOffices::Office& office) {
            return code.compare(QLatin1StringView(office.code), Qt::CaseInsensitive) == 0;
        }))
        ctx.add(1, F::Box29, QStringLiteral("Die Zollstelle %1 steht nicht in der Liste der Zollstellen.").arg(quoted(code)));
}

void box47Codes(EhCheckContext& ctx)
{
    const auto check = [&ctx](const Feld47Box& box, Feld47Grid& grid, int boxField) {
        box.load(grid, ctx.store());
        const Feld47Grid::Layout& layout = grid.layout();
        for (int row = 0; row < Feld47Grid::Rows; ++row) {
            const QString kind = grid.cell(row, layout.kind).trimmed();
            const int line = row + 1;
            if (!kind.isEmpty() && !inList(DutyTypes::rows(), kind))
                ctx.add(box.page, boxField,
                        QStringLiteral("Zeile %1: Die Abgabenart %2 steht nicht in der Liste der Abgabenarten.")
                            .arg(line)
                            .arg(quoted(kind)));
            if (!grid.paymentAccepted(row))
                ctx.add(box.page, boxField,
                        QStringLiteral("Zeile %1: Die Zahlungsart %2 ist keine der Zahlungsarten B, C, D und E.")
                            .arg(line)
                            .arg(quoted(grid.cell(row, layout.payment))));
        }
    };
    for (const EhGoodsPosition& pos : ctx.goodsPositions()) {
        Feld47Model grid;
        check({Feld47Box::Position, pos.page, pos.slot}, grid, pos.box47Field());
    }
    for (int page = 2; page <= ctx.pageCount(); ++page) {
        Feld47SummeModel grid;
        check({Feld47Box::Summary, page, 1}, grid, F::Cont::Box47Summary);
    }
}

} // namespace EhRules
