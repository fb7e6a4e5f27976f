#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "DutyUiTestSupport.h"
#include "duty/CDlgFeld47.h"
#include "duty/CDlgFeld47Summe.h"
#include "duty/Feld47Grid.h"

using dutyui::child;
using dutyui::showActive;

namespace {

using Col = Feld47Model::Column;
using SumCol = Feld47SummeModel::Column;

// Acts on the next modal window (a message box or the duty-type chooser)
// from inside its event loop. Delete the returned timer when no window came.
QTimer* onNextModal(std::function<void(QWidget*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget* w = QApplication::activeModalWidget(); w && !qobject_cast<Feld47Dialog*>(w)) {
            timer->stop();
            timer->deleteLater();
            act(w);
        }
    });
    timer->start();
    return timer;
}

// Lets the queued payment check run. The offscreen platform has no window
// manager to give the dialog back its activation when a message box closes.
void settle(QDialog& dialog)
{
    QTest::qWait(20);
    QApplication::setActiveWindow(&dialog);
}

void tab(QWidget* w, int times = 1)
{
    for (int i = 0; i < times; ++i)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : w, Qt::Key_Tab);
}

} // namespace

TEST(Feld47Dialogs, ItemDialogTypedByKeyboard)
{
    Feld47Model model;
    model.setCell(1, Col::Amount, QStringLiteral("3"));
    model.setCell(1, Col::Kind, QStringLiteral("20000"));
    CDlgFeld47 dialog(model);
    showActive(dialog);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Feld 47 - Abgabenberechnung"));
    // Opening normalises the amounts and shows the total.
    EXPECT_EQ(dialog.cellBox(1, Col::Amount)->text(), QStringLiteral("3,00"));
    EXPECT_EQ(dialog.totalBox()->text(), QStringLiteral("3,00"));
    EXPECT_TRUE(dialog.cellBox(0, Col::Kind)->hasFocus());
    EXPECT_TRUE(dialog.defaultsButton()->isEnabled());

    QTest::keyClicks(dialog.cellBox(0, Col::Kind), QStringLiteral("10100"));
    tab(&dialog);
    EXPECT_FALSE(dialog.defaultsButton()->isEnabled());
    QTest::keyClicks(dialog.cellBox(0, Col::Base), QStringLiteral("1.000 EUR"));
    tab(&dialog, 2);
    QTest::keyClicks(dialog.cellBox(0, Col::Amount), QStringLiteral("1.234,56"));
    tab(&dialog);
    EXPECT_EQ(dialog.cellBox(0, Col::Amount)->text(), QStringLiteral("1234,56"));
    EXPECT_EQ(dialog.totalBox()->text(), QStringLiteral("1237,56"));
    // The payment box writes capitals.
    QTest::keyClicks(dialog.cellBox(0, Col::Payment), QStringLiteral("e"));
    EXPECT_EQ(dialog.cellBox(0, Col::Payment)->text(), QStringLiteral("E"));
    tab(&dialog);
    settle(dialog);
    EXPECT_TRUE(dialog.cellBox(1, Col::Kind)->hasFocus());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(model.cell(0, Col::Kind), QStringLiteral("10100"));
    EXPECT_EQ(model.cell(0, Col::Base), QStringLiteral("1.000 EUR"));
    EXPECT_EQ(model.cell(0, Col::Payment), QStringLiteral("E"));
    EXPECT_EQ(model.total(), QStringLiteral("1237,56"));
}

