#include "form/EhFieldNames.h"

#include <array>

namespace EhFieldNames {

namespace {

constexpr std::array<const char16_t*, FirstPageNamed> kFirstPage = {
    u"Feld 1 A", u"Feld 1 B", u"Feld 1 C", u"Stempel Feld A (1)", u"Stempel Feld A (2)",
    u"Stempel Feld A (3)", u"Stempel Feld A (4)", u"Stempel Feld A (5)", u"Stempel Feld A (6)",
    u"Feld 2  (Nr.)", u"Feld 2", u"Feld 3 A", u"Feld 3 B", u"Feld 4", u"Feld 5", u"Feld 6",
    u"Feld 7", u"Feld 8 (Nr.)", u"Feld 8", u"Feld 9", u"Feld 10", u"Feld 11", u"Feld 12",
    u"Feld 13", u"Feld 14 (Nr.)", u"Feld 14", u"Feld 15 (Text)", u"Feld 15 A", u"Feld 15 B",
    u"Feld 17 A", u"Feld 17 B", u"Feld 16", u"Feld 17 (Text)", u"Feld 18 A", u"Feld 18 B",
    u"Feld 19", u"Feld 20 A", u"Feld 20 B", u"Feld 21 A", u"Feld 21 B", u"Feld 22 A",
    u"Feld 22 B", u"Feld 23", u"Feld 24 A", u"Feld 24 B", u"Feld 25", u"Feld 26", u"Feld 27",
    u"Feld 28 A", u"Feld 28 B", u"Feld 29", u"Feld 30", u"Feld 31", u"Feld 32", u"Feld 33 A",
    u"Feld 33 B", u"Feld 33 C", u"Feld 33 D", u"Feld 33 E", u"Feld 34 A", u"Feld 34 B",
    u"Feld 35", u"Feld 36", u"Feld 37 A", u"Feld 37 B", u"Feld 38", u"Feld 39", u"Feld 40",
    u"Feld 41", u"Feld 44", u"Feld 42", u"Feld 44 (Ein-/Ausfuhrfrist)", u"Feld 46", u"Feld 47",
    u"Feld 48", u"Feld 49", u"Feld 50 A", u"Feld 50 B", u"Feld 50 C", u"Feld 50 D",
    u"Stempel Feld C (1)", u"Stempel Feld C (2)", u"Stempel Feld C (3)", u"Stempel Feld C (4)",
    u"Stempel Feld C (5)", u"Stempel Feld C (6)", u"Feld 51 A", u"Feld 51 B", u"Feld 51 C",
    u"Feld 51 D", u"Feld 51 E", u"Feld 51 F", u"Feld 52 (1)", u"Feld 52 (2)", u"Feld 52 (3)",
    u"Feld 53", u"Feld 54 (Ort, Datum)", u"Feld 54 (Name)", u"D1", u"D2", u"D3", u"D4", u"D5"
};

constexpr std::array<const char16_t*, ContinuationNamed> kContinuation = {
    u"Nummer", u"Stempel Feld A (1)", u"Stempel Feld A (2)", u"Stempel Feld A (3)",
    u"Stempel Feld A (4)", u"Stempel Feld A (5)", u"Stempel Feld A (6)", u"2 Zollnummer", u"2",
    u"3 A", u"3 B", u"31-1", u"32-1", u"33-1 A", u"33-1 B", u"33-1 C", u"33-1 D", u"33-1 E",
    u"34-1 A", u"34-1 B", u"35-1", u"36-1", u"37-1 A", u"37-1 B", u"38-1", u"39-1", u"40-1",
    u"41-1", u"44-1", u"Feld 42-1", u"Feld 44-1 (Ein-/Ausfuhrfrist)", u"46-1", u"31-2",
    u"32-2", u"33-2 A", u"33-2 B", u"33-2 C", u"33-2 D", u"33-2 E", u"34-2 A", u"34-2 B",
    u"35-2", u"36-2", u"37-2 A", u"37-2 B", u"38-2", u"39-2", u"40-2", u"41-2", u"44-2",
    u"Feld 42-2", u"Feld 44-2 (Ein-/Ausfuhrfrist)", u"46-2", u"31-3", u"32-3", u"33-3 A",
    u"33-3 B", u"33-3 C", u"33-3 D", u"33-3 E", u"34-3 A", u"34-3 B", u"35-3", u"36-3",
    u"37-3 A", u"37-3 B", u"38-3", u"39-3", u"40-3", u"41-3", u"44-3", u"Feld 42-3",
    u"Feld 44-3 (Ein-/Ausfuhrfrist)", u"46-3", u"47-1", u"47-2", u"47-3", u"47 (Summe)"
};

template <std::size_t N>
QString lookup(const std::array<const char16_t*, N>& names, int field)
{
    if (field < 0 || field >= int(N))
        return {};
    return QString::fromUtf16(names[std::size_t(field)]);
}

} // namespace

QString firstPage(int field)
{
    return lookup(kFirstPage, field);
}

QString continuation(int field)
{
    return lookup(kContinuation, field);
}

QString listEntry(int position)
{
    if (position >= 0 && position < FirstPageNamed)
        return QStringLiteral("Seite 1 - ") + firstPage(position);
    if (position >= FirstPageNamed && position < ListSize)
        return QStringLiteral("Seite 2 - ") + continuation(position - FirstPageNamed);
    return {};
}

} // namespace EhFieldNames
