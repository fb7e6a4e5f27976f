// The box pickers driven by keyboard: each opens on the box's entry with the
// keyboard there, Enter takes, Escape cancels, lists jump by typed letters.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTreeWidget>

#include "DutyUiTestSupport.h"
#include "TestSupport.h"
#include "duty/CDlgEH_Default01.h"
#include "duty/CDlgEH_Default19.h"
#include "duty/CDlgEH_Default20.h"
#include "duty/CDlgEH_Default24.h"
#include "duty/CDlgEH_Default25.h"
#include "duty/CDlgEH_Default29.h"
#include "duty/CDlgEH_Default36.h"
#include "duty/CDlgEH_Default54.h"
#include "duty/CDlgFeld44Einfuhr.h"
#include "duty/RadioChoiceBox.h"
#include "settings/Profile.h"

using dutyui::onNextModal;
using dutyui::showActive;

namespace {

QWidget* focused()
{
    return QApplication::focusWidget();
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(focused(), key, modifiers);
}

void typeText(const QString& text)
{
    QTest::keyClicks(focused(), text);
}

} // namespace

TEST(BoxPickerDialogs, Box1ShowsTheVisiblePartsAndTakesTheirChoices)
{
    CDlgEH_Default01 dialog({QStringLiteral("IM"), QStringLiteral("a"), QString()}, {true, true, false});
    showActive(dialog);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Vorgaben für Feld 1"));
    EXPECT_FALSE(dialog.partBox(2)->isVisible());
    // The keyboard starts on 1 A's chosen entry.
    EXPECT_EQ(focused(), dialog.partBox(0)->button(2));
    EXPECT_TRUE(dialog.partBox(0)->button(2)->isChecked());

    // Typed letters jump within a part, the arrow keys step, Tab goes on.
    typeText(QStringLiteral("e"));
    EXPECT_EQ(dialog.partBox(0)->checkedIndex(), 0);   // "EU"
    typeText(QStringLiteral("x"));
    EXPECT_EQ(dialog.partBox(0)->checkedIndex(), 1);   // "EX" by the two letters
    press(Qt::Key_Tab);
    EXPECT_EQ(focused(), dialog.partBox(1)->button(0));
    press(Qt::Key_Down);
    typeText(QStringLiteral("z"));
    press(Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.part(0), QStringLiteral("EX"));
    EXPECT_EQ(dialog.part(1), QStringLiteral("Z"));
    EXPECT_TRUE(dialog.part(2).isEmpty());
}

TEST(BoxPickerDialogs, Boxes19And20)
{
    CDlgEH_Default19 container(QStringLiteral("1"));
    showActive(container);
    EXPECT_EQ(focused(), container.choices()->button(1));
    press(Qt::Key_Up);
    press(Qt::Key_Return);
    EXPECT_EQ(container.result(), QDialog::Accepted);
    EXPECT_EQ(container.code(), QStringLiteral("0"));

    CDlgEH_Default20 fob(QStringLiteral("fob"));
    showActive(fob);
    EXPECT_EQ(fob.choices()->button(4)->text(), QStringLiteral("FOB - Franko Bord"));
    EXPECT_EQ(focused(), fob.choices()->button(4));
    // The ampersand of "C & F" is shown, not taken for a key.
    EXPECT_EQ(fob.choices()->button(5)->text(), QStringLiteral("CFR - Kosten und Fracht (C && F)"));
    typeText(QStringLiteral("ddp"));
    press(Qt::Key_Return);
    EXPECT_EQ(fob.code(), QStringLiteral("DDP"));

    CDlgEH_Default20 own(QStringLiteral("frei haus"));
    showActive(own);
    EXPECT_EQ(own.choices()->button(0)->text(), QStringLiteral("FREI HAUS"));
    EXPECT_TRUE(own.choices()->button(0)->isChecked());
    press(Qt::Key_Return);
    EXPECT_EQ(own.code(), QStringLiteral("FREI HAUS"));

    CDlgEH_Default20 cancelled(QStringLiteral("CIF"));
    showActive(cancelled);
    press(Qt::Key_Down);
    press(Qt::Key_Escape);
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
}

