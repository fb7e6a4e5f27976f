// The undo history in the running program: "&Wiederherstellen" beside
// "&Rückgängig" in "&Bearbeiten", undo across a save and a cancelled close,
// and the D.V.1 with the same history.
#include <QAction>
#include <QMenu>
#include <QTest>

#include "AppUiTestSupport.h"
#include "app/AppDocument.h"
#include "app/CChildFrame.h"
#include "app/Dv1AppDocument.h"
#include "app/Dv1ViewAdapter.h"
#include "app/EhAppDocument.h"
#include "app/EhViewAdapter.h"
#include "dv1/CDV1_View.h"
#include "dv1/CQznEditWindow_DV1.h"
#include "dv1/DV1Field.h"
#include "form/EhField.h"
#include "view/CEinheitspapierView.h"
#include "view/CQznEditWindow_EHP.h"

namespace {

using Answer = AppPrompt::SaveAnswer;

class UndoInProgram : public AppFixture
{
protected:
    QAction* command(const char* name) { return frame().command(QLatin1String(name)); }
    // The entry of a menu by its text.
    static QAction* entry(QMenu* menu, const QString& text)
    {
        for (QAction* a : menu->actions()) {
            if (a->text() == text)
                return a;
        }
        return nullptr;
    }
};

} // namespace

TEST_F(UndoInProgram, RedoStandsBesideUndoAndTheHistorySurvivesSavingAndACancelledClose)
{
    prompt.choices << 0;
    start();
    CChildFrame* child = frame().activeChildFrame();
    ASSERT_NE(child, nullptr);
    CEinheitspapierView* view = static_cast<EhViewAdapter&>(child->view()).view();

    QMenu* edit = frame().menu(QStringLiteral("menuEdit"));
    QAction* undo = entry(edit, QStringLiteral("&Rückgängig"));
    QAction* redo = entry(edit, QStringLiteral("&Wiederherstellen"));
    ASSERT_TRUE(undo && redo);
    EXPECT_EQ(edit->actions().indexOf(redo), edit->actions().indexOf(undo) + 1);
    EXPECT_EQ(undo->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Backspace));
    EXPECT_EQ(redo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));
    // No other entry of the menu answers to W.
    for (QAction* a : edit->actions()) {
        if (a != redo) {
            EXPECT_FALSE(a->text().contains(QStringLiteral("&W"), Qt::CaseInsensitive)) << a->text().toStdString();
        }
    }

    ASSERT_TRUE(view->goToFormField(EhField::Box8Address, 1));
    typeText(view->editor(), QStringLiteral("Zollagentur Nord"));
    prompt.saveNames << files.file(QStringLiteral("Anmeldung"));
    command("fileSaveAs")->trigger();
    ASSERT_FALSE(child->document().isModified());
    ASSERT_TRUE(undo->isEnabled());

    // Undone after saving: modified again, and the save command says so.
    undo->trigger();
    EXPECT_TRUE(child->document().isModified());
    frame().updateCommandUi();
    EXPECT_TRUE(command("fileSave")->isEnabled());
    // A close cancelled at the question keeps the history.
    prompt.saveAnswers << Answer::Cancel;
    command("fileClose")->trigger();
    ASSERT_EQ(app->docManager().documents().size(), 1);
    EXPECT_TRUE(redo->isEnabled());
    redo->trigger();
    EXPECT_FALSE(child->document().isModified());
    frame().updateCommandUi();
    EXPECT_FALSE(command("fileSave")->isEnabled());
    EXPECT_EQ(static_cast<EhAppDocument&>(child->document()).document().store().text(EhField::Box8Address, 1),
              QStringLiteral("Zollagentur Nord"));
}

TEST_F(UndoInProgram, TheDv1KeepsTheSameHistory)
{
    prompt.choices << Dv1AppDocument::RequestedForm;
    start();
    CChildFrame* child = frame().activeChildFrame();
    ASSERT_NE(child, nullptr);
    CDV1_View* view = static_cast<Dv1ViewAdapter&>(child->view()).view();
    CDV1_Doc& doc = static_cast<Dv1AppDocument&>(child->document()).document();
    QWidget* editor = view->editor();

    typeText(editor, QStringLiteral("Exportfirma Ltd."));
    QTest::keyClick(editor, Qt::Key_Tab);
    typeText(editor, QStringLiteral("Import GmbH"));
    QTest::keyClick(editor, Qt::Key_Tab);
    QTest::keyClick(editor, Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_TRUE(doc.fieldStore().text(1, 1).isEmpty());
    EXPECT_EQ(view->currentField(), 1);
    QTest::keyClick(editor, Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_TRUE(doc.fieldStore().text(0, 1).isEmpty());
    EXPECT_FALSE(doc.isModified());
    QTest::keyClick(editor, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(doc.fieldStore().text(0, 1), QStringLiteral("Exportfirma Ltd."));
    EXPECT_TRUE(doc.isModified());

    // A page added, taken back.
    QTest::keyClick(editor, Qt::Key_F10);
    ASSERT_EQ(doc.pageCount(), 3);
    QTest::keyClick(editor, Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(doc.pageCount(), 2);
    EXPECT_EQ(frame().statusText(1), QStringLiteral("D.V.1 - Seite 1 von 2"));
}
