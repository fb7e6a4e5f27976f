#pragma once

#include <QByteArray>
#include <QString>

// The program's file types and its "open with" entry in the user's data
// folder: the MIME package under mime/packages and the desktop entry under
// applications, the same files that the installation puts into the system
// folders, except that the user's desktop entry starts the executable that
// registered it. Files are rewritten only when their text changes, and the
// MIME database is rebuilt (when update-mime-database exists) only then.
class FreedesktopRegistration
{
public:
    static constexpr const char* FileBaseName = "kestrovane-import";

    // dataHome empty: the user's data folder ($XDG_DATA_HOME, ~/.local/share).
    explicit FreedesktopRegistration(const QString& dataHome = QString());

    QString mimePackagePath() const;
    QString desktopEntryPath() const;

    // True when the file holds the current text afterwards.
    bool installMimePackage();
    bool installDesktopEntry(const QString& executablePath);
    // Removes both files and rebuilds the MIME database if the package was there.
    void remove();

    // The installed desktop entry with its Exec line pointing at executablePath.
    static QByteArray desktopEntry(const QString& executablePath);
    static QByteArray mimePackage();
    // One argument of an Exec line, quoted when it needs to be.
    static QString quoteExecArgument(const QString& argument);

private:
    bool writeIfChanged(const QString& path, const QByteArray& text, bool* changed);
    void updateMimeDatabase();

    QString m_dataHome;
};
