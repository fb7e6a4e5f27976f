#include "duty/Default01Model.h"

namespace {

const char* const kPartA[] = {"EU", "EX", "IM", "CO", "IN"};
const char* const kPartB[] = {"A", "B", "C", "D", "E", "F", "X", "Y", "Z"};
const char* const kPartC[] = {"T1", "T2", "T2F", "T", "T2L", "T2LF", "T2SM", "T2LSM"};

template <std::size_t N>
QStringList toList(const char* const (&items)[N])
{
    QStringList list;
    for (const char* item : items)
        list << QString::fromLatin1(item);
    return list;
}

} // namespace

QStringList Default01Model::entries(int part)
{
    switch (part) {
    case 0:
        return toList(kPartA);
    case 1:
        return toList(kPartB);
    case 2:
        return toList(kPartC);
    default:
        return {};
    }
}

void Default01Model::open(const std::array<QString, Parts>& texts)
{
    for (int part = 0; part < Parts; ++part)
        m_selected[part] = entries(part).indexOf(texts[part].trimmed().toUpper());
}

void Default01Model::select(int part, int index)
{
    if (part < 0 || part >= Parts)
        return;
    m_selected[part] = index >= 0 && index < entries(part).size() ? index : -1;
}

QString Default01Model::result(int part) const
{
    if (part < 0 || part >= Parts || m_selected[part] < 0)
        return {};
    return entries(part).at(m_selected[part]);
}
