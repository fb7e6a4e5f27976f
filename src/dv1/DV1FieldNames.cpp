#include "dv1/DV1FieldNames.h"

#include <array>

#include "dv1/DV1Geometry.h"

namespace DV1FieldNames {

namespace {

constexpr std::array<const char*, DV1Geometry::FirstPageFields> First{
    "1", "2 (a)", "2 (b)", "3", "4", "5", "6", "7", "8", "9", "10 (a)", "10 (b)",
};

// Both goods items of a continuation page share the box numbers of a row.
constexpr std::array<const char*, DV1Geometry::ContinuationFields> Continuation{
    "Position", "11 (a)", "11 (a)", "11 (a)", "11 (a)", "11 (b)", "11 (b)", "13 (a)", "13 (b)", "13 (c)",
    "14 (a)",   "14 (b)", "14 (c)", "14 (d)", "15",     "16",     "17",     "17",     "17 (a)", "17 (a)",
    "17 (b)",   "17 (b)", "17 (c)", "17 (c)", "19",     "20",     "21",     "22",     "Position", "11 (a)",
    "11 (a)",   "11 (b)", "13 (a)", "13 (b)", "13 (c)", "14 (a)", "14 (b)", "14 (c)", "14 (d)", "15",
    "16",       "17",     "17 (a)", "17 (b)", "17 (c)", "19",     "20",     "21",     "22",     "Bezug",
    "Betrag",   "Umrechnungskurs", "Ort, Datum, Unterschrift", "12", "18", "23", "24", "12", "18", "23",
    "24",
};

} // namespace

QString name(int page, int field)
{
    if (page <= 1) {
        if (field < 0 || field >= DV1Geometry::FirstPageFields)
            return {};
        return QStringLiteral("Feld %1").arg(QLatin1String(First[std::size_t(field)]));
    }
    if (field < 0 || field >= DV1Geometry::ContinuationFields)
        return {};
    const QString box = QString::fromUtf8(Continuation[std::size_t(field)]);
    return box.front().isDigit() ? QStringLiteral("Feld %1").arg(box) : box;
}

} // namespace DV1FieldNames
