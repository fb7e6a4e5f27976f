#pragma once

// Hand-made .fdv files, built from the documented byte layout.

#include <QList>
#include <QString>

#include "TestSupport.h"

namespace dv1fixtures {

using testsupport::Bytes;

// Header of a version-3.00 file up to the field block.
inline Bytes header300(unsigned version = 300)
{
    Bytes b;
    b.ascii("QZN-DV1Form@3.00").u16(version).u32(0).fill(10, char(0xFF));
    b.count(2).wide(QStringLiteral("RECHNER")).wide(QStringLiteral("anna"));
    return b;
}

inline Bytes& stringArray(Bytes& b, const QList<QString>& texts)
{
    b.count(quint32(texts.size()));
    for (const QString& t : texts)
        b.wide(t);
    return b;
}

inline Bytes& narrowArray(Bytes& b, const QList<QByteArray>& texts)
{
    b.count(quint32(texts.size()));
    for (const QByteArray& t : texts)
        b.narrow(t);
    return b;
}

inline Bytes& wordArray(Bytes& b, const QList<unsigned>& words)
{
    b.count(quint32(words.size()));
    for (unsigned w : words)
        b.u16(w);
    return b;
}

// A field block with the given texts; every first-page word is 0x13 (size
// 3, bold) and every continuation word 0x104 (size 4, centred), so that
// nothing can pass for the default formats.
inline Bytes& fieldBlock(Bytes& b, const QList<QString>& first, const QList<QString>& cont, int pages)
{
    b.u16(0x1206).u16(2);
    stringArray(b, first);
    wordArray(b, QList<unsigned>(first.size(), 0x13));
    b.u16(0x2000 | unsigned(pages)).u16(61);
    stringArray(b, cont);
    return wordArray(b, QList<unsigned>(cont.size(), 0x104));
}

// Texts "<prefix><i>" for i in [0, n).
inline QList<QByteArray> numbered(const char* prefix, int n)
{
    QList<QByteArray> out;
    for (int i = 0; i < n; ++i)
        out.append(QByteArray(prefix) + QByteArray::number(i));
    return out;
}

inline QList<QString> numberedWide(const char* prefix, int n)
{
    QList<QString> out;
    for (const QByteArray& t : numbered(prefix, n))
        out.append(QString::fromLatin1(t));
    return out;
}

} // namespace dv1fixtures
