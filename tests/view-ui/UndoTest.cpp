// The document's undo history as the user meets it: an accidental delete
// taken back after the focus moved on, typing of one visit as one step,
// the document commands and dialog results, and the modified flag that
// follows the saved state.
#include <QAction>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QListWidget>
#include <QUndoStack>

#include "TestSupport.h"
#include "ViewTestSupport.h"
#include "duty/CDlgFeld44Einfuhr.h"
#include "form/EhField.h"
#include "form/FieldStore.h"
#include "view/FormUndo.h"

namespace {

using Undo = ViewFixture;

constexpr int Box2 = EhField::Box2Address;
constexpr int Box7 = EhField::Box7;

} // namespace

TEST_F(Undo, ADeleteIsTakenBackAfterTheFocusMovedOnAndRedoneAgain)
{
    goTo(Box2, 1);
    type(QStringLiteral("Müller GmbH"));
    key(Qt::Key_Tab);
    goTo(Box7, 1);
    type(QStringLiteral("4711"));
    // The accidental delete: all of box 2 gone, then on to another field.
    goTo(Box2, 1);
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_Delete);
    key(Qt::Key_Tab);
    ASSERT_TRUE(text(Box2, 1).isEmpty());
    ASSERT_EQ(view->undoHistory().stack().count(), 3);

    // Alt+Backspace brings the text back and the focus with it.
    key(Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(text(Box2, 1), QStringLiteral("Müller GmbH"));
    EXPECT_EQ(view->currentField(), Box2);
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("Müller GmbH"));
    // Each field's typing is one step.
    key(Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_TRUE(text(Box7, 1).isEmpty());
    EXPECT_EQ(view->currentField(), Box7);
    key(Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_TRUE(text(Box2, 1).isEmpty());
    EXPECT_FALSE(view->action(CEinheitspapierView::Undo)->isEnabled());
    EXPECT_FALSE(doc->isModified());

    for (int i = 0; i < 3; ++i)
        key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_TRUE(text(Box2, 1).isEmpty());
    EXPECT_EQ(text(Box7, 1), QStringLiteral("4711"));
    EXPECT_FALSE(view->action(CEinheitspapierView::Redo)->isEnabled());
    EXPECT_TRUE(doc->isModified());

    // Typing after an undo drops what could have been redone.
    key(Qt::Key_Backspace, Qt::AltModifier);
    goTo(Box7, 1);
    key(Qt::Key_End);
    type(QStringLiteral("-1"));
    EXPECT_EQ(text(Box7, 1), QStringLiteral("4711-1"));
    EXPECT_FALSE(view->action(CEinheitspapierView::Redo)->isEnabled());
}

TEST_F(Undo, WhatLeavingAFieldCopiesGoesBackWithTheTypingInIt)
{
    // The sheet number is copied to page 2 when the focus leaves it.
    goTo(EhField::SheetNumber, 1);
    type(QStringLiteral("A-17"));
    key(Qt::Key_Tab);
    ASSERT_EQ(text(EhField::Cont::SheetNumber, 2), QStringLiteral("A-17"));
    key(Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_TRUE(text(EhField::SheetNumber, 1).isEmpty());
    EXPECT_TRUE(text(EhField::Cont::SheetNumber, 2).isEmpty());
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(text(EhField::SheetNumber, 1), QStringLiteral("A-17"));
    EXPECT_EQ(text(EhField::Cont::SheetNumber, 2), QStringLiteral("A-17"));
}

TEST_F(Undo, PageAndPositionCommandsAndTheFormSetAreStepsOfTheirOwn)
{
    key(Qt::Key_Right, Qt::ControlModifier);
    const int box31[3] = {11, 32, 53};
    for (int i = 0; i < 3; ++i) {
        goTo(box31[i], 2);
        type(QStringLiteral("Ware %1").arg(i + 1));
    }
    key(Qt::Key_F10);
    ASSERT_EQ(view->pageCount(), 3);
    goTo(11, 3);
    type(QStringLiteral("Auf Seite 3"));

    // Undo the typing on page 3, then the page itself: the focus goes back to
    // where the command was given.
    key(Qt::Key_Backspace, Qt::AltModifier);
    key(Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(view->pageCount(), 2);
    EXPECT_EQ(view->currentPage(), 2);
    EXPECT_EQ(view->statusText(), QStringLiteral("Einheitspapier - Seite 2 von 2"));
    key(Qt::Key_Y, Qt::ControlModifier);
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(view->pageCount(), 3);
    EXPECT_EQ(text(11, 3), QStringLiteral("Auf Seite 3"));

    // Removing the last page, and undoing that: the sheet and its text come
    // back.
    onNextModal([](QWidget* box) { press(box, QStringLiteral("&Ja")); });
    view->action(CEinheitspapierView::RemoveLastPage)->trigger();
    ASSERT_EQ(view->pageCount(), 2);
    key(Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(view->pageCount(), 3);
    EXPECT_EQ(text(11, 3), QStringLiteral("Auf Seite 3"));

    // Moving a position onto an empty one.
    goTo(11, 3);
    onNextModal([](QWidget* dialog) {
        dialog->findChild<QListWidget*>(QStringLiteral("target"))->setCurrentRow(5);   // position 2, page 3
        press(dialog, QStringLiteral("OK"));
    });
    view->action(CEinheitspapierView::MoveGoodsPosition)->trigger();
    ASSERT_EQ(text(32, 3), QStringLiteral("Auf Seite 3"));
    key(Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(text(11, 3), QStringLiteral("Auf Seite 3"));
    EXPECT_TRUE(text(32, 3).isEmpty());

    // The form set, and the numbering of boxes 3, 5 and 32.
    view->action(CEinheitspapierView::FormSet3)->trigger();
    ASSERT_EQ(doc->formSet(), 3);
    view->action(CEinheitspapierView::Renumber)->trigger();
    ASSERT_EQ(text(EhField::Box5, 1), QStringLiteral("5"));
    key(Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_TRUE(text(EhField::Box5, 1).isEmpty());
    EXPECT_EQ(doc->formSet(), 3);
    key(Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(doc->formSet(), 0);
    EXPECT_TRUE(view->action(CEinheitspapierView::FormSet3)->isEnabled());
    EXPECT_FALSE(view->action(CEinheitspapierView::FormSet0)->isEnabled());
}

TEST_F(Undo, FormattingAndDialogResultsAreUndone)
{
    goTo(Box2, 1);
    const std::uint16_t word = doc->store().attr(Box2, 1);
    view->action(CEinheitspapierView::FontLarger)->trigger();
    view->action(CEinheitspapierView::Bold)->trigger();
    key(Qt::Key_Backspace, Qt::AltModifier);
    key(Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(doc->store().attr(Box2, 1), word);

    // Box 44's dialog sets its text and the input-tax cross.
    onNextModal([](QWidget* w) {
        auto* dialog = qobject_cast<CDlgFeld44Einfuhr*>(w);
        ASSERT_TRUE(dialog);
        dialog->textBox()->setPlainText(QStringLiteral("Rechnung 4711"));
        dialog->cross()->setChecked(true);
        dialog->accept();
    });
    goTo(EhField::Box44, 1);
    ASSERT_TRUE(doc->inputTax());
    ASSERT_FALSE(text(EhField::Box44, 1).isEmpty());
    key(Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_FALSE(doc->inputTax());
    EXPECT_TRUE(text(EhField::Box44, 1).isEmpty());
}

TEST_F(Undo, SavingKeepsTheHistoryAndMarksTheUnmodifiedState)
{
    testsupport::TempDir dir;
    goTo(Box2, 1);
    type(QStringLiteral("Gespeichert"));
    goTo(Box7, 1);
    type(QStringLiteral("1"));
    ASSERT_TRUE(doc->save(dir.file(QStringLiteral("a.aef"))));
    EXPECT_FALSE(doc->isModified());
    QAction* undo = view->action(CEinheitspapierView::Undo);
    EXPECT_TRUE(undo->isEnabled());

    // Away from the saved state and back again.
    undo->trigger();
    EXPECT_TRUE(doc->isModified());
    EXPECT_TRUE(text(Box7, 1).isEmpty());
    view->action(CEinheitspapierView::Redo)->trigger();
    EXPECT_FALSE(doc->isModified());
    type(QStringLiteral("2"));
    EXPECT_TRUE(doc->isModified());
    undo->trigger();
    EXPECT_FALSE(doc->isModified());
    EXPECT_EQ(text(Box7, 1), QStringLiteral("1"));
    // Typing after the save is a step of its own, not part of the saved one.
    undo->trigger();
    EXPECT_TRUE(text(Box7, 1).isEmpty());
    EXPECT_EQ(text(Box2, 1), QStringLiteral("Gespeichert"));
}
