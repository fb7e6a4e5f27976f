#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include "SettingsTestSupport.h"
#include "TestSupport.h"
#include "settings/FreedesktopRegistration.h"

using testsupport::readFile;

namespace {

QString dataHome()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

} // namespace

TEST(Registration, InstalledFilesAreTheOnesTheProgramWrites)
{
    const QByteArray installedMime = readFile(QStringLiteral(KV_SOURCE_DIR "/data/kestrovane-import.xml"));
    ASSERT_FALSE(installedMime.isEmpty());
    EXPECT_EQ(FreedesktopRegistration::mimePackage(), installedMime);

    EXPECT_EQ(FreedesktopRegistration::desktopEntry(QStringLiteral("kestrovane-import")),
              readFile(QStringLiteral(KV_SOURCE_DIR "/data/kestrovane-import.desktop")));
    const QByteArray entry = FreedesktopRegistration::desktopEntry(QStringLiteral("/usr/bin/kestrovane-import"));
    EXPECT_TRUE(entry.contains("\nExec=/usr/bin/kestrovane-import %f\n"));
    EXPECT_TRUE(entry.contains("MimeType=application/x-kestrovane-einheitspapier;application/x-kestrovane-dv1;"));
    EXPECT_TRUE(installedMime.contains("<glob pattern=\"*.aef\"/>"));
    EXPECT_TRUE(installedMime.contains("<comment>DV1-Dokument</comment>"));
}

TEST(Registration, ExecLineQuotesAwkwardPaths)
{
    EXPECT_EQ(FreedesktopRegistration::quoteExecArgument(QStringLiteral("/opt/kv/bin/app")),
              QStringLiteral("/opt/kv/bin/app"));
    EXPECT_EQ(FreedesktopRegistration::quoteExecArgument(QStringLiteral("/home/a b/app")),
              QStringLiteral("\"/home/a b/app\""));
    // Inside quotes $ takes one backslash, which the entry's string escaping doubles.
    EXPECT_EQ(FreedesktopRegistration::quoteExecArgument(QStringLiteral("/x/$HOME/app")),
              QStringLiteral("\"/x/\\\\$HOME/app\""));
    const QByteArray entry = FreedesktopRegistration::desktopEntry(QStringLiteral("/srv/100%/app"));
    EXPECT_TRUE(entry.contains("\nExec=/srv/100%%/app %f\n"));
}

TEST(Registration, RegisterAndUnregisterInTheUsersDataFolder)
{
    testsupport::clearSettings();
    TestRegistry t;
    FreedesktopRegistration files;
    ASSERT_TRUE(files.mimePackagePath().startsWith(dataHome()));

    t.registry.RegisterDocumentTypes();
    EXPECT_EQ(readFile(files.mimePackagePath()), FreedesktopRegistration::mimePackage());
    const QByteArray entry = readFile(files.desktopEntryPath());
    EXPECT_TRUE(entry.contains("Exec=" + QCoreApplication::applicationFilePath().toUtf8() + " %f"));
    if (!QStandardPaths::findExecutable(QStringLiteral("update-mime-database")).isEmpty()) {
        // The user's MIME database now maps the extensions to our types.
        const QByteArray globs = readFile(dataHome() + QStringLiteral("/mime/globs2"));
        EXPECT_TRUE(globs.contains("application/x-kestrovane-einheitspapier:*.aef"));
        EXPECT_TRUE(globs.contains("application/x-kestrovane-dv1:*.fdv"));
    }

    t.registry.Unregister(QStringLiteral(".aef"));
    EXPECT_FALSE(QFile::exists(files.mimePackagePath()));
    EXPECT_FALSE(QFile::exists(files.desktopEntryPath()));
    EXPECT_TRUE(QznUserStore().allKeys().isEmpty());
    EXPECT_FALSE(readFile(dataHome() + QStringLiteral("/mime/globs2")).contains("kestrovane"));
    EXPECT_TRUE(t.messages.isEmpty());
}
