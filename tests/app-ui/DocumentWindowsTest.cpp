// The document windows of the running program: a new Einheitspapier filled
// in, saved, closed and opened again; the question before a modified
// document goes; opening by command, recent-file list and dropping.
#include <QAbstractButton>
#include <QAction>
#include <QDropEvent>
#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "AppUiTestSupport.h"
#include "app/AppDocument.h"
#include "app/CChildFrame.h"
#include "app/EhAppDocument.h"
#include "app/EhViewAdapter.h"
#include "app/WidgetPrompt.h"
#include "view/CEinheitspapierView.h"
#include "view/CQznEditWindow_EHP.h"

namespace {

using Answer = AppPrompt::SaveAnswer;

struct Entry {
    int page;
    int field;
    QString text;
};

// Fields of both sheets that take plain typing in every form set.
const QList<Entry> Entries{
    {1, 10, QStringLiteral("Müller & Söhne GmbH")},
    {1, 18, QStringLiteral("Zollagentur Nord")},
    {1, 52, QStringLiteral("Kugellager aus Stahl")},
    {2, 11, QStringLiteral("Schrauben M8, verzinkt")},
    {2, 32, QStringLiteral("Muttern M8")},
};

CEinheitspapierView* viewOf(CChildFrame* frame)
{
    return static_cast<EhViewAdapter&>(frame->view()).view();
}

CEinheitspapierDoc& ehDocument(AppDocument* document)
{
    return static_cast<EhAppDocument*>(document)->document();
}

void typeInto(CEinheitspapierView* view, int page, int field, const QString& text)
{
    ASSERT_TRUE(view->goToFormField(field, page));
    typeText(view->editor(), text);
}

} // namespace

class DocumentWindows : public AppFixture
{
protected:
    // A new Einheitspapier of form set 1 through the chooser at start-up.
    CChildFrame* startWithNewDocument(int formSet = 1)
    {
        prompt.choices << formSet;
        start();
        return frame().activeChildFrame();
    }
    QAction* command(const char* name) { return frame().command(QLatin1String(name)); }
};

TEST_F(DocumentWindows, FilledDocumentSurvivesSaveCloseAndReopenFromTheRecentList)
{
    CChildFrame* child = startWithNewDocument(1);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(prompt.chooserCalls, 1);
    EXPECT_TRUE(prompt.lastOfferDv1);   // the fifth choice, the D.V.1
    EXPECT_EQ(app->requestedForm(), 1);
    EXPECT_EQ(shownTitle(child), QStringLiteral("EhForm1"));
    EXPECT_TRUE(frame().windowTitle().startsWith(QStringLiteral("Kestrovane-Import - ")));
    EXPECT_TRUE(frame().windowTitle().contains(QStringLiteral("EhForm1")));
    EXPECT_EQ(ehDocument(&child->document()).formSet(), 1);
    EXPECT_EQ(frame().statusText(1), QStringLiteral("Einheitspapier - Seite 1 von 2"));

    CEinheitspapierView* view = viewOf(child);
    for (const Entry& e : Entries)
        typeInto(view, e.page, e.field, e.text);
    frame().updateCommandUi();
    EXPECT_TRUE(child->document().isModified());
    EXPECT_TRUE(command("fileSave")->isEnabled());

    // The last text is still in the editor: saving must take it along.
    prompt.saveNames << files.file(QStringLiteral("Anmeldung"));
    command("fileSaveAs")->trigger();
    const QString path = files.file(QStringLiteral("Anmeldung.aef"));
    ASSERT_TRUE(QFile::exists(path));
    EXPECT_TRUE(testsupport::readFile(path).startsWith("QZN-EHForm@2.10"));
    EXPECT_EQ(prompt.savePreselections, QStringList{QStringLiteral("Einheitspapier. (*.aef)")});
    EXPECT_TRUE(prompt.saveProposals.constFirst().endsWith(QStringLiteral("/EhForm1.aef")));
    EXPECT_EQ(shownTitle(child), QStringLiteral("Anmeldung.aef"));
    EXPECT_TRUE(frame().windowTitle().contains(QStringLiteral("Anmeldung.aef")));
    EXPECT_FALSE(frame().windowTitle().contains(QStringLiteral("EhForm1")));
    frame().updateCommandUi();
    EXPECT_FALSE(command("fileSave")->isEnabled());

    command("fileClose")->trigger();
    EXPECT_TRUE(prompt.saveQuestions.isEmpty());
    EXPECT_TRUE(app->docManager().documents().isEmpty());
    frame().updateCommandUi();
    EXPECT_FALSE(command("fileSaveAs")->isEnabled());
    EXPECT_EQ(frame().windowTitle(), QStringLiteral("Kestrovane-Import"));

    QAction* recent = command("recentFile1");
    ASSERT_TRUE(recent->isVisible());
    EXPECT_TRUE(recent->text().endsWith(QStringLiteral("Anmeldung.aef")));
    recent->trigger();
    ASSERT_EQ(app->docManager().documents().size(), 1);
    AppDocument* reopened = app->docManager().documents().constFirst();
    EXPECT_EQ(reopened->path(), path);
    EXPECT_FALSE(reopened->isModified());
    const CEinheitspapierDoc& doc = ehDocument(reopened);
    EXPECT_EQ(doc.formSet(), 1);
    for (const Entry& e : Entries)
        EXPECT_EQ(doc.store().text(e.field, e.page), e.text) << e.page << "/" << e.field;
    EXPECT_TRUE(prompt.messages.isEmpty());
}

