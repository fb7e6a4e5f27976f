#include "duty/Default36Model.h"

#include "duty/CodeText.h"
#include "duty/PreferenceCodes.h"

namespace {

// The upper end of the rest r for each entry of the last two digits; r
// above the last one picks "50".
constexpr int kUpperEnds[] = {9, 14, 17, 19, 22, 24, 27, 39, 49};

int lastPositionFor(int rest)
{
    int position = 0;
    while (position < int(std::size(kUpperEnds)) && rest > kUpperEnds[position])
        ++position;
    return position;
}

} // namespace

void Default36Model::open(const QString& text)
{
    const int c = CodeTables::leadingInteger(text);
    if (c >= 300) {
        m_first = 2;
        m_last = lastPositionFor(c - 300);
    } else if (c >= 200) {
        m_first = 1;
        m_last = lastPositionFor(c - 200);
    } else {
        m_first = 0;
        m_last = c < 100 ? 0 : lastPositionFor(c - 100);
    }
}

void Default36Model::selectFirst(int position)
{
    m_first = position >= 0 && position < int(PreferenceCodes::firstDigit().size()) ? position : 0;
}

void Default36Model::selectLast(int position)
{
    m_last = position >= 0 && position < int(PreferenceCodes::lastTwoDigits().size()) ? position : 0;
}

QString Default36Model::firstMeaning() const
{
    return PreferenceCodes::firstDigit()[m_first].textString();
}

QString Default36Model::lastMeaning() const
{
    return PreferenceCodes::lastTwoDigits()[m_last].textString();
}

QString Default36Model::result() const
{
    return PreferenceCodes::firstDigit()[m_first].codeString() + PreferenceCodes::lastTwoDigits()[m_last].codeString();
}
