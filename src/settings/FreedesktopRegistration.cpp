#include "settings/FreedesktopRegistration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

#include "FreedesktopFiles.h"

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

FreedesktopRegistration::FreedesktopRegistration(const QString& dataHome)
    : m_dataHome(dataHome.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) : dataHome)
{
}

QString FreedesktopRegistration::mimePackagePath() const
{
    return m_dataHome + QStringLiteral("/mime/packages/") + QLatin1String(FileBaseName) + QStringLiteral(".xml");
}

QString FreedesktopRegistration::desktopEntryPath() const
{
    return m_dataHome + QStringLiteral("/applications/") + QLatin1String(FileBaseName) + QStringLiteral(".desktop");
}

QByteArray FreedesktopRegistration::mimePackage()
{
    return QByteArray(FreedesktopFiles::MimePackage);
}

QString FreedesktopRegistration::quoteExecArgument(const QString& argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = argument.isEmpty();
    for (const QChar c : argument)
        needsQuotes = needsQuotes || reserved.contains(c);
    if (!needsQuotes)
        return argument;
    // Inside quotes ", `, $ and \ take a backslash; the desktop entry's own
    // string escaping then doubles every backslash once more.
    QString quoted;
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QByteArray FreedesktopRegistration::desktopEntry(const QString& executablePath)
{
    // A literal % in the path would read as a field code.
    QString program = quoteExecArgument(executablePath);
    program.replace(QLatin1Char('%'), QStringLiteral("%%"));
    QByteArray out;
    const QList<QByteArray> lines = QByteArray(FreedesktopFiles::DesktopEntry).split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray& line = lines.at(i);
        if (line.startsWith("Exec="))
            out += "Exec=" + program.toUtf8() + " %f";
        else
            out += line;
        if (i + 1 < lines.size())
            out += '\n';
    }
    return out;
}

bool FreedesktopRegistration::writeIfChanged(const QString& path, const QByteArray& text, bool* changed)
{
    *changed = false;
    if (QFileInfo::exists(path) && readAll(path) == text)
        return true;
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        return false;
    *changed = true;
    return true;
}

void FreedesktopRegistration::updateMimeDatabase()
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (tool.isEmpty())
        return;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(tool, {m_dataHome + QStringLiteral("/mime")});
    // Start-up waits for it: the file manager should know the types once the
    // window is up. A hung tool must not hold the program, though.
    if (!process.waitForFinished(10000))
        process.kill();
}

bool FreedesktopRegistration::installMimePackage()
{
    bool changed = false;
    const bool ok = writeIfChanged(mimePackagePath(), mimePackage(), &changed);
    if (changed)
        updateMimeDatabase();
    return ok;
}

bool FreedesktopRegistration::installDesktopEntry(const QString& executablePath)
{
    bool changed = false;
    return writeIfChanged(desktopEntryPath(), desktopEntry(executablePath), &changed);
}

void FreedesktopRegistration::remove()
{
    QFile::remove(desktopEntryPath());
    if (QFile::remove(mimePackagePath()))
        updateMimeDatabase();
}
