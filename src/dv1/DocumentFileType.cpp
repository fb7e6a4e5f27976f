#include "dv1/DocumentFileType.h"

#include <QFile>

#include "dv1/DV1File.h"

namespace DocumentFileType {

namespace {

constexpr char EhMagicPrefix[] = "QZN-EHForm@";

} // namespace

Type fromHead(const QByteArray& head, const QString& path)
{
    if (head.startsWith(DV1File::MagicPrefix))
        return Type::Dv1;
    if (head.startsWith(EhMagicPrefix))
        return Type::Einheitspapier;
    return path.endsWith(QLatin1String(Dv1Extension), Qt::CaseInsensitive) ? Type::Dv1 : Type::Einheitspapier;
}

Type ofFile(const QString& path)
{
    QFile file(path);
    QByteArray head;
    if (file.open(QIODevice::ReadOnly))
        head = file.read(HeadSize);
    return fromHead(head, path);
}

} // namespace DocumentFileType
