#include "TestSupport.h"

#include <QFile>
#include <QProcess>
#include <QSettings>

#include "settings/SettingsKeys.h"

namespace testsupport {

TempDir::TempDir() = default;

void clearSettings()
{
    QSettings pavo(QString::fromLatin1(Settings::Organisation), QString::fromLatin1(Settings::Application));
    pavo.clear();
    pavo.sync();
    QSettings qzn(QStringLiteral("Qzn"), QStringLiteral("Kestrovane-Import"));
    qzn.clear();
    qzn.sync();
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(data);
}

QString dataFile(const QString& name)
{
    return QStringLiteral(KV_TEST_DATA_DIR "/") + name;
}

ProcessResult runCli(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(KV_CLI_PATH), args);
    p.waitForFinished(120000);
    ProcessResult r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

Bytes& Bytes::u8(unsigned v)
{
    m_data.append(char(v & 0xFF));
    return *this;
}

Bytes& Bytes::u16(unsigned v)
{
    return u8(v).u8(v >> 8);
}

Bytes& Bytes::u32(quint32 v)
{
    return u16(v & 0xFFFF).u16(v >> 16);
}

Bytes& Bytes::raw(const QByteArray& data)
{
    m_data.append(data);
    return *this;
}

Bytes& Bytes::ascii(const char* text)
{
    m_data.append(text);
    return *this;
}

Bytes& Bytes::fill(int n, char c)
{
    m_data.append(QByteArray(n, c));
    return *this;
}

Bytes& Bytes::wide(const QString& text)
{
    u8(0xFF).u16(0xFFFE);
    const qsizetype n = text.size();
    if (n < 0xFF)
        u8(unsigned(n));
    else if (n < 0xFFFE)
        u8(0xFF).u16(unsigned(n));
    else
        u8(0xFF).u16(0xFFFF).u32(quint32(n));
    for (QChar c : text)
        u16(c.unicode());
    return *this;
}

Bytes& Bytes::narrow(const QByteArray& text)
{
    u8(unsigned(text.size()));
    return raw(text);
}

Bytes& Bytes::count(quint32 n)
{
    if (n < 0xFFFF)
        return u16(n);
    return u16(0xFFFF).u32(n);
}

} // namespace testsupport
