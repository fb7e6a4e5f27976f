#include "form/FieldStore.h"

int FieldStore::slot(int field, int page) const
{
    page = resolvePage(page);
    if (field < 0)
        return -1;
    if (page <= 1)
        return field < m_n1 && field < m_firstTexts.size() ? field : -1;
    if (field >= m_n2)
        return -1;
    const qsizetype index = qsizetype(m_n2) * (page - 2) + field;
    return index < m_contTexts.size() ? int(index) : -1;
}

int FieldStore::fieldCount(int page) const
{
    return resolvePage(page) <= 1 ? m_n1 : m_n2;
}

QString FieldStore::text(int field, int page) const
{
    const int i = slot(field, page);
    if (i < 0)
        return {};
    return resolvePage(page) <= 1 ? m_firstTexts.at(i) : m_contTexts.at(i);
}

void FieldStore::setText(int field, int page, const QString& text)
{
    const int i = slot(field, page);
    if (i < 0)
        return;
    (resolvePage(page) <= 1 ? m_firstTexts : m_contTexts)[i] = text;
}

int FieldStore::textLength(int field, int page) const
{
    return int(text(field, page).size());
}

std::uint16_t FieldStore::attr(int field, int page) const
{
    const int i = slot(field, page);
    if (i < 0)
        return 0;
    return resolvePage(page) <= 1 ? m_firstWords.at(i) : m_contWords.at(i);
}

void FieldStore::setAttr(int field, int page, std::uint16_t word)
{
    const int i = slot(field, page);
    if (i < 0)
        return;
    (resolvePage(page) <= 1 ? m_firstWords : m_contWords)[i] = word;
}

void FieldStore::setSizeByte(int field, int page, std::uint8_t value)
{
    setAttr(field, page, std::uint16_t((attr(field, page) & 0xFF00) | value));
}

void FieldStore::setAlignment(int field, int page, Alignment alignment)
{
    setAttr(field, page, std::uint16_t((attr(field, page) & ~AlignMask) | alignment));
}

FieldStore::Alignment FieldStore::alignmentOf(std::uint16_t word)
{
    switch (word & AlignMask) {
    case AlignCenter: return AlignCenter;
    case AlignRight: return AlignRight;
    default: return AlignLeft;
    }
}

bool FieldStore::fontLarger(int field, int page)
{
    const std::uint16_t word = attr(field, page);
    if (!canFontLarger(word))
        return false;
    setAttr(field, page, std::uint16_t(word + 1));
    return true;
}

bool FieldStore::fontSmaller(int field, int page)
{
    const std::uint16_t word = attr(field, page);
    if (!canFontSmaller(word))
        return false;
    setAttr(field, page, std::uint16_t(word - 1));
    return true;
}

void FieldStore::toggleBold(int field, int page)
{
    setAttr(field, page, std::uint16_t(attr(field, page) ^ BoldBit));
}

int FieldStore::pageCount() const
{
    if (m_pageWord == SinglePageWord)
        return 1;
    return m_pageWord & 0xFF;
}

void FieldStore::setCounts(std::uint16_t n1, std::uint16_t n2, bool fill)
{
    // A store with a continuation kind always holds at least one
    // continuation page, matching the page word 0x2002 set below.
    const int continuationPages = std::max(1, pageCount() - 1);
    const qsizetype oldFirst = m_firstWords.size();
    const qsizetype oldCont = m_contWords.size();
    m_n1 = n1;
    m_n2 = n2;
    m_firstTexts.resize(n1);
    m_firstWords.resize(n1, 0);
    const qsizetype contSize = qsizetype(n2) * continuationPages;
    m_contTexts.resize(contSize);
    m_contWords.resize(contSize, 0);
    if (fill) {
        for (qsizetype i = oldFirst; i < m_firstWords.size(); ++i)
            m_firstWords[i] = 1;
        for (qsizetype i = oldCont; i < m_contWords.size(); ++i)
            m_contWords[i] = 1;
    }
    m_pageWord = n2 != 0 ? 0x2002 : SinglePageWord;
    if (n2 == 0) {
        m_contTexts.clear();
        m_contWords.clear();
    }
}

bool FieldStore::growCounts(std::uint16_t n1, std::uint16_t n2)
{
    if (n1 < m_n1 || n2 < m_n2)
        return false;
    const FieldStore old = *this;
    const int oldContinuationPages = old.continuationPageCount();
    // Start from empty arrays so that every new slot gets the fill word
    // instead of a value left over from the old, narrower layout.
    m_firstTexts.clear();
    m_firstWords.clear();
    m_contTexts.clear();
    m_contWords.clear();
    m_pageWord = SinglePageWord;
    setCounts(n1, n2, true);
    if (n2 != 0 && old.m_n2 != 0)
        setContinuationPageCount(oldContinuationPages, 2);
    for (int f = 0; f < old.m_n1; ++f) {
        setText(f, 1, old.text(f, 1));
        setAttr(f, 1, old.attr(f, 1));
    }
    for (int p = 2; p <= oldContinuationPages + 1; ++p) {
        for (int f = 0; f < old.m_n2; ++f) {
            setText(f, p, old.text(f, p));
            setAttr(f, p, old.attr(f, p));
        }
    }
    return true;
}

void FieldStore::setContinuationPageCount(int n, std::uint16_t initialWord)
{
    n = std::clamp(n, 0, 0xFE);
    const qsizetype oldSize = m_contWords.size();
    const qsizetype newSize = qsizetype(m_n2) * n;
    m_contTexts.resize(newSize);
    m_contWords.resize(newSize, 0);
    for (qsizetype i = oldSize; i < newSize; ++i)
        m_contWords[i] = initialWord;
    m_pageWord = std::uint16_t((m_pageWord & 0xFF00) | ((1 + n) & 0xFF));
}

void FieldStore::trimRight(QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    if (end < text.size())
        text.truncate(end);
}

QString FieldStore::trimmedRight(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return text.left(end);
}
