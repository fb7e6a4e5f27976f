#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

class QIODevice;
class CEinheitspapierDoc;

// The Einheitspapier document file (.aef): a 15-byte version magic, a small
// header and the field block. Writing always produces the current version;
// reading accepts every version since 1.10 and converts the old ones.
namespace EhFormat {

inline constexpr char CurrentMagic[] = "QZN-EHForm@2.10";
inline constexpr int MagicSize = 15;

// The form-set code a file stores (3, 7, 10, 11; 5 for anything else) and
// the form set a code stands for (5, an export document, for unknown codes).
std::uint32_t formSetCode(int formSet);
int formSetFromCode(std::uint32_t code);

// Whether the first bytes of a file carry one of the magics this reader
// knows, including the refused 1.00 one.
bool isEhMagic(const QByteArray& head);

// What reading takes from outside the file: the currency symbols that old
// files' box 42 is completed with.
struct ReadContext {
    QString currency0;
    QString currency1;
    // The user's "WSymbol0" and "WSymbol1" as they are now.
    static ReadContext fromSettings();
};

// Reads a document from the device's current position. Returns false on a
// damaged file (it ends inside an item, a count it cannot hold, a field block
// it cannot interpret); the document is then back in its new-document state.
bool read(QIODevice& device, CEinheitspapierDoc& doc, const ReadContext& context, QString* error = nullptr);
bool write(QIODevice& device, const CEinheitspapierDoc& doc);

// Messages of the failures above. A file that cannot be opened or saved is
// named, and the reason follows on a line of its own (the system's words for
// a file it refused, formatErrorText() for one this program cannot read).
QString formatErrorText();
QString openErrorText(const QString& path, const QString& reason = QString());
QString saveErrorText(const QString& path, const QString& reason = QString());

} // namespace EhFormat
