#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>

#include "DutyUiTestSupport.h"
#include "duty/CDlgZollArten.h"
#include "duty/Common_DlgBundeslaenderCode.h"
#include "duty/Common_DlgLaenderCode.h"
#include "duty/Common_DlgWaehrungsCode.h"
#include "duty/LinkedListsPanel.h"

using dutyui::child;
using dutyui::showActive;

namespace {

QString currentText(QListView* view)
{
    return view->currentIndex().data().toString();
}

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

TEST(ChooserDialogs, CountryChooserOpensOnTheCodeAndTakesAFilteredRowByKeyboard)
{
    Common_DlgLaenderCode dialog(2, {}, QStringLiteral("ch"));
    showActive(dialog);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Ursprungsland"));
    LinkedListsPanel* panel = dialog.panel();
    EXPECT_EQ(currentText(panel->codeView()), QStringLiteral("CH"));
    EXPECT_EQ(currentText(panel->nameView()), QStringLiteral("Schweiz"));
    EXPECT_TRUE(panel->filterBox()->hasFocus());

    // Typing narrows both lists; the arrow keys step through the names
    // without leaving the filter box, and Enter takes the row.
    QTest::keyClicks(panel->filterBox(), QStringLiteral("ind"));
    EXPECT_EQ(panel->nameView()->model()->rowCount(), panel->codeView()->model()->rowCount());
    EXPECT_LT(panel->nameView()->model()->rowCount(), 12);
    const QString first = currentText(panel->nameView());
    EXPECT_TRUE(first.contains(QStringLiteral("ind"), Qt::CaseInsensitive)) << qPrintable(first);
    QTest::keyClick(panel->filterBox(), Qt::Key_Down);
    const QString second = currentText(panel->nameView());
    EXPECT_NE(second, first);
    QTest::keyClick(panel->filterBox(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.name(), second);
    EXPECT_EQ(dialog.code(), currentText(panel->codeView()));
}

TEST(ChooserDialogs, CountryListsJumpByTypedLettersAndFollowEachOther)
{
    Common_DlgLaenderCode dialog(0, {}, {});
    showActive(dialog);
    EXPECT_EQ(dialog.windowTitle(), u("Ländercodes"));
    LinkedListsPanel* panel = dialog.panel();
    EXPECT_EQ(currentText(panel->nameView()), QStringLiteral("Deutschland"));

    panel->nameView()->setFocus();
    QTest::keyClicks(panel->nameView(), QStringLiteral("schw"));
    EXPECT_EQ(currentText(panel->nameView()), QStringLiteral("Schweden"));
    EXPECT_EQ(currentText(panel->codeView()), QStringLiteral("SE"));

    panel->codeView()->setFocus();
    QTest::keyClick(panel->codeView(), Qt::Key_Down);
    EXPECT_EQ(currentText(panel->codeView()), QStringLiteral("SG"));
    EXPECT_EQ(currentText(panel->nameView()), QStringLiteral("Singapur"));

    // A filter nobody matches leaves nothing to take.
    panel->filterBox()->setFocus();
    QTest::keyClicks(panel->filterBox(), QStringLiteral("qqq"));
    EXPECT_FALSE(child<QPushButton>(dialog, "ok")->isEnabled());
    QTest::keyClick(panel->filterBox(), Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(ChooserDialogs, CurrencyChooserStartsOnEuroAndReturnsThePickedCode)
{
    Common_DlgWaehrungsCode dialog({});
    showActive(dialog);
    EXPECT_EQ(dialog.windowTitle(), u("Währungscodes"));
    LinkedListsPanel* panel = dialog.panel();
    EXPECT_EQ(currentText(panel->codeView()), QStringLiteral("EUR"));
    EXPECT_EQ(currentText(panel->nameView()), QStringLiteral("Euro"));
    EXPECT_EQ(panel->codeView()->toolTip(), u("In diesem Fenster den ISO-Währungscode auswählen"));

    QTest::keyClicks(panel->filterBox(), QStringLiteral("franken"));
    EXPECT_EQ(currentText(panel->nameView()), QStringLiteral("Schweizer Franken"));
    QTest::keyClick(panel->filterBox(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.code(), QStringLiteral("CHF"));
}

TEST(ChooserDialogs, FederalStateChooserByKeyboard)
{
    Common_DlgBundeslaenderCode dialog(QStringLiteral("5"));
    showActive(dialog);
    EXPECT_EQ(dialog.windowTitle(), u("Ländernummer (Inland)"));
    QListWidget* list = dialog.list();
    EXPECT_EQ(list->currentItem()->text(), QStringLiteral("05 - Nordrhein-Westfalen"));
    QTest::keyClick(list, Qt::Key_End);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.code(), QStringLiteral("99"));

    Common_DlgBundeslaenderCode titled(QStringLiteral("99"), QStringLiteral("Bundesland 17 B"));
    showActive(titled);
    EXPECT_EQ(titled.windowTitle(), QStringLiteral("Bundesland 17 B"));
    QTest::keyClicks(titled.list(), QStringLiteral("14"));
    QTest::keyClick(titled.list(), Qt::Key_Return);
    EXPECT_EQ(titled.code(), QStringLiteral("14"));
}

TEST(ChooserDialogs, DutyTypeChooserShowsTheMeaningOfTheSelectedCode)
{
    CDlgZollArten dialog(QStringLiteral("20"));
    showActive(dialog);
    EXPECT_EQ(dialog.windowTitle(), u("Vorgaben für Zollarten"));
    EXPECT_EQ(dialog.codes()->currentText(), QStringLiteral("20000"));
    EXPECT_EQ(dialog.meaning()->text(), QStringLiteral("Einfuhrumsatzsteuer"));
    QTest::keyClick(dialog.codes(), Qt::Key_Down);
    EXPECT_EQ(dialog.codes()->currentText(), QStringLiteral("21000"));
    EXPECT_TRUE(dialog.meaning()->text().startsWith(u("Zölle für die ein Bescheid")));
    QTest::keyClick(dialog.codes(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.code(), QStringLiteral("21000"));

    CDlgZollArten unknown(QStringLiteral("203"));
    EXPECT_EQ(unknown.codes()->currentText(), QStringLiteral("10100"));
    EXPECT_EQ(unknown.code(), QStringLiteral("10100"));
}
