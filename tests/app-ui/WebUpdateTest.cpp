// The update check against real HTTPS servers on 127.0.0.1: one whose
// certificate only this test trusts, one nobody trusts, one that never
// answers; and the download page it writes and opens.
#include <QAction>
#include <QDesktopServices>
#include <QMenu>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "AppUiTestSupport.h"
#include "../app/UpdateIndexFixtures.h"
#include "TestHttpsServer.h"
#include "app/Common_DlgWebUpdateD.h"
#include "app/CMainFrame.h"
#include "app/UpdatePage.h"
#include "settings/Profile.h"

using updatefixtures::Line;

namespace {

const QString Program = QStringLiteral("Kestrovane-Import");
const QString NothingLoaded = QStringLiteral("Es sind noch keine Daten geladen.");
const QString TransferFailed = QStringLiteral("Fehler bei der Übertragung");

// Takes the URLs the program hands to the browser.
class BrowserStandIn : public QObject
{
    Q_OBJECT
public:
    BrowserStandIn()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
    }
    ~BrowserStandIn() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

QByteArray indexWith(const char* version, const QByteArray& eol = "\r\n")
{
    return updatefixtures::index(2, {Line{"Zollwert-Rechner", "1.00.000"}, Line{"Kestrovane-Import", version}}, eol);
}

} // namespace

class WebUpdate : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_FALSE(TestCertificates::get().authority.isNull()) << "openssl failed"; }

    std::unique_ptr<Common_DlgWebUpdateD> dialogFor(const QString& site, int timeoutMs = 5000)
    {
        Common_DlgWebUpdateD::Context context;
        context.site = UpdateSite::parse(site);
        context.trustedCertificates = {TestCertificates::get().authority};
        context.timeoutMs = timeoutMs;
        context.documentsFolder = documents.path();
        auto dialog = std::make_unique<Common_DlgWebUpdateD>(Program, UpdateCheckModel::Version{2, 1, 5}, context);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        return dialog;
    }

    // Presses the focused load button with the keyboard and waits for the answer.
    void check(Common_DlgWebUpdateD& dialog)
    {
        EXPECT_EQ(QApplication::focusWidget(), dialog.loadButton());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        EXPECT_TRUE(waitUntil([&] { return !dialog.isChecking(); }, 10000));
        QTest::qWait(50);   // a message box, if any, is up by now
    }

    testsupport::TempDir documents;
    ModalCloser messages;
};

TEST_F(WebUpdate, NewerVersionOnTheTrustedServerOffersTheDownloadPage)
{
    TestHttpsServer server;
    server.answer("HTTP/1.1 200 OK", indexWith("2.01.006"));
    BrowserStandIn browser;
    auto dialog = dialogFor(server.site());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Qzn WebUpdate"));
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("installedVersion"))->text(), QStringLiteral("2.01.005"));
    EXPECT_EQ(dialog->statusText(), NothingLoaded);
    EXPECT_FALSE(dialog->downloadButton()->isEnabled());

    check(*dialog);
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(dialog->statusText(), QStringLiteral("Die derzeit aktuelle Version von Kestrovane-Import ist die Version 2.01.006"));
    EXPECT_FALSE(dialog->loadButton()->isEnabled());
    EXPECT_TRUE(dialog->downloadButton()->isEnabled());
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_TRUE(server.requests().first().startsWith("GET /UpdateIndex.qznidx HTTP/1.1\r\n"));
    EXPECT_TRUE(server.requests().first().contains("\r\nAccept: Text/*\r\n"));

    // Enter on the focused "Download..." writes the page and opens it.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    const QString page = documents.file(QStringLiteral("Update.html"));
    EXPECT_EQ(dialog->pagePath(), page);
    ASSERT_EQ(browser.opened.size(), 1);
    EXPECT_EQ(browser.opened.first(), QUrl::fromLocalFile(page));
    const QString html = QString::fromUtf8(testsupport::readFile(page));
    EXPECT_TRUE(html.contains(QStringLiteral("<A HREF=\"%1/download/setup.exe\"").arg(server.site())));
    EXPECT_TRUE(html.contains(QStringLiteral("Dieses Update ist kostenfrei.")));
}

