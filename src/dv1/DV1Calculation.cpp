#include "dv1/DV1Calculation.h"

#include "settings/Profile.h"
#include "dv1/CDV1_Doc.h"
#include "dv1/DV1Amount.h"

#include <array>
#include <span>

namespace {

// Continuation fields of the calculation. Each column of the page has its
// price, an addition to the price, additions and deductions, and four totals.
constexpr int PriceField = 4;
constexpr int PriceField11a = 2;
constexpr int PriceAddition = 6;
constexpr int SecondPriceField = 30;
constexpr int SecondPriceField11a = 29;
constexpr int SecondPriceAddition = 31;

constexpr std::array kFirstAdditions{7, 8, 9, 10, 11, 12, 13, 14, 15, 19, 21, 23};
constexpr std::array kFirstDeductions{24, 25, 26, 27};
constexpr std::array kSecondAdditions{32, 33, 34, 35, 36, 37, 38, 39, 40, 42, 43, 44};
constexpr std::array kSecondDeductions{45, 46, 47, 48};

constexpr int FirstPriceTotal = 53;
constexpr int FirstAdditionsTotal = 54;
constexpr int FirstDeductionsTotal = 55;
constexpr int FirstResult = 56;
constexpr int SecondPriceTotal = 57;
constexpr int SecondAdditionsTotal = 58;
constexpr int SecondDeductionsTotal = 59;
constexpr int SecondResult = 60;

// Amount fields that are rewritten in one notation besides the two prices.
constexpr std::array kRewrittenFields{
    6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 19, 21, 23, 24, 25, 26, 27, 31, 32,
    33, 34, 35, 36, 37, 38, 39, 40, 42, 43, 44, 45, 46, 47, 48};

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
