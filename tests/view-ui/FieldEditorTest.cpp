// The field editor as the user meets it: typing, line breaks, overwrite
// mode, clipboard, undo, the centring key, text below a field's last line,
// the wheel, and the modified flag.
#include <QAction>
#include <QClipboard>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextDocument>
#include <QWheelEvent>

#include "ViewTestSupport.h"
#include "form/FieldStore.h"
#include "view/EditorText.h"
#include "view/FieldTextFit.h"

namespace {

// Box 2 (the consignor): several lines. Box 7: a single line.
constexpr int Box2 = 10;
constexpr int Box7 = 16;

using FieldEditor = ViewFixture;

} // namespace

TEST_F(FieldEditor, TypingGoesIntoTheStoreAndOnlyTypingMarksTheDocument)
{
    ASSERT_EQ(view->currentField(), 0);
    ASSERT_EQ(view->currentPage(), 1);
    // Loading fields is no change.
    goTo(Box2, 1);
    goTo(0, 1);
    EXPECT_FALSE(doc->isModified());

    QSignalSpy changed(view.get(), &CEinheitspapierView::documentChanged);
    type(QStringLiteral("AT"));
    EXPECT_EQ(text(0, 1), QStringLiteral("AT"));
    EXPECT_TRUE(doc->isModified());
    EXPECT_GE(changed.count(), 1);

    // Enter makes a new line of the field, stored as CR LF; Shift+Enter too.
    goTo(Box2, 1);
    type(QStringLiteral("Firma"));
    key(Qt::Key_Return);
    type(QStringLiteral("Straße 1"));
    key(Qt::Key_Return, Qt::ShiftModifier);
    type(QStringLiteral("Köln"));
    EXPECT_EQ(text(Box2, 1), QStringLiteral("Firma\r\nStraße 1\r\nKöln"));

    // Coming back shows the text with the caret at its start.
    goTo(0, 1);
    goTo(Box2, 1);
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("Firma\nStraße 1\nKöln"));
    EXPECT_EQ(editor()->textCursor().position(), 0);
}

TEST_F(FieldEditor, OverwriteModeReplacesOneCharacterButNeverALineBreak)
{
    doc->store().setText(Box2, 1, QStringLiteral("abc"));
    goTo(Box2, 1);
    QSignalSpy status(view.get(), &CEinheitspapierView::statusChanged);
    key(Qt::Key_Insert);
    EXPECT_FALSE(editor()->IsInsertMode());
    EXPECT_EQ(view->insertModeText(), QStringLiteral("Überschreiben"));
    ASSERT_FALSE(status.isEmpty());
    EXPECT_EQ(status.last().at(1).toString(), QStringLiteral("Überschreiben"));
    EXPECT_EQ(view->action(CEinheitspapierView::InsertMode)->text(), QStringLiteral("Einfügem&odus einschalten\tEinfg"));

    type(QStringLiteral("x"));
    EXPECT_EQ(text(Box2, 1), QStringLiteral("xbc"));
    key(Qt::Key_Home);
    key(Qt::Key_Right, Qt::ShiftModifier);
    key(Qt::Key_Right, Qt::ShiftModifier);
    type(QStringLiteral("y"));
    EXPECT_EQ(text(Box2, 1), QStringLiteral("yc"));
    // At the end of the text a character is added.
    key(Qt::Key_End);
    type(QStringLiteral("d"));
    EXPECT_EQ(text(Box2, 1), QStringLiteral("ycd"));

    // Backspace removes one character only, Enter removes none.
    doc->store().setText(Box2, 1, QStringLiteral("abcd"));
    goTo(Box2, 1);
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    key(Qt::Key_Backspace);
    EXPECT_EQ(text(Box2, 1), QStringLiteral("acd"));
    key(Qt::Key_Return);
    EXPECT_EQ(text(Box2, 1), QStringLiteral("a\r\ncd"));
    // Typing at a line's end does not swallow the line break.
    key(Qt::Key_Up);
    key(Qt::Key_End);
    type(QStringLiteral("z"));
    EXPECT_EQ(text(Box2, 1), QStringLiteral("az\r\ncd"));

    // The mode belongs to the editor and survives moving on.
    goTo(0, 1);
    EXPECT_FALSE(editor()->IsInsertMode());
    key(Qt::Key_Insert);
    EXPECT_EQ(view->insertModeText(), QStringLiteral("Einfügen"));
}

TEST_F(FieldEditor, PasteStoresLineBreaksAsPairsAndDropsSpreadsheetQuotes)
{
    QClipboard* clipboard = QApplication::clipboard();
    goTo(Box2, 1);
    clipboard->setText(QStringLiteral("Zeile 1\nZeile 2\n"));
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text(Box2, 1), QStringLiteral("Zeile 1\r\nZeile 2"));
    EXPECT_TRUE(doc->isModified());

    goTo(0, 1);
    doc->store().setText(Box2, 1, QString());
    goTo(Box2, 1);
    clipboard->setText(QStringLiteral("\"Zelle mit\nUmbruch\""));
    key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(text(Box2, 1), QStringLiteral("Zelle mit\r\nUmbruch"));
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("Zelle mit\nUmbruch"));

    // A quote only at the start stays; pairs already there stay as they are.
    doc->store().setText(Box2, 1, QString());
    goTo(Box2, 1);
    clipboard->setText(QStringLiteral("\"abc\r\ndef"));
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text(Box2, 1), QStringLiteral("\"abc\r\ndef"));

    // Cut and paste back.
    key(Qt::Key_A, Qt::ControlModifier);
    key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(text(Box2, 1), QString());
    EXPECT_EQ(clipboard->text(), QStringLiteral("\"abc\ndef"));
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text(Box2, 1), QStringLiteral("\"abc\r\ndef"));
}

