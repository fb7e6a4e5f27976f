// The goods dialog's logic without its widgets: what the two lists show and
// in which order, the search, browsing, editing and saving.
#include <gtest/gtest.h>

#include "GoodsFixtures.h"
#include "TestSupport.h"
#include "masterdata/StammDatenDialogModel.h"

using goodsfixture::goods;
using goodsfixture::Values;
using testsupport::readFile;
using testsupport::TempDir;

namespace {

using Use = StammDatenDialogModel::Use;

QStringList listTexts(GoodsListProxy& list)
{
    QStringList texts;
    for (int row = 0; row < list.rowCount(); ++row)
        texts << list.index(row, list.column()).data().toString();
    return texts;
}

class GoodsDialogModel : public ::testing::Test
{
protected:
    void SetUp() override { testsupport::clearSettings(); }
    void TearDown() override { testsupport::clearSettings(); }
    QString table() const { return dir.file(QStringLiteral("Artikel1.dbf")); }
    TempDir dir;
};

} // namespace

TEST_F(GoodsDialogModel, ListsShowTheFirstLineAndTheJoinedNumberEachInItsOrder)
{
    goodsfixture::useTable(table(), {goods(QStringLiteral("Zucker")),
                                     goods(QStringLiteral("A\r\nB"), QStringLiteral("12345678")),
                                     goods(QStringLiteral("Äpfel"), QStringLiteral("20000000")),
                                     goods(QStringLiteral("\r\nnur die zweite Zeile"), QStringLiteral("00000001")),
                                     goods(QStringLiteral("apfel"), QStringLiteral("10000000")),
                                     goods(QStringLiteral("Birnen"), QStringLiteral("9"))});
    StammDatenDialogModel model(Use::Maintenance, dir.path());
    ASSERT_TRUE(model.open()) << model.errorMessage().toStdString();
    // German order without regard to case, the umlaut beside its vowel; a
    // description whose first line is empty is an empty entry.
    EXPECT_EQ(listTexts(model.descriptionList()),
              (QStringList{QString(), QStringLiteral("A"), QStringLiteral("apfel"), QStringLiteral("Äpfel"),
                           QStringLiteral("Birnen"), QStringLiteral("Zucker")}));
    EXPECT_EQ(listTexts(model.numberList()),
              (QStringList{QStringLiteral("00000001-90-1234-5678-9"), QStringLiteral("10000000-90-1234-5678-9"),
                           QStringLiteral("12345678-90-1234-5678-9"), QStringLiteral("12345678-90-1234-5678-9"),
                           QStringLiteral("20000000-90-1234-5678-9"), QStringLiteral("9-90-1234-5678-9")}));
    // Both lists carry the record's position; the first description entry
    // is selected and shown.
    EXPECT_EQ(model.descriptionList().index(1, 0).data(GoodsRecordModel::RecordRole).toInt(), 1);
    EXPECT_EQ(model.selectedRecord(), 3);
    EXPECT_EQ(model.shownValues()[0], QStringLiteral("\r\nnur die zweite Zeile"));
    EXPECT_FALSE(model.isEditing());
    EXPECT_EQ(model.caption(), QStringLiteral("Stammdateneingabe"));
    EXPECT_EQ(model.okText(), QStringLiteral("OK"));

    StammDatenDialogModel picking(Use::Selection, dir.path());
    ASSERT_TRUE(picking.open());
    EXPECT_EQ(picking.caption(), QStringLiteral("Stammdatenauswahl"));
    EXPECT_EQ(picking.okText(), QStringLiteral("Übernehmen"));
    EXPECT_EQ(picking.groupTitle(), QStringLiteral(" Inhalt "));
}

TEST_F(GoodsDialogModel, SearchNarrowsBothListsAndTheSelectionStaysARecordShown)
{
    goodsfixture::useTable(table(), {goods(QStringLiteral("Schrauben\r\nverzinkt"), QStringLiteral("73181595")),
                                     goods(QStringLiteral("Muttern"), QStringLiteral("73181699")),
                                     goods(QStringLiteral("Äpfel"), QStringLiteral("08081080"))});
    StammDatenDialogModel model(Use::Selection, dir.path());
    ASSERT_TRUE(model.open());
    model.select(0);

    // Any line of the description, without regard to case.
    model.setSearchText(QStringLiteral("VERZINKT"));
    EXPECT_EQ(listTexts(model.descriptionList()), QStringList{QStringLiteral("Schrauben")});
    EXPECT_EQ(model.numberList().rowCount(), 1);
    EXPECT_EQ(model.selectedRecord(), 0);
    // The goods number with or without its "-".
    model.setSearchText(QStringLiteral("7318169990"));
    EXPECT_EQ(listTexts(model.descriptionList()), QStringList{QStringLiteral("Muttern")});
    model.setSearchText(QStringLiteral("1699-90-1234"));
    EXPECT_EQ(listTexts(model.numberList()), QStringList{QStringLiteral("73181699-90-1234-5678-9")});
    // The selection dropped out: the record left in the list is selected,
    // and that is what the dialog gives back.
    EXPECT_EQ(model.selectedRecord(), 1);
    EXPECT_EQ(model.result()[0], QStringLiteral("Muttern"));
    model.setSearchText(QStringLiteral("äPFEL"));
    EXPECT_EQ(model.selectedRecord(), 2);
    model.setSearchText(QStringLiteral("gibt es nicht"));
    EXPECT_EQ(model.descriptionList().rowCount(), 0);
    EXPECT_EQ(model.selectedRecord(), -1);
    EXPECT_FALSE(model.canAccept());
    model.setSearchText(QString());
    EXPECT_EQ(model.descriptionList().rowCount(), 3);
    EXPECT_EQ(model.selectedRecord(), 2);
    EXPECT_TRUE(model.canAccept());
}