TEST_F(WebUpdate, SameVersionIsReportedCurrentOnLfIndexes)
{
    TestHttpsServer server;
    server.answer("HTTP/1.1 200 OK", indexWith("2.01.005", "\n"));
    auto dialog = dialogFor(server.site());
    check(*dialog);
    EXPECT_EQ(dialog->statusText(), QStringLiteral("Die benutzte Version von Kestrovane-Import ist auf dem aktuellen Stand."));
    EXPECT_FALSE(dialog->downloadButton()->isEnabled());
    EXPECT_TRUE(dialog->loadButton()->isEnabled());
}

TEST_F(WebUpdate, UntrustedCertificateIsRefusedWithoutReadingAnything)
{
    TestHttpsServer stranger(false);
    stranger.answer("HTTP/1.1 200 OK", indexWith("2.01.006"));
    auto dialog = dialogFor(stranger.site());
    check(*dialog);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().startsWith(
        QStringLiteral("Die Verbindung zu 127.0.0.1:%1 wurde abgelehnt: Das Zertifikat des Servers ist nicht "
                       "vertrauenswürdig.").arg(stranger.port())));
    EXPECT_TRUE(stranger.requests().isEmpty());
    EXPECT_EQ(dialog->statusText(), NothingLoaded);
    EXPECT_FALSE(dialog->downloadButton()->isEnabled());
    EXPECT_TRUE(dialog->loadButton()->isEnabled());
}

TEST_F(WebUpdate, SilentServerAndClosedPortEndInAMessage)
{
    SilentServer silent;
    auto dialog = dialogFor(silent.site(), 300);
    check(*dialog);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts().first().startsWith(QStringLiteral("Der Server 127.0.0.1:")));
    EXPECT_TRUE(messages.texts().first().contains(QStringLiteral("nicht innerhalb von 0,3 Sekunden geantwortet")));
    EXPECT_EQ(dialog->statusText(), NothingLoaded);

    // A port where nobody listens.
    QString closed;
    {
        SilentServer gone;
        closed = gone.site();
    }
    dialog = dialogFor(closed);
    check(*dialog);
    ASSERT_EQ(messages.texts().size(), 2);
    EXPECT_TRUE(messages.texts().last().startsWith(QStringLiteral("Es konnte keine Verbindung zu 127.0.0.1:")));
    EXPECT_EQ(dialog->statusText(), NothingLoaded);
}

TEST_F(WebUpdate, RedirectionsErrorsAndBrokenAnswersAreTransferFaults)
{
    TestHttpsServer elsewhere;
    elsewhere.answer("HTTP/1.1 200 OK", indexWith("9.00.000"));
    TestHttpsServer server;
    server.answer("HTTP/1.1 302 Found", QByteArray(),
                  "Location: " + elsewhere.site().toLatin1() + "/UpdateIndex.qznidx\r\n");
    auto dialog = dialogFor(server.site());
    check(*dialog);
    EXPECT_EQ(dialog->statusText(), TransferFailed);
    EXPECT_TRUE(elsewhere.requests().isEmpty());

    // A 404 page is not read as an index, even when it looks like one.
    server.answer("HTTP/1.1 404 Not Found", indexWith("9.00.000"));
    dialog = dialogFor(server.site());
    check(*dialog);
    EXPECT_EQ(dialog->statusText(), TransferFailed);

    // The answer stops inside the program's line and the server goes quiet.
    const QByteArray index = indexWith("2.01.006");
    server.stallAfter(index, int(index.size()) - 40);
    dialog = dialogFor(server.site(), 500);
    check(*dialog);
    EXPECT_EQ(dialog->statusText(), TransferFailed);
    EXPECT_TRUE(messages.texts().isEmpty());

    // What came before a break still counts when the entry is whole.
    server.stallAfter(index + QByteArray(500, 'x'), int(index.size()));
    dialog = dialogFor(server.site(), 500);
    check(*dialog);
    EXPECT_TRUE(dialog->downloadButton()->isEnabled());
}

