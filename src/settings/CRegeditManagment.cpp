#include "settings/CRegeditManagment.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>

#include "settings/FreedesktopRegistration.h"
#include "settings/SettingsKeys.h"
#include "settings/StoreValue.h"

const QString CRegeditManagment::NotInitialisedMessage = QStringLiteral("CRegeditManagment-Error");
const QString CRegeditManagment::NoDataPathMessage = QStringLiteral("Fehler, keine Datenpfad");
const QString CRegeditManagment::NoVersionMessage = QStringLiteral("ERROR");

namespace {

// The file types live in the per-user store where the desktop would keep them
// on a system with a class registry.
QString classKey(const QString& name)
{
    return QStringLiteral("Classes/") + name;
}

// Like the C library's atoi: leading blanks, a sign, then digits up to the
// first other character; 0 when there are none.
int leadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    qint64 n = 0;
    for (; i < text.size() && text.at(i).isDigit() && text.at(i).unicode() < 128; ++i)
        n = qMin<qint64>(n * 10 + (text.at(i).unicode() - '0'), 0x7FFFFFFF);
    return int(negative ? -n : n);
}

// The per-user half. Its reads must not pick up the machine-wide values of
// the same names, which QSettings would offer as fallbacks.
class UserStore : public QSettings
{
public:
    UserStore(const QString& company, const QString& application)
        : QSettings(QSettings::UserScope, company, application)
    {
        setFallbacksEnabled(false);
    }
};

} // namespace

// The store objects a batch keeps, each with the names it was opened under.
struct CRegeditManagment::Batch {
    struct Scope {
        QString company;
        QString application;
        std::unique_ptr<QSettings> settings;
    };
    Scope user;
    Scope machine;
};

// A store object: the batch's, or one of its own that writes what changed
// when it goes.
class CRegeditManagment::Store
{
public:
    explicit Store(QSettings* batched) : m_settings(batched) {}
    explicit Store(std::unique_ptr<QSettings> own) : m_own(std::move(own)), m_settings(m_own.get()) {}

    QSettings* operator->() const { return m_settings; }
    QSettings& operator*() const { return *m_settings; }

private:
    std::unique_ptr<QSettings> m_own;
    QSettings* m_settings;
};

CRegeditManagment::CRegeditManagment()
    : m_companyKey(QStringLiteral("Qzn"))
    , m_applicationName(QCoreApplication::applicationName().isEmpty() ? QString::fromLatin1(Settings::Application)
                                                                      : QCoreApplication::applicationName())
{
}

CRegeditManagment::~CRegeditManagment() = default;

CRegeditManagment::WriteBatch::WriteBatch(CRegeditManagment& registry) : m_registry(registry)
{
    if (m_registry.m_batchDepth++ == 0)
        m_registry.m_batch = std::make_unique<Batch>();
}

CRegeditManagment::WriteBatch::~WriteBatch()
{
    // The store objects write what changed as they go.
    if (--m_registry.m_batchDepth == 0)
        m_registry.m_batch.reset();
}

// Within a batch each scope keeps one store object for the keys it was
// opened with; a store under other keys is one of its own.
CRegeditManagment::Store CRegeditManagment::batchedStore(StoreScope which) const
{
    auto open = [this, which]() -> std::unique_ptr<QSettings> {
        if (which == StoreScope::User)
            return std::make_unique<UserStore>(m_companyKey, m_applicationName);
        return std::make_unique<QSettings>(QSettings::SystemScope, m_companyKey, m_applicationName);
    };
    if (!m_batch)
        return Store(open());
    Batch::Scope& scope = which == StoreScope::User ? m_batch->user : m_batch->machine;
    if (!scope.settings) {
        scope = {m_companyKey, m_applicationName, open()};
    } else if (scope.company != m_companyKey || scope.application != m_applicationName) {
        return Store(open());
    }
    return Store(scope.settings.get());
}

CRegeditManagment::Store CRegeditManagment::userStore() const
{
    return batchedStore(StoreScope::User);
}

CRegeditManagment::Store CRegeditManagment::machineStore() const
{
    return batchedStore(StoreScope::Machine);
}

void CRegeditManagment::setMessageHandler(MessageHandler handler)
{
    m_handler = std::move(handler);
}

void CRegeditManagment::report(const QString& message) const
{
    if (m_handler)
        m_handler(message);
    else
        qWarning().noquote() << message;
}

bool CRegeditManagment::refuseUninitialised()
{
    if (m_initialised)
        return false;
    report(NotInitialisedMessage);
    return true;
}


// --- identity and version ---------------------------------------------------

