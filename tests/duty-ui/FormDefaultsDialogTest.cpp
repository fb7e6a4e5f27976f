// "Voreinstellungen und Vorgabetexte (Einheitspapier)": what it shows of
// the store, and what OK stores, including the flag tables.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "DutyUiTestSupport.h"
#include "TestSupport.h"
#include "duty/CDlgDefaultTexte_EH.h"
#include "form/EhField.h"
#include "form/FieldDefinitions.h"
#include "settings/CRegeditManagment.h"
#include "settings/Profile.h"

using dutyui::onNextModal;
using dutyui::showActive;

TEST(FormDefaultsDialog, ShowsTheStoredValuesWithTheirTooltips)
{
    testsupport::clearSettings();
    Profile::set(Settings::Firma1, QStringLiteral("Hafen GmbH"));
    Profile::set(Settings::Firma2, QStringLiteral("Kai 1   "));
    Profile::set(Settings::Bundesland1, QStringLiteral("99"));
    Profile::set(Settings::Bundesland2, QStringLiteral("09"));
    Profile::set(Settings::Anmelder, 2);
    Profile::set(Settings::Feld2, 4);
    CDlgDefaultTexte_EH dialog;
    showActive(dialog);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Voreinstellungen und Vorgabetexte (Einheitspapier)"));
    EXPECT_TRUE(dialog.address()->hasFocus());
    EXPECT_EQ(dialog.address()->toPlainText(), QStringLiteral("Hafen GmbH\nKai 1"));
    EXPECT_EQ(dialog.state17()->currentText(), QStringLiteral("09 - Bayern"));
    EXPECT_EQ(dialog.state34()->currentIndex(), -1);
    EXPECT_EQ(dialog.state34()->count(), 16);
    EXPECT_EQ(dialog.declarant()->currentText(), QStringLiteral("Versender - 00300"));
    EXPECT_EQ(dialog.declarant()->itemText(0), QString());
    EXPECT_TRUE(dialog.check("useAddress")->isChecked());
    EXPECT_FALSE(dialog.check("useDeclarant")->isChecked());
    EXPECT_TRUE(dialog.check("useState34")->isChecked());
    EXPECT_EQ(dialog.customsNumber2()->toolTip(), QStringLiteral("Eintragen: Zollnummer des Anmelders/Vertereters"));
    EXPECT_EQ(dialog.check("notOnPage2")->toolTip(), QStringLiteral("Deaktiviert die Angaben für die Ergänzungsblätter"));
    EXPECT_EQ(dialog.check("threeLineStamp")->text(), QStringLiteral("Feld 2 und Feld 5 im Stempel dreizeilig."));
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("ok"))->text(), QStringLiteral("OK"));
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("cancel"))->text(), QStringLiteral("Abbruch"));

    // Abbruch stores nothing.
    QTest::keyClicks(dialog.address(), QStringLiteral("xyz"));
    QTest::keyClick(dialog.address(), Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(Profile::get(Settings::Firma1), QStringLiteral("Hafen GmbH"));
    EXPECT_EQ(Profile::get(Settings::Bundesland1), QStringLiteral("99"));
}

TEST(FormDefaultsDialog, OkStoresTheTextsAndTheStampFlagTables)
{
    testsupport::clearSettings();
    CRegeditManagment registry;
    registry.setMessageHandler([](const QString&) {});
    registry.Initialise(QStringLiteral("Apr  9 2021"), QStringLiteral("2.1.05"));
    FieldDefinitions definitions;

    QString message;
    onNextModal<CDlgDefaultTexte_EH>([&](CDlgDefaultTexte_EH* dialog) {
        showActive(*dialog);
        // Typed as a user would: the address, Tab on to the customs number.
        QTest::keyClicks(dialog->address(), QStringLiteral("Hafen GmbH"));
        QTest::keyClick(dialog->address(), Qt::Key_Return);
        QTest::keyClicks(dialog->address(), QStringLiteral("Kai 1"));
        QTest::keyClick(dialog->address(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("DE123"));
        dialog->state34()->setFocus();
        QTest::keyClick(dialog->state34(), Qt::Key_End);
        dialog->check("stampC")->setFocus();
        QTest::keyClick(dialog->check("stampC"), Qt::Key_Space);
        onNextModal<QMessageBox>([&](QMessageBox* box) {
            message = box->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        QTest::keyClick(dialog->check("stampC"), Qt::Key_Return);
    });
    ASSERT_TRUE(CDlgDefaultTexte_EH::edit(nullptr, definitions, registry));
    EXPECT_EQ(message, QStringLiteral("Die Vorgabedaten wurden gesichert\nund werden beim nächsten neuen\nDokument benutzt."));
    EXPECT_EQ(Profile::get(Settings::Firma1), QStringLiteral("Hafen GmbH"));
    EXPECT_EQ(Profile::get(Settings::Firma2), QStringLiteral("Kai 1"));
    EXPECT_EQ(Profile::get(Settings::ZollNummer1), QStringLiteral("DE123"));
    EXPECT_EQ(Profile::get(Settings::Bundesland1), QStringLiteral("16"));
    EXPECT_EQ(Profile::get(Settings::Bundesland2), QStringLiteral("01"));
    EXPECT_EQ(Profile::get(Settings::Stamp_C), 1);
    EXPECT_EQ(Profile::get(Settings::Stamp_A), 0);
    EXPECT_EQ(Profile::get(Settings::Feld17), 4);

    // The stamp fields of box C are on in the program's tables and in the
    // stored ones, for every form set.
    using EhFieldFlags::PageKind;
    QByteArray stored(EhFieldFlags::FirstTableSize, '\x7f');
    ASSERT_EQ(registry.ReadBinaryValue(QString::fromLatin1(FieldDefinitions::Section),
                                       QString::fromLatin1(FieldDefinitions::FieldDef_EH1), stored,
                                       EhFieldFlags::FirstTableSize),
              CRegeditManagment::Success);
    EXPECT_EQ(stored, definitions.table(PageKind::First));
    EXPECT_EQ(Profile::get(Settings::FieldSize_EH1), EhFieldFlags::FirstTableSize);
    EXPECT_EQ(Profile::get(Settings::FieldSize_EH2), EhFieldFlags::ContinuationTableSize);
    for (int set = 0; set < EhFieldFlags::FormSets; ++set) {
        EXPECT_EQ(EhFieldFlags::flag(stored, EhField::StampC4, set), 0);
        EXPECT_EQ(EhFieldFlags::flag(stored, EhField::StampA4, set), EhFieldFlags::Unused);
    }
}
