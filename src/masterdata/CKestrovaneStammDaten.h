#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

#include <array>
#include <vector>

#include "masterdata/CdBaseDocument.h"

// The goods master data in memory: eight values per goods record, with a
// change flag each, kept in a goods table.
//
// Column 0 is the description of box 31 (lines separated by CR LF), 1..5 the
// parts of the goods number of box 33, 6 and 7 the origin codes of box 34.
// The table stays open from Load until the store is destroyed.
class CKestrovaneStammDaten
{
public:
    static constexpr int ColumnCount = 8;
    static constexpr int DescriptionMaxLength = 253;
    // Layout kinds of the goods table.
    static constexpr int KindOlder = 2;   // seven description fields, read by position
    static constexpr int KindCurrent = 3; // WBESCH1 .. LAND2
    using Values = std::array<QString, ColumnCount>;

    // dataDirectory: the program's data folder, used when a file is set
    // without a folder.
    explicit CKestrovaneStammDaten(const QString& dataDirectory = {});

    int GetCount() const { return int(m_changed.size()); }
    void SetSize(int count);
    // path = folder (or the data folder when empty) + file name; kinds 2
    // and 3 only. 0 or -1.
    int SetFile(const QString& folder, const QString& fileName, int kind);
    // The goods table of the settings: "StammdatenDatei" split into folder
    // and name when it is longer than two characters, else the data folder
    // and the default name of the layout "Stammdaten" selects.
    int SetFileFromSettings();
    // 0; -1 when the table cannot be created or opened, -2 when it does not
    // have the fields of its layout. errorMessage() tells why.
    int Load();
    // Writes every changed record back; new ones are appended as one unit.
    // Before anything is written every changed record is checked: when one
    // of them cannot be stored in full (RecordRefusal), nothing is written,
    // the result is -1 and errorMessage() says why. When writing fails
    // midway, none of the new records stays in the table and they stay
    // marked changed, so a later Save stores each of them once. 0 or -1.
    int Save();
    // Why a record cannot be stored in full in the open table, as laid out
    // and in its code page; empty when it can. The text names the column
    // (WBESCH1 .. LAND2) as a German sentence fragment.
    QString RecordRefusal(const Values& values) const;
    int GetFilePath(QString& path) const;
    // Creates an empty goods table of the set kind at the goods path; an
    // existing file is left untouched and the result is 0.
    int CreateGoodsTable();

    // The layout of an existing table: 3 when its first eight fields are
    // the current goods fields, 2 when it has at least fourteen character
    // fields, 0 for anything else, -1 when it cannot be read.
    static int DetectKind(const QString& path);

    QString value(int record, int column) const;
    // The same without a copy, for going through all records at once: valid
    // until the store changes. Empty for a record that is not there.
    QStringView view(int record, int column) const;
    Values values(int record) const;
    // Replaces a record's values and marks it changed.
    void setValues(int record, const Values& values);
    // Adds a record at the end, marked changed; returns its position.
    int append(const Values& values);
    bool isChanged(int record) const { return m_changed.at(record) != 0; }
    int kind() const { return m_kind; }
    QString errorMessage() const { return m_error; }
    CdBaseDocument& table() { return m_table; }

    // A description as a record keeps it: line breaks of any kind as CR LF,
    // trailing white space removed.
    static QString NormalisedDescription(const QString& text);

    // The width of each column's field in the current layout.
    static const std::array<int, ColumnCount>& fieldWidths();
    static const std::array<const char*, ColumnCount>& fieldNames();

private:
    bool hasLayout();
    // The table's current record into the cells at position, its texts
    // decoded to out; returns the end of what was written.
    char16_t* takeCurrentRecord(int position, char16_t* out);
    bool writeRecord(int position);
    // The width of the table field a column (or, in the older layout, a
    // description line) goes into.
    int fieldWidth(int field) const;

    // Where a record's values lie in m_text: one after another from start,
    // value k ending end[k] characters after it. (No record comes near 4G
    // characters: a goods record holds a few hundred.)
    struct RecordText {
        qsizetype start = 0;
        std::array<quint32, ColumnCount> end{};
    };

    QString m_dataDirectory;
    // The texts of every record, decoded from the table in one go: one
    // string for 100,000 records instead of 800,000 small ones. A value set
    // later is appended, and the record points there; the old text stays
    // unused.
    QString m_text;
    std::vector<RecordText> m_records;
    QByteArray m_changed;
    // Record number of each position in the table, 0 while not stored yet.
    // Positions and record numbers part when another program instance
    // appends to the same table while this one is open.
    QList<qint64> m_recordNumbers;
    CdBaseDocument m_table;
    QString m_path;
    int m_kind = 0;
    QString m_error;
};
