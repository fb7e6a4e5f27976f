#include "duty/CodeText.h"

#include <limits>

namespace CodeTables {

int leadingInteger(QStringView text)
{
    qsizetype i = 0;
    // The C library's white space.
    while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r')))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > std::numeric_limits<int>::max())
            return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    return static_cast<int>(negative ? -value : value);
}

bool isClosingRow(const char* code)
{
    return leadingInteger(QString::fromLatin1(code)) > 1998;
}

std::span<const CodeText> rowsBeforeClosingRow(std::span<const CodeText> table)
{
    std::size_t n = 0;
    while (n < table.size() && !isClosingRow(table[n].code))
        ++n;
    return table.first(n);
}

} // namespace CodeTables
