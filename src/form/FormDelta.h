#pragma once

#include <QList>
#include <QMap>
#include <QString>

#include <cstdint>

class FieldStore;

// One change of a form document as undo and redo keep it: the texts and
// attribute words that differ, the page count and page word, and the
// document's own values beside the fields (form set, answer boxes, ...).
// Only what differs is kept, so a step of a document with many continuation
// sheets stays small.
class FormDelta
{
public:
    // The difference between two states of the same document kind.
    static FormDelta between(const FieldStore& before, const QList<int>& valuesBefore, const FieldStore& after,
                             const QList<int>& valuesAfter);
    // One field's text changed from before to after (typing); nothing else.
    static FormDelta ofText(const FieldStore& store, int field, int page, const QString& before,
                            const QString& after);

    bool isEmpty() const;

    // Takes a later change into this one: the result leads from this
    // change's before to the later change's after.
    void append(const FormDelta& later);

    // Puts the store and the values into the state before, or after, the
    // change.
    void undo(FieldStore& store, QList<int>& values) const { apply(store, values, false); }
    void redo(FieldStore& store, QList<int>& values) const { apply(store, values, true); }

private:
    struct Side {
        QString text;
        std::uint16_t word = 0;
        bool operator==(const Side&) const = default;
    };
    struct Entry {
        Side before;
        Side after;
    };
    // Key: the field's slot in the store's first-page arrays, or in its
    // continuation arrays with ContinuationKey added.
    static constexpr qint64 ContinuationKey = qint64(1) << 32;

    void apply(FieldStore& store, QList<int>& values, bool forward) const;

    QMap<qint64, Entry> m_entries;
    int m_pagesBefore = 0;   // continuation pages
    int m_pagesAfter = 0;
    std::uint16_t m_pageWordBefore = 0;
    std::uint16_t m_pageWordAfter = 0;
    QList<int> m_valuesBefore;
    QList<int> m_valuesAfter;
};
