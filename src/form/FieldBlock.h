#pragma once

#include <QtGlobal>

class ArchiveReader;
class ArchiveWriter;
class FieldStore;

// The serialised field store, shared by the .aef and .fdv formats:
// u16 magic 0x1206, u16 version 2, first-page texts and words, then (version
// 2 and up) the page word, N2, and the continuation texts and words.
namespace FieldBlock {

constexpr quint16 Magic = 0x1206;
constexpr quint16 Version = 2;

enum class ReadResult {
    Ok,
    // Wrong block magic or a newer block version: the store is cut to one
    // first-page field and no continuation fields; the caller reads no further.
    Foreign,
    // The data ended inside an item, or a count could not be held by it.
    FormatError,
};

void write(ArchiveWriter& out, const FieldStore& store);
ReadResult read(ArchiveReader& in, FieldStore& store);

} // namespace FieldBlock
