// Feeds arbitrary bytes to the .fdv reader, writes back what it read and
// runs the amount notation over every text.
#include <QBuffer>

#include <cstdint>
#include <cstdlib>

#include "dv1/CDV1_Doc.h"
#include "dv1/DV1Amount.h"
#include "dv1/DV1File.h"

namespace {

bool sameTexts(const FieldStore& a, const FieldStore& b)
{
    if (a.pageCount() != b.pageCount())
        return false;
    for (int page = 1; page <= a.pageCount(); ++page) {
        for (int field = 0; field < a.fieldCount(page); ++field) {
            if (a.text(field, page) != b.text(field, page) || a.attr(field, page) != b.attr(field, page))
                return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    CDV1_Doc doc;
    if (DV1File::read(&in, doc) != DV1File::ReadResult::Ok)
        return 0;

    for (const QString& text : doc.fieldStore().firstTexts())
        FormatAmount(ParseAmount(text));
    for (const QString& text : doc.fieldStore().continuationTexts())
        FormatAmount(ParseAmount(text));

    // Whatever was read must write and read back unchanged (saving trims).
    doc.TrimTexts();
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    if (!DV1File::write(&out, doc, QStringLiteral("fuzz"), QStringLiteral("fuzz")))
        std::abort();
    QByteArray written = out.data();
    QBuffer again(&written);
    again.open(QIODevice::ReadOnly);
    CDV1_Doc back;
    if (DV1File::read(&again, back) != DV1File::ReadResult::Ok || back.loadStatus() != 0)
        std::abort();
    if (!sameTexts(doc.fieldStore(), back.fieldStore()) || back.answerBoxes() != doc.answerBoxes())
        std::abort();
    return 0;
}
