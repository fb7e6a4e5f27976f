#pragma once

#include <QBuffer>
#include <QList>
#include <QString>

#include "TestSupport.h"
#include "form/CEinheitspapierDoc.h"

// Hand-made .aef files, built from the documented byte layout.
namespace ehfixtures {

// The header of a 2.x file after its 15-byte magic: 16 reserved bytes,
// continuation pages, reserved word, input-tax flag, form-set code.
inline testsupport::Bytes header2(const char* magic, unsigned pages, quint32 reserved, unsigned inputTax,
                                  quint32 code)
{
    testsupport::Bytes b;
    b.ascii(magic).fill(16, char(0xFF)).u16(pages).u32(reserved).u8(inputTax).u32(code);
    return b;
}

// A field block with n1 first-page fields and `pages` continuation pages of
// n2 fields. texts maps (page, field) to a text; every word is `word`.
struct Block {
    int n1 = 154;
    int n2 = 214;
    int pages = 1;
    unsigned word = 3;
    QList<std::tuple<int, int, QString>> texts;

    QString text(int page, int field) const
    {
        for (const auto& [p, f, t] : texts) {
            if (p == page && f == field)
                return t;
        }
        return {};
    }

    void append(testsupport::Bytes& b) const
    {
        b.u16(0x1206).u16(2).count(quint32(n1));
        for (int f = 0; f < n1; ++f)
            b.wide(text(1, f));
        b.count(quint32(n1));
        for (int f = 0; f < n1; ++f)
            b.u16(word);
        b.u16(0x2000 | (pages + 1)).u16(n2).count(quint32(n2 * pages));
        for (int p = 2; p <= pages + 1; ++p) {
            for (int f = 0; f < n2; ++f)
                b.wide(text(p, f));
        }
        b.count(quint32(n2 * pages));
        for (int i = 0; i < n2 * pages; ++i)
            b.u16(word);
    }
};

// A document without the user's new-document defaults, for byte-exact files.
class BareDoc : public CEinheitspapierDoc
{
public:
    void applyNewDocumentDefaults() override {}
};

inline bool readDoc(CEinheitspapierDoc& doc, QByteArray data, QString* error = nullptr)
{
    QBuffer buf(&data);
    buf.open(QIODevice::ReadOnly);
    return doc.read(buf, error);
}

inline QByteArray writeDoc(const CEinheitspapierDoc& doc)
{
    QBuffer buf;
    buf.open(QIODevice::WriteOnly);
    doc.write(buf);
    return buf.data();
}

} // namespace ehfixtures