TEST_F(WebUpdate, OversizedAnswerIsCutAtWhatTheReaderCanUse)
{
    TestHttpsServer server;
    // Eight megabytes of entries after the program's line.
    QByteArray body = indexWith("2.01.006");
    body += QByteArray(8 * 1024 * 1024, 'x');
    server.answer("HTTP/1.1 200 OK", body);
    auto dialog = dialogFor(server.site());
    check(*dialog);
    EXPECT_TRUE(dialog->downloadButton()->isEnabled());
}

TEST_F(WebUpdate, PageThatCannotBeWrittenKeepsTheDialogOpen)
{
    TestHttpsServer server;
    server.answer("HTTP/1.1 200 OK", indexWith("3.00.000"));
    BrowserStandIn browser;
    auto dialog = dialogFor(server.site());
    check(*dialog);
    // The documents "folder" is a file.
    const QString blocked = documents.file(QStringLiteral("blockiert"));
    testsupport::writeFile(blocked, "x");
    Common_DlgWebUpdateD::Context context;
    context.site = UpdateSite::parse(server.site());
    context.trustedCertificates = {TestCertificates::get().authority};
    context.documentsFolder = blocked;
    Common_DlgWebUpdateD stuck(Program, {2, 1, 5}, context);
    stuck.show();
    stuck.loadButton()->click();
    ASSERT_TRUE(waitUntil([&] { return stuck.downloadButton()->isEnabled(); }, 10000));
    stuck.downloadButton()->click();
    QTest::qWait(50);
    ASSERT_FALSE(messages.texts().isEmpty());
    EXPECT_TRUE(messages.texts().last().startsWith(QStringLiteral("Die Datei ")));
    EXPECT_TRUE(messages.texts().last().contains(QStringLiteral("Update.html konnte nicht geschrieben werden")));
    EXPECT_TRUE(stuck.isVisible());
    EXPECT_TRUE(browser.opened.isEmpty());
}

// The help menu of the running program: the home page and the update check
// both go to the site of the settings.
class SiteCommands : public AppFixture
{
};

TEST_F(SiteCommands, HomePageAndUpdateCheckUseTheSiteSetting)
{
    start();
    BrowserStandIn browser;
    frame().command(QStringLiteral("appHomePage"))->trigger();
    ASSERT_EQ(browser.opened.size(), 1);
    EXPECT_EQ(browser.opened.first(), QUrl(QStringLiteral("https://kestrovane-import.pavo.example/index2.html")));

    Profile::set(Settings::UpdateSite, QStringLiteral("https://updates.pavo.example/kestrovane/"));
    frame().command(QStringLiteral("appHomePage"))->trigger();
    EXPECT_EQ(browser.opened.last(), QUrl(QStringLiteral("https://updates.pavo.example/kestrovane/index2.html")));

    // An address that is not https opens nothing and says why.
    Profile::set(Settings::UpdateSite, QStringLiteral("http://updates.pavo.example"));
    frame().command(QStringLiteral("appHomePage"))->trigger();
    EXPECT_EQ(browser.opened.size(), 2);
    ASSERT_EQ(prompt.messages.size(), 1);
    EXPECT_TRUE(prompt.messages.first().contains(QStringLiteral("Settings/UpdateSite")));

    // The update check names the program and the installed version.
    QString name, version;
    WhenModal<Common_DlgWebUpdateD> dialog([&](Common_DlgWebUpdateD& d) {
        name = d.findChild<QLabel*>(QStringLiteral("programName"))->text();
        version = d.findChild<QLabel*>(QStringLiteral("installedVersion"))->text();
        d.reject();
    });
    QAction* webUpdate = frame().command(QStringLiteral("appWebUpdate"));
    EXPECT_TRUE(frame().menu(QStringLiteral("menuHelp"))->actions().contains(webUpdate));
    webUpdate->trigger();
    EXPECT_EQ(name, QStringLiteral("Kestrovane-Import"));
    EXPECT_EQ(version, QStringLiteral("2.01.005"));
}

#include "WebUpdateTest.moc"
