// The boxes that open their dialog in the view: box 44 with the input-tax
// cross when the focus enters it.
#include <QCheckBox>
#include <QPlainTextEdit>

#include "ViewTestSupport.h"
#include "duty/CDlgFeld44Einfuhr.h"
#include "form/EhField.h"

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
