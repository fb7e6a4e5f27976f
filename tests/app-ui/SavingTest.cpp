// Saving and opening as a first-time user meets them: the first "Speichern"
// in a home folder that has no documents folder yet, and messages that name
// the file and say why it could not be saved or opened.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>

#include "AppUiTestSupport.h"
#include "app/AppDocument.h"
#include "app/CChildFrame.h"
#include "app/Dv1AppDocument.h"
#include "app/WidgetPrompt.h"

namespace {

// The script's answers, but the real save dialog.
struct RealSaveDialog : ScriptedPrompt {
    QString saveFileName(QWidget* parent, const FileDialogFilters& filters, const QString& proposal) override
    {
        saveProposals << proposal;
        return real.saveFileName(parent, filters, proposal);
    }
    WidgetPrompt real;
};

// The reason the system gives for writing path.
QString systemReason(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) ? QString() : file.errorString();
}

} // namespace

class Saving : public AppFixture
{
protected:
    void SetUp() override
    {
        m_oldHome = qgetenv("HOME");
        qputenv("HOME", home.path().toLocal8Bit());
        AppFixture::SetUp();
    }
    void TearDown() override
    {
        AppFixture::TearDown();
        qputenv("HOME", m_oldHome);
    }

    QAction* command(const char* name) { return frame().command(QLatin1String(name)); }
    // A new Einheitspapier with something typed, in the shown and active
    // program window.
    void startWithTypedDocument()
    {
        prompt.choices << 0;
        start();
        frame().show();
        QApplication::setActiveWindow(&frame());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Absender"));
    }

    testsupport::TempDir home;
    RealSaveDialog realDialog;

private:
    QByteArray m_oldHome;
};

TEST_F(Saving, TheFirstSaveInAFreshHomeProposesTheDocumentsFolderAndSavesThere)
{
    realDialog.choices << 0;
    app->setPrompt(&realDialog);
    start();
    frame().show();
    QApplication::setActiveWindow(&frame());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame()));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Absender"));
    // The documents folder is gone (start-up may have made it for the
    // master data; the user deleted it since, or never had one).
    const QString documents = QDir(home.path()).filePath(QStringLiteral("Documents"));
    QDir(documents).removeRecursively();
    ASSERT_FALSE(QFileInfo::exists(documents));

    QString shownFolder;
    QString shownName;
    WhenModal<QFileDialog> answer([&](QFileDialog& dialog) {
        shownFolder = dialog.directory().absolutePath();
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        shownName = name->text();
        QTest::keyClick(name, Qt::Key_Return);
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);

    EXPECT_EQ(answer.seen(), 1);
    EXPECT_EQ(shownFolder, documents);
    EXPECT_EQ(shownName, QStringLiteral("EhForm1.aef"));
    const QString saved = QDir(documents).filePath(QStringLiteral("EhForm1.aef"));
    EXPECT_TRUE(QFile::exists(saved));
    EXPECT_TRUE(realDialog.messages.isEmpty()) << realDialog.messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(app->docManager().activeDocument()->path(), saved);
    EXPECT_FALSE(app->docManager().activeDocument()->isModified());
}

TEST_F(Saving, WithoutADocumentsFolderTheHomeFolderIsProposed)
{
    // A file where the folder would be: the folder cannot be made.
    QDir(QDir(home.path()).filePath(QStringLiteral("Documents"))).removeRecursively();
    testsupport::writeFile(QDir(home.path()).filePath(QStringLiteral("Documents")), "kein Ordner");
    startWithTypedDocument();
    command("fileSave")->trigger();
    ASSERT_EQ(prompt.saveProposals.size(), 1);
    EXPECT_EQ(prompt.saveProposals.constFirst(), QDir(home.path()).filePath(QStringLiteral("EhForm1.aef")));
}

