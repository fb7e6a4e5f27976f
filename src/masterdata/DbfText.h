#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <cstdint>

#include "masterdata/DbfCodePage.h"

// Conversions between the program's texts and the bytes of a table field.
namespace dbftext {

// Wide text to a table's single-byte character set, one byte per code point
// (a surrogate pair gives one byte); see DbfCodePage::encode. Without a code
// page: Windows-1252, where Latin-1 characters keep their code, typographic
// dashes and quotes are folded to their ASCII forms, the euro sign becomes
// "E", and every other character becomes 0xA5.
QByteArray encodeSingleByte(QStringView text, const DbfCodePage& page = DbfCodePage::windowsAnsi());

// True when encodeSingleByte keeps every character recognisable, i.e. none
// of them is replaced.
bool isRepresentable(QStringView text, const DbfCodePage& page = DbfCodePage::windowsAnsi());

// The bytes a text takes in a character field: its single-byte form
// without the trailing blanks, which the padding supplies anyway.
qsizetype storedLength(QStringView text, const DbfCodePage& page = DbfCodePage::windowsAnsi());

// A character field as the program shows it: the bytes up to the first NUL
// (some writers pad with NULs), decoded from the table's code page, trailing
// white space removed.
QString decodeField(QByteArrayView bytes, const DbfCodePage& page = DbfCodePage::windowsAnsi());
// The same into room for bytes.size() characters; returns the end.
char16_t* decodeField(QByteArrayView bytes, const DbfCodePage& page, char16_t* out);
// The bytes of a character field that hold its text: those before the first
// NUL, without trailing white space.
QByteArrayView fieldText(QByteArrayView bytes);

// The integer of a numeric field: leading blanks skipped, an optional sign,
// the digits up to the first other character; 0 when there are none. Only
// the first maxChars bytes count, and the value saturates instead of
// overflowing.
std::int64_t parseInteger(QByteArrayView bytes, int maxChars = 19);

// The number of a numeric field: leading blanks skipped, the longest prefix
// that is a decimal number (sign, digits, point, digits, exponent); 0 when
// there is none. Independent of the process locale, never infinite or NaN.
double parseDouble(QByteArrayView bytes, int maxChars = 29);

// The same integer reading for texts (dates typed by the user).
int parseInteger(QStringView text);

} // namespace dbftext
