// "Programmeinstellungen" driven by keyboard and mouse: the two table paths,
// the paper format check, and the re-creation that keeps the old table.
#include <QCheckBox>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "AppUiTestSupport.h"
#include "app/CDlgProgramOptions.h"
#include "masterdata/AddressTable.h"
#include "masterdata/CKestrovaneStammDaten.h"
#include "settings/Profile.h"
#include "settings/StringTable.h"

namespace {

using Table = CDlgProgramOptions::Table;

// Answers the next question box with Ja or Nein and keeps its text.
struct Answer {
    explicit Answer(bool yes)
        : box([this, yes](QMessageBox& b) {
              text = b.text();
              b.button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
          })
    {
    }
    QString text;
    WhenModal<QMessageBox> box;
};

int goodsCount(const QString& path)
{
    CKestrovaneStammDaten store;
    store.SetFile(QFileInfo(path).path(), QFileInfo(path).fileName(), CKestrovaneStammDaten::KindCurrent);
    return store.Load() == 0 ? store.GetCount() : -1;
}

} // namespace

class ProgramOptionsDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::clearSettings();
        open();
    }
    void open()
    {
        dialog = std::make_unique<CDlgProgramOptions>(data.path());
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    // A goods table with two records where the settings point.
    QString goodsTableWithRecords()
    {
        const QString path = data.file(QStringLiteral("Artikel1.dbf"));
        CKestrovaneStammDaten store;
        store.SetFile(data.path(), QStringLiteral("Artikel1.dbf"), CKestrovaneStammDaten::KindCurrent);
        EXPECT_EQ(store.Load(), 0);
        store.append({QStringLiteral("Kugellager"), QStringLiteral("84821010")});
        store.append({QStringLiteral("Schrauben"), QStringLiteral("73181535")});
        EXPECT_EQ(store.Save(), 0);
        return path;
    }

    testsupport::TempDir data;
    std::unique_ptr<CDlgProgramOptions> dialog;
    ModalCloser notes;   // the report after OK
};

TEST_F(ProgramOptionsDialog, ShowsTheDefaultsAndWritesOnlyOnOk)
{
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Programmeinstellungen"));
    EXPECT_EQ(dialog->pathEdit(Table::Address)->text(), data.file(QStringLiteral("Adress1.dbf")));
    EXPECT_EQ(dialog->pathEdit(Table::Goods)->text(), data.file(QStringLiteral("Artikel1.dbf")));
    EXPECT_TRUE(dialog->paperCheckBox()->isChecked());
    EXPECT_FALSE(dialog->pathEdit(Table::Goods)->toolTip().isEmpty());

    // Typed in, then cancelled: nothing stored.
    dialog->pathEdit(Table::Goods)->setFocus();
    QTest::keyClick(dialog->pathEdit(Table::Goods), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(dialog->pathEdit(Table::Goods), QStringLiteral("/daten/waren.dbf"));
    dialog->paperCheckBox()->setFocus();
    QTest::keyClick(dialog->paperCheckBox(), Qt::Key_Space);
    EXPECT_FALSE(dialog->paperCheckBox()->isChecked());
    QTest::keyClick(dialog.get(), Qt::Key_Escape);
    EXPECT_FALSE(Profile::HasProfileValue(QStringLiteral("Settings"), QStringLiteral("StammdatenDatei")));
    EXPECT_EQ(Profile::get(Settings::PrnPapielageCheck), 1);

    open();
    dialog->pathEdit(Table::Goods)->setText(QStringLiteral("/daten/waren.dbf"));
    dialog->paperCheckBox()->click();
    QTest::keyClick(dialog->pathEdit(Table::Goods), Qt::Key_Return);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Profile::get(Settings::StammdatenDatei), QStringLiteral("/daten/waren.dbf"));
    EXPECT_EQ(Profile::get(Settings::AdressdatenDatei), data.file(QStringLiteral("Adress1.dbf")));
    EXPECT_EQ(Profile::get(Settings::PrnPapielageCheck), 0);
    EXPECT_TRUE(notes.texts().isEmpty());
}

