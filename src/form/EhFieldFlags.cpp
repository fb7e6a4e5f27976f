#include "form/EhFieldFlags.h"

#include <QString>
#include <QStringList>

#include <array>

namespace EhFieldFlags {

QList<int> parseRanges(const char* ranges)
{
    QList<int> out;
    const QStringList parts = QString::fromLatin1(ranges).split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString& raw : parts) {
        const QString part = raw.trimmed();
        const qsizetype dash = part.indexOf(QLatin1Char('-'));
        if (dash < 0) {
            out.append(part.toInt());
            continue;
        }
        const int from = part.left(dash).toInt();
        const int to = part.mid(dash + 1).toInt();
        for (int i = from; i <= to; ++i)
            out.append(i);
    }
    return out;
}

namespace {

struct Marks {
    const char* unused;       // fields with 11
    const char* notEditable;  // fields with 2
};

// Default flags per form set (0..3), first page.
constexpr std::array<Marks, 4> kFirstDefaults = {{
    {"2-8, 13, 15, 19-23, 32, 48, 60, 71, 76-95, 98-102, 104-112", "113, 114"},
    {"3-8, 13, 15, 19-21, 23, 26, 28, 30, 42, 48, 49, 66, 71, 80-95, 98-102, 104-112", "113, 114"},
    {"2-10, 13, 15, 17-23, 27-30, 32, 35-37, 40-51, 60, 71, 72, 74, 76-95, 98-102, 104-112,"
     "115, 117-120, 122-125, 127-130, 132-135, 137-140, 142-145, 147-150",
     "113, 114"},
    {"2-8, 13, 15, 19-23, 28, 32, 48, 60, 71, 76-95, 98-104, 106-112", "113, 114"},
}};

constexpr const char* kContinuationUnused013 = "0-6, 19, 30, 40, 51, 61, 72";
constexpr const char* kContinuationUnused2 =
    "0-8, 19, 30, 31, 40, 51, 52, 61, 64, 65, 72, 73,"
    "78, 80-83, 85-88, 90-93, 95-98, 100-103, 105-108, 110-114, 116-119, 121-124, 126-129,"
    "131-134, 136-139, 141-144, 146-150, 152-155, 157-160, 162-165, 167-170, 172-175, 177-180,"
    "182-186, 188, 189, 191, 192, 194, 195, 197, 198, 200, 201, 203, 204, 206, 207";

// Unused-field marks ("XXX in unbenutzten Feldern anzeigen") per form set.
constexpr std::array<const char*, 4> kFirstMarks = {
    "2, 13, 15, 19-23, 28, 32, 48, 60, 77, 86-95, 152, 153",
    "2, 13, 15, 19-23, 28, 32, 48, 60, 77, 86-91, 93-95, 152, 153",
    "2, 10, 13, 15, 18-23, 26-51, 60, 72, 74, 77, 82, 83, 86-91, 93-95, 130, 132-134, 152, 153",
    "2, 13, 15, 19-23, 28, 32, 48, 60, 77, 86-91, 93-95, 152, 153",
};
constexpr std::array<const char*, 4> kContinuationMarks = {
    "19, 40, 61, 208-213",
    "19, 40, 61, 208-213",
    "8, 19, 31, 40, 52, 61, 73, 77, 93, 95-97, 129, 131-133, 165, 167-169, 208-213",
    "19, 40, 61, 208-213",
};

QByteArray buildFirst()
{
    QByteArray table(FirstTableSize, '\0');
    for (int set = 0; set < FormSets; ++set) {
        for (int f : parseRanges(kFirstDefaults[set].unused))
            setFlag(table, f, set, Unused);
        for (int f : parseRanges(kFirstDefaults[set].notEditable))
            setFlag(table, f, set, NotEditable);
    }
    return table;
}

QByteArray buildContinuation()
{
    QByteArray table(ContinuationTableSize, '\0');
    for (int set = 0; set < FormSets; ++set) {
        for (int f : parseRanges(set == 2 ? kContinuationUnused2 : kContinuationUnused013))
            setFlag(table, f, set, Unused);
    }
    return table;
}

} // namespace

const QByteArray& defaultTable(PageKind kind)
{
    static const QByteArray first = buildFirst();
    static const QByteArray continuation = buildContinuation();
    return kind == PageKind::First ? first : continuation;
}

const QList<int>& unusedMarks(PageKind kind, int formSet)
{
    static const auto build = [](const std::array<const char*, 4>& src) {
        std::array<QList<int>, 4> lists;
        for (int i = 0; i < 4; ++i)
            lists[i] = parseRanges(src[i]);
        return lists;
    };
    static const std::array<QList<int>, 4> first = build(kFirstMarks);
    static const std::array<QList<int>, 4> continuation = build(kContinuationMarks);
    static const QList<int> none;
    if (formSet < 0 || formSet >= FormSets)
        return none;
    return kind == PageKind::First ? first[formSet] : continuation[formSet];
}

std::uint8_t flag(const QByteArray& table, int field, int formSet)
{
    const qsizetype i = qsizetype(field) * FormSets + formSet;
    if (formSet < 0 || formSet >= FormSets || field < 0 || i >= table.size())
        return 0;
    return static_cast<std::uint8_t>(table.at(i));
}

void setFlag(QByteArray& table, int field, int formSet, std::uint8_t value)
{
    const qsizetype i = qsizetype(field) * FormSets + formSet;
    if (formSet < 0 || formSet >= FormSets || field < 0 || i >= table.size())
        return;
    table[i] = char(value);
}

} // namespace EhFieldFlags
