// The program's site setting and the download page made from an index entry.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "TestSupport.h"
#include "UpdateIndexFixtures.h"
#include "app/UpdatePage.h"
#include "app/UpdateSite.h"
#include "settings/Profile.h"

using updatefixtures::Line;

namespace {

const QString Program = QStringLiteral("Kestrovane-Import");
const UpdateSite Site = UpdateSite::parse(QStringLiteral("https://updates.pavo.example/kestrovane/"));

QString pageFor(const Line& line, UpdateCheckModel::Version installed = {2, 1, 5})
{
    UpdateCheckModel model(Program, installed);
    model.takeIndex(UpdateIndex::find(updatefixtures::index(0, {line}), Program));
    EXPECT_TRUE(model.updateFound());
    return UpdatePage::html(model, Site);
}

int count(const QString& page, const QString& what)
{
    return int(page.count(what, Qt::CaseInsensitive));
}

} // namespace

TEST(UpdateSite, OnlyAnHttpsAddressWithAHostServes)
{
    testsupport::clearSettings();
    const UpdateSite standard = UpdateSite::current();
    ASSERT_TRUE(standard.isValid());
    EXPECT_EQ(standard.text(), QStringLiteral("https://kestrovane-import.pavo.example"));

    ASSERT_TRUE(Site.isValid());
    EXPECT_EQ(Site.text(), QStringLiteral("https://updates.pavo.example/kestrovane"));
    EXPECT_EQ(Site.address(QStringLiteral("/UpdateIndex.qznidx")).toString(),
              QStringLiteral("https://updates.pavo.example/kestrovane/UpdateIndex.qznidx"));
    EXPECT_TRUE(UpdateSite::parse(QStringLiteral("https://127.0.0.1:8443")).isValid());

    for (const char* bad : {"http://updates.pavo.example", "updates.pavo.example", "https://",
                            "https://user:pw@updates.pavo.example", "https://updates.pavo.example/?x=1",
                            "ftp://updates.pavo.example", ""}) {
        Profile::set(Settings::UpdateSite, QString::fromLatin1(bad));
        const UpdateSite site = UpdateSite::current();
        EXPECT_FALSE(site.isValid()) << bad;
        EXPECT_TRUE(site.error().contains(QStringLiteral("Settings/UpdateSite"))) << bad;
    }
}

TEST(UpdatePage, FreeUpdateLinksTheDownloadBelowTheSite)
{
    const QString page = pageFor(Line{"Kestrovane-Import", "2.01.006"});
    EXPECT_TRUE(page.contains(QStringLiteral(
        "<BODY><CENTER><P><FONT SIZE=5 COLOR=#800000><B> Update für Kestrovane-Import auf Ihren Rechner laden "
        "</B></FONT>\r\n")));
    EXPECT_TRUE(page.contains(QStringLiteral("über Ihre bestehende Version (2.01.005) und sind auf dem aktuellen Stand.")));
    EXPECT_TRUE(page.contains(QStringLiteral("Dieses Update ist kostenfrei.<BR><BR>")));
    EXPECT_FALSE(page.contains(QStringLiteral("kostenpflichtig")));
    EXPECT_TRUE(page.contains(QStringLiteral(
        "<A HREF=\"https://updates.pavo.example/kestrovane/download/setup.exe\" TITLE=\"Kestrovane-Import Update "
        "laden\">Kestrovane-Import Version 2.01.006 laden </A><BR><SMALL>(12,3 MB)</SMALL>")));
    EXPECT_TRUE(page.contains(QStringLiteral("javascript:OpenWin('versionsinfo')")));
    EXPECT_TRUE(page.contains(QStringLiteral("window.open(\"https://updates.pavo.example/kestrovane/\" + Item + \".html\"")));
    EXPECT_TRUE(page.endsWith(QStringLiteral("</P></CENTER></BODY></HTML>")));
}

TEST(UpdatePage, NewMajorVersionShowsThePaidUpgradeNotice)
{
    const QString page = pageFor(Line{"Kestrovane-Import", "3.00.000"});
    EXPECT_TRUE(page.contains(QStringLiteral("Dieses Upgrade ist kostenpflichtig!")));
    EXPECT_TRUE(page.contains(QStringLiteral("https://updates.pavo.example/kestrovane/index.php/preisliste")));
    EXPECT_FALSE(page.contains(QStringLiteral("kostenfrei")));
}

TEST(UpdatePage, HostileIndexTextIsShownAsTextAndNeverLinked)
{
    Line hostile{"Kestrovane-Import", "\"><b>9"};
    hostile.downloadSize = "\"><script>";
    hostile.downloadPath = "\"><script>alert(1)</script>";
    hostile.infoPage = "x');alert(1);//";
    QString page = pageFor(hostile);
    // Only the page's own script, and no text of the index as markup.
    EXPECT_EQ(count(page, QStringLiteral("<script")), 1);
    EXPECT_EQ(count(page, QStringLiteral("alert")), 0);
    EXPECT_EQ(count(page, QStringLiteral("<b>9")), 0);
    EXPECT_TRUE(page.contains(QStringLiteral("(&quot;&gt;&lt;script&gt;)")));
    EXPECT_TRUE(page.contains(QStringLiteral("Version &quot;&gt;&lt;b&gt;9 laden ")));
    // Neither the download nor the information page has a link now.
    EXPECT_FALSE(page.contains(QStringLiteral("OpenWin('")));
    EXPECT_FALSE(page.contains(QStringLiteral("TITLE=\"Kestrovane-Import Update laden\"")));

    // Paths that would leave the site or the attribute get no link either.
    for (const char* path : {"javascript:alert(1)", "https://evil.example/x.exe", "a b.exe", "x\\y.exe",
                             "x'.exe", "<x>.exe"}) {
        hostile = Line{"Kestrovane-Import", "2.01.006"};
        hostile.downloadPath = path;
        page = pageFor(hostile);
        EXPECT_FALSE(page.contains(QStringLiteral("TITLE=\"Kestrovane-Import Update laden\""))) << path;
        EXPECT_FALSE(page.contains(QStringLiteral("evil.example"))) << path;
    }
    // Every link of the page stays on the configured site.
    const QRegularExpression href(QStringLiteral("(HREF|SRC)=\"([^\"]*)\""));
    for (const QRegularExpressionMatch& m : href.globalMatch(pageFor(Line{"Kestrovane-Import", "9.00.000"})))
        EXPECT_TRUE(m.captured(2).startsWith(Site.text() + QLatin1Char('/')) ||
                    m.captured(2).startsWith(QStringLiteral("javascript:OpenWin('")))
            << m.captured(2).toStdString();
}
