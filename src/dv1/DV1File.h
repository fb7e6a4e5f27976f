#pragma once

#include <QString>

class CDV1_Doc;
class QIODevice;

// The D.V.1 document file (.fdv). Saving always writes version 3.00:
//
//   16 bytes  magic "QZN-DV1Form@3.00"
//   u16       version 300
//   u32       reserved, 0
//   10 bytes  0xFF
//   strings   array of two: computer name, user name of the saver
//   ...       field block of the field store
//   bytes     byte array of the 14 answer boxes
//   u8        0x40 "@"
//
// Reading also takes the old versions 1.00, 1.01 and 1.10, whose texts come
// in plain string arrays and are moved into the field store.
namespace DV1File {

inline constexpr char MagicPrefix[] = "QZN-DV1Form@";
inline constexpr char Magic[] = "QZN-DV1Form@3.00";
inline constexpr int MagicSize = 16;
inline constexpr quint16 Version = 300;

enum class ReadResult {
    // Read, or refused with a load status (18, 19, 20) in the document, or
    // too short for a magic (a new, empty document).
    Ok,
    // The file ends inside an item, or a count or length cannot be held by
    // the rest of it. The document is left as it was.
    FormatError,
};

// Resets the document (DeleteContents) and reads it from the device.
ReadResult read(QIODevice* device, CDV1_Doc& doc);
// Writes version 3.00; false when the device refused the data.
bool write(QIODevice* device, const CDV1_Doc& doc, const QString& computerName, const QString& userName);

// Opens and reads a file. False with a German message for the user when the
// file cannot be opened or is damaged; the document is left as it was.
bool load(const QString& path, CDV1_Doc& doc, QString* error = nullptr);
// Trims the texts and writes the file as a whole: the old file is replaced
// only when the new one was written completely. Clears the modified flag.
bool save(const QString& path, CDV1_Doc& doc, const QString& computerName, const QString& userName,
          QString* error = nullptr);
// The same with the names of this computer and of the user logged in.
bool save(const QString& path, CDV1_Doc& doc, QString* error = nullptr);

} // namespace DV1File
