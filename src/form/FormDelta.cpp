#include "form/FormDelta.h"

#include <algorithm>

#include "form/FieldStore.h"

namespace {

// The slot of a field in the arrays of its page kind.
qint64 slotOf(const FieldStore& store, int field, int page)
{
    return page <= 1 ? field : qint64(store.continuationFieldCount()) * (page - 2) + field;
}

} // namespace

FormDelta FormDelta::between(const FieldStore& before, const QList<int>& valuesBefore, const FieldStore& after,
                             const QList<int>& valuesAfter)
{
    FormDelta d;
    d.m_pagesBefore = before.continuationPageCount();
    d.m_pagesAfter = after.continuationPageCount();
    d.m_pageWordBefore = before.pageWord();
    d.m_pageWordAfter = after.pageWord();
    d.m_valuesBefore = valuesBefore;
    d.m_valuesAfter = valuesAfter;

    // A slot that one side does not have counts as empty with word 0, which
    // is also what a page gets when undo or redo brings it back.
    const auto compare = [&d](const QList<QString>& textsBefore, const QList<std::uint16_t>& wordsBefore,
                              const QList<QString>& textsAfter, const QList<std::uint16_t>& wordsAfter,
                              qint64 offset) {
        const qsizetype n = std::max(textsBefore.size(), textsAfter.size());
        for (qsizetype i = 0; i < n; ++i) {
            Side b;
            Side a;
            if (i < textsBefore.size()) {
                b.text = textsBefore.at(i);
                b.word = i < wordsBefore.size() ? wordsBefore.at(i) : 0;
            }
            if (i < textsAfter.size()) {
                a.text = textsAfter.at(i);
                a.word = i < wordsAfter.size() ? wordsAfter.at(i) : 0;
            }
            if (!(a == b))
                d.m_entries.insert(offset + i, {b, a});
        }
    };
    compare(before.firstTexts(), before.firstWords(), after.firstTexts(), after.firstWords(), 0);
    compare(before.continuationTexts(), before.continuationWords(), after.continuationTexts(),
            after.continuationWords(), ContinuationKey);
    return d;
}

FormDelta FormDelta::ofText(const FieldStore& store, int field, int page, const QString& before,
                            const QString& after)
{
    FormDelta d;
    d.m_pagesBefore = d.m_pagesAfter = store.continuationPageCount();
    d.m_pageWordBefore = d.m_pageWordAfter = store.pageWord();
    const std::uint16_t word = store.attr(field, page);
    if (before != after)
        d.m_entries.insert((page <= 1 ? 0 : ContinuationKey) + slotOf(store, field, page),
                           {{before, word}, {after, word}});
    return d;
}

bool FormDelta::isEmpty() const
{
    return m_entries.isEmpty() && m_pagesBefore == m_pagesAfter && m_pageWordBefore == m_pageWordAfter
           && m_valuesBefore == m_valuesAfter;
}

void FormDelta::append(const FormDelta& later)
{
    for (auto it = later.m_entries.cbegin(); it != later.m_entries.cend(); ++it) {
        auto mine = m_entries.find(it.key());
        if (mine == m_entries.end()) {
            m_entries.insert(it.key(), it.value());
        } else {
            mine->after = it->after;
            if (mine->after == mine->before)
                m_entries.erase(mine);
        }
    }
    m_pagesAfter = later.m_pagesAfter;
    m_pageWordAfter = later.m_pageWordAfter;
    // A typing step keeps no values; the values of the other change stand
    // for both.
    if (!later.m_valuesBefore.isEmpty() || !later.m_valuesAfter.isEmpty()) {
        if (m_valuesBefore.isEmpty() && m_valuesAfter.isEmpty())
            m_valuesBefore = later.m_valuesBefore;
        m_valuesAfter = later.m_valuesAfter;
    }
}

void FormDelta::apply(FieldStore& store, QList<int>& values, bool forward) const
{
    const int pages = forward ? m_pagesAfter : m_pagesBefore;
    if (store.continuationPageCount() != pages)
        store.setContinuationPageCount(pages, 0);
    QList<QString>& firstTexts = store.firstTexts();
    QList<std::uint16_t>& firstWords = store.firstWords();
    QList<QString>& contTexts = store.continuationTexts();
    QList<std::uint16_t>& contWords = store.continuationWords();
    for (auto it = m_entries.cbegin(); it != m_entries.cend(); ++it) {
        const Side& side = forward ? it->after : it->before;
        const bool continuation = it.key() >= ContinuationKey;
        const qsizetype i = continuation ? it.key() - ContinuationKey : it.key();
        QList<QString>& texts = continuation ? contTexts : firstTexts;
        QList<std::uint16_t>& words = continuation ? contWords : firstWords;
        // Slots of a page that this side does not have went with the page.
        if (i < texts.size())
            texts[i] = side.text;
        if (i < words.size())
            words[i] = side.word;
    }
    store.setPageWord(forward ? m_pageWordAfter : m_pageWordBefore);
    const QList<int>& v = forward ? m_valuesAfter : m_valuesBefore;
    if (!v.isEmpty())
        values = v;
}
