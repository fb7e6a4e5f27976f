#include "CupsServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString CupsPdfBackend = QStringLiteral("/usr/lib/cups/backend/cups-pdf");
const QString CupsPdfPpd = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");
// cups-pdf reads the settings of a queue from here, by the queue's name in
// its device URI; the folder is fixed when the backend is built.
const QString CupsPdfConfigFolder = QStringLiteral("/etc/cups");

bool writeFile(const QString& path, const QString& text)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text.toUtf8()) >= 0;
}

} // namespace

CupsServer::CupsServer() = default;

CupsServer::~CupsServer()
{
    if (m_cupsd) {
        m_cupsd->terminate();
        if (!m_cupsd->waitForFinished(10000))
            m_cupsd->kill();
        m_cupsd->waitForFinished(5000);
    }
    for (const QString& config : m_queueConfigs)
        QFile::remove(config);
}

bool CupsServer::running() const
{
    return m_cupsd && m_cupsd->state() == QProcess::Running;
}

QString CupsServer::outputFolder(const QString& queue) const
{
    return m_dir.path() + QStringLiteral("/out-") + queue;
}

QString CupsServer::log() const
{
    QFile f(m_dir.path() + QStringLiteral("/log/error_log"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll().right(6000)) : QString();
}

bool CupsServer::runTool(const QString& program, const QStringList& arguments, QString* output) const
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, arguments);
    const bool ok = p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (output)
        *output = QString::fromUtf8(p.readAll());
    return ok;
}

bool CupsServer::start(QString* why)
{
    const QString cupsd = QStandardPaths::findExecutable(QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin")});
    if (cupsd.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("lpadmin"), {QStringLiteral("/usr/sbin")}).isEmpty()) {
        *why = QStringLiteral("cupsd oder lpadmin fehlt (Paket cups)");
        return false;
    }
    if (!QFileInfo::exists(CupsPdfBackend) || !QFileInfo::exists(CupsPdfPpd)) {
        *why = QStringLiteral("cups-pdf fehlt (Paket printer-driver-cups-pdf)");
        return false;
    }
    if (geteuid() != 0) {
        *why = QStringLiteral("cups-pdf schreibt nur, wenn der Drucker-Dienst als root läuft");
        return false;
    }

    const QString root = m_dir.path();
    for (const char* sub : {"etc/ppd", "spool", "cache", "state", "tmp", "log"})
        QDir().mkpath(root + QLatin1Char('/') + QLatin1String(sub));
    // The filters run as the scheduler's user lp and need to reach the
    // temporary folder and their way to it.
    QFile::setPermissions(root, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                    | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    chmod(QFile::encodeName(root + QStringLiteral("/tmp")).constData(), 01777);

    const QString socket = root + QStringLiteral("/cups.sock");
    const QString conf = QStringLiteral(
        "Listen %1\n"
        "LogLevel debug\n"
        "WebInterface No\n"
        "Browsing No\n"
        "DefaultAuthType None\n"
        "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
        "<Policy default>\n  <Limit All>\n    AuthType None\n    Order deny,allow\n  </Limit>\n</Policy>\n")
                             .arg(socket);
    // Every file of the scheduler in the private folder, the printcap too:
    // the machine's own print system stays as it is.
    const QString files = QStringLiteral(
        "ServerRoot %1/etc\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\nTempDir %1/tmp\n"
        "ErrorLog %1/log/error_log\nAccessLog %1/log/access_log\nPageLog %1/log/page_log\n"
        "Printcap %1/printcap\n")
                              .arg(root);
    if (!writeFile(root + QStringLiteral("/etc/cupsd.conf"), conf)
        || !writeFile(root + QStringLiteral("/etc/cups-files.conf"), files)) {
        *why = QStringLiteral("die Konfiguration in %1 lässt sich nicht schreiben").arg(root);
        return false;
    }

    removeLeftovers();
    m_cupsd = std::make_unique<QProcess>();
    m_cupsd->setProcessChannelMode(QProcess::MergedChannels);
    // A test killed at its time limit takes its scheduler with it.
    m_cupsd->setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    m_cupsd->start(cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), root + QStringLiteral("/etc/cupsd.conf"),
                           QStringLiteral("-s"), root + QStringLiteral("/etc/cups-files.conf")});
    if (!m_cupsd->waitForStarted(10000)) {
        *why = QStringLiteral("cupsd startet nicht: %1").arg(m_cupsd->errorString());
        m_cupsd.reset();
        return false;
    }
    qputenv("CUPS_SERVER", QFile::encodeName(socket));
    const QDeadlineTimer deadline(20000);
    QString answer;
    while (!deadline.hasExpired()) {
        if (m_cupsd->state() != QProcess::Running)
            break;
        if (QFileInfo::exists(socket) && runTool(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &answer)
            && answer.contains(QLatin1String("is running")))
            return true;
        QThread::msleep(100);
    }
    *why = QStringLiteral("cupsd antwortet nicht: %1 %2").arg(QString::fromUtf8(m_cupsd->readAll()), log());
    return false;
}

