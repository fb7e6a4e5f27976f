// The boxes that open their dialog in the view: box 44 with the input-tax
// cross when the focus enters it, and the pickers of "Vor&gaben
// einfügen..." (F2), each writing into its box(es) on Enter and changing
// nothing on Escape.
#include <QCheckBox>
#include <QDate>
#include <QPlainTextEdit>

#include "ViewTestSupport.h"
#include "duty/CDlgEH_Default01.h"
#include "duty/CDlgFeld44Einfuhr.h"
#include "duty/RadioChoiceBox.h"
#include "form/EhField.h"
#include "masterdata/AddressTable.h"

namespace {

using BoxPickersInView = ViewFixture;

// Runs act on the box 44 dialog when it comes up.
void onBox44(std::function<void(CDlgFeld44Einfuhr*)> act)
{
    onNextModal([act](QWidget* w) {
        auto* dialog = qobject_cast<CDlgFeld44Einfuhr*>(w);
        ASSERT_TRUE(dialog) << w->metaObject()->className();
        act(dialog);
    });
}

} // namespace

TEST_F(BoxPickersInView, TabIntoBox44OpensItsDialogWhichSetsTheCross)
{
    doc->store().setText(EhField::Box44, 1, QStringLiteral("Rechnung 4711\r\nUrsprungszeugnis"));
    // A box 44 of an older document in the usual size, bold.
    doc->store().setSizeByte(EhField::Box44, 1, 3 | FieldStore::BoldBit);
    goTo(EhField::Box41, 1);
    bool opened = false;
    onBox44([&](CDlgFeld44Einfuhr* dialog) {
        opened = true;
        EXPECT_EQ(dialog->textBox()->toPlainText(), QStringLiteral("Rechnung 4711\nUrsprungszeugnis"));
        EXPECT_FALSE(dialog->cross()->isChecked());
        dialog->cross()->setChecked(true);
        dialog->accept();
    });
    key(Qt::Key_Tab);
    ASSERT_TRUE(opened);
    EXPECT_EQ(text(EhField::Box44, 1), QStringLiteral("\r\nRechnung 4711\r\nUrsprungszeugnis"));
    EXPECT_TRUE(doc->inputTax());
    EXPECT_TRUE(doc->isModified());
    // The text comes in the size in which the box holds five lines.
    EXPECT_EQ(doc->store().attr(EhField::Box44, 1) & 0xFF, EhField::SmallSizeStep | FieldStore::BoldBit);
    // The focus has moved on past box 44.
    EXPECT_EQ(view->currentField(), EhField::Box42);

    // Taken again with the cross still set: the text stays where it is.
    doc->setModified(false);
    onBox44([](CDlgFeld44Einfuhr* dialog) {
        EXPECT_TRUE(dialog->cross()->isChecked());
        dialog->accept();
    });
    goTo(EhField::Box44, 1);
    EXPECT_EQ(text(EhField::Box44, 1), QStringLiteral("\r\nRechnung 4711\r\nUrsprungszeugnis"));
    EXPECT_TRUE(doc->inputTax());

    // Clearing the cross.
    onBox44([](CDlgFeld44Einfuhr* dialog) {
        dialog->cross()->setChecked(false);
        dialog->accept();
    });
    goTo(EhField::Box44, 1);
    EXPECT_FALSE(doc->inputTax());
}

TEST_F(BoxPickersInView, CancelledBox44ChangesNothingAndTheFocusGoesOnEitherWay)
{
    doc->store().setText(EhField::Box44, 1, QStringLiteral("Lizenz"));
    goTo(EhField::Box42, 1);
    onBox44([](CDlgFeld44Einfuhr* dialog) {
        dialog->textBox()->setPlainText(QStringLiteral("anders"));
        dialog->cross()->setChecked(true);
        dialog->reject();
    });
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(text(EhField::Box44, 1), QStringLiteral("Lizenz"));
    EXPECT_FALSE(doc->inputTax());
    EXPECT_FALSE(doc->isModified());
    EXPECT_EQ(view->currentField(), EhField::Box41);

    // A click on box 44 opens it too.
    bool opened = false;
    onBox44([&](CDlgFeld44Einfuhr* dialog) {
        opened = true;
        dialog->reject();
    });
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centreOf(EhField::Box44, 1));
    EXPECT_TRUE(opened);
    EXPECT_EQ(view->currentField(), EhField::Box42);
}

