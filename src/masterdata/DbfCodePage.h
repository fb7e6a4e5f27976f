#pragma once

#include <QByteArrayView>
#include <QString>

#include <cstdint>

// The character set a table's text is stored in, as its language driver
// byte (header byte 29) names it. Tables we create are Windows ANSI
// (Windows-1252); tables other programs wrote may be DOS or Central European
// ones, and their text is read and written in their own character set, so
// that the other program still reads its umlauts after we wrote to the table.
class DbfCodePage
{
public:
    // The driver byte of the tables we create: Windows ANSI.
    static constexpr std::uint8_t WindowsAnsiDriver = 0x03;

    // The code page a driver byte names: 0x01 437, 0x02 850, 0x03 and 0x57
    // Windows-1252, 0x64 852, 0xC8 1250. Tables that name none (0) or one we
    // do not know are taken as Windows-1252, which is what older tables of
    // this program hold.
    static const DbfCodePage& forDriver(std::uint8_t driver);
    static const DbfCodePage& windowsAnsi();

    // "Windows-1252", "DOS 850", ... for messages.
    QString name() const { return QString::fromLatin1(m_name); }
    bool isWindowsAnsi() const { return m_high == nullptr; }

    QString decode(QByteArrayView bytes) const;
    // The same into room for bytes.size() characters; returns the end.
    char16_t* decode(QByteArrayView bytes, char16_t* out) const;

    // The byte of one character. Windows-1252 keeps the program's own rule:
    // Latin-1 characters keep their code, typographic dashes and quotes are
    // folded to ASCII, the euro sign becomes "E", anything else 0xA5. Other
    // code pages store what they have, fold the rest the same way and put
    // their replacement (the yen sign where they have one, else "?") for
    // what is left; representable tells whether the character survived.
    char encode(char32_t c, bool* representable = nullptr) const;

private:
    constexpr DbfCodePage(const char* name, const char16_t* high) : m_name(name), m_high(high) {}

    const char* m_name;
    const char16_t* m_high; // characters of bytes 0x80..0xFF; nullptr for Windows-1252
};