TEST(Feld47Dialogs, ItemDialogWarnsOfAWrongPaymentMethodAndKeepsIt)
{
    Feld47Model model;
    model.setCell(2, Col::Kind, QStringLiteral("10100"));
    CDlgFeld47 dialog(model);
    showActive(dialog);
    dialog.cellBox(2, Col::Payment)->setFocus();
    QTest::keyClicks(dialog.cellBox(2, Col::Payment), QStringLiteral("a"));
    QString message;
    int buttons = 0;
    onNextModal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_TRUE(box);
        message = box->text();
        buttons = box->buttons().size();
        QTest::keyClick(box, Qt::Key_Return);
    });
    tab(&dialog);
    settle(dialog);
    EXPECT_TRUE(message.startsWith(QStringLiteral("In der Spalte ZA sind nur folgende Eingaben zulässig:")));
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(dialog.cellBox(2, Col::Payment)->text(), QStringLiteral("A"));
    EXPECT_TRUE(dialog.cellBox(3, Col::Kind)->hasFocus());

    // Without a duty type the box is not examined; leading blanks pass.
    dialog.cellBox(2, Col::Payment)->setText(QStringLiteral(" B"));
    dialog.cellBox(2, Col::Payment)->setFocus();
    bool asked = false;
    QTimer* watch = onNextModal([&](QWidget* w) {
        asked = true;
        QTest::keyClick(w, Qt::Key_Return);
    });
    tab(&dialog);
    settle(dialog);
    delete watch;
    EXPECT_FALSE(asked);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(Feld47Dialogs, F2ChoosesADutyTypeOnlyFromAnArtBox)
{
    Feld47Model model;
    CDlgFeld47 dialog(model);
    showActive(dialog);

    // In an amount box F2 does nothing at all.
    dialog.cellBox(0, Col::Amount)->setFocus();
    bool opened = false;
    QTimer* watch = onNextModal([&](QWidget* w) {
        opened = true;
        QTest::keyClick(w, Qt::Key_Escape);
    });
    QTest::keyClick(dialog.cellBox(0, Col::Amount), Qt::Key_F2);
    QTest::qWait(30);
    delete watch;
    EXPECT_FALSE(opened);
    EXPECT_EQ(dialog.cellBox(0, Col::Amount)->text(), QString());

    dialog.cellBox(4, Col::Kind)->setFocus();
    dialog.cellBox(4, Col::Kind)->setText(QStringLiteral("2"));
    onNextModal([](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Vorgaben für Zollarten"));
        auto* codes = w->findChild<QComboBox*>();
        EXPECT_EQ(codes->currentText(), QStringLiteral("20000"));
        QTest::keyClick(codes, Qt::Key_Down);
        QTest::keyClick(codes, Qt::Key_Return);
    });
    QTest::keyClick(dialog.cellBox(4, Col::Kind), Qt::Key_F2);
    EXPECT_EQ(dialog.cellBox(4, Col::Kind)->text(), QStringLiteral("21000"));
    EXPECT_EQ(dialog.focusWidget(), dialog.cellBox(4, Col::Base));

    // The chooser cancelled changes nothing.
    dialog.cellBox(5, Col::Kind)->setFocus();
    onNextModal([](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
    dialog.defaultsButton()->click();
    EXPECT_EQ(dialog.cellBox(5, Col::Kind)->text(), QString());
}

TEST(Feld47Dialogs, SummaryDialogChecksStrictlyAndClearsLinesOnOk)
{
    Feld47SummeModel model;
    model.setCell(0, SumCol::Kind, QStringLiteral("10100"));
    model.setCell(0, SumCol::Amount, QStringLiteral("20"));
    model.setCell(0, SumCol::Payment, QStringLiteral("B"));
    model.setCell(1, SumCol::Amount, QStringLiteral("10,00"));
    CDlgFeld47Summe dialog(model);
    showActive(dialog);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("47 Abgabenberechnung (Zusammenfassung)"));
    EXPECT_EQ(dialog.totalBox()->text(), QStringLiteral("30,00"));
    EXPECT_TRUE(dialog.totalBox()->toolTip().isEmpty());

    // An empty method of payment is refused here; OK sends the user back.
    dialog.cellBox(2, SumCol::Kind)->setFocus();
    QTest::keyClicks(dialog.cellBox(2, SumCol::Kind), QStringLiteral("20000"));
    tab(&dialog);
    QTest::keyClicks(dialog.cellBox(2, SumCol::Amount), QStringLiteral("5"));
    tab(&dialog);
    EXPECT_EQ(dialog.totalBox()->text(), QStringLiteral("35,00"));
    int buttons = 0;
    onNextModal([&](QWidget* w) {
        buttons = static_cast<QMessageBox*>(w)->buttons().size();
        QTest::keyClick(w, Qt::Key_Return);
    });
    tab(&dialog);
    settle(dialog);
    EXPECT_EQ(buttons, 2);
    EXPECT_TRUE(dialog.cellBox(2, SumCol::Payment)->hasFocus());
    QTest::keyClicks(dialog.cellBox(2, SumCol::Payment), QStringLiteral("c"));
    tab(&dialog);
    settle(dialog);
    EXPECT_TRUE(dialog.cellBox(3, SumCol::Kind)->hasFocus());

    child<QPushButton>(dialog, "ok")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(model.cell(1, SumCol::Amount), QString());
    EXPECT_EQ(model.cell(2, SumCol::Payment), QStringLiteral("C"));
    EXPECT_EQ(model.total(), QStringLiteral("25,00"));
}

TEST(Feld47Dialogs, EnterInAnAmountBoxStillCountsItsAmount)
{
    Feld47Model model;
    model.setCell(0, Col::Amount, QStringLiteral("1"));
    CDlgFeld47 dialog(model);
    showActive(dialog);
    dialog.cellBox(1, Col::Amount)->setFocus();
    QTest::keyClicks(dialog.cellBox(1, Col::Amount), QStringLiteral("2,5"));
    QTest::keyClick(dialog.cellBox(1, Col::Amount), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(model.cell(1, Col::Amount), QStringLiteral("2,50"));
    EXPECT_EQ(model.total(), QStringLiteral("3,50"));
}
