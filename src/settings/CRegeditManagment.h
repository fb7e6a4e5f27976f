#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

#include "settings/ShellDocumentType.h"

// The program's own store beside the profile values: the binary field
// definition tables, the version and path values, the file-type versions, and
// a few questions about the machine.
//
// Per-user values live in QSettings("Qzn", <application name>), machine-wide
// ones in the system scope of the same names; a machine-wide write that the
// system refuses (an ordinary user cannot write there) is dropped silently.
// The application name is the program's application name ("Kestrovane-Import")
// rather than the file name of the executable, so the desktop program, the
// command-line tool and the tests all reach the same store.
//
// Operations that need the identity refuse to work before initialisation: they
// hand "CRegeditManagment-Error" to the message handler (the desktop program
// shows it in a message box) and touch nothing. Nothing is cached from the
// store; every read goes to it. Values the store holds already are not
// written again.
class CRegeditManagment
{
public:
    // Start-up registers the program with a dozen small writes and reads.
    // While a WriteBatch lives they all go through one store object per
    // scope, and what changed reaches the disk once, when the batch ends.
    class WriteBatch
    {
    public:
        explicit WriteBatch(CRegeditManagment& registry);
        ~WriteBatch();
        WriteBatch(const WriteBatch&) = delete;
        WriteBatch& operator=(const WriteBatch&) = delete;

    private:
        CRegeditManagment& m_registry;
    };

    // Result codes of ReadBinaryValue, numbered as the registry numbers them.
    static constexpr int Success = 0;
    static constexpr int NotFound = 2;
    static constexpr int MoreData = 234;     // the stored value is longer than asked for
    static constexpr int NotInitialised = -1;

    static const QString NotInitialisedMessage; // "CRegeditManagment-Error"
    static const QString NoDataPathMessage;     // "Fehler, keine Datenpfad"
    static const QString NoVersionMessage;      // "ERROR"

    using MessageHandler = std::function<void(const QString&)>;

    CRegeditManagment();
    ~CRegeditManagment();

    // Where refusals and failures go; without a handler they are logged.
    void setMessageHandler(MessageHandler handler);

    // Takes the identity from the running application and the product
    // version compiled into the build ("2.1.05"). An empty version text
    // reports "ERROR" and initialises with version 0.
    void Initialise(const QString& buildDate);
    void Initialise(const QString& buildDate, const QString& productVersion);
    // Stores the identity, writes the version values and marks the manager
    // initialised. The program directory is the executable's folder.
    void SetIdentity(const QString& applicationName, const QString& executablePath, const QString& buildDate,
                     quint32 version);
    bool isInitialised() const { return m_initialised; }
    // For tools that only read the store (the command-line tool): the
    // running application's identity, without writing the version values.
    void InitialiseForReading();

    // "2.1.05" -> 2 * 65536 + 1 * 256 + 5: the first two numbers and the two
    // characters after the second ".", each read as a leading decimal.
    // nullopt for an empty text.
    static std::optional<quint32> parseProductVersion(const QString& text);

    void SetApplicationName(const QString& name) { m_applicationName = name; }
    QString applicationName() const { return m_applicationName; }
    QString GetExecutablePath() const { return m_executablePath; }
    void SetBuildDate(const QString& date) { m_buildDate = date; }
    QString buildDate() const { return m_buildDate; }
    void SetCompanyKey(const QString& key) { m_companyKey = key; }
    QString companyKey() const { return m_companyKey; }

    void SetVersion(quint32 version);
    quint32 GetVersion() const { return m_version; }
    int majorVersion() const { return m_major; }
    int minorVersion() const { return m_minor; }
    int buildNumber() const { return m_build; }
    // "%d.%01d.%02d" of major, minor, build: "2.1.05".
    QString GetVersionText() const;

    // Machine-wide "CreationDate", "Version", "Path"; per-user "Version", "Path".
    void WriteVersionValues();

    // Binary values under (section) of the per-user store. ReadBinaryValue
    // fills buffer with the stored bytes (at most length of them) and leaves
    // it untouched when it answers anything but Success.
    bool WriteBinaryValue(const QString& section, const QString& valueName, const QByteArray& bytes);
    int ReadBinaryValue(const QString& section, const QString& valueName, QByteArray& buffer, int length);
    bool DeleteUserValue(const QString& section, const QString& valueName);

    // The version a file type was last registered with.
    void SetFileTypeVersion(const QString& extension, quint32 version);
    std::optional<quint32> GetFileTypeVersion(const QString& extension) const;
    // Forgets the registration of a file type whose stored version is missing
    // or older than version, then records version.
    void RefreshFileType(const QString& extension, quint32 version);

    bool WriteProgramOwner(const QString& owner, const QString& organisation);
    bool ReadProgramOwner(QString& owner, QString& organisation);

    // Folder of the executable, without a trailing separator.
    QString GetProgramDirectory() const;
    // Documents folder + "/" + application name; both are created when asked.
    // Empty (after "Fehler, keine Datenpfad") when there is no documents folder.
    QString GetDataDirectory(bool create);
    QString GetDataDirectoryWithSlash();

    static bool QueryUserName(QString& name);
    static bool QueryComputerName(QString& name);

    // Desktop integration: the file types with their MIME package, and the
    // desktop entry that opens a document with this program.
    void RegisterDocumentTypes(const QList<ShellDocumentType>& types = ShellDocumentType::programTypes());
    void RegisterOpenCommands(const QList<ShellDocumentType>& types = ShellDocumentType::programTypes());
    // Removes the program's per-user and machine-wide values, the file type
    // of extension, and the desktop files (which serve both types at once).
    void Unregister(const QString& extension);

private:
    struct Batch;
    class Store;
    friend class Store;

    bool refuseUninitialised();
    void report(const QString& message) const;
    Store userStore() const;
    Store machineStore() const;
    enum class StoreScope { User, Machine };
    Store batchedStore(StoreScope which) const;

    bool m_initialised = false;
    QString m_companyKey;
    QString m_applicationName;
    QString m_executablePath;
    QString m_buildDate;
    quint32 m_version = 0;
    int m_major = 0;
    int m_minor = 0;
    int m_build = 0;
    MessageHandler m_handler;
    std::unique_ptr<Batch> m_batch;
    int m_batchDepth = 0;
};
