// The recent-file list: eight entries, newest first, kept in the settings
// store as "Recent File List"/File1 .. File8.
#include <QDir>

#include <gtest/gtest.h>

#include "AppUiTestSupport.h"
#include "TestSupport.h"
#include "settings/Profile.h"
#include "app/RecentFileList.h"

namespace {

QString stored(int n)
{
    return Profile::GetProfileString(QStringLiteral("Recent File List"), QStringLiteral("File%1").arg(n), QString());
}

} // namespace

TEST(RecentFileList, KeepsTheEightNewestWithoutDuplicates)
{
    testsupport::clearSettings();
    testsupport::TempDir dir;
    RecentFileList list;
    for (int i = 1; i <= 9; ++i)
        list.add(dir.file(QStringLiteral("doc%1.aef").arg(i)));
    QStringList files = list.files();
    ASSERT_EQ(files.size(), 8);
    EXPECT_EQ(files.constFirst(), QDir::toNativeSeparators(dir.file(QStringLiteral("doc9.aef"))));
    EXPECT_EQ(files.constLast(), QDir::toNativeSeparators(dir.file(QStringLiteral("doc2.aef"))));
    EXPECT_EQ(stored(1), files.constFirst());
    EXPECT_EQ(stored(8), files.constLast());

    // The same file by another spelling of its path moves up, once.
    list.add(dir.path() + QStringLiteral("/./sub/../doc5.aef"));
    files = list.files();
    EXPECT_EQ(files.size(), 8);
    EXPECT_EQ(files.constFirst(), QDir::toNativeSeparators(dir.file(QStringLiteral("doc5.aef"))));
    EXPECT_EQ(files.count(files.constFirst()), 1);

    list.remove(dir.file(QStringLiteral("doc5.aef")));
    files = list.files();
    EXPECT_EQ(files.size(), 7);
    EXPECT_FALSE(files.contains(QDir::toNativeSeparators(dir.file(QStringLiteral("doc5.aef")))));
    EXPECT_TRUE(stored(8).isEmpty());
}

TEST(RecentFileList, ReadsWhatTheStoreHoldsAndSkipsGaps)
{
    testsupport::clearSettings();
    const QString section = QStringLiteral("Recent File List");
    Profile::WriteProfileString(section, QStringLiteral("File1"), QStringLiteral("/a/eins.aef"));
    Profile::WriteProfileString(section, QStringLiteral("File3"), QStringLiteral("/a/drei.fdv"));
    Profile::WriteProfileString(section, QStringLiteral("File9"), QStringLiteral("/a/neun.aef"));
    EXPECT_EQ(RecentFileList().files(), (QStringList{QStringLiteral("/a/eins.aef"), QStringLiteral("/a/drei.fdv")}));
}

TEST(RecentFileList, MenuTextsAreNumberedAndShortened)
{
    EXPECT_EQ(RecentFileList::menuText(0, QStringLiteral("/home/zoll/Kunde.aef")),
              QStringLiteral("&1 /home/zoll/Kunde.aef"));
    // An ampersand of a file name is shown, not taken as the mnemonic.
    EXPECT_EQ(RecentFileList::menuText(7, QStringLiteral("/a/M&S.aef")), QStringLiteral("&8 /a/M&&S.aef"));
    const QString longPath = QStringLiteral("/home/zoll/") + QString(80, QLatin1Char('x')) + QStringLiteral("/Kunde.aef");
    const QString text = RecentFileList::menuText(1, longPath, 40);
    EXPECT_TRUE(text.startsWith(QStringLiteral("&2 /home/")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("/Kunde.aef")));
    EXPECT_TRUE(text.contains(QStringLiteral("...")));
    EXPECT_LE(text.size(), 3 + 40);
}
