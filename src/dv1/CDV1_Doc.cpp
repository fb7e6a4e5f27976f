#include "dv1/CDV1_Doc.h"

#include <QByteArray>

#include "dv1/DV1File.h"
#include "settings/StringTable.h"

namespace {

// Where each new continuation field of the 61-text layout takes its text in
// the old 56-text layout; -1 for the five fields the old layout lacked.
constexpr std::array<int, CDV1_Doc::ContinuationFields> kOldIndexOfNewField = [] {
    std::array<int, CDV1_Doc::ContinuationFields> map{};
    map[0] = 0;
    map[1] = -1;
    for (int j = 2; j <= 15; ++j)
        map[j] = j - 1;
    map[16] = -1;
    map[17] = 15;
    map[18] = -1;
    map[19] = 16;
    map[20] = -1;
    map[21] = 17;
    map[22] = -1;
    for (int j = 23; j <= 60; ++j)
        map[j] = j - 5;
    return map;
}();

// Word of a store field before its formats are applied: 1 for the store a
// new document starts with, 2 for pages an old file brings.
constexpr std::uint16_t kNewPageWord = 2;

} // namespace

CDV1_Doc::CDV1_Doc()
{
    DeleteContents();
}

void CDV1_Doc::DeleteContents()
{
    m_answerBoxes.fill(0);
    m_pageCount = 2;
    m_loadStatus = LoadOk;
    m_oldFirstTexts.clear();
    m_oldContinuationTexts.clear();

    m_store = FieldStore(FirstPageFields, ContinuationFields);
    ApplyFirstPageFormats();
    ApplyContinuationFormats(2);
}

QString CDV1_Doc::LoadStatusMessage(int status)
{
    return status == LoadOk ? QString() : StringTable::text(status);
}

bool CDV1_Doc::answerBox(int box) const
{
    return box >= 0 && box < AnswerBoxCount && m_answerBoxes[std::size_t(box)] != 0;
}

void CDV1_Doc::setAnswerBoxes(const QByteArray& bytes)
{
    m_answerBoxes.fill(0);
    for (qsizetype i = 0; i < bytes.size() && i < AnswerBoxCount; ++i)
        m_answerBoxes[std::size_t(i)] = std::uint8_t(bytes.at(i));
}

void CDV1_Doc::ClickAnswerBox(int box)
{
    if (box < 0 || box >= AnswerBoxCount)
        return;
    m_answerBoxes[std::size_t(box)] = 1;
    m_answerBoxes[std::size_t(box ^ 1)] = 0;
    // "No" to the first question makes the two follow-up questions moot.
    if (box == 1) {
        for (int cleared : {0, 2, 3, 4, 5})
            m_answerBoxes[std::size_t(cleared)] = 0;
    }
    setModified();
}

bool CDV1_Doc::AddContinuationPage()
{
    const int continuationPages = m_store.continuationPageCount();
    m_store.setContinuationPageCount(continuationPages + 1, kNewPageWord);
    if (m_store.continuationPageCount() == continuationPages)
        return false;
    ApplyContinuationFormats(m_store.pageCount());
    setModified();
    return true;
}

void CDV1_Doc::ApplyFirstPageFormats()
{
    for (int field = 0; field < FirstPageFields; ++field) {
        m_store.setSizeByte(field, 1, SizeIndex);
        m_store.setAlignment(field, 1, FieldStore::AlignLeft);
    }
}

void CDV1_Doc::ApplyContinuationFormats(int page)
{
    for (int field = 0; field < ContinuationFields; ++field) {
        m_store.setSizeByte(field, page, SizeIndex);
        m_store.setAlignment(field, page, FieldStore::AlignRight);
    }
    for (int field : LeftAlignedContinuationFields)
        m_store.setAlignment(field, page, FieldStore::AlignLeft);
}

void CDV1_Doc::TrimTexts()
{
    for (QString& text : m_store.firstTexts())
        text = FieldStore::trimmedRight(text);
    for (QString& text : m_store.continuationTexts())
        text = FieldStore::trimmedRight(text);
}

void CDV1_Doc::SetPageCount(int pages)
{
    pages = std::max(pages, 1);
    m_oldContinuationTexts.resize(qsizetype(ContinuationFields) * (pages - 1));
    m_pageCount = pages;
}

void CDV1_Doc::ConvertContinuationLayout()
{
    const qsizetype pages = m_oldContinuationTexts.size() / ContinuationFields;
    QList<QString> converted(pages * ContinuationFields);
    for (qsizetype k = 0; k < pages; ++k) {
        for (int j = 0; j < ContinuationFields; ++j) {
            const int old = kOldIndexOfNewField[std::size_t(j)];
            if (old >= 0)
                converted[k * ContinuationFields + j] = m_oldContinuationTexts.at(k * OldContinuationFields + old);
        }
    }
    m_oldContinuationTexts = converted;
}

void CDV1_Doc::TakeOldTexts()
{
    m_store.setContinuationPageCount(m_pageCount - 1, kNewPageWord);
    for (int field = 0; field < FirstPageFields; ++field)
        m_store.setText(field, 1, m_oldFirstTexts.value(field));
    ApplyFirstPageFormats();
    for (int page = 2; page <= m_store.pageCount(); ++page) {
        for (int field = 0; field < ContinuationFields; ++field)
            m_store.setText(field, page, m_oldContinuationTexts.value(qsizetype(page - 2) * ContinuationFields + field));
        ApplyContinuationFormats(page);
    }
    m_oldFirstTexts.clear();
    m_oldContinuationTexts.clear();
    m_loadStatus = LoadOk;
}

bool CDV1_Doc::OnSaveDocument(const QString& path, QString* error)
{
    if (!DV1File::save(path, *this, error))
        return false;
    m_path = path;
    if (m_savedObserver)
        m_savedObserver();
    return true;
}
