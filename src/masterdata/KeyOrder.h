#pragma once

#include <QList>
#include <QStringView>

#include <algorithm>
#include <vector>

// Ordering many records by a text key each, as the sort index of a table and
// the lists of the goods dialog need it for 100,000 records at a time.
//
// Keys that are sorted next to each other share long beginnings ("Schrauben
// M6 ...", "Schrauben M8 ..."), so comparing whole keys again and again
// spends most of its time on those. The keys are instead partitioned one
// character position after the other (three-way radix quicksort): each
// character of a key is looked at about once per partitioning step.
namespace keyorder {

namespace detail {

struct Entry {
    const char16_t* key;
    qsizetype length;
    qsizetype position;
};

// The character at depth, or -1 past the end: a key comes before the longer
// keys it begins.
inline int charAt(const Entry& e, qsizetype depth)
{
    return depth < e.length ? int(e.key[depth]) : -1;
}

// The whole order from depth on (the characters before are equal): the keys,
// then the position.
inline bool less(const Entry& a, const Entry& b, qsizetype depth)
{
    const qsizetype n = std::min(a.length, b.length);
    for (qsizetype i = depth; i < n; ++i) {
        if (a.key[i] != b.key[i])
            return a.key[i] < b.key[i];
    }
    if (a.length != b.length)
        return a.length < b.length;
    return a.position < b.position;
}

inline void insertionSort(Entry* first, Entry* last, qsizetype depth)
{
    for (Entry* i = first + 1; i < last; ++i) {
        const Entry v = *i;
        Entry* j = i;
        for (; j > first && less(v, j[-1], depth); --j)
            *j = j[-1];
        *j = v;
    }
}

inline int median(int a, int b, int c)
{
    return std::max(std::min(a, b), std::min(std::max(a, b), c));
}

// budget: partitioning steps that leave most keys at the same character
// position, left before an unlucky run of pivots falls back to comparing
// whole keys; that bounds the time in any case.
inline void sort(Entry* first, Entry* last, qsizetype depth, int budget)
{
    while (last - first > 16) {
        if (budget == 0) {
            std::sort(first, last, [depth](const Entry& a, const Entry& b) { return less(a, b, depth); });
            return;
        }
        const qsizetype n = last - first;
        const int pivot = median(charAt(first[0], depth), charAt(first[n / 2], depth), charAt(last[-1], depth));
        // [first, lt) below the pivot, [lt, gt) equal to it, [gt, last) above.
        Entry* lt = first;
        Entry* gt = last;
        for (Entry* i = first; i < gt;) {
            const int c = charAt(*i, depth);
            if (c < pivot)
                std::swap(*lt++, *i++);
            else if (c > pivot)
                std::swap(*i, *--gt);
            else
                ++i;
        }
        // The smaller parts by recursion, so that the stack stays shallow.
        struct Part {
            Entry* first;
            Entry* last;
            qsizetype depth;
        };
        Part parts[3] = {{first, lt, depth}, {gt, last, depth}, {lt, gt, depth + 1}};
        if (pivot < 0) {
            // Keys that ended here are equal: they keep their position order.
            std::sort(lt, gt, [](const Entry& a, const Entry& b) { return a.position < b.position; });
            parts[2] = {lt, lt, depth};
        }
        std::sort(std::begin(parts), std::end(parts),
                  [](const Part& a, const Part& b) { return a.last - a.first < b.last - b.first; });
        sort(parts[0].first, parts[0].last, parts[0].depth, budget);
        sort(parts[1].first, parts[1].last, parts[1].depth, budget);
        if (parts[2].depth == depth)
            --budget;
        first = parts[2].first;
        last = parts[2].last;
        depth = parts[2].depth;
    }
    if (last - first > 1)
        insertionSort(first, last, depth);
}

} // namespace detail

// The positions 0..count-1 in the order of their keys (keyOf(position), a
// QStringView that stays valid meanwhile), compared character by character
// as UTF-16 code units, a key before every longer key it begins; equal keys
// keep their position order.
template<typename KeyOf>
QList<qsizetype> stableOrder(qsizetype count, KeyOf keyOf)
{
    std::vector<detail::Entry> entries(size_t(std::max<qsizetype>(count, 0)));
    for (qsizetype p = 0; p < count; ++p) {
        const QStringView key = keyOf(p);
        entries[size_t(p)] = {key.utf16(), key.size(), p};
    }
    int budget = 64;
    for (qsizetype n = count; n > 1; n /= 2)
        budget += 4;
    detail::sort(entries.data(), entries.data() + entries.size(), 0, budget);
    QList<qsizetype> order(count);
    for (qsizetype i = 0; i < count; ++i)
        order[i] = entries[size_t(i)].position;
    return order;
}

} // namespace keyorder