TEST_F(DocumentWindows, TheSaveQuestionSavesDiscardsOrKeepsTheDocument)
{
    CChildFrame* child = startWithNewDocument(0);
    const QString path = files.file(QStringLiteral("Frage.aef"));
    ASSERT_TRUE(app->docManager().saveDocumentTo(child->document(), path));
    const QByteArray saved = testsupport::readFile(path);

    typeInto(viewOf(child), 1, 10, QStringLiteral("geändert"));
    // Cancel keeps the window and the typed text.
    prompt.saveAnswers << Answer::Cancel;
    command("fileClose")->trigger();
    EXPECT_EQ(prompt.saveQuestions, QStringList{QStringLiteral("Frage.aef")});
    ASSERT_EQ(app->docManager().documents().size(), 1);
    EXPECT_TRUE(child->document().isModified());
    EXPECT_EQ(testsupport::readFile(path), saved);

    // No closes without writing.
    prompt.saveAnswers << Answer::No;
    command("fileClose")->trigger();
    EXPECT_TRUE(app->docManager().documents().isEmpty());
    EXPECT_EQ(testsupport::readFile(path), saved);

    // Yes writes first.
    app->docManager().openDocument(path);
    child = frame().activeChildFrame();
    typeInto(viewOf(child), 1, 18, QStringLiteral("gespeichert"));
    prompt.saveAnswers << Answer::Yes;
    command("fileClose")->trigger();
    EXPECT_TRUE(app->docManager().documents().isEmpty());
    CEinheitspapierDoc check;
    ASSERT_TRUE(check.load(path));
    EXPECT_EQ(check.store().text(18, 1), QStringLiteral("gespeichert"));
    EXPECT_EQ(check.store().text(10, 1), QString());
}

TEST_F(DocumentWindows, YesOnANewDocumentAsksForANameAndCancellingThatKeepsItOpen)
{
    CChildFrame* child = startWithNewDocument(2);
    typeInto(viewOf(child), 1, 10, QStringLiteral("neu"));
    prompt.saveAnswers << Answer::Yes;
    command("fileClose")->trigger();  // the name dialog is cancelled
    EXPECT_EQ(prompt.saveProposals.size(), 1);
    ASSERT_EQ(app->docManager().documents().size(), 1);

    prompt.saveAnswers << Answer::Yes;
    prompt.saveNames << files.file(QStringLiteral("Neu.aef"));
    command("fileClose")->trigger();
    EXPECT_TRUE(app->docManager().documents().isEmpty());
    EXPECT_TRUE(QFile::exists(files.file(QStringLiteral("Neu.aef"))));
}

