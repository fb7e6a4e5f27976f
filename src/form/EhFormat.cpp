#include "form/EhFormat.h"

#include <QDir>
#include <QIODevice>

#include <algorithm>
#include <array>
#include <cstring>

#include "form/Archive.h"
#include "form/CEinheitspapierDoc.h"
#include "form/EhLegacyConversion.h"
#include "form/FieldBlock.h"
#include "settings/Profile.h"

namespace EhFormat {

namespace {

enum class Version { V100, V110, V120, V141, V150, V151, V200, V210, Unknown };

struct KnownMagic {
    const char* magic;
    Version version;
};

constexpr std::array<KnownMagic, 8> kMagics = {{
    {"QZN-AEForm@1.00", Version::V100},
    {"QZN-AEForm@1.10", Version::V110},
    {"QZN-AEForm@1.20", Version::V120},
    {"QZN-AEForm@1.41", Version::V141},
    {"QZN-AEForm@1.50", Version::V150},
    {"QZN-AEForm@1.51", Version::V151},
    {"QZN-EHForm@2.00", Version::V200},
    {"QZN-EHForm@2.10", Version::V210},
}};

constexpr int ReservedBlockSize = 16;
constexpr std::uint8_t EndMark = 0x40;

Version versionOf(const QByteArray& head)
{
    if (head.size() < MagicSize)
        return Version::Unknown;
    for (const KnownMagic& m : kMagics) {
        if (std::memcmp(head.constData(), m.magic, MagicSize) == 0)
            return m.version;
    }
    return Version::Unknown;
}

// Versions 2.00 and 2.10: header, then the field block.
bool readCurrent(ArchiveReader& in, CEinheitspapierDoc& doc)
{
    in.skip(ReservedBlockSize);
    // The header repeats the continuation page count; the field block's
    // arrays are what actually holds the pages, so they decide.
    in.u16();
    const std::uint32_t reserved = in.u32();
    const std::uint8_t inputTax = in.u8();
    const std::uint32_t code = in.u32();
    if (!in.ok())
        return false;
    doc.setReservedWord(reserved);
    doc.setInputTax(inputTax != 0);
    doc.setFormSet(formSetFromCode(code));

    FieldStore& store = doc.store();
    // A field block we cannot interpret (foreign magic, newer version) would
    // leave a store of one field: an unusable document that would overwrite
    // the file on the next save. It is refused like any damaged file.
    if (FieldBlock::read(in, store) != FieldBlock::ReadResult::Ok)
        return false;
    // Files of 2.00 hold fewer fields; views and operations rely on the
    // current counts, so every file is brought up to them (never down).
    const std::uint16_t n1 = std::max(store.firstPageFieldCount(), CEinheitspapierDoc::FirstPageFields);
    const std::uint16_t n2 = std::max(store.continuationFieldCount(), CEinheitspapierDoc::ContinuationFields);
    if (n1 != store.firstPageFieldCount() || n2 != store.continuationFieldCount())
        store.growCounts(n1, n2);
    if (doc.continuationPageCount() < 1)
        doc.setContinuationPageCount(1);
    return true;
}

} // namespace

std::uint32_t formSetCode(int formSet)
{
    switch (formSet) {
    case 0: return 3;
    case 1: return 7;
    case 2: return 10;
    case 3: return 11;
    default: return 5;
    }
}

int formSetFromCode(std::uint32_t code)
{
    switch (code) {
    case 3: return 0;
    case 7: return 1;
    case 10: return 2;
    case 11: return 3;
    default: return CEinheitspapierDoc::ExportFormSet;
    }
}

bool isEhMagic(const QByteArray& head)
{
    return versionOf(head) != Version::Unknown;
}

ReadContext ReadContext::fromSettings()
{
    return {Profile::get(Settings::WSymbol0), Profile::get(Settings::WSymbol1)};
}

bool read(QIODevice& device, CEinheitspapierDoc& doc, const ReadContext& context, QString* error)
{
    const EhLegacyConversion::Currencies currencies{context.currency0, context.currency1};
    doc.setLoadStatus(0);
    doc.deleteContents();
    doc.setContinuationPageCount(1);
    doc.setModified(false);

    ArchiveReader in(&device);
    const QByteArray head = in.peekAvailable(MagicSize);
    if (head.size() < MagicSize)
        return true;  // too short to be anything: a new document, silently

    bool ok = true;
    switch (versionOf(head)) {
    case Version::V100:
        doc.setLoadStatus(CEinheitspapierDoc::LoadOldVersion);
        return true;
    case Version::Unknown:
        doc.setLoadStatus(CEinheitspapierDoc::LoadUnknownFormat);
        return true;
    case Version::V110:
        ok = EhLegacyConversion::read110(in, doc, currencies);
        break;
    case Version::V120:
    case Version::V141:
        ok = EhLegacyConversion::read120(in, doc, currencies, false, false);
        break;
    case Version::V150:
        ok = EhLegacyConversion::read120(in, doc, currencies, true, false);
        break;
    case Version::V151:
        ok = EhLegacyConversion::read120(in, doc, currencies, true, true);
        break;
    case Version::V200:
    case Version::V210:
        ok = readCurrent(in, doc);
        break;
    }
    if (ok && in.ok())
        return true;

    // Nothing of a damaged file survives: the caller gets no document.
    doc.deleteContents();
    doc.setModified(false);
    if (error)
        *error = formatErrorText();
    return false;
}

bool write(QIODevice& device, const CEinheitspapierDoc& doc)
{
    ArchiveWriter out(&device);
    out.bytes(QByteArray(CurrentMagic, MagicSize));
    out.bytes(QByteArray(ReservedBlockSize, char(0xFF)));
    out.u16(std::uint16_t(doc.continuationPageCount()));
    out.u32(doc.reservedWord());
    out.u8(doc.inputTax() ? 1 : 0);
    out.u32(formSetCode(doc.formSet()));
    FieldBlock::write(out, doc.store());
    out.u8(EndMark);
    return out.ok();
}

QString formatErrorText()
{
    return QStringLiteral("Unerwartetes Dateiformat.");
}

namespace {

QString withReason(const QString& text, const QString& reason)
{
    const QString why = reason.trimmed();
    return why.isEmpty() ? text : text + QLatin1Char('\n') + why;
}

} // namespace

QString openErrorText(const QString& path, const QString& reason)
{
    return withReason(QStringLiteral("Die Datei \"%1\" kann nicht geöffnet werden.").arg(QDir::toNativeSeparators(path)), reason);
}

QString saveErrorText(const QString& path, const QString& reason)
{
    return withReason(QStringLiteral("Die Datei \"%1\" kann nicht gespeichert werden.").arg(QDir::toNativeSeparators(path)), reason);
}

} // namespace EhFormat
