#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

#include "masterdata/DbfCodePage.h"

class QIODevice;

// One field descriptor of a table: name, type letter, width, decimals, and
// where the field starts inside a record.
struct DbfField {
    QString name;
    char type = 'C';
    int length = 0;
    int decimals = 0;
    int offset = 0; // 1 + the widths of the fields before it
    // The descriptor's 32 bytes as another program wrote them (empty for a
    // field we added): rewriting the header gives them back unchanged, with
    // whatever that program keeps in the bytes we do not use.
    QByteArray descriptor;
};

// The 32-byte table header and the field descriptors that follow it.
struct DbfHeader {
    static constexpr int PrefixSize = 32;
    static constexpr int DescriptorSize = 32;
    static constexpr int MaxRecordLength = 4000;
    static constexpr int MaxNameLength = 10;

    static constexpr int LanguageDriverOffset = 29;

    std::uint8_t version = 3;
    int year = 0;  // years since 1900
    int month = 1;
    int day = 1;
    std::uint32_t recordCount = 0;
    int headerLength = 0;
    int recordLength = MaxRecordLength;
    QList<DbfField> fields;
    // Byte 29: the code page of the table's text. Ours are Windows ANSI.
    std::uint8_t languageDriver = DbfCodePage::WindowsAnsiDriver;
    // The 32-byte prefix as read; empty for a table we create. Bytes 12..31
    // belong to the program that made the table and are written back as
    // they were.
    QByteArray prefix;

    const DbfCodePage& codePage() const { return DbfCodePage::forDriver(languageDriver); }

    // Reads the whole header from the start of the device. Returns an empty
    // text on success, otherwise the message that tells the user why the
    // table is refused. Nothing is allocated from a length in the file
    // before it has been checked against the rest of the header.
    QString read(QIODevice& device);

    // Record count of the 32-byte prefix; false when it cannot be read.
    static bool readRecordCount(QIODevice& device, std::uint32_t& count);

    // Header length and record length of a new table with the current
    // fields, and the offsets of the fields inside a record.
    void layOut();

    // The header bytes as written: prefix with version 0x03, descriptors and
    // the 0x0D terminator. Only what the program keeps is written (version,
    // date, counts, lengths, and the descriptors of fields it added); every
    // other byte of a table read from a file, its language driver included,
    // stays as it was. The header and record lengths are written as held:
    // a table another program wrote with room after its descriptors keeps
    // its record positions when we rewrite its header.
    QByteArray serialize() const;
};
