#include "TestSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>

#include <clocale>
#include <cstdio>

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

bool markUnwritten(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::Append) && file.write("; unveraendert\n") > 0;
}

bool stillUnwritten(const QString& path)
{
    return readFile(path).contains("; unveraendert");
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

namespace {

QProcessEnvironment environmentWith(const QStringList& entries)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const QString& entry : entries) {
        const qsizetype eq = entry.indexOf(QLatin1Char('='));
        env.insert(entry.left(eq), entry.mid(eq + 1));
    }
    return env;
}

QMap<QByteArray, HelperFunction>& helpers()
{
    static QMap<QByteArray, HelperFunction> registered;
    return registered;
}

} // namespace

ProcessResult runCli(const QStringList& args, const QStringList& environment)
{
    QProcess p;
    if (!environment.isEmpty())
        p.setProcessEnvironment(environmentWith(environment));
    p.start(QStringLiteral(KV_CLI_PATH), args);
    p.waitForFinished(120000);
    ProcessResult r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

QString varyingText(int n)
{
    static const QString alphabet = QStringLiteral("Zollwert Straße \u00FF\u0100\u20AC 0123456789\r\n\u00C4\u00D6\u00DC");
    QString text;
    text.reserve(n);
    for (int i = 0; i < n; ++i)
        text.append(alphabet.at((i * 7) % alphabet.size()));
    if (n > 0)
        text[n - 1] = QLatin1Char('E');
    return text;
}

GermanLocale::GermanLocale()
{
    const char* current = std::setlocale(LC_ALL, nullptr);
    m_saved = current ? current : "C";
    m_active = std::setlocale(LC_ALL, GermanLocaleName) != nullptr;
}

GermanLocale::~GermanLocale()
{
    std::setlocale(LC_ALL, m_saved.c_str());
}

HelperRegistration::HelperRegistration(const char* name, HelperFunction function)
{
    helpers().insert(QByteArray(name), function);
}

int runRequestedHelper()
{
    const QByteArray name = qgetenv("KV_TEST_HELPER");
    if (name.isEmpty())
        return -1;
    const HelperFunction function = helpers().value(name);
    if (!function) {
        std::fprintf(stderr, "unknown test helper %s\n", name.constData());
        return 2;
    }
    return function();
}

QProcess* startHelper(const char* name, const QStringList& environment)
{
    auto* p = new QProcess;
    p->setProcessEnvironment(environmentWith(environment + QStringList{QStringLiteral("KV_TEST_HELPER=") + QLatin1String(name)}));
    p->setProcessChannelMode(QProcess::MergedChannels);
    p->start(QCoreApplication::applicationFilePath(), {});
    return p;
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
