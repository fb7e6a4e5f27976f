#include "duty/FederalStates.h"

#include "duty/CodeText.h"

namespace FederalStates {

namespace {

constexpr const char* kStates[Count] = {
    "01 - Schleswig-Holstein",
    "02 - Hamburg",
    "03 - Niedersachsen",
    "04 - Bremen",
    "05 - Nordrhein-Westfalen",
    "06 - Hessen",
    "07 - Rheinland-Pfalz",
    "08 - Baden-Würtemberg",
    "09 - Bayern",
    "10 - Saarland",
    "11 - Berlin",
    "12 - Brandenburg",
    "13 - Mecklenburg-Vorpommern",
    "14 - Sachsen",
    "15 - Sachsen-Anhalt",
    "16 - Thüringen",
    "99 - Ausland",
};

constexpr int AbroadPosition = Count - 1;

} // namespace

QString entry(int position)
{
    return position >= 0 && position < Count ? QString::fromUtf8(kStates[position]) : QString();
}

QString codeAt(int position)
{
    if (position == AbroadPosition)
        return QStringLiteral("99");
    return QString::asprintf("%.2d", position + 1);
}

int positionOfCode(const QString& code)
{
    const int k = CodeTables::leadingInteger(code);
    if (k == 99)
        return AbroadPosition;
    return k >= 1 && k < Count ? k - 1 : -1;
}

QString textOfState(int k)
{
    return k >= 1 && k < Count ? entry(k - 1) : QString();
}

} // namespace FederalStates
