#include "dv1/DV1Calculation.h"

#include "settings/Profile.h"
#include "dv1/CDV1_Doc.h"
#include "dv1/DV1Amount.h"
#include "dv1/DV1Field.h"

#include <array>
#include <span>

namespace {

namespace F = Dv1Field;

// Continuation fields of the calculation. Each column of the page has its
// price, an addition to the price, additions and deductions, and four totals.
constexpr int PriceField = F::NationalPrice1;
constexpr int PriceField11a = F::InvoicePrice1;
constexpr int PriceAddition = F::IndirectPayments1;
constexpr int SecondPriceField = F::NationalPrice2;
constexpr int SecondPriceField11a = F::InvoicePrice2;
constexpr int SecondPriceAddition = F::IndirectPayments2;

// The delivery line of box 17 holds no amount of its own: its parts (a) to
// (c) are the additions.
constexpr std::array kFirstAdditions{F::Commissions1, F::Brokerage1, F::Containers1, F::Materials1,
                                     F::Tools1,       F::Consumed1,  F::Engineering1, F::Royalties1,
                                     F::Proceeds1,    F::Transport1, F::Loading1,     F::Insurance1};
constexpr std::array kFirstDeductions{F::PostArrival1, F::Assembly1, F::OtherCharges1, F::Duties1};
constexpr std::array kSecondAdditions{F::Commissions2, F::Brokerage2, F::Containers2, F::Materials2,
                                      F::Tools2,       F::Consumed2,  F::Engineering2, F::Royalties2,
                                      F::Proceeds2,    F::Transport2, F::Loading2,     F::Insurance2};
constexpr std::array kSecondDeductions{F::PostArrival2, F::Assembly2, F::OtherCharges2, F::Duties2};

constexpr int FirstPriceTotal = F::TotalA1;
constexpr int FirstAdditionsTotal = F::TotalB1;
constexpr int FirstDeductionsTotal = F::TotalC1;
constexpr int FirstResult = F::DeclaredValue1;
constexpr int SecondPriceTotal = F::TotalA2;
constexpr int SecondAdditionsTotal = F::TotalB2;
constexpr int SecondDeductionsTotal = F::TotalC2;
constexpr int SecondResult = F::DeclaredValue2;

// Amount fields that are rewritten in one notation besides the two prices:
// the price additions, the additions and the deductions of both columns.
constexpr std::array kRewrittenFields{
    F::IndirectPayments1, F::Commissions1, F::Brokerage1, F::Containers1,  F::Materials1,   F::Tools1,
    F::Consumed1,         F::Engineering1, F::Royalties1, F::Proceeds1,    F::Transport1,   F::Loading1,
    F::Insurance1,        F::PostArrival1, F::Assembly1,  F::OtherCharges1, F::Duties1,     F::IndirectPayments2,
    F::Commissions2,      F::Brokerage2,   F::Containers2, F::Materials2,   F::Tools2,      F::Consumed2,
    F::Engineering2,      F::Royalties2,   F::Proceeds2,  F::Transport2,   F::Loading2,     F::Insurance2,
    F::PostArrival2,      F::Assembly2,    F::OtherCharges2, F::Duties2};

bool flag11a()
{
    return Profile::get(Settings::Flag_DV1_11a) == 1;
}

class PageCalculation
{
public:
    PageCalculation(FieldStore& store, int page) : m_store(store), m_page(page) {}

    void run();

private:
    double value(int field) const { return ParseAmount(m_store.text(field, m_page)); }
    void setAmount(int field, double amount) { m_store.setText(field, m_page, FormatAmount(amount)); }
    void rewrite(int field) { setAmount(field, value(field)); }
    double sum(std::span<const int> fields) const
    {
        double total = 0.0;
        for (int field : fields)
            total += value(field);
        return total;
    }
    // The result of a column is formed from the totals as they were written,
    // so it agrees with what the page shows to the cent.
    void columnResult(int priceTotal, int additionsTotal, int deductionsTotal, int result)
    {
        const double amount = value(priceTotal) + value(additionsTotal) - value(deductionsTotal);
        setAmount(result, amount);
        // A positive result shows its zero totals as "0,00" so that the
        // column reads as complete.
        if (amount > 0) {
            for (int field : {priceTotal, additionsTotal, deductionsTotal}) {
                if (value(field) == 0)
                    m_store.setText(field, m_page, QStringLiteral("0,00"));
            }
        }
    }

    FieldStore& m_store;
    int m_page;
};

void PageCalculation::run()
{
    const bool alternativePrices = flag11a();
    rewrite(alternativePrices ? PriceField11a : PriceField);
    rewrite(alternativePrices ? SecondPriceField11a : SecondPriceField);
    for (int field : kRewrittenFields)
        rewrite(field);

    setAmount(FirstPriceTotal, value(flag11a() ? PriceField11a : PriceField) + value(PriceAddition));
    setAmount(SecondPriceTotal, value(flag11a() ? SecondPriceField11a : SecondPriceField) + value(SecondPriceAddition));
    setAmount(FirstAdditionsTotal, sum(kFirstAdditions));
    setAmount(SecondAdditionsTotal, sum(kSecondAdditions));
    setAmount(FirstDeductionsTotal, sum(kFirstDeductions));
    setAmount(SecondDeductionsTotal, sum(kSecondDeductions));

    columnResult(FirstPriceTotal, FirstAdditionsTotal, FirstDeductionsTotal, FirstResult);
    columnResult(SecondPriceTotal, SecondAdditionsTotal, SecondDeductionsTotal, SecondResult);
}

} // namespace

void CalculatePages(CDV1_Doc& doc)
{
    FieldStore& store = doc.fieldStore();
    if (store.pageCount() >= 2) {
        for (int page = 2; page <= store.pageCount(); ++page)
            PageCalculation(store, page).run();
    }
    doc.setModified();
}

void FlipFlagDV1_11a()
{
    Profile::set(Settings::Flag_DV1_11a, flag11a() ? 0 : 1);
}