TEST_F(FieldEditor, CtrlZCentresAndAltBackspaceUndoes)
{
    goTo(Box2, 1);
    type(QStringLiteral("Hallo"));
    QAction* undo = view->action(CEinheitspapierView::Undo);
    QAction* redo = view->action(CEinheitspapierView::Redo);
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_FALSE(redo->isEnabled());
    key(Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(text(Box2, 1), QString());
    EXPECT_FALSE(undo->isEnabled());
    // Ctrl+Y brings it back; the menu's entries do the same.
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(text(Box2, 1), QStringLiteral("Hallo"));
    undo->trigger();
    EXPECT_EQ(text(Box2, 1), QString());
    redo->trigger();
    EXPECT_EQ(text(Box2, 1), QStringLiteral("Hallo"));

    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text(Box2, 1), QStringLiteral("Hallo"));
    EXPECT_EQ(FieldStore::alignmentOf(doc->store().attr(Box2, 1)), FieldStore::AlignCenter);
    EXPECT_EQ(editor()->document()->defaultTextOption().alignment(), Qt::AlignHCenter);
    EXPECT_TRUE(view->action(CEinheitspapierView::AlignCenter)->isChecked());
    // The centring is a change like any other: undo takes it back.
    key(Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(FieldStore::alignmentOf(doc->store().attr(Box2, 1)), FieldStore::AlignLeft);
    EXPECT_EQ(editor()->document()->defaultTextOption().alignment(), Qt::AlignLeft);
    EXPECT_EQ(text(Box2, 1), QStringLiteral("Hallo"));
    key(Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(FieldStore::alignmentOf(doc->store().attr(Box2, 1)), FieldStore::AlignRight);
    key(Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(FieldStore::alignmentOf(doc->store().attr(Box2, 1)), FieldStore::AlignLeft);
}

TEST_F(FieldEditor, FontCommandsStopAtTheirLimits)
{
    goTo(Box2, 1);
    QAction* larger = view->action(CEinheitspapierView::FontLarger);
    QAction* smaller = view->action(CEinheitspapierView::FontSmaller);
    const int before = editor()->font().pixelSize();
    larger->trigger();  // step 3 -> 4
    EXPECT_EQ(doc->store().attr(Box2, 1) & FieldStore::SizeMask, 4);
    EXPECT_GT(editor()->font().pixelSize(), before);
    EXPECT_FALSE(larger->isEnabled());
    larger->trigger();
    EXPECT_EQ(doc->store().attr(Box2, 1) & FieldStore::SizeMask, 4);
    for (int i = 0; i < 6; ++i)
        smaller->trigger();
    EXPECT_EQ(doc->store().attr(Box2, 1) & FieldStore::SizeMask, 0);
    EXPECT_FALSE(smaller->isEnabled());

    QAction* bold = view->action(CEinheitspapierView::Bold);
    bold->trigger();
    EXPECT_TRUE(doc->store().attr(Box2, 1) & FieldStore::BoldBit);
    EXPECT_TRUE(bold->isChecked());
    EXPECT_GE(editor()->font().weight(), QFont::Bold);
    EXPECT_TRUE(doc->isModified());
}

TEST_F(FieldEditor, TextBelowTheFieldsLastLineIsRefused)
{
    goTo(Box7, 1);
    const QString typed = QStringLiteral("Abcdefghij klmnopqrst uvwxyz 0123456789 Abcdefghij klmnopqrst");
    type(typed);
    const QString kept = text(Box7, 1);
    EXPECT_FALSE(kept.isEmpty());
    EXPECT_LT(kept.size(), typed.size());
    // Letters that would start a new line are refused; spaces hang at the
    // line's end and still go in.
    EXPECT_TRUE(typed.startsWith(FieldStore::trimmedRight(kept)));
    EXPECT_EQ(FieldTextFit::lineCount(*editor()->document()), 1);
    key(Qt::Key_Return);
    EXPECT_EQ(text(Box7, 1), kept);

    // A text the program put in is shown whole, and may be shortened.
    const QString longText = typed + QStringLiteral("\r\nzweite Zeile");
    doc->store().setText(Box7, 1, longText);
    goTo(Box7, 1);
    EXPECT_EQ(editor()->toPlainText(), EditorText::toEditor(longText));
    key(Qt::Key_Delete);
    EXPECT_EQ(text(Box7, 1), longText.mid(1));
}

TEST_F(FieldEditor, TheWheelScrollsTheFormNotTheField)
{
    goTo(Box2, 1);
    const int before = view->verticalScrollBar()->value();
    const QRect placed = editor()->geometry();
    QWheelEvent wheel(QPointF(10, 10), editor()->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, -240),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(editor()->viewport(), &wheel);
    const int after = view->verticalScrollBar()->value();
    EXPECT_GT(after, before);
    // The editor stays over its field.
    EXPECT_EQ(editor()->geometry().top(), placed.top() - (after - before));
    EXPECT_EQ(view->currentField(), Box2);

    // Page Down scrolls by 70 mm of the screen.
    view->verticalScrollBar()->setValue(0);
    key(Qt::Key_PageDown);
    EXPECT_EQ(view->verticalScrollBar()->value(), view->mapping().toPixels(700));
}