TEST(BoxPickerDialogs, Box24ExplainsTheSelectedKind)
{
    CDlgEH_Default24 dialog(QStringLiteral("2 2"));
    showActive(dialog);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Art des Geschäfts"));
    EXPECT_EQ(focused(), dialog.list());
    EXPECT_EQ(dialog.list()->currentItem()->text(), QStringLiteral("2 2"));
    EXPECT_EQ(dialog.entryText()->text(), QStringLiteral("Ersatz für zurückgesandte Waren"));
    typeText(QStringLiteral("7"));
    EXPECT_EQ(dialog.list()->currentItem()->text(), QStringLiteral("7 1"));
    EXPECT_EQ(dialog.entryText()->text(), QStringLiteral("Für militärische Zwecke"));
    EXPECT_TRUE(dialog.firstDigitText()->text().startsWith(QStringLiteral("Vorgänge im Rahmen gemeinsamer")));
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.firstDigit(), QStringLiteral("7"));
    EXPECT_EQ(dialog.secondDigit(), QStringLiteral("2"));
}

TEST(BoxPickerDialogs, Box25ReturnsTheCodeOfTheMode)
{
    CDlgEH_Default25 dialog(QStringLiteral("7"));
    showActive(dialog);
    EXPECT_EQ(dialog.list()->currentItem()->text(), QStringLiteral("7 - Festinstallierte Transporteinrichtungen"));
    EXPECT_EQ(dialog.list()->toolTip(), QStringLiteral("Hier den Verkehrsweg auswählen"));
    press(Qt::Key_Return);
    EXPECT_EQ(dialog.code(), QStringLiteral("7"));

    CDlgEH_Default25 typed{QString()};
    showActive(typed);
    typeText(QStringLiteral("9"));
    press(Qt::Key_Return);
    EXPECT_EQ(typed.code(), QStringLiteral("9"));
}

TEST(BoxPickerDialogs, Box29SortsByTheClickedHeadingAndKeepsTheOffice)
{
    CDlgEH_Default29 dialog(QStringLiteral("DE004701"));
    showActive(dialog);
    QTreeWidget* list = dialog.list();
    EXPECT_EQ(focused(), list);
    ASSERT_TRUE(list->currentItem());
    EXPECT_EQ(list->currentItem()->text(0), QStringLiteral("Hamburg-Flughafen"));
    EXPECT_EQ(list->headerItem()->text(2), QStringLiteral("Zollamt"));
    EXPECT_EQ(list->columnWidth(0), 200);

    QHeaderView* header = list->header();
    const auto clickHeading = [&](int column) {
        const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
    };
    clickHeading(3);
    EXPECT_EQ(list->topLevelItem(0)->text(3), QStringLiteral("DE002102"));
    EXPECT_EQ(list->currentItem()->text(3), QStringLiteral("DE004701"));
    clickHeading(3);
    EXPECT_EQ(list->topLevelItem(0)->text(3), QStringLiteral("DE009984"));
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_EQ(list->currentItem()->text(3), QStringLiteral("DE004701"));
    // The keyboard sorts too: Ctrl+1 by place.
    press(Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("Augsburg-Flughafen"));

    // Typed letters jump by place; a double click takes.
    list->setFocus();
    typeText(QStringLiteral("kiel-w"));
    EXPECT_EQ(list->currentItem()->text(0), QStringLiteral("Kiel-Wik"));
    list->scrollToItem(list->currentItem(), QAbstractItemView::PositionAtCenter);
    const QRect row = list->visualItemRect(list->currentItem());
    // As a mouse does it: a click, then the second click of the double click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.code(), QStringLiteral("DE006203"));
}

