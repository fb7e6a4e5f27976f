// The document commands from the view: pages, goods positions, numbering,
// coupled fields, the stamp lines and the form set.
#include <QAction>
#include <QDate>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ViewTestSupport.h"
#include "form/EhField.h"
#include "form/EhDocumentOperations.h"
#include "form/FieldStore.h"

namespace {

using ViewCommands = ViewFixture;

} // namespace

TEST_F(ViewCommands, APageIsAddedOnlyWhenEveryPositionOfTheLastPageIsFilled)
{
    key(Qt::Key_Right, Qt::ControlModifier);
    const QString names[3] = {QStringLiteral("Tassen"), QStringLiteral("Teller"), QStringLiteral("Gabel")};
    const int box31[3] = {11, 32, 53};
    for (int i = 0; i < 3; ++i) {
        goTo(box31[i], 2);
        type(names[i]);
    }
    // "Gabel" has five characters: not enough.
    QAction* add = view->action(CEinheitspapierView::AddPage);
    EXPECT_FALSE(add->isEnabled());
    key(Qt::Key_F10);
    EXPECT_EQ(view->pageCount(), 2);

    type(QStringLiteral("n"));
    EXPECT_TRUE(add->isEnabled());
    key(Qt::Key_F10);
    EXPECT_EQ(view->pageCount(), 3);
    EXPECT_EQ(view->currentPage(), 3);
    EXPECT_TRUE(doc->isModified());
    EXPECT_TRUE(text(11, 3).isEmpty());
    EXPECT_FALSE(add->isEnabled());

    // Removing the last page asks first.
    QAction* remove = view->action(CEinheitspapierView::RemoveLastPage);
    ASSERT_TRUE(remove->isEnabled());
    onNextModal([](QWidget* box) { press(box, QStringLiteral("&Nein")); });
    remove->trigger();
    EXPECT_EQ(view->pageCount(), 3);
    onNextModal([](QWidget* box) { press(box, QStringLiteral("&Ja")); });
    remove->trigger();
    EXPECT_EQ(view->pageCount(), 2);
    EXPECT_EQ(view->currentPage(), 1);
    EXPECT_FALSE(remove->isEnabled());
    EXPECT_EQ(text(53, 2), QStringLiteral("Gabeln"));
}

TEST_F(ViewCommands, EnteringNumberedFieldsRenumbersAndLeavingCouplesFields)
{
    goTo(11, 2);
    type(QStringLiteral("Tassen"));
    goTo(32, 2);
    type(QStringLiteral("Teller"));
    goTo(14, 1);
    EXPECT_EQ(text(14, 1), QStringLiteral("3"));
    EXPECT_EQ(text(12, 2), QStringLiteral("2"));
    EXPECT_EQ(text(33, 2), QStringLiteral("3"));
    EXPECT_EQ(text(53, 1), QStringLiteral("1"));
    // The editor shows the fresh number, and leaving keeps it.
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("3"));
    goTo(0, 1);
    EXPECT_EQ(text(14, 1), QStringLiteral("3"));

    // The command works from any field and updates the one being edited.
    goTo(32, 2);
    key(Qt::Key_Backspace);  // nothing before the caret
    goTo(12, 2);
    doc->store().setText(32, 2, QString());
    view->action(CEinheitspapierView::Renumber)->trigger();
    EXPECT_EQ(text(14, 1), QStringLiteral("2"));
    EXPECT_EQ(text(12, 2), QStringLiteral("2"));
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("2"));

    // Box "Nummer" of the first page goes to continuation field 0 of page 2.
    goTo(151, 1);
    type(QStringLiteral("4711"));
    goTo(0, 1);
    EXPECT_EQ(text(0, 2), QStringLiteral("4711"));
}

TEST_F(ViewCommands, GoodsPositionsMoveAndDeleteThroughTheirDialogs)
{
    goTo(32, 2);
    type(QStringLiteral("Schrauben"));
    goTo(33, 2);
    onNextModal([](QWidget* dialog) {
        auto* source = dialog->findChild<QListWidget*>(QStringLiteral("source"));
        auto* target = dialog->findChild<QListWidget*>(QStringLiteral("target"));
        ASSERT_TRUE(source && target);
        EXPECT_EQ(source->currentRow(), 2);
        EXPECT_EQ(target->currentRow(), 1);
        EXPECT_EQ(source->item(0)->text(), QStringLiteral("Position 1 auf Seite 1 (leer)"));
        EXPECT_EQ(source->item(2)->text(), QStringLiteral("Position 2 auf Seite 2"));
        press(dialog, QStringLiteral("OK"));
    });
    view->action(CEinheitspapierView::MoveGoodsPosition)->trigger();
    EXPECT_EQ(text(11, 2), QStringLiteral("Schrauben"));
    EXPECT_TRUE(text(32, 2).isEmpty());
    EXPECT_TRUE(editor()->toPlainText().isEmpty());

    // The first page's position can only be moved once a target is chosen.
    goTo(60, 1);
    onNextModal([](QWidget* dialog) {
        auto* target = dialog->findChild<QListWidget*>(QStringLiteral("target"));
        EXPECT_EQ(target->currentRow(), -1);
        QPushButton* ok = nullptr;
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            if (b->text() == QStringLiteral("OK"))
                ok = b;
        ASSERT_TRUE(ok);
        EXPECT_FALSE(ok->isEnabled());
        press(dialog, QStringLiteral("Abbrechen"));
    });
    view->action(CEinheitspapierView::MoveGoodsPosition)->trigger();

    goTo(53, 2);
    type(QStringLiteral("Muttern"));
    goTo(11, 2);
    onNextModal([](QWidget* dialog) {
        auto* list = dialog->findChild<QListWidget*>();
        ASSERT_TRUE(list);
        EXPECT_EQ(list->count(), 3);
        EXPECT_EQ(list->currentRow(), 0);
        press(dialog, QStringLiteral("OK"));
    });
    view->action(CEinheitspapierView::DeleteGoodsPosition)->trigger();
    // The later positions move up.
    EXPECT_TRUE(text(11, 2).isEmpty());
    EXPECT_EQ(text(32, 2), QStringLiteral("Muttern"));
    EXPECT_TRUE(text(53, 2).isEmpty());
}