TEST_F(ProgramOptionsDialog, FileButtonChoosesADataFile)
{
    const QString chosen = data.file(QStringLiteral("Kunden.dbf"));
    QString title;
    QStringList filters;
    WhenModal<QFileDialog> files([&](QFileDialog& d) {
        title = d.windowTitle();
        filters = d.nameFilters();
        // Typed into the name field, as a user does; the directory is read
        // in the background and must not undo a selection made in code.
        auto* name = d.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(chosen);
        static_cast<QDialog&>(d).accept();   // as the "Öffnen" button does
    });
    dialog->browseButton(Table::Address)->click();
    EXPECT_EQ(title, QStringLiteral("Datendatei auswählen"));
    EXPECT_EQ(filters, QStringList{QStringLiteral("Datenbankdateien (*.dbf)")});
    EXPECT_EQ(dialog->pathEdit(Table::Address)->text(), chosen);
}

TEST_F(ProgramOptionsDialog, ConfirmedGoodsRecreationKeepsTheOldTableAsBackup)
{
    const QString table = goodsTableWithRecords();
    Profile::set(Settings::StammdatenDatei, table);
    open();

    // "Nein" first: the indicator stays at "keep".
    {
        Answer no(false);
        dialog->initButton(Table::Goods)->click();
        EXPECT_FALSE(dialog->recreateIndicator(Table::Goods)->isVisibleTo(dialog.get()));
    }
    Answer yes(true);
    dialog->initButton(Table::Goods)->click();
    EXPECT_EQ(yes.text, StringTable::text(StringTable::ConfirmInitGoodsFile));
    EXPECT_TRUE(yes.text.contains(QStringLiteral("für die Warendaten")));
    EXPECT_FALSE(yes.text.contains(QStringLiteral("Windows")));
    EXPECT_TRUE(dialog->recreateIndicator(Table::Goods)->isVisibleTo(dialog.get()));
    EXPECT_FALSE(dialog->recreateIndicator(Table::Address)->isVisibleTo(dialog.get()));
    EXPECT_EQ(goodsCount(table), 2);   // nothing happens before OK

    dialog->accept();
    const QString backup = data.file(
        QStringLiteral("Artikel1-%1.bak.dbf").arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))));
    EXPECT_EQ(goodsCount(backup), 2);
    EXPECT_EQ(goodsCount(table), 0);
    EXPECT_EQ(CKestrovaneStammDaten::DetectKind(table), CKestrovaneStammDaten::KindCurrent);
    EXPECT_FALSE(dialog->addressRecreationConfirmed());
    ASSERT_EQ(notes.texts().size(), 1);
    EXPECT_TRUE(notes.texts().first().contains(QDir::toNativeSeparators(backup)));
}

TEST_F(ProgramOptionsDialog, ConfirmedAddressRecreationIsCarriedOutTheSameWay)
{
    const QString path = data.file(QStringLiteral("Adress1.dbf"));
    AddressTable old;
    ASSERT_TRUE(old.Create(path));
    ASSERT_GT(old.Store(0, QStringLiteral("Spedition Nord\r\nHafenstr. 1"), QStringLiteral("DE1234567")), 0);
    old.Close();

    Answer yes(true);
    dialog->initButton(Table::Address)->click();
    EXPECT_EQ(yes.text, StringTable::text(StringTable::ConfirmInitAddressFile));
    dialog->accept();
    EXPECT_TRUE(dialog->addressRecreationConfirmed());

    AddressTable fresh;
    ASSERT_TRUE(fresh.Open(path));
    ASSERT_EQ(fresh.Entries().size(), 1);
    EXPECT_EQ(fresh.Entries().first().firstLine, QStringLiteral("Erster Eintrag"));
    AddressTable backup;
    ASSERT_TRUE(backup.Open(data.file(
        QStringLiteral("Adress1-%1.bak.dbf").arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"))))));
    EXPECT_EQ(backup.Entries().size(), 2);
}

TEST_F(ProgramOptionsDialog, TableThatCannotBeMadeIsReportedAndNothingIsLost)
{
    dialog->pathEdit(Table::Goods)->setText(data.file(QStringLiteral("fehlt/Artikel1.dbf")));
    Answer yes(true);
    dialog->initButton(Table::Goods)->click();
    dialog->accept();
    ASSERT_EQ(notes.texts().size(), 1);
    EXPECT_TRUE(notes.texts().first().startsWith(
        QStringLiteral("Die Datei %1 konnte nicht neu angelegt werden.")
            .arg(QDir::toNativeSeparators(data.file(QStringLiteral("fehlt/Artikel1.dbf"))))));
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
}
