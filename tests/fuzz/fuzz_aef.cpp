// Feeds arbitrary bytes to the .aef reader and writes back what it read.
#include <QBuffer>
#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

#include "form/CEinheitspapierDoc.h"

namespace {

// The user's new-document defaults read the settings store on every
// document; they are no part of the reader and would slow the fuzzer down
// a hundredfold.
class FuzzDoc : public CEinheitspapierDoc
{
public:
    void applyNewDocumentDefaults() override {}
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    FuzzDoc doc;
    if (!doc.read(in))
        return 0;
    // Whatever was read must write and read back without trouble.
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    if (!doc.write(out))
        std::abort();
    QByteArray written = out.data();
    QBuffer again(&written);
    again.open(QIODevice::ReadOnly);
    FuzzDoc back;
    if (!back.read(again))
        std::abort();
    if (back.store().firstTexts() != doc.store().firstTexts()
        || back.store().continuationTexts() != doc.store().continuationTexts())
        std::abort();
    return 0;
}
