#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

#include "SettingsTestSupport.h"
#include "TestSupport.h"

using testsupport::clearSettings;

namespace {

QSettings qznMachine()
{
    useTemporarySystemStore();
    return QSettings(QSettings::SystemScope, QStringLiteral("Qzn"), QStringLiteral("Kestrovane-Import"));
}

} // namespace

TEST(RegeditManagment, ProductVersionText)
{
    EXPECT_EQ(CRegeditManagment::parseProductVersion(QStringLiteral("2.1.05")), 2u * 65536 + 1 * 256 + 5);
    EXPECT_EQ(CRegeditManagment::parseProductVersion(QStringLiteral("2.1.5")), 0x020105u);
    // Only the two characters after the second dot count as the build.
    EXPECT_EQ(CRegeditManagment::parseProductVersion(QStringLiteral("3.12.456")), 3u * 65536 + 12 * 256 + 45);
    EXPECT_EQ(CRegeditManagment::parseProductVersion(QStringLiteral("2.1.5.0")), 0x020105u);
    EXPECT_EQ(CRegeditManagment::parseProductVersion(QStringLiteral("7")), 7u * 65536);
    EXPECT_EQ(CRegeditManagment::parseProductVersion(QStringLiteral("x.y")), 0u);
    EXPECT_FALSE(CRegeditManagment::parseProductVersion(QString()).has_value());

    TestRegistry t;
    EXPECT_EQ(t.registry.GetVersion(), 0x020105u);
    EXPECT_EQ(t.registry.majorVersion(), 2);
    EXPECT_EQ(t.registry.minorVersion(), 1);
    EXPECT_EQ(t.registry.buildNumber(), 5);
    EXPECT_EQ(t.registry.GetVersionText(), QStringLiteral("2.1.05"));
    EXPECT_TRUE(t.messages.isEmpty());

    TestRegistry missing(false);
    missing.registry.Initialise(QStringLiteral("Apr  9 2021"), QString());
    EXPECT_EQ(missing.messages, QStringList{QStringLiteral("ERROR")});
    EXPECT_EQ(missing.registry.GetVersion(), 0u);
    EXPECT_EQ(missing.registry.GetVersionText(), QStringLiteral("0.0.00"));
    EXPECT_TRUE(missing.registry.isInitialised());
}

TEST(RegeditManagment, InitialisationWritesVersionAndPath)
{
    clearSettings();
    TestRegistry t;
    const QString dir = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    EXPECT_EQ(t.registry.GetProgramDirectory(), dir);
    EXPECT_EQ(QznUserStore().value(QStringLiteral("Version")).toUInt(), 0x020105u);
    EXPECT_EQ(QznUserStore().value(QStringLiteral("Path")).toString(), dir);
    EXPECT_EQ(qznMachine().value(QStringLiteral("CreationDate")).toString(), QStringLiteral("Apr  9 2021"));
    EXPECT_EQ(qznMachine().value(QStringLiteral("Version")).toUInt(), 0x020105u);
    EXPECT_EQ(qznMachine().value(QStringLiteral("Path")).toString(), dir);
}

TEST(RegeditManagment, RefusesStoreAccessBeforeInitialisation)
{
    clearSettings();
    TestRegistry t(false);
    QByteArray buffer("untouched");
    EXPECT_FALSE(t.registry.WriteBinaryValue(QStringLiteral("EHForm_Defaults"), QStringLiteral("X"), "abc"));
    // Not "success": the caller would take its untouched buffer for data.
    EXPECT_NE(t.registry.ReadBinaryValue(QStringLiteral("EHForm_Defaults"), QStringLiteral("X"), buffer, 9),
              CRegeditManagment::Success);
    EXPECT_FALSE(t.registry.DeleteUserValue(QStringLiteral("EHForm_Defaults"), QStringLiteral("X")));
    QString owner, organisation;
    EXPECT_FALSE(t.registry.ReadProgramOwner(owner, organisation));
    t.registry.RefreshFileType(QStringLiteral(".aef"), 5);
    EXPECT_EQ(buffer, QByteArray("untouched"));
    EXPECT_EQ(t.messages, QStringList(5, QStringLiteral("CRegeditManagment-Error")));
    EXPECT_TRUE(QznUserStore().allKeys().isEmpty());
}

