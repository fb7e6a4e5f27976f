// "Neues Dokument erzeugen" and "Neues Einheitspapier", driven as a user
// drives them.
#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "AppUiTestSupport.h"
#include "TestSupport.h"
#include "app/CDlgNew.h"
#include "app/CDlgNewEhpapier.h"
#include "settings/Profile.h"

TEST(CDlgNew, OffersTheFourFormSetsAndTheDv1OnlyWhenItExists)
{
    CDlgNew without(false);
    EXPECT_EQ(without.windowTitle(), QStringLiteral("Neues Dokument erzeugen"));
    for (int choice : {0, 1, 2, 3})
        ASSERT_NE(without.button(choice), nullptr) << choice;
    EXPECT_EQ(without.button(CDlgNew::Dv1Choice), nullptr);
    EXPECT_EQ(without.button(0)->text(), QStringLiteral("0737 / 0738"));
    EXPECT_EQ(without.button(3)->text(), QStringLiteral("0779 / 0780"));
    EXPECT_FALSE(without.button(2)->icon().isNull());

    CDlgNew with(true);
    ASSERT_NE(with.button(CDlgNew::Dv1Choice), nullptr);
}

TEST(CDlgNew, AClickOrEnterOnAButtonChoosesEnterElsewhereDoesNothing)
{
    {
        CDlgNew dlg(true);
        dlg.show();
        QTest::mouseClick(dlg.button(1), Qt::LeftButton);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(dlg.choice(), 1);
    }
    {
        CDlgNew dlg(true);
        dlg.show();
        QTest::mouseClick(dlg.button(CDlgNew::Dv1Choice), Qt::LeftButton);
        EXPECT_EQ(dlg.choice(), 99);
    }
    {
        CDlgNew dlg(false);
        dlg.show();
        dlg.activateWindow();
        dlg.button(2)->setFocus();
        QTest::keyClick(&dlg, Qt::Key_Return);
        EXPECT_EQ(dlg.result(), QDialog::Accepted);
        EXPECT_EQ(dlg.choice(), 2);
    }
    {
        // Enter while no picture button has the focus chooses nothing.
        CDlgNew dlg(false);
        dlg.show();
        dlg.setFocus();
        QTest::keyClick(&dlg, Qt::Key_Return);
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(dlg.choice(), -1);
    }
    {
        CDlgNew dlg(false);
        dlg.show();
        auto* cancel = dlg.findChild<QPushButton*>();
        ASSERT_NE(cancel, nullptr);
        EXPECT_EQ(cancel->text(), QStringLiteral("Abbruch"));
        QTest::mouseClick(cancel, Qt::LeftButton);
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
        EXPECT_EQ(dlg.choice(), -1);
    }
}

TEST(CDlgNewEhpapier, StartsAtTheLastChoiceAndStoresTheNewOneOnOk)
{
    testsupport::clearSettings();
    Profile::set(Settings::LastEhType, 2);
    CDlgNewEhpapier dlg;
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Neues Einheitspapier"));
    EXPECT_EQ(dlg.formSet(), 2);
    const QStringList expected{
        QStringLiteral("0737 / 0738 (Bestimmung - Eingang / Einfuhr)"),
        QStringLiteral("0747 / 0748 (Bestimmung - Eingang / Einfuhr)"),
        QStringLiteral("0777 / 0778 (Vereinfachte Zollanmeldung)"),
        QStringLiteral("0779 / 0780 (Bestimmung - Eingang / Einfuhr)"),
    };
    QStringList texts;
    for (QRadioButton* r : dlg.findChildren<QRadioButton*>())
        texts << r->text();
    EXPECT_EQ(texts, expected);

    dlg.show();
    QTest::mouseClick(dlg.findChild<QRadioButton*>(QStringLiteral("formSet3")), Qt::LeftButton);
    // Cancel leaves the stored choice alone ...
    dlg.reject();
    EXPECT_EQ(Profile::get(Settings::LastEhType), 2);
    // ... OK stores the selection.
    dlg.accept();
    EXPECT_EQ(dlg.formSet(), 3);
    EXPECT_EQ(Profile::get(Settings::LastEhType), 3);
}

TEST(CDlgNewEhpapier, AStoredValueOutsideTheFourSetsStartsAtTheFirst)
{
    testsupport::clearSettings();
    Profile::set(Settings::LastEhType, 7);
    CDlgNewEhpapier dlg;
    EXPECT_EQ(dlg.formSet(), 0);
    dlg.accept();
    EXPECT_EQ(Profile::get(Settings::LastEhType), 0);
}
