#pragma once

#include <QString>

#include <span>

// One row of a code list: the code as it goes into a box and its German
// text. Both are UTF-8 literals compiled into the program.
struct CodeText {
    const char* code;
    const char* text;

    QString codeString() const { return QString::fromUtf8(code); }
    QString textString() const { return QString::fromUtf8(text); }
};

namespace CodeTables {

// The leading whole number of a text as the C library's atoi reads it:
// leading white space, an optional sign, then digits; 0 when no digit
// follows. Codes, duty types and the closing rows of the tables are all
// read this way. Values beyond the int range are clamped.
int leadingInteger(QStringView text);

// Lists that end with a closing row keep it as their last row; it marks the
// end for every loop, so its code reads as a number above 1998.
bool isClosingRow(const char* code);

// The rows of table before its closing row.
std::span<const CodeText> rowsBeforeClosingRow(std::span<const CodeText> table);

} // namespace CodeTables