TEST_F(DocumentWindows, EndingTheProgramAsksForEveryModifiedDocumentBeforeClosingAny)
{
    CChildFrame* first = startWithNewDocument(0);
    typeInto(viewOf(first), 1, 10, QStringLiteral("eins"));
    prompt.choices << 3;
    app->OnFileNew();
    CChildFrame* second = frame().activeChildFrame();
    ASSERT_NE(second, first);
    EXPECT_EQ(shownTitle(second), QStringLiteral("EhForm2"));
    typeInto(viewOf(second), 1, 10, QStringLiteral("zwei"));

    // The window menu lists both and brings the chosen one to the front.
    QMenu* windows = frame().menu(QStringLiteral("menuWindow"));
    emit windows->aboutToShow();
    QStringList listed;
    for (QAction* a : windows->actions()) {
        if (a->objectName().startsWith(QLatin1String("window")) && a->isCheckable())
            listed << a->text();
    }
    // Both hold unsaved changes.
    EXPECT_EQ(listed, (QStringList{QStringLiteral("&1 EhForm1*"), QStringLiteral("&2 EhForm2*")}));
    frame().findChild<QAction*>(QStringLiteral("window1"))->trigger();
    EXPECT_EQ(frame().activeChildFrame(), first);

    // No for the first, Cancel for the second: nothing closes.
    prompt.saveAnswers << Answer::No << Answer::Cancel;
    EXPECT_FALSE(frame().close());
    EXPECT_EQ(prompt.saveQuestions, (QStringList{QStringLiteral("EhForm1"), QStringLiteral("EhForm2")}));
    EXPECT_EQ(app->docManager().documents().size(), 2);
    EXPECT_TRUE(frame().isVisible());

    prompt.saveAnswers << Answer::No << Answer::No;
    EXPECT_TRUE(frame().close());
    EXPECT_TRUE(app->docManager().documents().isEmpty());
}

TEST_F(DocumentWindows, TheRealQuestionIsGermanWithJaNeinAbbrechen)
{
    app->setPrompt(nullptr);
    WidgetPrompt real;
    for (const auto& [button, answer] :
         {std::pair{QStringLiteral("&Ja"), Answer::Yes}, std::pair{QStringLiteral("&Nein"), Answer::No},
          std::pair{QStringLiteral("Abbrechen"), Answer::Cancel}}) {
        QString text;
        QStringList buttons;
        QTimer::singleShot(0, [&, button = button] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            text = box->text();
            for (QAbstractButton* b : box->buttons())
                buttons << b->text();
            for (QAbstractButton* b : box->buttons()) {
                if (b->text() == button)
                    b->click();
            }
        });
        EXPECT_EQ(real.askSaveChanges(nullptr, QStringLiteral("EhForm1")), answer);
        EXPECT_EQ(text, QStringLiteral("Änderungen an EhForm1 speichern?"));
        EXPECT_EQ(buttons.size(), 3);
    }
}

TEST_F(DocumentWindows, OpeningByDialogDropAndTwiceGivesOneWindowPerFile)
{
    startWithNewDocument(0);
    const QString path = files.file(QStringLiteral("Einmal.aef"));
    ASSERT_TRUE(app->docManager().saveDocumentTo(*app->docManager().activeDocument(), path));
    command("fileClose")->trigger();

    // The open dialog preselects the type of the last choice.
    prompt.openNames << path;
    command("fileOpen")->trigger();
    EXPECT_EQ(prompt.openPreselections, QStringList{QStringLiteral("Einheitspapier. (*.aef)")});
    ASSERT_EQ(app->docManager().documents().size(), 1);

    // Dropping the same file onto the window only brings it to the front.
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QWidget* target = frame().mdiArea()->viewport();
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QTest::qWait(50);
    EXPECT_EQ(app->docManager().documents().size(), 1);

    command("fileClose")->trigger();
    QDragEnterEvent enterAgain(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enterAgain);
    QDropEvent again(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &again);
    EXPECT_TRUE(again.isAccepted());
    EXPECT_TRUE(waitUntil([this] { return app->docManager().documents().size() == 1; }));
    EXPECT_EQ(app->docManager().documents().constFirst()->path(), path);
}

TEST_F(DocumentWindows, AFileThatIsGoneDropsOutOfTheRecentList)
{
    startWithNewDocument(0);
    const QString path = files.file(QStringLiteral("Weg.aef"));
    ASSERT_TRUE(app->docManager().saveDocumentTo(*app->docManager().activeDocument(), path));
    command("fileClose")->trigger();
    QFile::remove(path);

    command("recentFile1")->trigger();
    EXPECT_EQ(prompt.messages.size(), 1);
    EXPECT_TRUE(app->docManager().documents().isEmpty());
    EXPECT_TRUE(app->docManager().recentFiles().files().isEmpty());
    frame().updateCommandUi();
    EXPECT_FALSE(command("recentFile1")->isVisible());
}