void CupsServer::removeLeftovers()
{
    // Queue settings of test programs that ended without cleaning up: their
    // queue names end in the process id, and that process is gone.
    const QDir folder(CupsPdfConfigFolder);
    static const QRegularExpression ours(QStringLiteral("^cups-pdf-Kv[A-Za-z0-9]+-(\\d+)\\.conf$"));
    for (const QString& name : folder.entryList({QStringLiteral("cups-pdf-Kv*.conf")}, QDir::Files)) {
        const QRegularExpressionMatch m = ours.match(name);
        if (m.hasMatch() && kill(pid_t(m.captured(1).toLongLong()), 0) != 0 && errno == ESRCH)
            QFile::remove(folder.filePath(name));
    }
}

bool CupsServer::addPdfQueue(const QString& name, const QString& pageSize, QString* why)
{
    const QString out = outputFolder(name);
    QDir().mkpath(out);
    const QString config = CupsPdfConfigFolder + QStringLiteral("/cups-pdf-") + name + QStringLiteral(".conf");
    if (!writeFile(config, QStringLiteral("Out %1\nAnonDirName %1\nLog %2/log\n").arg(out, m_dir.path()))) {
        *why = QStringLiteral("%1 lässt sich nicht schreiben").arg(config);
        return false;
    }
    m_queueConfigs << config;
    // pdftocairo turns the job into PostScript for cups-pdf with the fonts'
    // character codes intact, so that the printed file can be read back.
    QString output;
    if (!runTool(QStringLiteral("lpadmin"),
                 {QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"), QStringLiteral("cups-pdf:/") + name,
                  QStringLiteral("-P"), CupsPdfPpd, QStringLiteral("-o"), QStringLiteral("PageSize=") + pageSize,
                  QStringLiteral("-o"), QStringLiteral("pdftops-renderer-default=pdftocairo")},
                 &output)) {
        *why = QStringLiteral("lpadmin: %1").arg(output);
        return false;
    }
    return true;
}

bool CupsServer::queueIdle(const QString& queue) const
{
    QString jobs;
    return runTool(QStringLiteral("lpstat"), {QStringLiteral("-o"), queue}, &jobs) && jobs.trimmed().isEmpty();
}

QStringList CupsServer::pendingOutput(const QString& queue) const
{
    QStringList files;
    const QDir dir(outputFolder(queue));
    for (const QString& name : dir.entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time | QDir::Reversed)) {
        const QString path = dir.filePath(name);
        if (!m_taken.contains(path))
            files << path;
    }
    return files;
}

QString CupsServer::takeOutput(const QString& queue, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        // cups-pdf writes the file while the job is still active; it is
        // complete once the queue is empty.
        const QStringList files = pendingOutput(queue);
        if (!files.isEmpty() && queueIdle(queue)) {
            m_taken << files.constFirst();
            return files.constFirst();
        }
        QThread::msleep(200);
    }
    return QString();
}