TEST(BoxPickerDialogs, Box36ShowsBothMeaningsAsTheListsChange)
{
    CDlgEH_Default36 dialog(QStringLiteral("217"));
    showActive(dialog);
    EXPECT_EQ(focused(), dialog.firstDigit());
    EXPECT_EQ(dialog.firstDigit()->currentText(), QStringLiteral("2"));
    EXPECT_EQ(dialog.lastDigits()->currentText(), QStringLiteral("15"));
    EXPECT_EQ(dialog.firstMeaning()->text(), QStringLiteral("Allgemeine Zollpräferenzen (APS)"));
    typeText(QStringLiteral("3"));
    EXPECT_TRUE(dialog.firstMeaning()->text().startsWith(QStringLiteral("Andere Zollpräferenzen")));
    press(Qt::Key_2, Qt::AltModifier);   // "Ziffer &2 und 3"
    ASSERT_EQ(focused(), dialog.lastDigits());
    typeText(QStringLiteral("4"));
    EXPECT_EQ(dialog.lastMeaning()->text(), QStringLiteral("Besondere Verwendung nach dem Gemeinsamen Zolltarif"));
    press(Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.code(), QStringLiteral("340"));
}

TEST(BoxPickerDialogs, Box44TakesTheCrossAndRefusesWhatWouldNotFit)
{
    CDlgFeld44Einfuhr dialog(QStringLiteral("A\r\nB\r\nC\r\nD\r\nE"), false);
    showActive(dialog);
    EXPECT_EQ(focused(), dialog.textBox());
    EXPECT_EQ(dialog.cross()->toolTip(), QStringLiteral("Aktivieren dieser Checkbox erzeugt ein Kreuz im Formular"));
    press(Qt::Key_Tab);
    ASSERT_EQ(focused(), dialog.cross());
    press(Qt::Key_Space);
    EXPECT_TRUE(dialog.cross()->isChecked());

    // Five lines and the cross: refused with a message, the dialog stays.
    QString message;
    onNextModal<QMessageBox>([&](QMessageBox* box) {
        message = box->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    press(Qt::Key_Return);
    EXPECT_TRUE(message.contains(QStringLiteral("vier Zeilen"))) << message.toStdString();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 0);
    showActive(dialog);   // the platform gives the keyboard back

    // The last line goes; Ctrl+Enter takes from inside the text.
    ASSERT_EQ(focused(), dialog.textBox());
    press(Qt::Key_End, Qt::ControlModifier);
    press(Qt::Key_Backspace);
    press(Qt::Key_Backspace);
    press(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.text(), QStringLiteral("\r\nA\r\nB\r\nC\r\nD"));
    EXPECT_TRUE(dialog.inputTax());

    // Without the cross on offer the check box is not there and nothing moves.
    CDlgFeld44Einfuhr plain(QStringLiteral("A"), true, false);
    showActive(plain);
    EXPECT_FALSE(plain.cross()->isVisible());
    press(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(plain.text(), QStringLiteral("A"));
}

TEST(BoxPickerDialogs, Box54InsertsPlaceAndDate)
{
    testsupport::clearSettings();
    Profile::set(Settings::DatumOrt, QStringLiteral("Bremen"));
    CDlgEH_Default54 dialog(QDate(2024, 3, 7));
    showActive(dialog);
    EXPECT_EQ(focused(), dialog.place());
    EXPECT_EQ(dialog.place()->text(), QStringLiteral("Bremen"));
    typeText(QStringLiteral("Hamburg"));   // replaces the selected place
    press(Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.text(), QStringLiteral("Hamburg, 7.3.2024"));
    EXPECT_EQ(Profile::get(Settings::DatumOrt), QStringLiteral("Hamburg"));

    CDlgEH_Default54 cancelled(QDate(2024, 3, 7));
    showActive(cancelled);
    typeText(QStringLiteral("Kiel"));
    press(Qt::Key_Escape);
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
    EXPECT_EQ(Profile::get(Settings::DatumOrt), QStringLiteral("Hamburg"));
}