TEST(RegeditManagment, BinaryValues)
{
    clearSettings();
    TestRegistry t;
    const QString section = QStringLiteral("EHForm_Defaults");

    QByteArray buffer(4, '\x55');
    EXPECT_EQ(t.registry.ReadBinaryValue(section, QStringLiteral("Missing"), buffer, 4), CRegeditManagment::NotFound);
    EXPECT_EQ(buffer, QByteArray(4, '\x55'));

    const QByteArray bytes("\x00\x01\x0B\xFF\x08", 5);
    ASSERT_TRUE(t.registry.WriteBinaryValue(section, QStringLiteral("Table"), bytes));
    // A new manager (and a new store object) reads what the first one wrote.
    TestRegistry other;
    QByteArray read;
    EXPECT_EQ(other.registry.ReadBinaryValue(section, QStringLiteral("Table"), read, 5), CRegeditManagment::Success);
    EXPECT_EQ(read, bytes);

    // A stored value longer than asked for is not cut to fit.
    QByteArray small(3, 'z');
    EXPECT_EQ(other.registry.ReadBinaryValue(section, QStringLiteral("Table"), small, 3), CRegeditManagment::MoreData);
    EXPECT_EQ(small, QByteArray(3, 'z'));

    ASSERT_TRUE(other.registry.DeleteUserValue(section, QStringLiteral("Table")));
    EXPECT_EQ(t.registry.ReadBinaryValue(section, QStringLiteral("Table"), read, 5), CRegeditManagment::NotFound);
    EXPECT_TRUE(t.messages.isEmpty());
}

TEST(RegeditManagment, RefreshFileTypeKeepsAnUpToDateRegistration)
{
    clearSettings();
    TestRegistry t;
    const quint32 version = t.registry.GetVersion();
    t.registry.RegisterDocumentTypes();
    QznUserStore user;
    ASSERT_EQ(user.value(QStringLiteral("Classes/.aef/FileType")).toString(), QStringLiteral("Einheitspapier"));
    t.registry.SetFileTypeVersion(QStringLiteral(".aef"), version);

    t.registry.RefreshFileType(QStringLiteral(".aef"), version);
    EXPECT_EQ(user.value(QStringLiteral("Classes/.aef/FileType")).toString(), QStringLiteral("Einheitspapier"));
    EXPECT_TRUE(user.contains(QStringLiteral("Classes/Einheitspapier/MimeType")));
    EXPECT_EQ(t.registry.GetFileTypeVersion(QStringLiteral(".aef")), version);

    // An older registration is dropped, extension and file type alike.
    t.registry.SetFileTypeVersion(QStringLiteral(".fdv"), version - 1);
    t.registry.RefreshFileType(QStringLiteral(".fdv"), version);
    EXPECT_FALSE(user.contains(QStringLiteral("Classes/.fdv/FileType")));
    EXPECT_FALSE(user.contains(QStringLiteral("Classes/DV1-Dokument/MimeType")));
    EXPECT_EQ(t.registry.GetFileTypeVersion(QStringLiteral(".fdv")), version);

    // Extensions shorter than four characters are left alone.
    t.registry.RefreshFileType(QStringLiteral(".a"), version);
    EXPECT_FALSE(t.registry.GetFileTypeVersion(QStringLiteral(".a")).has_value());
}

TEST(RegeditManagment, ProgramOwnerIsMachineWide)
{
    TestRegistry t;
    ASSERT_TRUE(t.registry.WriteProgramOwner(QStringLiteral("Erika Muster"), QStringLiteral("Spedition Nord")));
    EXPECT_EQ(qznMachine().value(QStringLiteral("RegisteredOwner")).toString(), QStringLiteral("Erika Muster"));
    QString owner, organisation;
    EXPECT_TRUE(t.registry.ReadProgramOwner(owner, organisation));
    EXPECT_EQ(organisation, QStringLiteral("Spedition Nord"));
    t.registry.WriteProgramOwner(QStringLiteral("Erika Muster"), QString());
    EXPECT_FALSE(t.registry.ReadProgramOwner(owner, organisation));
}