TEST_F(GoodsDialogModel, ATableThatDoesNotExistStartsANewRecordWhichIsStoredWhole)
{
    goodsfixture::useTable(table());
    StammDatenDialogModel model(Use::Maintenance, dir.path());
    ASSERT_TRUE(model.open());
    EXPECT_TRUE(QFileInfo::exists(table()));
    EXPECT_TRUE(model.isEditing());
    EXPECT_TRUE(model.isNewRecord());
    EXPECT_FALSE(model.canAccept());
    const QByteArray empty = readFile(table());

    // Refused whole, editing goes on: a character the table cannot hold.
    Values refused = goods(QStringLiteral("Ware 日本"));
    EXPECT_FALSE(model.save(refused));
    EXPECT_EQ(model.errorMessage(), QStringLiteral("Der Datensatz kann nicht gespeichert werden: WBESCH1 enthält "
                                                   "Zeichen, die die Warentabelle nicht speichern kann."));
    EXPECT_TRUE(model.isEditing());
    EXPECT_EQ(model.store().GetCount(), 0);
    EXPECT_EQ(readFile(table()), empty);

    // Typed with Unix line breaks and trailing blanks: kept as CR LF,
    // trimmed at the end.
    ASSERT_TRUE(model.save(goods(QStringLiteral("A\nB  \n"))));
    EXPECT_FALSE(model.isEditing());
    EXPECT_EQ(model.selectedRecord(), 0);
    EXPECT_EQ(listTexts(model.descriptionList()), QStringList{QStringLiteral("A")});
    EXPECT_EQ(listTexts(model.numberList()), QStringList{QStringLiteral("12345678-90-1234-5678-9")});
    CKestrovaneStammDaten check(dir.path());
    check.SetFileFromSettings();
    ASSERT_EQ(check.Load(), 0);
    ASSERT_EQ(check.GetCount(), 1);
    EXPECT_EQ(check.value(0, 0), QStringLiteral("A\r\nB"));
    EXPECT_EQ(check.value(0, 7), QStringLiteral("01"));
}

TEST_F(GoodsDialogModel, EditingRewritesTheRecordInPlaceAndCancelShowsItAgain)
{
    goodsfixture::useTable(table(), {goods(QStringLiteral("Birnen")), goods(QStringLiteral("Kirschen"))});
    StammDatenDialogModel model(Use::Maintenance, dir.path());
    ASSERT_TRUE(model.open());
    model.select(1);
    ASSERT_TRUE(model.startEdit());
    EXPECT_FALSE(model.canAccept());
    model.cancelEdit();
    EXPECT_EQ(model.selectedRecord(), 1);
    EXPECT_EQ(model.shownValues()[0], QStringLiteral("Kirschen"));

    ASSERT_TRUE(model.startEdit());
    ASSERT_TRUE(model.save(goods(QStringLiteral("Aprikosen"), QStringLiteral("0809"))));
    EXPECT_EQ(model.store().GetCount(), 2);
    EXPECT_EQ(listTexts(model.descriptionList()), (QStringList{QStringLiteral("Aprikosen"), QStringLiteral("Birnen")}));
    EXPECT_EQ(model.selectedRecord(), 1);

    // "Neuer Datensatz" shows empty boxes; Abbruch goes back to the record.
    model.startNew();
    EXPECT_EQ(model.shownValues(), Values{});
    model.cancelEdit();
    EXPECT_EQ(model.shownValues()[0], QStringLiteral("Aprikosen"));
    ASSERT_TRUE(model.accept());

    CKestrovaneStammDaten check(dir.path());
    check.SetFileFromSettings();
    ASSERT_EQ(check.Load(), 0);
    ASSERT_EQ(check.GetCount(), 2);
    EXPECT_EQ(check.value(1, 0), QStringLiteral("Aprikosen"));
    EXPECT_EQ(check.value(1, 1), QStringLiteral("0809"));
}

TEST_F(GoodsDialogModel, AHundredThousandRecordsOpenAndFilter)
{
    testsupport::writeFile(table(), goodsfixture::manyGoods(100000));
    goodsfixture::useTable(table());
    StammDatenDialogModel model(Use::Selection, dir.path());
    ASSERT_TRUE(model.open());
    EXPECT_EQ(model.descriptionList().rowCount(), 100000);
    EXPECT_EQ(model.numberList().rowCount(), 100000);
    EXPECT_EQ(model.numberList().index(0, 1).data().toString(), QStringLiteral("10000001-00-0000--0"));
    // "Ware 1", "Ware 10", "Ware 100", ...: German order of texts.
    EXPECT_EQ(model.descriptionList().index(2, 0).data().toString(), QStringLiteral("Ware 100"));

    model.setSearchText(QStringLiteral("ware 4711"));
    EXPECT_EQ(model.descriptionList().rowCount(), 11); // 4711 and 47110 .. 47119
    EXPECT_EQ(model.result()[0], QStringLiteral("Ware 4711\r\nLos 11"));
    model.setSearchText(QStringLiteral("los 99"));
    EXPECT_EQ(model.numberList().rowCount(), 1000);
    model.setSearchText(QString());
    EXPECT_EQ(model.descriptionList().rowCount(), 100000);
}
