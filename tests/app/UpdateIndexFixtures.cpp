#include "UpdateIndexFixtures.h"

namespace updatefixtures {

namespace {

void put(QByteArray& line, int first, const QByteArray& text)
{
    line.replace(first, text.size(), text);
}

} // namespace

QByteArray header(int n)
{
    QByteArray h = QByteArray("QZN UPDATE INDEX 2024  ").leftJustified(23, ' ');
    h += QByteArray::number(n).rightJustified(2, ' ');
    return h;
}

QByteArray entry(const Line& l)
{
    QByteArray line(176, ' ');
    put(line, 0, l.name.left(20));
    put(line, 20, l.version.left(8));
    put(line, 28, l.reserved.left(8));
    put(line, 36, l.downloadPath.left(44));
    put(line, 80, l.downloadSize.left(10));
    put(line, 90, "  second/path.zip");
    put(line, 134, "  1 MB");
    put(line, 144, l.infoPage.left(30));
    return line;
}

QByteArray index(int n, const QList<Line>& lines, const QByteArray& eol)
{
    QByteArray out = header(n) + eol;
    for (const Line& l : lines)
        out += entry(l) + eol;
    return out;
}

} // namespace updatefixtures
