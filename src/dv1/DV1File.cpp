#include "dv1/DV1File.h"

#include <QFile>
#include <QSaveFile>

#include "settings/CRegeditManagment.h"
#include "dv1/CDV1_Doc.h"
#include "form/Archive.h"
#include "form/EhFormat.h"
#include "form/FieldBlock.h"

namespace DV1File {

namespace {

// The page word keeps the page count in one byte.
constexpr int MaxPages = 0xFF;

enum class OldVersion { V100, V101, V110 };

QByteArray magicOf(OldVersion version)
{
    switch (version) {
    case OldVersion::V100: return QByteArrayLiteral("QZN-DV1Form@1.00");
    case OldVersion::V101: return QByteArrayLiteral("QZN-DV1Form@1.01");
    case OldVersion::V110: return QByteArrayLiteral("QZN-DV1Form@1.10");
    }
    return {};
}

// A byte array: count, then that many bytes.
QByteArray byteArray(ArchiveReader& in)
{
    const quint64 n = in.count(1);
    return in.bytes(qint64(n));
}

bool readOld(ArchiveReader& in, CDV1_Doc& doc, OldVersion version)
{
    int pages = 2;
    if (version != OldVersion::V100) {
        pages = in.u16();
        if (!in.ok())
            return false;
        // A D.V.1 has at least its first page, and the field store cannot
        // hold more pages than its page word counts.
        if (pages < 1 || pages > MaxPages)
            return false;
    }
    doc.oldFirstTexts() = in.stringArray();
    doc.oldContinuationTexts() = in.stringArray();
    QByteArray boxes;
    if (version == OldVersion::V100) {
        doc.oldFirstTexts().resize(CDV1_Doc::FirstPageFields);
        doc.oldContinuationTexts().resize(CDV1_Doc::ContinuationFields);
        boxes = in.bytes(CDV1_Doc::AnswerBoxCount);
    } else {
        boxes = byteArray(in);
    }
    if (!in.ok())
        return false;
    doc.setAnswerBoxes(boxes);

    doc.SetPageCount(pages);
    if (version != OldVersion::V110)
        doc.ConvertContinuationLayout();
    doc.TakeOldTexts();
    return true;
}

bool readCurrent(ArchiveReader& in, CDV1_Doc& doc)
{
    in.skip(4);
    in.skip(10);
    in.stringArray();
    if (!in.ok())
        return false;
    switch (FieldBlock::read(in, doc.fieldStore())) {
    case FieldBlock::ReadResult::FormatError:
        return false;
    case FieldBlock::ReadResult::Foreign:
        // Not our field block: what follows cannot be trusted to be the
        // answer boxes.
        return true;
    case FieldBlock::ReadResult::Ok:
        break;
    }
    const QByteArray boxes = byteArray(in);
    if (!in.ok())
        return false;
    doc.setAnswerBoxes(boxes);
    return true;
}

// Reads into a document in its new-document state; false on a format error.
bool readInto(ArchiveReader& in, CDV1_Doc& doc)
{
    const QByteArray magic = in.peekAvailable(MagicSize);
    if (magic.size() < MagicSize)
        return true;
    if (!magic.startsWith(MagicPrefix)) {
        doc.setLoadStatus(CDV1_Doc::UnknownFormat);
        return true;
    }
    for (OldVersion version : {OldVersion::V100, OldVersion::V101, OldVersion::V110}) {
        if (magic == magicOf(version))
            return readOld(in, doc, version);
    }
    // Every major version other than 3 counts as older, higher ones included.
    if (!magic.startsWith(QByteArrayLiteral("QZN-DV1Form@3"))) {
        doc.setLoadStatus(CDV1_Doc::OlderVersion);
        return true;
    }
    if (magic != QByteArray(Magic)) {
        doc.setLoadStatus(CDV1_Doc::NewerVersion);
        return true;
    }
    const quint16 version = in.u16();
    if (!in.ok())
        return false;
    if (version != Version) {
        doc.setLoadStatus(version < Version ? CDV1_Doc::OlderVersion : CDV1_Doc::NewerVersion);
        return true;
    }
    return readCurrent(in, doc);
}

} // namespace

ReadResult read(QIODevice* device, CDV1_Doc& doc)
{
    // Read into a fresh document so that a damaged file leaves nothing half
    // read behind.
    CDV1_Doc fresh;
    ArchiveReader in(device);
    if (!readInto(in, fresh))
        return ReadResult::FormatError;
    doc = fresh;
    return ReadResult::Ok;
}

bool write(QIODevice* device, const CDV1_Doc& doc, const QString& computerName, const QString& userName)
{
    ArchiveWriter out(device);
    out.bytes(QByteArray(Magic, MagicSize));
    out.u16(Version);
    out.u32(0);
    out.bytes(QByteArray(10, char(0xFF)));
    out.stringArray({computerName, userName});
    FieldBlock::write(out, doc.fieldStore());
    const CDV1_Doc::AnswerBoxes& boxes = doc.answerBoxes();
    out.count(boxes.size());
    out.bytes(QByteArray(reinterpret_cast<const char*>(boxes.data()), qsizetype(boxes.size())));
    out.u8(0x40);
    return out.ok();
}

bool load(const QString& path, CDV1_Doc& doc, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = EhFormat::openErrorText(path, file.errorString());
        return false;
    }
    if (read(&file, doc) != ReadResult::Ok) {
        if (error)
            *error = EhFormat::openErrorText(path, EhFormat::formatErrorText());
        return false;
    }
    return true;
}

bool save(const QString& path, CDV1_Doc& doc, const QString& computerName, const QString& userName,
          QString* error)
{
    doc.TrimTexts();
    QSaveFile file(path);
    // The flush is checked before commit() so that a full disk cannot pass
    // for a complete file.
    bool written = file.open(QIODevice::WriteOnly) && write(&file, doc, computerName, userName) && file.flush();
    QString reason;
    if (!written) {
        // Taken before cancelWriting() puts its own reason in its place.
        reason = file.errorString();
        file.cancelWriting();
    } else if (!file.commit()) {
        reason = file.errorString();
        written = false;
    }
    if (!written) {
        if (error)
            *error = EhFormat::saveErrorText(path, reason);
        return false;
    }
    doc.setModified(false);
    return true;
}

bool save(const QString& path, CDV1_Doc& doc, QString* error)
{
    // A name the system does not give is stored as an empty text.
    QString computerName;
    QString userName;
    CRegeditManagment::QueryComputerName(computerName);
    CRegeditManagment::QueryUserName(userName);
    return save(path, doc, computerName, userName, error);
}

} // namespace DV1File
