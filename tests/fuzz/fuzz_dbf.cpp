// Feeds arbitrary bytes to the dBase table reader as a table file and reads
// everything it offers: header, descriptors, every record and field, the JSON
// dump.
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <unistd.h>

#include "DbfExercise.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The table works on files; one per fuzzing process, rewritten each time.
    static const QString path =
        QDir::tempPath() + QStringLiteral("/fuzz_dbf_%1.dbf").arg(QString::number(::getpid()));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    dbfexercise::readAll(path);
    return 0;
}
