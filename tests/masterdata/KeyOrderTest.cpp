// Ordering many keys at once: the same order as comparing whole texts, ties
// in position order, whatever the keys share or hold.
#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>
#include <numeric>

#include "masterdata/KeyOrder.h"

namespace {

// What the order must be: whole texts compared by UTF-16 code units, a
// stable sort keeping equal keys in position order.
QList<qsizetype> reference(const QStringList& keys)
{
    QList<qsizetype> order(keys.size());
    std::iota(order.begin(), order.end(), qsizetype(0));
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) { return keys[a] < keys[b]; });
    return order;
}

QList<qsizetype> ordered(const QStringList& keys)
{
    return keyorder::stableOrder(keys.size(), [&](qsizetype p) { return QStringView(keys[p]); });
}

} // namespace

TEST(KeyOrder, MatchesWholeTextComparisonOnKeysWithLongCommonBeginnings)
{
    // Few letters, long shared beginnings, many ties, empty keys, NULs
    // (a key with a NUL behind it is longer, not equal), surrogates and the
    // highest code unit.
    const QList<char16_t> letters = {u'a', u'A', u'b', u' ', u'\0', u'\u00E4', u'\xD83D', u'\xFFFF'};
    const QStringList beginnings = {QString(), QStringLiteral("Schrauben M"), QStringLiteral("Schrauben M6 aus Stahl, "),
                                    QString(20, QLatin1Char('x'))};
    QRandomGenerator rng(815);
    for (int round = 0; round < 20; ++round) {
        QStringList keys;
        const int count = round < 10 ? int(rng.bounded(40)) : 3000;
        for (int i = 0; i < count; ++i) {
            QString key = beginnings.at(rng.bounded(beginnings.size()));
            for (int n = int(rng.bounded(round % 2 ? 3 : 12)); n > 0; --n)
                key += QChar(letters.at(rng.bounded(letters.size())));
            keys.append(key);
        }
        ASSERT_EQ(ordered(keys), reference(keys)) << "round " << round;
    }
}

TEST(KeyOrder, KeepsPositionOrderOnEqualAndPresortedKeys)
{
    // Inputs on which a careless choice of the middle goes quadratic or
    // loses the order of ties.
    const QStringList same(5000, QStringLiteral("Kartons"));
    EXPECT_EQ(ordered(same), reference(same));
    QStringList ascending, descending;
    for (int i = 0; i < 5000; ++i) {
        ascending.append(QStringLiteral("Artikel %1").arg(i, 5, 10, QLatin1Char('0')));
        descending.prepend(ascending.constLast());
    }
    EXPECT_EQ(ordered(ascending), reference(ascending));
    EXPECT_EQ(ordered(descending), reference(descending));
    EXPECT_TRUE(ordered({}).isEmpty());
}
