// The start-up of the program: what it registers and loads, the first
// document or the chooser, "-init", a damaged file on the command line, the
// splash window, and the application's own dialogs.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "AppUiTestSupport.h"
#include "app/CChildFrame.h"
#include "app/CSplashWnd.h"
#include "app/CAboutDlg.h"
#include "app/Common_DlgInternalInfo.h"
#include "masterdata/AddressTable.h"
#include "masterdata/CKestrovaneStammDaten.h"
#include "settings/FreedesktopRegistration.h"
#include "app/SystemInfoReport.h"
#include "form/CEinheitspapierDoc.h"
#include "print/EhPrintController.h"

namespace {

constexpr QFile::Permissions ReadWriteAll = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                            QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;

// The tables as an older installation may have named them.
void makeTables(const QString& dir)
{
    for (const char* name : {"ARTIKEL1.DBF", "Adress1.dbf"}) {
        const QString path = dir + QLatin1Char('/') + QLatin1String(name);
        testsupport::writeFile(path, QByteArray(40, '\0'));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    }
}

} // namespace

class StartUp : public AppFixture
{
};

TEST_F(StartUp, AnEmptyCommandLineShowsTheChooserAndCancelLeavesAnEmptyWindow)
{
    start();
    EXPECT_EQ(prompt.chooserCalls, 1);
    ASSERT_NE(app->mainFrame(), nullptr);
    EXPECT_TRUE(frame().isVisible());
    EXPECT_TRUE(app->docManager().documents().isEmpty());
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("Kestrovane-Import"));
    EXPECT_EQ(frame().statusText(0), QStringLiteral("Bereit"));

    // What start-up leaves in the stores: the field tables with their sizes
    // and the desktop's entry for the program.
    EXPECT_EQ(Profile::get(Settings::FieldSize_EH1), 616);
    EXPECT_EQ(Profile::get(Settings::FieldSize_EH2), 856);
    EXPECT_TRUE(QFile::exists(FreedesktopRegistration().desktopEntryPath()));
    EXPECT_EQ(app->programDirectory(), programDir.path() + QLatin1Char('/'));
}

TEST_F(StartUp, AFileOnTheCommandLineOpensWithoutTheChooser)
{
    CEinheitspapierDoc doc;
    doc.deleteContents();
    doc.setFormSet(2);
    doc.store().setText(10, 1, QStringLiteral("Absender"));
    const QString path = files.file(QStringLiteral("Start.aef"));
    ASSERT_TRUE(doc.save(path));

    start({path});
    EXPECT_EQ(prompt.chooserCalls, 0);
    ASSERT_EQ(app->docManager().documents().size(), 1);
    EXPECT_EQ(shownTitle(frame().activeChildFrame()), QStringLiteral("Start.aef"));
    EXPECT_EQ(app->docManager().recentFiles().files().size(), 1);
}

TEST_F(StartUp, ADamagedFileOnTheCommandLineIsReportedAndTheWindowStillOpens)
{
    const QString damaged = files.file(QStringLiteral("Kaputt.aef"));
    testsupport::writeFile(damaged, QByteArray("QZN-EHForm@2.10") + QByteArray(7, '\xFF'));
    const QString missing = files.file(QStringLiteral("Fehlt.aef"));

    start({damaged, missing});
    ASSERT_EQ(prompt.messages.size(), 2);
    EXPECT_EQ(prompt.messages.at(0), QStringLiteral("Die Datei \"%1\" kann nicht geöffnet werden.\nUnerwartetes Dateiformat.")
                                         .arg(QDir::toNativeSeparators(damaged)));
    EXPECT_TRUE(prompt.messages.at(1).contains(QStringLiteral("Fehlt.aef")));
    EXPECT_EQ(prompt.chooserCalls, 0);
    EXPECT_TRUE(frame().isVisible());
    EXPECT_TRUE(app->docManager().documents().isEmpty());
    EXPECT_TRUE(app->docManager().recentFiles().files().isEmpty());
}

TEST_F(StartUp, InitGrantsWriteAccessToTheTablesAndOpensNoWindow)
{
    makeTables(programDir.path());
    EXPECT_FALSE(app->InitInstance({QStringLiteral("-init")}));
    EXPECT_EQ(app->mainFrame(), nullptr);
    EXPECT_EQ(prompt.chooserCalls, 0);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible()) << w->metaObject()->className();
    for (const char* name : {"ARTIKEL1.DBF", "Adress1.dbf"}) {
        const QFile::Permissions p = QFile::permissions(programDir.file(QLatin1String(name)));
        EXPECT_EQ(p & ReadWriteAll, ReadWriteAll) << name;
    }
}

