#include "form/FieldBlock.h"

#include "form/Archive.h"
#include "form/FieldStore.h"

namespace FieldBlock {

void write(ArchiveWriter& out, const FieldStore& store)
{
    out.u16(Magic);
    out.u16(Version);
    out.stringArray(store.firstTexts(), ArchiveWriter::TrailingSpace::Drop);
    out.wordArray(store.firstWords());
    out.u16(store.pageWord());
    out.u16(store.continuationFieldCount());
    out.stringArray(store.continuationTexts(), ArchiveWriter::TrailingSpace::Drop);
    out.wordArray(store.continuationWords());
}

ReadResult read(ArchiveReader& in, FieldStore& store)
{
    const quint16 magic = in.u16();
    if (!in.ok())
        return ReadResult::FormatError;
    if (magic != Magic) {
        store.setCounts(1, 0, true);
        return ReadResult::Foreign;
    }
    const quint16 version = in.u16();
    if (!in.ok())
        return ReadResult::FormatError;
    if (version > Version) {
        store.setCounts(1, 0, true);
        return ReadResult::Foreign;
    }

    QList<QString> texts = in.stringArray();
    QList<std::uint16_t> words = in.wordArray();
    if (!in.ok())
        return ReadResult::FormatError;
    for (QString& t : texts)
        FieldStore::trimRight(t);

    // The store keeps at least as many first-page fields as the file holds;
    // a file with fewer is padded with empty fields.
    // (Whether it grows is settled before the counts change.)
    const bool grows = texts.size() > store.firstPageFieldCount();
    const qsizetype n1 = grows ? texts.size() : store.firstPageFieldCount();
    if (n1 > 0xFFFF)
        return ReadResult::FormatError;
    store.setCounts(quint16(n1), 0, grows);
    texts.resize(n1);
    // A word array of another length than the texts is padded with the
    // word a grown store gets, or cut.
    const qsizetype oldWords = words.size();
    words.resize(n1);
    for (qsizetype i = oldWords; i < n1; ++i)
        words[i] = grows ? 1 : 0;
    store.firstTexts() = std::move(texts);
    store.firstWords() = std::move(words);

    if (version < 2) {
        store.setCounts(quint16(n1), 0, false);
        return ReadResult::Ok;
    }

    const quint16 pageWord = in.u16();
    const quint16 n2 = in.u16();
    if (!in.ok())
        return ReadResult::FormatError;
    store.setCounts(quint16(n1), n2, false);
    QList<QString> contTexts = in.stringArray();
    QList<std::uint16_t> contWords = in.wordArray();
    if (!in.ok())
        return ReadResult::FormatError;
    for (QString& t : contTexts)
        FieldStore::trimRight(t);

    // The arrays, not the page word, decide how many continuation pages
    // there are: a page word that promises more pages than the file holds
    // must not make us invent them.
    const qsizetype pages = n2 == 0 ? 0 : std::min<qsizetype>(contTexts.size() / n2, 0xFE);
    contTexts.resize(pages * n2);
    const qsizetype oldCont = contWords.size();
    contWords.resize(pages * n2);
    for (qsizetype i = oldCont; i < contWords.size(); ++i)
        contWords[i] = 1;
    store.continuationTexts() = std::move(contTexts);
    store.continuationWords() = std::move(contWords);
    if (n2 == 0 && pageWord == FieldStore::SinglePageWord)
        store.setPageWord(pageWord);
    else
        store.setPageWord(quint16((pageWord & 0xFF00) | ((pages + 1) & 0xFF)));
    return ReadResult::Ok;
}

} // namespace FieldBlock