std::optional<quint32> CRegeditManagment::parseProductVersion(const QString& fullText)
{
    const QString text = fullText.left(195);
    if (text.isEmpty())
        return std::nullopt;
    const qsizetype firstDot = text.indexOf(QLatin1Char('.'));
    const int major = leadingNumber(text);
    int minor = 0;
    int build = 0;
    if (firstDot >= 0) {
        minor = leadingNumber(QStringView(text).mid(firstDot + 1));
        const qsizetype secondDot = text.indexOf(QLatin1Char('.'), firstDot + 1);
        if (secondDot >= 0)
            build = leadingNumber(QStringView(text).mid(secondDot + 1, 2));
    }
    return quint32(major) * 65536u + quint32(minor) * 256u + quint32(build);
}

void CRegeditManagment::Initialise(const QString& buildDate)
{
    Initialise(buildDate, QStringLiteral(KV_PRODUCT_VERSION));
}

void CRegeditManagment::Initialise(const QString& buildDate, const QString& productVersion)
{
    const std::optional<quint32> version = parseProductVersion(productVersion);
    if (!version)
        report(NoVersionMessage);
    QString name = QCoreApplication::applicationName();
    if (name.isEmpty())
        name = QString::fromLatin1(Settings::Application);
    SetIdentity(name, QCoreApplication::applicationFilePath(), buildDate, version.value_or(0));
}

void CRegeditManagment::InitialiseForReading()
{
    if (!QCoreApplication::applicationName().isEmpty())
        m_applicationName = QCoreApplication::applicationName();
    m_executablePath = QCoreApplication::applicationFilePath();
    m_initialised = true;
}

void CRegeditManagment::SetIdentity(const QString& applicationName, const QString& executablePath,
                                    const QString& buildDate, quint32 version)
{
    m_applicationName = applicationName;
    m_executablePath = executablePath;
    m_buildDate = buildDate;
    SetVersion(version);
    WriteVersionValues();
    m_initialised = true;
}

void CRegeditManagment::SetVersion(quint32 version)
{
    m_version = version;
    m_major = int((version >> 16) & 0xFF);
    m_minor = int((version >> 8) & 0xFF);
    m_build = int(version & 0xFF);
}

QString CRegeditManagment::GetVersionText() const
{
    return QString::asprintf("%d.%01d.%02d", m_major, m_minor, m_build);
}

void CRegeditManagment::WriteVersionValues()
{
    const QString path = GetProgramDirectory();
    const Store machine = machineStore();
    StoreValue::writeIfChanged(*machine, QStringLiteral("CreationDate"), m_buildDate);
    StoreValue::writeIfChanged(*machine, QStringLiteral("Version"), m_version);
    const Store user = userStore();
    StoreValue::writeIfChanged(*user, QStringLiteral("Version"), m_version);
    StoreValue::writeIfChanged(*user, QStringLiteral("Path"), path);
    StoreValue::writeIfChanged(*machine, QStringLiteral("Path"), path);
}

// --- binary values ------------------------------------------------------------

bool CRegeditManagment::WriteBinaryValue(const QString& section, const QString& valueName, const QByteArray& bytes)
{
    if (refuseUninitialised())
        return false;
    const Store user = userStore();
    if (!StoreValue::writeIfChanged(*user, section + QLatin1Char('/') + valueName, bytes))
        return true;
    user->sync();
    return user->status() == QSettings::NoError;
}

int CRegeditManagment::ReadBinaryValue(const QString& section, const QString& valueName, QByteArray& buffer,
                                       int length)
{
    // Refused reads answer with a failure code rather than success: a caller
    // that trusts the code must not take its untouched buffer for stored data.
    if (refuseUninitialised())
        return NotInitialised;
    const QVariant v = userStore()->value(section + QLatin1Char('/') + valueName);
    if (!v.isValid())
        return NotFound;
    const QByteArray stored = v.toByteArray();
    if (stored.size() > length)
        return MoreData;
    if (buffer.size() < stored.size())
        buffer.resize(stored.size());
    std::copy(stored.begin(), stored.end(), buffer.begin());
    return Success;
}

bool CRegeditManagment::DeleteUserValue(const QString& section, const QString& valueName)
{
    if (refuseUninitialised())
        return false;
    userStore()->remove(section + QLatin1Char('/') + valueName);
    return true;
}

// --- file types ------------------------------------------------------------------

void CRegeditManagment::SetFileTypeVersion(const QString& extension, quint32 version)
{
    StoreValue::writeIfChanged(*userStore(), classKey(extension) + QStringLiteral("/FileVersion"), version);
}

std::optional<quint32> CRegeditManagment::GetFileTypeVersion(const QString& extension) const
{
    const QVariant v = userStore()->value(classKey(extension) + QStringLiteral("/FileVersion"));
    bool ok = false;
    const quint32 version = v.toUInt(&ok);
    return ok ? std::optional<quint32>(version) : std::nullopt;
}

