#pragma once

#include <QByteArrayView>
#include <QString>

// The update index "UpdateIndex.qznidx" on the program's web site: a header
// line of 25 characters whose columns 23-24 hold a number N, then entry lines
// of 176 characters, one per program, read as fixed columns. Lines end in
// LF or CR LF, the same throughout the file; the first line tells which.
//
// The index comes from the network, so nothing in it is trusted: a reader
// takes at most N + 2 entries and never looks past maximumSize() bytes.
class UpdateIndex
{
public:
    static constexpr int HeaderLength = 25;
    static constexpr int EntryLength = 176;
    // The largest header number two columns can hold.
    static constexpr int MaxHeaderNumber = 99;

    struct Entry {
        QString name;           // columns 0-19
        QString version;        // 20-27, "%d.%02d.%03d"
        QString reserved;       // 28-35, kept as it stands
        QString downloadPath;   // 36-79, relative to the site
        QString downloadSize;   // 80-89, shown under the download link
        QString secondPath;     // 90-133
        QString secondSize;     // 134-143
        QString infoPage;       // 144-173, name of the version information page
    };

    struct Result {
        // The entry of the program was found; entry holds it. Otherwise
        // entry is the last one read, or its name is "@" when a line could
        // not be read whole.
        bool found = false;
        Entry entry;
        int lineEnding = 1;     // 1 (LF) or 2 (CR LF)
        int headerNumber = 0;   // N
        int entriesRead = 0;
    };

    // The most bytes the reader ever takes: the header and N + 2 entries of
    // the largest N, each with a CR LF.
    static constexpr qsizetype maximumSize()
    {
        return HeaderLength + 2 + qsizetype(MaxHeaderNumber + 2) * (EntryLength + 2);
    }

    // Reads the index the way the update check reads it from the network:
    // the line ending from the first 27 bytes, the header, then up to N + 2
    // entries until one carries programName.
    static Result find(QByteArrayView index, const QString& programName);

    // Splits one entry line (at least EntryLength bytes) into its fields;
    // every field but the reserved one is trimmed of blanks on both sides.
    static Entry splitEntry(QByteArrayView line);
};