TEST_F(StartUp, TheRealProgramEndsAtOnceAfterInit)
{
    // A copy of the program in a folder of its own: "-init" works on the
    // folder the program lives in.
    const QString exe = programDir.file(QStringLiteral("kestrovane-import"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KV_APP_PATH), exe));
    makeTables(programDir.path());

    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    // Its own home, so the tables are made and the note is written.
    testsupport::TempDir home;
    env.insert(QStringLiteral("HOME"), home.path());
    env.remove(QStringLiteral("XDG_DOCUMENTS_DIR"));
    p.setProcessEnvironment(env);
    p.start(exe, {QStringLiteral("-init")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().constData();
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_TRUE(out.startsWith(QStringLiteral("Die Stammdaten von Kestrovane-Import liegen im Datenordner\n")))
        << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Dort wurde neu angelegt: ARTIKEL1.DBF, Adress1.dbf.")));
    const QString folder = out.section(QLatin1Char('\n'), 1, 1);
    EXPECT_TRUE(folder.startsWith(home.path())) << folder.toStdString();
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/ARTIKEL1.DBF")));
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/Adress1.dbf")));
    for (const char* name : {"ARTIKEL1.DBF", "Adress1.dbf"}) {
        const QFile::Permissions perms = QFile::permissions(programDir.file(QLatin1String(name)));
        EXPECT_EQ(perms & ReadWriteAll, ReadWriteAll) << name;
    }
}

TEST_F(StartUp, TheFirstStartMakesTheTablesInTheDataFolderAndSaysWhereOnce)
{
    const QString data = dataDirectory();
    QDir(data).removeRecursively();
    start();
    ASSERT_EQ(prompt.messages.size(), 1);
    EXPECT_EQ(prompt.messages.at(0), QStringLiteral("Die Stammdaten von Kestrovane-Import liegen im Datenordner\n%1\n\n"
                                                    "Dort wurde neu angelegt: ARTIKEL1.DBF, Adress1.dbf.")
                                         .arg(QDir::toNativeSeparators(data)));
    CKestrovaneStammDaten goods(data);
    goods.SetFileFromSettings();
    EXPECT_EQ(goods.Load(), 0);
    AddressTable addresses;
    ASSERT_TRUE(addresses.Open(AddressTable::DefaultPath(data)));
    EXPECT_EQ(addresses.Entries().size(), 1);

    // The next start finds them and says nothing.
    app.reset();
    app = std::make_unique<CKestrovaneImportApp>();
    app->setPrompt(&prompt);
    start();
    EXPECT_EQ(prompt.messages.size(), 1);
}

TEST_F(StartUp, TheSplashGoesAfterItsTimeOrAtTheFirstKey)
{
    Profile::set(Settings::SplashScreen, 2);
    start();
    CSplashWnd* splash = CSplashWnd::current();
    ASSERT_NE(splash, nullptr);
    // The main window is drawn first; the splash follows it onto the screen.
    EXPECT_FALSE(splash->isVisible());
    ASSERT_TRUE(waitUntil([splash] { return splash->isVisible(); }));
    ASSERT_NE(frame().windowHandle(), nullptr);
    EXPECT_TRUE(frame().windowHandle()->isExposed());
    // Only one at a time.
    EXPECT_EQ(CSplashWnd::showSplashScreen(&frame(), 2), nullptr);
    QTest::keyClick(&frame(), Qt::Key_Space);
    EXPECT_EQ(CSplashWnd::current(), nullptr);

    ASSERT_NE(CSplashWnd::showSplashScreen(&frame(), 1), nullptr);
    EXPECT_TRUE(waitUntil([] { return CSplashWnd::current() == nullptr; }, 3000));
}

TEST_F(StartUp, NoSplashWhenItsTimeIsZero)
{
    Profile::set(Settings::SplashScreen, 0);
    start();
    EXPECT_EQ(CSplashWnd::current(), nullptr);
}

TEST_F(StartUp, SystemInformationListsTheSettingsAndWritesTheSupportFile)
{
    Profile::set(Settings::PrnFactorV, 1012);
    Profile::WriteProfileString(QStringLiteral("Recent File List"), QStringLiteral("File1"), QStringLiteral("/z/eins.aef"));
    SystemInfoReport::Facts facts = SystemInfoReport::gather(QStringLiteral("/opt/kestrovane/"), QStringLiteral("Apr  9 2021"));
    facts.screenDpi = 120;
    const QString text = SystemInfoReport::text(facts);
    EXPECT_TRUE(text.contains(QStringLiteral("(120 DPI)")));
    EXPECT_TRUE(text.contains(QStringLiteral("Registry-Details:")));
    EXPECT_TRUE(text.contains(QStringLiteral("PrnFactorV=1012, PrnFactorH=1000")));
    EXPECT_TRUE(text.contains(QStringLiteral("DFont0=30")));
    EXPECT_TRUE(text.contains(QStringLiteral("PFont4B=46")));
    EXPECT_TRUE(text.contains(QStringLiteral("WinFormScaledFactorOv=(nicht gesetzt)")));
    EXPECT_TRUE(text.contains(QStringLiteral("/z/eins.aef")));
    EXPECT_TRUE(text.contains(QStringLiteral("/opt/kestrovane/")));

    Profile::set(Settings::Language, 1);
    EXPECT_TRUE(SystemInfoReport::text(facts).contains(QStringLiteral("Program version: ")));

    const QString folder = files.file(QStringLiteral("Daten"));
    Common_DlgInternalInfo dlg(text, folder);
    dlg.show();
    QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("saveSupportFile")), Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(QString::fromUtf8(testsupport::readFile(dlg.supportFilePath())), text);
}