TEST(RegeditManagment, FoldersAndNames)
{
    TestRegistry t;
    const QString expected = QDir::toNativeSeparators(
        QString::fromLocal8Bit(qgetenv("HOME")) + QStringLiteral("/Documents/Kestrovane-Import"));
    QDir(expected).removeRecursively();
    EXPECT_EQ(t.registry.GetDataDirectory(false), expected);
    EXPECT_FALSE(QDir(expected).exists());
    EXPECT_EQ(t.registry.GetDataDirectory(true), expected);
    EXPECT_TRUE(QDir(expected).exists());
    EXPECT_EQ(t.registry.GetDataDirectoryWithSlash(), expected + QDir::separator());

    const QByteArray oldUser = qgetenv("USER");
    qputenv("USER", "zollagent");
    QString name;
    EXPECT_TRUE(CRegeditManagment::QueryUserName(name));
    EXPECT_EQ(name, QStringLiteral("zollagent"));
    qputenv("USER", oldUser);
    EXPECT_TRUE(CRegeditManagment::QueryComputerName(name));
    EXPECT_FALSE(name.isEmpty());
}

namespace {

// The registration as the program runs it at every start.
void registerAtStart(CRegeditManagment& registry, const QString& productVersion)
{
    CRegeditManagment::WriteBatch batch(registry);
    registry.Initialise(QStringLiteral("Apr  9 2021"), productVersion);
    registry.RefreshFileType(QStringLiteral(".aef"), registry.GetVersion());
    registry.RefreshFileType(QStringLiteral(".fdv"), registry.GetVersion());
    registry.RegisterDocumentTypes();
    registry.WriteVersionValues();
    registry.RegisterOpenCommands();
}

} // namespace

TEST(RegeditManagment, RepeatedStartsLeaveTheStoresAloneUntilTheVersionChanges)
{
    clearSettings();
    TestRegistry first(false);
    registerAtStart(first.registry, QStringLiteral("2.1.05"));
    const QString userFile = QznUserStore().fileName();
    const QString machineFile = qznMachine().fileName();
    EXPECT_EQ(QznUserStore().value(QStringLiteral("Classes/.aef/FileVersion")).toUInt(), 0x020105u);
    EXPECT_EQ(qznMachine().value(QStringLiteral("Version")).toUInt(), 0x020105u);
    ASSERT_TRUE(testsupport::markUnwritten(userFile));
    ASSERT_TRUE(testsupport::markUnwritten(machineFile));

    TestRegistry again(false);
    registerAtStart(again.registry, QStringLiteral("2.1.05"));
    EXPECT_TRUE(testsupport::stillUnwritten(userFile));
    EXPECT_TRUE(testsupport::stillUnwritten(machineFile));

    // A new version lands in both stores and renews the file types.
    TestRegistry update(false);
    {
        CRegeditManagment::WriteBatch batch(update.registry);
        update.registry.Initialise(QStringLiteral("Apr  9 2021"), QStringLiteral("2.2.00"));
        // Held back until the batch ends ...
        EXPECT_TRUE(testsupport::stillUnwritten(userFile));
        EXPECT_EQ(update.registry.GetFileTypeVersion(QStringLiteral(".aef")), 0x020105u);
        update.registry.RefreshFileType(QStringLiteral(".aef"), update.registry.GetVersion());
        // ... while the batch reads what it wrote.
        EXPECT_EQ(update.registry.GetFileTypeVersion(QStringLiteral(".aef")), 0x020200u);
    }
    EXPECT_FALSE(testsupport::stillUnwritten(userFile));
    EXPECT_FALSE(testsupport::stillUnwritten(machineFile));
    EXPECT_EQ(QznUserStore().value(QStringLiteral("Version")).toUInt(), 0x020200u);
    EXPECT_EQ(qznMachine().value(QStringLiteral("Version")).toUInt(), 0x020200u);
    EXPECT_EQ(QznUserStore().value(QStringLiteral("Classes/.aef/FileVersion")).toUInt(), 0x020200u);
    // The stale registration was dropped with the old version.
    EXPECT_FALSE(QznUserStore().contains(QStringLiteral("Classes/.aef/FileType")));
    EXPECT_TRUE(update.messages.isEmpty());
}
