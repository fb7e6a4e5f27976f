#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>

#include "masterdata/DbfHeader.h"
#include "masterdata/DbfSortIndex.h"

// One dBase III table file (version 0x03 written, 0x03 and 0x83 read; field
// types C, N, L and D; no memo file). The table works on one current record
// at a time, held in a record buffer, and reads and writes single records in
// place; every write is flushed at once. Field positions count from 0,
// record numbers from 1.
//
// Failures of opening, creating and writing the index file leave a message
// for the user in errorMessage(); the caller shows it.
class DbfTableLock;

class CdBaseDocument
{
public:
    // Result codes of the field operations.
    enum Result {
        Ok = 0,
        NoCurrentRecord = -2,
        WrongType = -3,
        NotShort = -4,          // GetShort: the value does not fit 16 bits
        HasDecimals = -5,       // integer access to an N field with decimals
        NoDecimals = -6,        // SetDouble on an N field without decimals
        LogicalDecimals = -7,   // GetLogical on an L field with decimals
        TooLong = -8,           // the value is longer than the field
        InvalidDate = -9,
    };
    static constexpr int MaxRecordLength = DbfHeader::MaxRecordLength;

    CdBaseDocument();
    ~CdBaseDocument();
    CdBaseDocument(const CdBaseDocument&) = delete;
    CdBaseDocument& operator=(const CdBaseDocument&) = delete;

