#pragma once

#include <QList>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>

#include "dv1/DV1Field.h"
#include "form/FieldStore.h"

// One customs value declaration D.V.1: a first page of 12 fields and one or
// more continuation pages of 61 fields each, plus the fourteen yes/no answer
// boxes of the first page.
//
// The texts and attribute words live in the field store, which the document
// owns and the view's editor works on. The document itself keeps the answer
// boxes, the load status of the last read and, only while a file of the old
// 1.xx versions is read, the old text lists.
class CDV1_Doc
{
public:
    static constexpr std::uint16_t FirstPageFields = 12;
    static constexpr std::uint16_t ContinuationFields = 61;
    // Continuation pages of the 1.00 and 1.01 files had five fields fewer.
    static constexpr int OldContinuationFields = 56;
    static constexpr int AnswerBoxCount = 14;
    static constexpr std::uint8_t SizeIndex = 3;
    // Continuation fields that hold words (names, descriptions, signature)
    // rather than amounts; every other continuation field is right-aligned.
    static constexpr std::array<int, 12> LeftAlignedContinuationFields{
        Dv1Field::Item1,         Dv1Field::PriceRate,     Dv1Field::IndirectRate,     Dv1Field::DeliveryPlace,
        Dv1Field::TransportNote, Dv1Field::LoadingNote,   Dv1Field::InsuranceNote,    Dv1Field::Item2,
        Dv1Field::ForeignReference, Dv1Field::ForeignAmount, Dv1Field::ForeignRate, Dv1Field::Remarks};

    // Message numbers the view shows after opening; 0 is a clean load.
    enum LoadStatus { LoadOk = 0, UnknownFormat = 18, OlderVersion = 19, NewerVersion = 20 };

    using AnswerBoxes = std::array<std::uint8_t, AnswerBoxCount>;

    CDV1_Doc();

    // New-document state: answer boxes cleared, two pages, an empty field
    // store with the D.V.1's formats. Runs for a new document and before a
    // file is read.
    void DeleteContents();

    // The message of a non-zero load status, as the view shows it.
    static QString LoadStatusMessage(int status);

    FieldStore& fieldStore() { return m_store; }
    const FieldStore& fieldStore() const { return m_store; }
    int pageCount() const { return m_store.pageCount(); }

    int loadStatus() const { return m_loadStatus; }
    void setLoadStatus(int status) { m_loadStatus = status; }

    bool isModified() const { return m_modified; }
    void setModified(bool modified = true) { m_modified = modified; }

    // The file the document was read from or saved to; empty for a new one.
    QString path() const { return m_path; }
    void setPath(const QString& path) { m_path = path; }

    // Saves as version 3.00 (texts trimmed, the old file replaced only by a
    // complete new one), then tells the observer so that the view shows the
    // trimmed texts. Every keystroke is in the store already: nothing typed
    // is missing from the file. False with a German message on failure.
    bool OnSaveDocument(const QString& path, QString* error = nullptr);
    // Called after every successful save (the view that shows the document).
    void setSavedObserver(std::function<void()> observer) { m_savedObserver = std::move(observer); }

    const AnswerBoxes& answerBoxes() const { return m_answerBoxes; }
    bool answerBox(int box) const;
    // Takes the boxes as a file holds them; a list of another length is cut
    // or padded with cleared boxes, so the document always has fourteen.
    void setAnswerBoxes(const QByteArray& bytes);
    // A click on box j: j is set and its partner of the pair cleared; the
    // second box of the first pair also clears boxes 0, 2, 3, 4 and 5.
    // Marks the document modified.
    void ClickAnswerBox(int box);

    // Adds a continuation page with the continuation formats and marks the
    // document modified. False when the store holds the most pages it can.
    bool AddContinuationPage();

    // Size index 3 and left alignment for every first-page field.
    void ApplyFirstPageFormats();
    // Size index 3 and right alignment for every field of continuation page
    // p, then left alignment for the text fields.
    void ApplyContinuationFormats(int page);

    // Drops trailing white space from every text of the store, as saving
    // does before the field block is written.
    void TrimTexts();

    // --- Reading the 1.xx versions -------------------------------------
    QList<QString>& oldFirstTexts() { return m_oldFirstTexts; }
    QList<QString>& oldContinuationTexts() { return m_oldContinuationTexts; }
    // Sizes the old continuation list to 61 x (pages - 1) entries and
    // remembers the page count (pages >= 1).
    void SetPageCount(int pages);
    // Spreads the old continuation list from 56 to 61 texts per page; the
    // five new fields of each page stay empty.
    void ConvertContinuationLayout();
    // Moves the old lists into the field store with the D.V.1 formats and
    // empties them.
    void TakeOldTexts();

private:
    FieldStore m_store;
    QString m_path;
    std::function<void()> m_savedObserver;
    int m_loadStatus = LoadOk;
    bool m_modified = false;
    int m_pageCount = 2;
    AnswerBoxes m_answerBoxes{};
    QList<QString> m_oldFirstTexts;
    QList<QString> m_oldContinuationTexts;
};
