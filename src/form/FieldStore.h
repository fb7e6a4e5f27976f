#pragma once

#include <QList>
#include <QString>

#include <cstdint>

// The texts and attribute words of every field of a form document.
//
// One set of N1 fields for the first page and one flat set for all
// continuation pages, N2 fields each: field i of page p >= 2 sits at
// N2 * (p - 2) + i. The page word carries the page count in its low byte and
// 0x1000 for a document kind without continuation pages (0x2000 with).
//
// Page arguments: 1 is the first page, p >= 2 a continuation page, 0 the
// current page.
class FieldStore
{
public:
    enum Alignment : std::uint16_t { AlignLeft = 0x000, AlignCenter = 0x100, AlignRight = 0x200 };

    static constexpr std::uint16_t SizeMask = 0x000F;
    static constexpr std::uint16_t BoldBit = 0x0010;
    static constexpr std::uint16_t AlignMask = 0x0F00;
    static constexpr std::uint16_t SinglePageWord = 0x1000;
    static constexpr int MaxSizeStep = 4;

    FieldStore() = default;
    FieldStore(std::uint16_t n1, std::uint16_t n2) { setCounts(n1, n2, true); }

    QString text(int field, int page = 0) const;
    void setText(int field, int page, const QString& text);
    int textLength(int field, int page = 0) const;

    std::uint16_t attr(int field, int page = 0) const;
    void setAttr(int field, int page, std::uint16_t word);
    // Sets the whole low byte (size steps and bold), keeps the high byte.
    void setSizeByte(int field, int page, std::uint8_t value);
    void setAlignment(int field, int page, Alignment alignment);
    static Alignment alignmentOf(std::uint16_t word);

    // The formatting commands of the field editor on one field. Each returns
    // whether the word changed; a step beyond 0..4 leaves it alone.
    static bool canFontLarger(std::uint16_t word) { return (word & SizeMask) <= 3; }
    static bool canFontSmaller(std::uint16_t word) { return (word & SizeMask) != 0; }
    bool fontLarger(int field, int page);
    bool fontSmaller(int field, int page);
    void toggleBold(int field, int page);

    // Resizes both page kinds (continuation arrays to N2 * (pages - 1)) and
    // sets the page word to 0x2002 or 0x1000. With fill, words beyond the old
    // sizes become 1.
    void setCounts(std::uint16_t n1, std::uint16_t n2, bool fill);
    // Rebuilds the store with larger counts, keeping every text and word at
    // its field index and page. Refused (false) when a count would shrink.
    bool growCounts(std::uint16_t n1, std::uint16_t n2);
    // Resizes the continuation arrays to n pages; words of added pages get
    // initialWord.
    void setContinuationPageCount(int n, std::uint16_t initialWord);

    int pageCount() const;
    int continuationPageCount() const { return pageCount() - 1; }
    std::uint16_t pageWord() const { return m_pageWord; }
    void setPageWord(std::uint16_t word) { m_pageWord = word; }
    std::uint16_t firstPageFieldCount() const { return m_n1; }
    std::uint16_t continuationFieldCount() const { return m_n2; }
    // Field count of the page kind of a page (N1 for page 1, else N2).
    int fieldCount(int page) const;

    int currentPage() const { return m_currentPage; }
    int currentField() const { return m_currentField; }
    void setCurrent(int page, int field) { m_currentPage = page; m_currentField = field; }

    // Direct access for the serialisers.
    const QList<QString>& firstTexts() const { return m_firstTexts; }
    const QList<std::uint16_t>& firstWords() const { return m_firstWords; }
    const QList<QString>& continuationTexts() const { return m_contTexts; }
    const QList<std::uint16_t>& continuationWords() const { return m_contWords; }
    QList<QString>& firstTexts() { return m_firstTexts; }
    QList<std::uint16_t>& firstWords() { return m_firstWords; }
    QList<QString>& continuationTexts() { return m_contTexts; }
    QList<std::uint16_t>& continuationWords() { return m_contWords; }

    // Trailing white space of a text, as it is dropped before saving.
    static QString trimmedRight(const QString& text);
    // The same in place.
    static void trimRight(QString& text);

private:
    int resolvePage(int page) const { return page == 0 ? m_currentPage : page; }
    // Index into the array of the page's kind, or -1 when out of range.
    int slot(int field, int page) const;

    std::uint16_t m_n1 = 0;
    std::uint16_t m_n2 = 0;
    std::uint16_t m_pageWord = SinglePageWord;
    int m_currentPage = 1;
    int m_currentField = 0;
    QList<QString> m_firstTexts;
    QList<std::uint16_t> m_firstWords;
    QList<QString> m_contTexts;
    QList<std::uint16_t> m_contWords;
};