TEST_F(Saving, AFailedSaveNamesTheFileAndTheSystemsReasonAndKeepsTheDocument)
{
    startWithTypedDocument();
    const QString missingFolder = files.file(QStringLiteral("gibt-es-nicht/Anmeldung.aef"));
    prompt.saveNames << missingFolder;
    command("fileSave")->trigger();
    ASSERT_EQ(prompt.messages.size(), 1);
    const QStringList lines = prompt.messages.constFirst().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2) << prompt.messages.constFirst().toStdString();
    EXPECT_EQ(lines.at(0),
              QStringLiteral("Die Datei \"%1\" kann nicht gespeichert werden.").arg(QDir::toNativeSeparators(missingFolder)));
    EXPECT_EQ(lines.at(1), systemReason(missingFolder));
    AppDocument* doc = app->docManager().activeDocument();
    EXPECT_TRUE(doc->isModified());
    EXPECT_TRUE(doc->path().isEmpty());
    EXPECT_TRUE(app->docManager().recentFiles().files().isEmpty());

    // A D.V.1 saved over a folder of its name says why too.
    prompt.messages.clear();
    prompt.choices << FileDialogFilters::Dv1Form;
    app->OnFileNew();
    ASSERT_TRUE(dynamic_cast<Dv1AppDocument*>(app->docManager().activeDocument()));
    const QString folder = files.file(QStringLiteral("Ordner.fdv"));
    ASSERT_TRUE(QDir().mkpath(folder));
    prompt.saveNames << folder;
    command("fileSaveAs")->trigger();
    ASSERT_EQ(prompt.messages.size(), 1);
    const QStringList dv1Lines = prompt.messages.constFirst().split(QLatin1Char('\n'));
    ASSERT_EQ(dv1Lines.size(), 2) << prompt.messages.constFirst().toStdString();
    EXPECT_TRUE(dv1Lines.at(0).contains(QDir::toNativeSeparators(folder)));
    EXPECT_FALSE(dv1Lines.at(1).trimmed().isEmpty());
}

TEST_F(Saving, AFileThatCannotBeOpenedIsNamedWithTheReason)
{
    start();
    const QString damaged = files.file(QStringLiteral("Kaputt.aef"));
    testsupport::writeFile(damaged, QByteArray("QZN-EHForm@2.10") + QByteArray(7, '\xFF'));
    const QString damagedDv1 = files.file(QStringLiteral("Kaputt.fdv"));
    testsupport::writeFile(damagedDv1, QByteArray("QZN-DV1Form@3.00") + QByteArray("\x2C\x01\x00", 3));
    const QString missing = files.file(QStringLiteral("Fehlt.aef"));

    for (const QString& path : {damaged, damagedDv1, missing})
        EXPECT_EQ(app->docManager().openDocument(path), nullptr) << path.toStdString();
    ASSERT_EQ(prompt.messages.size(), 3);
    const auto opening = [](const QString& path) {
        return QStringLiteral("Die Datei \"%1\" kann nicht geöffnet werden.\n").arg(QDir::toNativeSeparators(path));
    };
    EXPECT_EQ(prompt.messages.at(0), opening(damaged) + QStringLiteral("Unerwartetes Dateiformat."));
    EXPECT_EQ(prompt.messages.at(1), opening(damagedDv1) + QStringLiteral("Unerwartetes Dateiformat."));
    QFile gone(missing);
    ASSERT_FALSE(gone.open(QIODevice::ReadOnly));
    EXPECT_EQ(prompt.messages.at(2), opening(missing) + gone.errorString());
    EXPECT_TRUE(app->docManager().documents().isEmpty());
}

TEST_F(Saving, AnEmptyFileWhoseFormSetQuestionIsCancelledIsNotRemembered)
{
    start();
    const QString empty = files.file(QStringLiteral("Leer.aef"));
    testsupport::writeFile(empty, QByteArray());
    int asked = 0;
    app->setFormSetChooser([&asked](QWidget*) {
        ++asked;
        return -1;
    });
    EXPECT_EQ(app->docManager().openDocument(empty), nullptr);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(app->docManager().documents().isEmpty());
    EXPECT_TRUE(app->docManager().recentFiles().files().isEmpty());
    frame().updateCommandUi();
    EXPECT_FALSE(command("recentFile1")->isVisible());

    // Answered, it opens and is remembered.
    app->setFormSetChooser([](QWidget*) { return 1; });
    ASSERT_NE(app->docManager().openDocument(empty), nullptr);
    EXPECT_EQ(app->docManager().recentFiles().files(), QStringList{QFileInfo(empty).absoluteFilePath()});
    EXPECT_TRUE(command("recentFile1")->isVisible());
}