TEST_F(ViewCommands, FormSetSwitchGoesToTheFirstPageAndModifies)
{
    key(Qt::Key_Right, Qt::ControlModifier);
    QAction* set0 = view->action(CEinheitspapierView::FormSet0);
    QAction* set2 = view->action(CEinheitspapierView::FormSet2);
    EXPECT_TRUE(set0->isChecked());
    EXPECT_FALSE(set0->isEnabled());
    set2->trigger();
    EXPECT_EQ(doc->formSet(), 2);
    EXPECT_EQ(view->currentPage(), 1);
    EXPECT_TRUE(set2->isChecked());
    EXPECT_FALSE(set2->isEnabled());
    EXPECT_TRUE(set0->isEnabled());
    // The file keeps the form set: the switch is a change to save.
    EXPECT_TRUE(doc->isModified());
}

// The stamp lines typed in "Texteingabe", and the date of the stamp.
class StampLines : public ViewFixture
{
protected:
    void configure() override
    {
        Profile::set(Settings::Stamp_A, 1);
        // The stamp field's lines are locked on the built-in tables; the user
        // opens them in the field definitions.
        for (int f = 3; f <= 8; ++f)
            definitions.setFlag(EhFieldFlags::PageKind::First, f, 0, 0);
    }
};

TEST_F(StampLines, TwoAndThreeRowLinesAreTypedInTheDialog)
{
    goTo(3, 1);
    onNextModal([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Texteingabe"));
        auto* edit = dialog->findChild<QPlainTextEdit*>();
        ASSERT_TRUE(edit);
        edit->setPlainText(QStringLiteral("Zollamt\nMusterstadt  \n"));
        press(dialog, QStringLiteral("OK"));
    });
    key(Qt::Key_Tab);
    EXPECT_EQ(text(4, 1), QStringLiteral("Zollamt\r\nMusterstadt"));
    EXPECT_EQ(doc->store().attr(4, 1) & 0xFF, 65);
    EXPECT_EQ(FieldStore::alignmentOf(doc->store().attr(4, 1)), FieldStore::AlignCenter);
    EXPECT_EQ(text(2, 2), text(4, 1));
    EXPECT_EQ(view->currentField(), 5);
    EXPECT_TRUE(doc->isModified());

    // Cancel stores nothing; Shift+Tab passes the line backwards.
    onNextModal([](QWidget* dialog) {
        dialog->findChild<QPlainTextEdit*>()->setPlainText(QStringLiteral("anders"));
        press(dialog, QStringLiteral("Abbrechen"));
    });
    key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(text(4, 1), QStringLiteral("Zollamt\r\nMusterstadt"));
    EXPECT_EQ(view->currentField(), 3);
}

TEST_F(StampLines, TheDateLineTakesTodaysDateOnRequest)
{
    QAction* choice = view->action(CEinheitspapierView::InsertChoice);
    goTo(EhField::Box27, 1);   // a box without a picker
    EXPECT_FALSE(choice->isEnabled());
    goTo(6, 1);
    EXPECT_TRUE(choice->isEnabled());
    onNextModal([](QWidget* box) {
        EXPECT_EQ(static_cast<QMessageBox*>(box)->text(),
                  QStringLiteral("Soll das aktuelle Datum eingefügt werden?"));
        press(box, QStringLiteral("&Nein"));
    });
    key(Qt::Key_F2);
    EXPECT_TRUE(text(6, 1).isEmpty());
    onNextModal([](QWidget* box) { press(box, QStringLiteral("&Ja")); });
    const QDate before = QDate::currentDate();
    key(Qt::Key_F2);
    const QDate after = QDate::currentDate();
    const QString inserted = text(6, 1);
    EXPECT_TRUE(inserted == EhDocumentOperations::dateText(before)
                || inserted == EhDocumentOperations::dateText(after))
        << inserted.toStdString();
    EXPECT_TRUE(doc->isModified());
}
