#include "app/UpdatePage.h"

#include "app/HomePage.h"
#include "app/UpdateSite.h"

namespace UpdatePage {

namespace {

bool isPlainAscii(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9'));
}

bool isPathCharacter(QChar c)
{
    // No ":" (a scheme would leave the site), no quote, angle bracket,
    // backslash or blank (they would leave the attribute or the path).
    return isPlainAscii(c) || QStringLiteral("._-~/%+=?&").contains(c);
}

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

QString link(const QString& target, const QString& title, const QString& text, const QString& extra = {})
{
    if (target.isEmpty())
        return text;
    QString a = QStringLiteral("<A HREF=\"%1\"").arg(target.toHtmlEscaped());
    if (!title.isEmpty())
        a += QStringLiteral(" TITLE=\"%1\"").arg(title);
    return a + extra + QLatin1Char('>') + text + QStringLiteral("</A>");
}

} // namespace

bool isPlainPageName(const QString& name)
{
    if (name.isEmpty())
        return false;
    for (const QChar c : name) {
        if (!isPlainAscii(c) && c != QLatin1Char('.') && c != QLatin1Char('_') && c != QLatin1Char('-'))
            return false;
    }
    return true;
}

QString linkTarget(const UpdateSite& site, const QString& path)
{
    if (!site.isValid() || path.isEmpty())
        return QString();
    for (const QChar c : path) {
        if (!isPathCharacter(c))
            return QString();
    }
    return site.address(path).toString(QUrl::FullyEncoded);
}

QString html(const UpdateCheckModel& check, const UpdateSite& site)
{
    const UpdateIndex::Entry& e = check.entry();
    const QString name = escaped(e.name);
    const QString version = escaped(e.version);
    const QString siteText = site.isValid() ? site.text() : QString();

    QString page;
    page += QStringLiteral("<HTML><HEAD><META CHARSET=\"utf-8\">\r\n<TITLE>Pavo - Programm-Update</TITLE>\r\n");
    // The information page opens in a small window of its own; its name is
    // the only value of the index the script sees, and only a plain one.
    page += QStringLiteral("<SCRIPT LANGUAGE=\"JavaScript\">\r\nfunction OpenWin(Item)\r\n{\r\n"
                           "  window.open(\"%1/\" + Item + \".html\", Item, "
                           "\"toolbar=no,directories=no,menubar=no,width=600,height=350,resizable=yes,"
                           "scrollbars=yes\");\r\n}\r\n</SCRIPT>\r\n</HEAD>\r\n")
                .arg(siteText);
    page += QStringLiteral("<BODY><CENTER><P><FONT SIZE=5 COLOR=#800000><B> Update für %1 auf Ihren Rechner laden "
                           "</B></FONT>\r\n")
                .arg(name);
    page += QStringLiteral("<BR><BR>Laden Sie die Datei auf Ihren Rechner und f&uuml;hren Sie diese aus. Beenden Sie "
                           "vorher das Programm, das Sie aktualisieren möchten.<BR>Sie installieren damit die "
                           "aktualisierte Fassung über Ihre bestehende Version (%1) und sind auf dem aktuellen "
                           "Stand.<BR>\r\n")
                .arg(check.installedVersionText());
    if (check.isFreeUpdate()) {
        page += QStringLiteral("Dieses Update ist kostenfrei.<BR><BR>");
    } else {
        page += QStringLiteral("<FONT COLOR=#FF0000><B>Dieses Upgrade ist kostenpflichtig!</B></FONT><BR>"
                               "Informationen zu Upgradepreisen finden Sie auf der %1.<BR><BR>")
                    .arg(link(linkTarget(site, QLatin1String(PriceListPath)), QString(), QStringLiteral("hier"),
                              QStringLiteral(" TARGET=\"_blank\"")));
    }
    page += QStringLiteral("<TABLE BORDER=1 CELLSPACING=0 CELLPADDING=5><TR><TD ALIGN=CENTER><FONT COLOR=#0000FF>"
                           "<SMALL><B>Download</B></SMALL></FONT></TR><TR>");
    page += QStringLiteral("<TD ALIGN=CENTER>%1<BR><SMALL>(%2)</SMALL></TD>")
                .arg(link(linkTarget(site, e.downloadPath), QStringLiteral("%1 Update laden").arg(name),
                          QStringLiteral("%1 Version %2 laden ").arg(name, version)),
                     escaped(e.downloadSize));
    const QString info = QStringLiteral("Versionsinformationen");
    const QString infoTarget = site.isValid() && isPlainPageName(e.infoPage)
                                   ? QStringLiteral("javascript:OpenWin('%1')").arg(e.infoPage)
                                   : QString();
    page += QStringLiteral("</TR><TR><TD COLSPAN=2 ALIGN=CENTER>%1</TD>")
                .arg(link(infoTarget, QStringLiteral("Versionsinformation"), info));
    page += QStringLiteral("</TR></TABLE>\r\n");
    page += QStringLiteral("<BR><BR>%1\r\n")
                .arg(link(linkTarget(site, QLatin1String(HomePage::Path)), QStringLiteral("Pavo im Internet"),
                          QStringLiteral("<IMG SRC=\"%1\" ALT=\"Pavo\" BORDER=0>")
                              .arg(linkTarget(site, QStringLiteral("logo.png")).toHtmlEscaped())));
    page += QStringLiteral("</P></CENTER></BODY></HTML>");
    return page;
}

} // namespace UpdatePage