void CRegeditManagment::RefreshFileType(const QString& extension, quint32 version)
{
    if (refuseUninitialised())
        return;
    if (extension.size() < 4)
        return;
    const Store user = userStore();
    const QString fileType = user->value(classKey(extension) + QStringLiteral("/FileType")).toString();
    const std::optional<quint32> stored = GetFileTypeVersion(extension);
    if (!stored || *stored < version) {
        user->remove(classKey(extension));
        if (!fileType.isEmpty())
            user->remove(classKey(fileType));
    }
    StoreValue::writeIfChanged(*user, classKey(extension) + QStringLiteral("/FileVersion"), version);
}

// --- shell registration ---------------------------------------------------------

void CRegeditManagment::RegisterDocumentTypes(const QList<ShellDocumentType>& types)
{
    WriteVersionValues();
    {
        const Store user = userStore();
        for (const ShellDocumentType& type : types) {
            if (type.fileTypeName.isEmpty())
                continue;
            StoreValue::writeIfChanged(*user, classKey(type.extension) + QStringLiteral("/FileType"), type.fileTypeName);
            StoreValue::writeIfChanged(*user, classKey(type.fileTypeName) + QStringLiteral("/MimeType"), type.mimeType);
        }
    }
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    FreedesktopRegistration().installMimePackage();
#endif
    RegisterOpenCommands(types);
}

void CRegeditManagment::RegisterOpenCommands(const QList<ShellDocumentType>& types)
{
    bool any = false;
    for (const ShellDocumentType& type : types)
        any = any || !type.fileTypeName.isEmpty();
    if (!any || m_executablePath.isEmpty())
        return;
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    FreedesktopRegistration().installDesktopEntry(m_executablePath);
#endif
}

void CRegeditManagment::Unregister(const QString& extension)
{
    if (refuseUninitialised())
        return;
    const QString ext = extension.startsWith(QLatin1Char('.')) ? extension : QLatin1Char('.') + extension;
    {
        const Store user = userStore();
        const QString fileType = user->value(classKey(ext) + QStringLiteral("/FileType")).toString();
        if (!fileType.isEmpty())
            user->remove(classKey(fileType));
        user->remove(classKey(ext));
        user->remove(QString()); // the whole per-user key of the program
    }
    machineStore()->remove(QString());
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    FreedesktopRegistration().remove();
#endif
}

// --- owner ----------------------------------------------------------------------

bool CRegeditManagment::WriteProgramOwner(const QString& owner, const QString& organisation)
{
    if (refuseUninitialised())
        return false;
    const Store machine = machineStore();
    bool changed = StoreValue::writeIfChanged(*machine, QStringLiteral("RegisteredOwner"), owner);
    changed = StoreValue::writeIfChanged(*machine, QStringLiteral("RegisteredOrganization"), organisation) || changed;
    if (!changed)
        return true;
    machine->sync();
    return machine->status() == QSettings::NoError;
}

bool CRegeditManagment::ReadProgramOwner(QString& owner, QString& organisation)
{
    if (refuseUninitialised())
        return false;
    const Store machine = machineStore();
    owner = machine->value(QStringLiteral("RegisteredOwner")).toString();
    organisation = machine->value(QStringLiteral("RegisteredOrganization")).toString();
    return !owner.isEmpty() && !organisation.isEmpty();
}

// --- folders and names ------------------------------------------------------------

QString CRegeditManagment::GetProgramDirectory() const
{
    if (m_executablePath.isEmpty())
        return QString();
    return QDir::toNativeSeparators(QFileInfo(m_executablePath).absolutePath());
}

QString CRegeditManagment::GetDataDirectory(bool create)
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty()) {
        report(NoDataPathMessage);
        return QString();
    }
    const QString path = documents + QLatin1Char('/') + m_applicationName;
    // The folder is created with the documents folder: the master-data tables
    // are created inside it, which fails when only its parent exists.
    if (create)
        QDir().mkpath(path);
    return QDir::toNativeSeparators(path);
}

QString CRegeditManagment::GetDataDirectoryWithSlash()
{
    const QString path = GetDataDirectory(false);
    return path.isEmpty() ? path : path + QDir::separator();
}

bool CRegeditManagment::QueryUserName(QString& name)
{
    for (const char* variable : {"USER", "USERNAME", "LOGNAME"}) {
        name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return true;
    }
    return false;
}

bool CRegeditManagment::QueryComputerName(QString& name)
{
    name = QSysInfo::machineHostName();
    return !name.isEmpty();
}
