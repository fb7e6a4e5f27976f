#pragma once

#include <QList>
#include <QString>

#include <cstdint>
#include <functional>

#include "form/FieldStore.h"

class QIODevice;

// The Einheitspapier document: its field store and the few values the file
// keeps beside the fields (form set, continuation pages, input-tax flag,
// reserved word), plus the load status a view reports when it first opens.
//
// The document owns its store, so the model, the file formats and the
// command-line tool work without any window; a view and its field editor
// work on store().
class CEinheitspapierDoc
{
public:
    static constexpr std::uint16_t FirstPageFields = 154;
    static constexpr std::uint16_t ContinuationFields = 214;

    // Form-set indexes beside 0..3.
    static constexpr int NoFormSet = -1;     // not chosen yet
    static constexpr int ExportFormSet = 5;  // export document read from a file

    // Load status values (string table ids of the message shown on opening).
    static constexpr int LoadUnknownFormat = 18;
    static constexpr int LoadOldVersion = 19;

    // Values that only exist while a 1.x file is read and converted.
    struct LegacyValues {
        QList<QString> firstPage;      // old first-page numbering
        QList<QString> continuation;   // old numbering, 193 per continuation page
        QList<QString> texts110;       // the single text array of 1.10 files
        QList<std::uint32_t> integers; // the byte list of 1.51 files
        std::uint16_t word = 0;
        std::uint8_t byte = 0;

        void clear() { *this = LegacyValues(); }
    };

    CEinheitspapierDoc();
    virtual ~CEinheitspapierDoc();

    CEinheitspapierDoc(const CEinheitspapierDoc&) = delete;
    CEinheitspapierDoc& operator=(const CEinheitspapierDoc&) = delete;

    FieldStore& store() { return m_store; }
    const FieldStore& store() const { return m_store; }

    int formSet() const { return m_formSet; }
    void setFormSet(int formSet) { m_formSet = formSet; }

    // The store is the one place that knows how many continuation pages
    // there are; the setter gives pages it adds the attribute word 2.
    int continuationPageCount() const { return m_store.continuationPageCount(); }
    void setContinuationPageCount(int n);

    bool inputTax() const { return m_inputTax != 0; }
    void setInputTax(bool on) { m_inputTax = on ? 1 : 0; }

    std::uint32_t reservedWord() const { return m_reserved; }
    void setReservedWord(std::uint32_t word) { m_reserved = word; }

    // 0, or the id of the message to show when the view first appears.
    int loadStatus() const { return m_loadStatus; }
    void setLoadStatus(int status) { m_loadStatus = status; }

    LegacyValues& legacy() { return m_legacy; }
    const LegacyValues& legacy() const { return m_legacy; }

    bool isModified() const { return m_modified; }
    void setModified(bool modified = true) { m_modified = modified; }

    // The file the document was read from or last saved to; empty for a
    // new document.
    QString path() const { return m_path; }
    void setPath(const QString& path) { m_path = path; }

    // Back to a new document: empty store with the initial attribute words
    // and one continuation page, form values reset, then the user's
    // new-document defaults.
    void deleteContents();

    // Writes the fields the user wants in every new document. Runs at the
    // end of deleteContents(), also before a file is read, so fields that an
    // old file does not fill keep these defaults.
    virtual void applyNewDocumentDefaults();

    // Reads a document file of any supported version. On failure (the file
    // cannot be opened or is damaged) the document is left in its
    // new-document state and error says why. A refused file (unknown or too
    // old a format) is not a failure: it opens as a new document with
    // loadStatus() set. On success the path is set and, unless the file was
    // converted from an old version, the document is unmodified. Old files
    // are completed with the user's currency symbols of the moment, and the
    // document starts from the user's new-document defaults before the file
    // is read, as a newly made one would.
    bool load(const QString& path, QString* error = nullptr);
    bool read(QIODevice& device, QString* error = nullptr);

    // Writes the current file version. The old file is replaced only after
    // the new one has been written completely; then the saved observer runs.
    bool save(const QString& path, QString* error = nullptr);
    // Called after every successful save (the view keeps its undo history's
    // saved state by it).
    void setSavedObserver(std::function<void()> observer) { m_savedObserver = std::move(observer); }
    bool write(QIODevice& device) const;

private:
    void resetStore();

    FieldStore m_store;
    int m_formSet = NoFormSet;
    std::uint8_t m_inputTax = 0;
    std::uint32_t m_reserved = 0;
    int m_loadStatus = 0;
    LegacyValues m_legacy;
    bool m_modified = false;
    QString m_path;
    std::function<void()> m_savedObserver;
};
