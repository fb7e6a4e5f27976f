#include "print/PrintFailure.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>

namespace PrintFailure {

namespace {

// What the system says of writing path, without leaving a file behind.
QString fileReason(const QString& path)
{
    const bool existed = QFile::exists(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return file.errorString();
    file.close();
    if (!existed)
        file.remove();
    return QString();
}

QString printerReason(const QPrinter& printer)
{
    const QString name = printer.printerName();
    if (name.isEmpty()) {
        if (QPrinterInfo::availablePrinterNames().isEmpty())
            return QStringLiteral("Auf diesem Rechner ist kein Drucker eingerichtet.");
        return QStringLiteral("Es ist kein Drucker ausgewählt; wählen Sie einen unter \"Druckeinrichtung...\".");
    }
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return QStringLiteral("Der Drucker \"%1\" ist auf diesem Rechner nicht (mehr) eingerichtet.").arg(name);
    if (info.state() == QPrinter::Error)
        return QStringLiteral("Der Drucker \"%1\" meldet einen Fehler.").arg(name);
    return QStringLiteral("Der Drucker \"%1\" hat den Druckauftrag nicht angenommen.").arg(name);
}

} // namespace

QString message(const QPrinter& printer)
{
    QString reason;
    const QString file = printer.outputFileName();
    if (!file.isEmpty()) {
        reason = QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden.").arg(QDir::toNativeSeparators(file));
        const QString why = fileReason(file);
        if (!why.isEmpty())
            reason += QLatin1Char('\n') + why;
    } else {
        reason = printerReason(printer);
    }
    return QStringLiteral("Der Druck konnte nicht ausgeführt werden.\n") + reason;
}

} // namespace PrintFailure
