// The address picker of boxes 2 and 8 over a real address table.
#include <gtest/gtest.h>

#include <QFileInfo>

#include "TestSupport.h"
#include "masterdata/AddressPickerModel.h"

using testsupport::TempDir;

TEST(AddressPicker, MissingTableIsCreatedOnlyWhenTheUserAgrees)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("Adress1.dbf"));
    int asked = 0;
    AddressPickerModel declined;
    EXPECT_EQ(declined.open(path, [&] { ++asked; return false; }), AddressPickerModel::OpenResult::Declined);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(QFileInfo::exists(path));

    AddressPickerModel model;
    ASSERT_EQ(model.open(path, [&] { ++asked; return true; }), AddressPickerModel::OpenResult::Opened);
    ASSERT_EQ(model.entries().size(), 1);
    EXPECT_EQ(model.entries().first().firstLine, QStringLiteral("Erster Eintrag"));
    EXPECT_EQ(model.selectedRow(), 0);
    EXPECT_EQ(model.resultAddress(), QStringLiteral("Erster Eintrag"));

    // A file that is there but is no address table is reported by name, not
    // offered for creation.
    const QString other = dir.file(QStringLiteral("kaputt.dbf"));
    testsupport::writeFile(other, QByteArray("kein dBase"));
    AddressPickerModel broken;
    EXPECT_EQ(broken.open(other, [&] { ++asked; return true; }), AddressPickerModel::OpenResult::Failed);
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(broken.errorMessage().contains(other)) << broken.errorMessage().toStdString();
}

TEST(AddressPicker, NewAndEditedAddressesAreStoredAndSelected)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("Adress1.dbf"));
    AddressPickerModel model;
    ASSERT_EQ(model.open(path, [] { return true; }), AddressPickerModel::OpenResult::Opened);

    model.beginNew();
    EXPECT_TRUE(model.editing());
    EXPECT_TRUE(model.shownAddress().isEmpty());
    ASSERT_TRUE(model.save(QStringLiteral("Zander KG\nKai 3\n20457 Hamburg"), QStringLiteral("DE77")));
    EXPECT_FALSE(model.editing());
    model.beginNew();
    ASSERT_TRUE(model.save(QStringLiteral("Albers AG\nWeg 1"), QString()));
    // Sorted by the first line, the new one selected.
    ASSERT_EQ(model.entries().size(), 3);
    EXPECT_EQ(model.entries().at(0).firstLine, QStringLiteral("Albers AG"));
    EXPECT_EQ(model.entries().at(1).firstLine, QStringLiteral("Erster Eintrag"));
    EXPECT_EQ(model.entries().at(2).firstLine, QStringLiteral("Zander KG"));
    EXPECT_EQ(model.selectedRow(), 0);
    EXPECT_EQ(model.entries().at(0).record, 3);

    // Editing the first entry rewrites its record; it moves in the list and
    // stays selected.
    model.selectRow(1);
    ASSERT_TRUE(model.beginEdit());
    ASSERT_TRUE(model.save(QStringLiteral("Bäcker OHG"), QStringLiteral("DE1")));
    EXPECT_EQ(model.entries().at(model.selectedRow()).record, 1);
    EXPECT_EQ(model.entries().at(1).firstLine, QStringLiteral("Bäcker OHG"));
    EXPECT_EQ(model.shownCustomsNumber(), QStringLiteral("DE1"));
    // The box gets the address without the empty lines the table pads it to.
    EXPECT_EQ(model.shownAddress(), QStringLiteral("Bäcker OHG\r\n\r\n\r\n"));
    EXPECT_EQ(model.resultAddress(), QStringLiteral("Bäcker OHG"));

    // The box's address is found again by its first line.
    EXPECT_EQ(model.rowFor(QStringLiteral("zander kg\r\nKai 3")), 2);
    EXPECT_EQ(model.rowFor(QStringLiteral("Niemand")), 0);
}

TEST(AddressPicker, RefusedAddressesKeepTheUserEditing)
{
    TempDir dir;
    AddressPickerModel model;
    ASSERT_EQ(model.open(dir.file(QStringLiteral("Adress1.dbf")), [] { return true; }),
              AddressPickerModel::OpenResult::Opened);
    model.beginNew();
    EXPECT_FALSE(model.save(QStringLiteral("\nnur Zeile zwei"), QString()));
    EXPECT_TRUE(model.editing());
    EXPECT_TRUE(model.errorMessage().contains(QStringLiteral("erste Zeile")));
    EXPECT_FALSE(model.save(QString(81, QLatin1Char('x')), QString()));
    EXPECT_TRUE(model.editing());
    EXPECT_EQ(model.entries().size(), 1);

    // Cancelling shows the selected record again.
    model.cancelEdit();
    EXPECT_FALSE(model.editing());
    EXPECT_EQ(model.resultAddress(), QStringLiteral("Erster Eintrag"));
}
