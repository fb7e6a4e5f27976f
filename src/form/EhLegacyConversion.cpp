#include "form/EhLegacyConversion.h"

#include <algorithm>

#include "form/EhField.h"
#include "form/EhGoodsPosition.h"
#include "form/Archive.h"
#include "form/CEinheitspapierDoc.h"
#include "form/EhFormat.h"

namespace EhLegacyConversion {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Old first-page index ranges and the field each range starts at.
struct Range {
    int firstOld;
    int lastOld;
    int firstField;
};
constexpr Range kFirstPageMap[] = {
    {0, 2, 0},      {3, 12, 9},     {13, 13, 21},   {14, 17, 24},
    {18, 36, 29},   {37, 56, 50},   {57, 64, 72},   {65, 76, 86},
    {77, 81, 106},  {82, 117, 115}, {119, 120, 103}, {121, 125, 98},
};

// Old continuation entries (offset in the page's 193) and their fields.
constexpr Range kContinuationMap[] = {
    {0, 0, 0},   {1, 1, 9},   {2, 19, 11},  {20, 38, 31},
    {39, 57, 52}, {58, 58, 73}, {59, 62, 74}, {63, 192, 78},
};


QString trimmed(const QString& s)
{
    return FieldStore::trimmedRight(s);
}

QString feld42Text(const QString& amount, const QString& currency0, const QString& currency1)
{
    const QString a = amount.trimmed();
    if (a.isEmpty())
        return {};
    for (const QString& c : {currency0, currency1}) {
        if (!c.isEmpty() && a.endsWith(c))
            return a;
    }
    return currency0.isEmpty() ? a : a + QLatin1Char(' ') + currency0;
}

void convertFirstPage(CEinheitspapierDoc& doc)
{
    QList<QString>& old = doc.legacy().firstPage;
    old.resize(FirstPageEntries);
    FieldStore& store = doc.store();
    for (const Range& r : kFirstPageMap) {
        for (int i = r.firstOld; i <= r.lastOld; ++i)
            store.setText(r.firstField + i - r.firstOld, 1, trimmed(old.at(i)));
    }
    // The short lines of old box 44 belong to box 44's text now.
    QStringList lines;
    if (!store.text(EhField::Box44, 1).isEmpty())
        lines.append(store.text(EhField::Box44, 1));
    for (int f = EhField::Box44Line1; f <= EhField::Box44Line5; ++f) {
        if (!store.text(f, 1).isEmpty())
            lines.append(store.text(f, 1));
        store.setText(f, 1, QString());
    }
    store.setText(EhField::Box44, 1, lines.join(kCrLf));
}

void convertContinuationPage(CEinheitspapierDoc& doc, int l, const Currencies& currencies)
{
    FieldStore& store = doc.store();
    const int page = l + 2;
    for (int f = 0; f < CEinheitspapierDoc::ContinuationFields; ++f)
        store.setSizeByte(f, page, 2);
    for (int f : EhField::Cont::SmallFontFields)
        store.setSizeByte(f, page, 1);

    // Box 2 of the continuation sheet repeats the consignee of box 8, or of
    // box 2 for documents without one of the known form sets.
    const QList<QString>& first = doc.legacy().firstPage;
    const bool knownFormSet = doc.formSet() >= 0 && doc.formSet() <= 3;
    store.setText(EhField::Cont::Box2Number, page, trimmed(first.value(knownFormSet ? 11 : 3)));
    store.setText(EhField::Cont::Box2Address, page, trimmed(first.value(knownFormSet ? 12 : 4)));
    store.setText(EhField::Cont::Box3B, page, trimmed(first.value(6)));

    const QList<QString>& old = doc.legacy().continuation;
    const qsizetype base = qsizetype(ContinuationEntries) * l;
    bool complete = true;
    for (const Range& r : kContinuationMap) {
        for (int i = r.firstOld; i <= r.lastOld && complete; ++i) {
            if (base + i >= old.size())
                complete = false;
            else
                store.setText(r.firstField + i - r.firstOld, page, trimmed(old.at(base + i)));
        }
    }

    // Box 42 of each position takes the assessment base of its box 47 grid
    // (row 0, "Bemessungsgrundlage") with the currency.
    for (int slot = 1; slot <= 3; ++slot) {
        const EhGoodsPosition pos{page, slot};
        store.setText(pos.boxField(EhField::Block::Box42), page,
                      feld42Text(store.text(pos.gridCell(0, EhField::ColBase), page), currencies.first,
                                 currencies.second));
    }
}

// Continuation pages that a 1.10 array reaches, without trailing pages that
// hold no text at all.
int pagesWithText(const QList<QString>& continuation)
{
    int pages = int((continuation.size() + ContinuationEntries - 1) / ContinuationEntries);
    while (pages > 1) {
        const qsizetype from = qsizetype(ContinuationEntries) * (pages - 1);
        const bool empty = std::all_of(continuation.begin() + from, continuation.end(),
                                       [](const QString& t) { return trimmed(t).isEmpty(); });
        if (!empty)
            break;
        --pages;
    }
    return pages;
}

} // namespace

bool read110(ArchiveReader& in, CEinheitspapierDoc& doc, const Currencies& currencies)
{
    const std::uint16_t inputTax = in.u16();
    doc.legacy().word = in.u16();
    doc.legacy().texts110 = in.stringArray();
    if (!in.ok())
        return false;
    doc.setInputTax(inputTax != 0);

    CEinheitspapierDoc::LegacyValues& legacy = doc.legacy();
    QList<QString>& all = legacy.texts110;
    const qsizetype firstCount = std::min<qsizetype>(all.size(), FirstPageEntries);
    legacy.firstPage = all.mid(0, firstCount);
    legacy.firstPage.resize(FirstPageEntries);
    legacy.continuation = all.mid(firstCount);
    legacy.continuation.resize(std::max<qsizetype>(legacy.continuation.size(), ContinuationEntries));
    all.clear();
    convert(doc, std::min(pagesWithText(legacy.continuation), 0xFE), currencies);
    return true;
}

bool read120(ArchiveReader& in, CEinheitspapierDoc& doc, const Currencies& currencies, bool withCode,
             bool withIntegers)
{
    CEinheitspapierDoc::LegacyValues& legacy = doc.legacy();
    legacy.word = in.u16();
    const int pages = in.u16();
    const std::uint8_t inputTax = in.u8();
    legacy.byte = in.u8();
    if (withIntegers) {
        const int n = in.u8();
        const QByteArray values = in.bytes(n);
        for (char v : values)
            legacy.integers.append(std::uint32_t(std::int32_t(static_cast<signed char>(v))));
    }
    if (withCode)
        doc.setFormSet(EhFormat::formSetFromCode(in.u32()));
    legacy.firstPage = in.stringArray();
    legacy.continuation = in.stringArray();
    if (!in.ok())
        return false;
    doc.setInputTax(inputTax != 0);

    // The arrays, not the header, decide how many pages there are: a header
    // promising more pages than the file holds must not invent empty ones.
    const int held = int((legacy.continuation.size() + ContinuationEntries - 1) / ContinuationEntries);
    convert(doc, std::clamp(std::min(pages, held), 1, 0xFE), currencies);
    return true;
}

void convert(CEinheitspapierDoc& doc, int continuationPages, const Currencies& currencies)
{
    doc.setContinuationPageCount(continuationPages);
    convertFirstPage(doc);
    for (int l = 0; l < continuationPages; ++l)
        convertContinuationPage(doc, l, currencies);
    doc.legacy().clear();
    doc.setModified(true);
}

} // namespace EhLegacyConversion
