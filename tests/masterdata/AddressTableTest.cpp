// The address table of box 8: where it is, creating it, storing addresses.
#include <gtest/gtest.h>

#include "DbfFixtures.h"
#include "TestSupport.h"
#include "settings/Profile.h"
#include "masterdata/AddressTable.h"

using testsupport::readFile;
using testsupport::TempDir;

TEST(AddressTable, PathComesFromTheSettingsAndIsWrittenBack)
{
    testsupport::clearSettings();
    EXPECT_EQ(AddressTable::PathFromSettings(QStringLiteral("/daten")), QStringLiteral("/daten/Adress1.dbf"));
    EXPECT_EQ(Profile::get(Settings::AdressdatenDatei), QStringLiteral("/daten/Adress1.dbf"));
    Profile::set(Settings::AdressdatenDatei, QStringLiteral("@"));
    EXPECT_EQ(AddressTable::PathFromSettings(QStringLiteral("/anders")), QStringLiteral("/anders/Adress1.dbf"));
    Profile::set(Settings::AdressdatenDatei, QStringLiteral("/srv/Kunden.dbf"));
    EXPECT_EQ(AddressTable::PathFromSettings(QStringLiteral("/daten")), QStringLiteral("/srv/Kunden.dbf"));
    testsupport::clearSettings();
}

TEST(AddressTable, NewTableHoldsTheFirstEntryAndIsNeverOverwritten)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("Adress1.dbf"));
    AddressTable table;
    EXPECT_FALSE(table.Open(path));
    EXPECT_EQ(table.errorMessage(), QStringLiteral("Fehler beim Öffnen des Dokuments."));
    ASSERT_TRUE(table.Create(path)) << table.errorMessage().toStdString();
    EXPECT_EQ(table.table().GetHeaderLength(), 32 * 5 + 33);
    EXPECT_EQ(table.table().GetRecordLength(), 346);
    const QByteArray file = readFile(path);
    ASSERT_EQ(file.size(), 193 + 346 + 1);
    EXPECT_EQ(file.mid(193, 346), QByteArray(" Erster Eintrag").leftJustified(346, ' '));

    ASSERT_EQ(table.Store(0, QStringLiteral("Firma"), QString()), 2);
    AddressTable again;
    ASSERT_TRUE(again.Create(QStringLiteral("%1/ADRESS1.DBF").arg(dir.path())));
    EXPECT_EQ(again.table().GetRecordCount(), 2);
}

TEST(AddressTable, AddressesAreStoredAsFourLinesAndACustomsNumber)
{
    TempDir dir;
    AddressTable table;
    ASSERT_TRUE(table.Create(dir.file(QStringLiteral("Adress1.dbf"))));
    // Leading white space goes, lines after the fourth are dropped, bare
    // line feeds count as line breaks too.
    const qint64 n = table.Store(0, QStringLiteral("  Müller GmbH\r\n\tHafenstraße 1\n\r\n20457 Hamburg\r\nzu viel"),
                                 QStringLiteral("DE1234567"));
    ASSERT_EQ(n, 2);
    QString text, customs;
    ASSERT_TRUE(table.Read(2, text, customs));
    EXPECT_EQ(text, QStringLiteral("Müller GmbH\r\nHafenstraße 1\r\n\r\n20457 Hamburg"));
    EXPECT_EQ(customs, QStringLiteral("DE1234567"));

    // Two lines only: the others are stored empty.
    ASSERT_EQ(table.Store(2, QStringLiteral("Meier\r\nBremen"), QString()), 2);
    table.Read(2, text, customs);
    EXPECT_EQ(text, QStringLiteral("Meier\r\nBremen\r\n\r\n"));
    EXPECT_TRUE(customs.isEmpty());

    // A new address without a first line is not stored.
    EXPECT_EQ(table.Store(0, QStringLiteral("   \r\nNur Zeile zwei"), QString()), 0);
    EXPECT_EQ(table.table().GetRecordCount(), 2);

    // A line too wide for its field: nothing of the address is written.
    EXPECT_EQ(table.Store(2, QStringLiteral("Neu\r\n") + QString(81, QLatin1Char('x')), QString()), -1);
    EXPECT_TRUE(table.errorMessage().contains(QStringLiteral("Zeile 2")));
    table.Read(2, text, customs);
    EXPECT_TRUE(text.startsWith(QStringLiteral("Meier")));
    EXPECT_EQ(table.Store(0, QStringLiteral("Neu"), QString(26, QLatin1Char('9'))), -1);

    ASSERT_EQ(table.table().DeleteRecord(1), 1);
    const QList<AddressTable::Entry> entries = table.Entries();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries.first().record, 2);
    EXPECT_EQ(entries.first().firstLine, QStringLiteral("Meier"));
}

TEST(AddressTable, OtherTablesAreNotTakenForAddresses)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("Artikel1.dbf"));
    testsupport::writeFile(path, dbffixture::header(0x03, 0, {{"WBESCH1", 'C', 254}}) + "\x1A");
    AddressTable table;
    EXPECT_FALSE(table.Open(path));
    EXPECT_TRUE(table.errorMessage().contains(QStringLiteral("Adresstabelle")));
    EXPECT_FALSE(table.table().IsOpen());
}