TEST_F(BoxPickersInView, F2FillsTheBoxesFromTheirPickers)
{
    // Box 20: the term of the box's text, another one by its letters.
    doc->store().setText(EhField::Box20A, 1, QStringLiteral("fob"));
    goTo(EhField::Box20A, 1);
    QString title;
    typeInNextDialog({{Qt::Key_unknown, QStringLiteral("cif")}, {Qt::Key_Return}}, &title);
    key(Qt::Key_F2);
    EXPECT_EQ(title, QStringLiteral("Vorgaben für Feld 20"));
    EXPECT_EQ(text(EhField::Box20A, 1), QStringLiteral("CIF"));
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("CIF"));
    EXPECT_TRUE(doc->isModified());

    // Box 24 writes both of its digits, from 24 B as from 24 A.
    goTo(EhField::Box24B, 1);
    typeInNextDialog({{Qt::Key_unknown, QStringLiteral("9")}, {Qt::Key_Down}, {Qt::Key_Return}});
    key(Qt::Key_F2);
    EXPECT_EQ(text(EhField::Box24A, 1), QStringLiteral("9"));
    EXPECT_EQ(text(EhField::Box24B, 1), QStringLiteral("3"));

    // Boxes 25 and 26 share their picker; box 36 on a continuation sheet too.
    goTo(EhField::Box26, 1);
    typeInNextDialog({{Qt::Key_unknown, QStringLiteral("7")}, {Qt::Key_Return}});
    key(Qt::Key_F2);
    EXPECT_EQ(text(EhField::Box26, 1), QStringLiteral("7"));
    const int box36Position2 = EhField::Cont::FirstBlock + EhField::Cont::BlockFields + EhField::Block::Box36;
    doc->store().setText(box36Position2, 2, QStringLiteral("217"));
    goTo(box36Position2, 2);
    typeInNextDialog({{Qt::Key_Return}}, &title);
    key(Qt::Key_F2);
    EXPECT_EQ(title, QStringLiteral("Vorgaben für Präferenz"));
    EXPECT_EQ(text(box36Position2, 2), QStringLiteral("215"));

    // Box 54: place and today's date.
    goTo(EhField::Box54Place, 1);
    typeInNextDialog({{Qt::Key_unknown, QStringLiteral("Kiel")}, {Qt::Key_Return}});
    key(Qt::Key_F2);
    const QDate today = QDate::currentDate();
    EXPECT_EQ(text(EhField::Box54Place, 1),
              QStringLiteral("Kiel, %1.%2.%3").arg(today.day()).arg(today.month()).arg(today.year()));
}

TEST_F(BoxPickersInView, EscapeInAPickerChangesNothing)
{
    doc->store().setText(EhField::Box29, 1, QStringLiteral("DE004701"));
    goTo(EhField::Box29, 1);
    doc->setModified(false);
    QString title;
    typeInNextDialog({{Qt::Key_Down}, {Qt::Key_Escape}}, &title);
    key(Qt::Key_F2);
    EXPECT_EQ(title, QStringLiteral("Zollstellen"));
    EXPECT_EQ(text(EhField::Box29, 1), QStringLiteral("DE004701"));
    EXPECT_FALSE(doc->isModified());
    // The keyboard goes back to the box (once the window is active again).
    EXPECT_EQ(view->window()->focusWidget(), editor());
}

TEST_F(BoxPickersInView, Box1WritesOnlyThePartsTheFormSetShows)
{
    // Form set 0 hides 1 C.
    ASSERT_TRUE(view->fieldDefinitions().flag(EhFieldFlags::PageKind::First, EhField::Box1C, 0) & EhFieldFlags::NotShown);
    doc->store().setText(EhField::Box1C, 1, QStringLiteral("T1"));
    goTo(EhField::Box1B, 1);
    bool hidden = false;
    onNextModal([&](QWidget* w) {
        auto* dialog = qobject_cast<CDlgEH_Default01*>(w);
        ASSERT_TRUE(dialog);
        hidden = dialog->partBox(2)->isHidden();
        dialog->partBox(0)->setCheckedIndex(2);   // "IM"
        dialog->partBox(1)->setCheckedIndex(0);   // "A"
        dialog->accept();
    });
    key(Qt::Key_F2);
    EXPECT_TRUE(hidden);
    EXPECT_EQ(text(EhField::Box1A, 1), QStringLiteral("IM"));
    EXPECT_EQ(text(EhField::Box1B, 1), QStringLiteral("A"));
    EXPECT_EQ(text(EhField::Box1C, 1), QStringLiteral("T1"));
}

TEST_F(BoxPickersInView, Box8TakesAnAddressAndItsCustomsNumber)
{
    testsupport::TempDir dir;
    const QString path = dir.file(QStringLiteral("Adress1.dbf"));
    {
        AddressTable table;
        ASSERT_TRUE(table.Create(path));
        ASSERT_GT(table.Store(0, QStringLiteral("Zander KG\r\nKai 3\r\n20457 Hamburg"), QStringLiteral("DE77")), 0);
    }
    Profile::set(Settings::AdressdatenDatei, path);
    goTo(EhField::Box8Address, 1);
    typeInNextDialog({{Qt::Key_unknown, QStringLiteral("z")}, {Qt::Key_Return}});
    key(Qt::Key_F2);
    EXPECT_EQ(text(EhField::Box8Address, 1), QStringLiteral("Zander KG\r\nKai 3\r\n20457 Hamburg"));
    EXPECT_EQ(text(EhField::Box8Number, 1), QStringLiteral("DE77"));

    // Box 2 of a continuation sheet the same way.
    goTo(EhField::Cont::Box2Address, 2);
    typeInNextDialog({{Qt::Key_unknown, QStringLiteral("z")}, {Qt::Key_Return}});
    key(Qt::Key_F2);
    EXPECT_EQ(text(EhField::Cont::Box2Number, 2), QStringLiteral("DE77"));
    EXPECT_TRUE(text(EhField::Cont::Box2Address, 2).startsWith(QStringLiteral("Zander KG")));
}