TEST_F(StartUp, PrinterCommandsWorkOnTheProgramsPrinter)
{
    prompt.choices << 0;
    start();
    QList<QPrinter*> setUp;
    app->printEnvironment().printSetup = [&](QWidget*, QPrinter& printer) { setUp << &printer; };

    // One printer set-up entry, whether the view or the program answers it.
    QMenu* file = frame().menu(QStringLiteral("menuFile"));
    int entries = 0;
    for (QAction* a : file->actions())
        entries += a->text() == QStringLiteral("Dru&ckeinrichtung...") ? 1 : 0;
    EXPECT_EQ(entries, 1);
    frame().command(QStringLiteral("filePrintSetup"))->trigger();
    prompt.saveAnswers << AppPrompt::SaveAnswer::No;
    frame().command(QStringLiteral("fileCloseAll"))->trigger();
    frame().command(QStringLiteral("filePrintSetup"))->trigger();
    EXPECT_EQ(setUp, (QList<QPrinter*>{&app->printer(), &app->printer()}));

    // A stored printer that is gone is reported; the printer stays.
    const QString before = app->printer().printerName();
    EXPECT_FALSE(frame().selectPrinter(QStringLiteral("Gibt es nicht")));
    EXPECT_EQ(prompt.messages, QStringList{QStringLiteral("Der Drucker Gibt es nicht konnte nicht gefunden werden.\n"
                                                          "Es wird der Standarddrucker verwendet.")});
    EXPECT_EQ(app->printer().printerName(), before);
}

TEST_F(StartUp, TheFileMenuOpensTheGoodsMasterData)
{
    start();
    QAction* masterData = frame().command(QStringLiteral("appMasterData"));
    ASSERT_NE(masterData, nullptr);
    EXPECT_EQ(masterData->text(), QStringLiteral("Sta&mmdaten..."));
    EXPECT_EQ(masterData->statusTip(), QStringLiteral("Öffnet einen Dialog zur Eingabe und Korrektur der Stammdaten"));
    EXPECT_TRUE(frame().menu(QStringLiteral("menuFile"))->actions().contains(masterData));

    QString title;
    int helpWhileOpen = 0;
    QTimer closer;
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        // The topic follows the focus, which the dialog has once it is up.
        const QWidget* focus = QApplication::focusWidget();
        if (dialog && focus && focus->window() == dialog) {
            title = dialog->windowTitle();
            helpWhileOpen = app->helpContext();
            dialog->done(QDialog::Rejected);
        }
    });
    closer.start();
    masterData->trigger();
    closer.stop();
    // The goods table of the data folder, still empty: a new record is
    // being typed, with the help topic of the description box.
    EXPECT_EQ(title, QStringLiteral("Stammdateneingabe"));
    EXPECT_EQ(helpWhileOpen, 431);
    EXPECT_EQ(app->helpContext(), 0);
}