    // --- document life ----------------------------------------------------
    // Empties the table state: fields, current record, record count, sort
    // keys and index, auto-write and dirty. The file stays as it is.
    void DeleteContents();
    // Closes any table and empties the state; auto-write off.
    bool OnNewDocument();
    // Opens a table for reading and writing (or only reading). The file name
    // is matched without regard to case. False with errorMessage() set when
    // the file cannot be opened or its header is refused.
    bool OnOpenDocument(const QString& path, bool readOnly = false);
    QString errorMessage() const { return m_error; }
    QString GetPathName() const { return m_path; }
    bool IsOpen() const { return m_file.isOpen(); }
    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true) { m_modified = modified; }

    // --- records ----------------------------------------------------------
    qint64 ReadRecordByIndex(qint64 position);
    qint64 ReadRecord(qint64 n);
    // Writes the buffer as record n (1..count + 1) and makes it active.
    // Writing count + 1 appends: under an exclusive lock on the table the
    // record count is read again from the file, so the record goes behind
    // whatever another program appended meanwhile. Returns the number the
    // record was written as, or -1.
    qint64 WriteRecord(qint64 n);
    // Reads records first..last one after the other, as ReadRecord would,
    // and calls visit with each record number while it is the current one
    // (a record the visitor changes is written back). The file is read in
    // large blocks. Stops where the file ends; returns the records visited.
    qint64 ReadRecords(qint64 first, qint64 last, const std::function<void(qint64)>& visit);
    qint64 WriteRecordByIndex(qint64 position);
    // Starts a record that is not in the table yet: the buffer is filled
    // with blanks (an empty value for every field type) and becomes the
    // current record count + 1, to be appended by WriteRecord of that
    // number. Returns that number, or -1 without an open table.
    qint64 NewRecord();
    qint64 DeleteRecord(qint64 n);
    // Forgets what was set in the buffer since it was read: the current
    // record is read again, a new one not yet written is dropped.
    void DiscardChanges();

    // Appending several records as one: after BeginAppend the table is
    // locked against other writers, and the records appended (WriteRecord of
    // a new record) go behind its end without raising the record count in
    // the file. CommitAppend raises it once, so other readers see every new
    // record or none; RollbackAppend (or a failed commit) cuts the file
    // back to where the table ended. Rewriting existing records in between
    // is written at once as always.
    bool BeginAppend();
    bool CommitAppend();
    void RollbackAppend();
    bool IsAppending() const { return m_appendLock != nullptr; }
    void SetAutoWrite(bool on) { m_autoWrite = on; }
    bool IsRecordActive() const { return m_record[0] == ' '; }
    bool IsCurrentRecordActive() const { return m_recordActive; }
    qint64 GetCurrentRecord() const { return m_current; }
    // Rereads the record count from the file first.
    qint64 GetRecordCount();
    // The records the file really holds, at most the record count: a file
    // cut short (or a hostile count) never makes a caller loop or allocate
    // for records that are not there.
    qint64 GetRecordsInFile() const;
    void CloseTable();

    // --- table layout -----------------------------------------------------
    // Appends a field; the name is turned to upper case. Returns the new
    // field count, or -1 when the field is refused (an unknown type, a name
    // longer than 10 characters, a length or decimal count above 255 or a
    // record that would exceed 4000 bytes).
    int AddField(const QString& name, char type, int length, int decimals);
    // Creates (truncates) the table with the fields added before, as a
    // Windows ANSI table (language driver 0x03). An existing file, in any
    // spelling of its name, is left untouched unless overwrite is 1.
    // Returns 1 or 0.
    int CreateTable(const QString& path, int overwrite);
    int GetFieldCount() const { return int(m_header.fields.size()); }
    int GetFieldInfo(int position, QString& name, char& type, int& length, int& decimals) const;
    int GetFieldOffset(int position) const;
    int GetRecordLength() const { return m_header.recordLength; }
    int GetHeaderLength() const { return m_header.headerLength; }
    // Field position by name (case-insensitive), -1 when there is none.
    int FindField(const QString& name) const;

    // --- header -----------------------------------------------------------
    int ReadHeader();            // version byte, or 0 when refused
    int WriteHeader();           // 1 or 0
    int WriteHeaderAndFields();  // 1 or 0
    void SetUpdateDate(int year, int month, int day);
    void GetUpdateDate(int& year, int& month, int& day) const;
    void StampToday();
    int GetVersion() const { return m_header.version; }
    // Header byte 29 and the code page it names: text fields are read and
    // written in it.
    std::uint8_t GetLanguageDriver() const { return m_header.languageDriver; }
    const DbfCodePage& codePage() const { return m_header.codePage(); }
    // The bytes a text takes in a character field of this table.
    qsizetype StoredLength(const QString& text) const;
    bool ReadFieldDescriptors();
    bool WriteFieldDescriptors();

    // --- sort index -------------------------------------------------------
    // Builds the index over a C or N field from the active records, in key
    // order (N keys as their integer text), and saves the index file.
    // 0, or -1 for another field type, an empty table or a failed save.
    int BuildSortIndex(int field);
    // Orders the existing keys again, saves and rereads the current record.
    void SortIndex();
    int SaveIndexFile();
    void AddIndexKey(const QString& key);
    QString GetIndexKey(qint64 position) const;
    qint64 GetIndexSize() const { return m_index.size(); }
    qint64 GetCurrentIndexPosition() const { return m_index.currentPosition(); }
    std::int64_t GetIndexTimeStamp() const { return m_index.timeStamp(); }

    // --- field values -----------------------------------------------------
    int GetString(int field, QString& value) const;
    int SetString(int field, const QString& value);
    int SetStringBytes(int field, const QByteArray& value);
    int GetLongValue(int field) const;
    int GetLong(int field, std::int32_t& value) const;
    int SetLong(int field, std::int32_t value);
    // The whole integer of an N field without decimals (up to 19 digits).
    int GetInt64(int field, std::int64_t& value) const;
    int GetShort(int field, std::uint16_t& value) const;
    int SetShort(int field, std::uint16_t value);
    int GetDouble(int field, double& value) const;
    int SetDouble(int field, double value);
    int GetLogical(int field, bool& value) const;
    int SetLogical(int field, bool value);
    int GetDateRaw(int field, QByteArray& value) const;
    int GetDateText(int field, QByteArray& value) const;
    int GetDate(int field, QString& value) const;
    int SetDateText(int field, const QString& text);
    int SetDate(int field, int day, int month, int year);
    // The raw bytes of a field in the current record.
    QByteArray GetFieldBytes(int field) const;
    // The same without a copy, for going through many records: valid until
    // the record buffer changes (the next read, set or new record).
    QByteArrayView GetFieldView(int field) const;

    // "1.2.2009" -> "01.02.2009"; empty when day, month or year is missing
    // or not positive.
    static void NormaliseDate(QString& text);

private:
    bool openFile(const QString& path, QIODevice::OpenMode mode);
    void fail(const QString& message);
    void clearBuffer(char fill);
    bool writeAt(qint64 offset, const char* data, qint64 size);
    qint64 recordOffset(qint64 n) const;
    qint64 appendRecord();
    // The end of the table: the 0x1A mark behind the last counted record.
    bool writeEndMark();
    const DbfField* fieldOf(int field) const;
    // Common checks of the field operations: current record, then type.
    int checkField(int field, char type) const;
    // Puts text into the field (left-aligned, or right-aligned for numbers);
    // -8 and nothing changed when it is too long.
    int storeField(int field, const QByteArray& text, bool rightAlign);

    QString m_path;
    QString m_error;
    QFile m_file;
    DbfHeader m_header;
    QByteArray m_record;      // record buffer, byte 0 = deletion flag
    qint64 m_current = 0;     // record in the buffer, 0 = none
    bool m_newRecord = false; // the buffer is a record not yet in the file
    bool m_recordActive = false;
    bool m_dirty = false;
    bool m_autoWrite = false;
    bool m_modified = false;
    DbfSortIndex m_index;
    std::unique_ptr<DbfTableLock> m_appendLock; // held from BeginAppend to the commit or rollback
    std::uint32_t m_appendStart = 0;             // record count when BeginAppend was called
};