TEST_F(DocumentWindows, ARefusedFileOpensAsANewDocumentSoSavingCannotOverwriteIt)
{
    start();
    const QString path = files.file(QStringLiteral("Fremd.aef"));
    const QByteArray foreign("Dies ist kein Einheitspapier, nur ein Text.\n");
    testsupport::writeFile(path, foreign);
    app->setRequestedForm(0);
    ModalCloser closer;
    ASSERT_NE(app->docManager().openDocument(path), nullptr);
    // The view reported the format.
    ASSERT_EQ(closer.texts().size(), 1);
    EXPECT_TRUE(closer.texts().constFirst().startsWith(QStringLiteral("Dies ist kein bekanntes Dokumentformat")));
    AppDocument* doc = app->docManager().activeDocument();
    EXPECT_TRUE(doc->path().isEmpty());
    EXPECT_EQ(doc->title(), QStringLiteral("EhForm1"));
    EXPECT_TRUE(app->docManager().recentFiles().files().isEmpty());

    typeInto(viewOf(frame().activeChildFrame()), 1, 10, QStringLiteral("neu"));
    prompt.saveNames << files.file(QStringLiteral("Neu.aef"));
    command("fileSave")->trigger();
    EXPECT_EQ(prompt.saveProposals.size(), 1);
    EXPECT_EQ(testsupport::readFile(path), foreign);
}

TEST_F(DocumentWindows, TheActiveViewLendsItsCommandsToTheMenus)
{
    start();
    EXPECT_FALSE(frame().menu(QStringLiteral("menuEdit"))->menuAction()->isVisible());
    EXPECT_FALSE(frame().menu(QStringLiteral("menuForm"))->menuAction()->isVisible());

    prompt.choices << 0;
    app->OnFileNew();
    CEinheitspapierView* view = viewOf(frame().activeChildFrame());
    QMenu* form = frame().menu(QStringLiteral("menuForm"));
    EXPECT_TRUE(form->menuAction()->isVisible());
    EXPECT_TRUE(form->actions().contains(view->action(CEinheitspapierView::AddPage)));
    EXPECT_TRUE(frame().menu(QStringLiteral("menuEdit"))->actions().contains(view->action(CEinheitspapierView::Copy)));
    EXPECT_TRUE(frame().menu(QStringLiteral("menuView"))->actions().contains(view->action(CEinheitspapierView::ZoomLarger)));

    // The page pane follows the view.
    view->action(CEinheitspapierView::NextPage)->trigger();
    EXPECT_EQ(frame().statusText(1), QStringLiteral("Einheitspapier - Seite 2 von 2"));

    const QAction* addPage = view->action(CEinheitspapierView::AddPage);
    prompt.saveAnswers << Answer::No;
    frame().command(QStringLiteral("fileCloseAll"))->trigger();
    frame().updateCommandUi();
    EXPECT_FALSE(form->actions().contains(addPage));
    EXPECT_FALSE(form->menuAction()->isVisible());
    EXPECT_TRUE(frame().statusText(1).isEmpty());
}

TEST_F(DocumentWindows, AnOpenedDocumentKeepsItsFormSetAndAnExportDocumentAsksForOne)
{
    start();
    int asked = 0;
    app->setFormSetChooser([&asked](QWidget*) {
        ++asked;
        return 2;
    });
    CEinheitspapierDoc doc;
    doc.deleteContents();
    doc.setFormSet(3);
    const QString path = files.file(QStringLiteral("Satz3.aef"));
    ASSERT_TRUE(doc.save(path));
    doc.setFormSet(CEinheitspapierDoc::ExportFormSet);
    const QString exportPath = files.file(QStringLiteral("Export.aef"));
    ASSERT_TRUE(doc.save(exportPath));

    // The last choice was another set: the file's own set wins, and becomes
    // the choice the file dialogs preselect by.
    app->setRequestedForm(1);
    ASSERT_NE(app->docManager().openDocument(path), nullptr);
    EXPECT_EQ(ehDocument(app->docManager().activeDocument()).formSet(), 3);
    EXPECT_EQ(app->requestedForm(), 3);
    EXPECT_EQ(asked, 0);

    ModalCloser closer;
    ASSERT_NE(app->docManager().openDocument(exportPath), nullptr);
    EXPECT_EQ(closer.texts(), QStringList{QStringLiteral("Dies ist eine Export-Einheitspapier-Datei!")});
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(ehDocument(app->docManager().activeDocument()).formSet(), 2);

    // Cancelling the question closes the document again.
    app->setFormSetChooser([](QWidget*) { return -1; });
    command("fileClose")->trigger();
    EXPECT_EQ(app->docManager().openDocument(exportPath), nullptr);
    EXPECT_EQ(app->docManager().documents().size(), 1);
}
