// "Adressdaten" driven by keyboard over a real address table, and what it
// wrote read back by an independent dBase reader.
#include <gtest/gtest.h>

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "TestSupport.h"
#include "masterdata/AddressTable.h"
#include "masterdata/CDlgEH_Default08.h"

using testsupport::TempDir;

namespace {

// Acts on the next modal window (a message box) from inside its loop.
void onNextModal(std::function<void(QWidget*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (QWidget* w = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            act(w);
        }
    });
    timer->start();
}

void showActive(QDialog& dialog)
{
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

QJsonObject readWithDbfread(const QString& table)
{
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(KV_MASTERDATA_SCRIPTS "/read_with_dbfread.py"), table});
    p.waitForFinished(60000);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

QString current(QListWidget* list)
{
    return list->currentItem() ? list->currentItem()->text() : QString();
}

} // namespace

TEST(AddressPickerDialog, NewAddressTypedAndTakenIsInTheTableForOtherReaders)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("Adress1.dbf"));
    CDlgEH_Default08 dialog{QString()};
    QString question;
    onNextModal([&](QWidget* w) {
        question = static_cast<QMessageBox*>(w)->text();
        QTest::keyClick(w, Qt::Key_Return);   // "Ja" is the default
    });
    ASSERT_TRUE(dialog.openTable(path));
    EXPECT_EQ(question, QStringLiteral("Soll die Datenbankdatei neu erstellt werden?"));
    showActive(dialog);
    EXPECT_TRUE(dialog.list()->hasFocus());
    EXPECT_EQ(current(dialog.list()), QStringLiteral("Erster Eintrag"));

    // Alt+N: a new record; the boxes take the keyboard, OK reads "Speichern".
    QTest::keyClick(dialog.list(), Qt::Key_N, Qt::AltModifier);
    // A mnemonic clicks its button a moment later, as a mouse would.
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.model().editing(); }));
    ASSERT_TRUE(dialog.addressBox()->hasFocus());
    EXPECT_EQ(dialog.takeButton()->text(), QStringLiteral("Speichern"));
    EXPECT_FALSE(dialog.newButton()->isVisible());
    EXPECT_FALSE(dialog.list()->isEnabled());
    QTest::keyClicks(dialog.addressBox(), QStringLiteral("Hafen GmbH"));
    QTest::keyClick(dialog.addressBox(), Qt::Key_Return);
    QTest::keyClicks(dialog.addressBox(), QStringLiteral("  Kai 1"));
    QTest::keyClick(dialog.addressBox(), Qt::Key_Tab);
    ASSERT_TRUE(dialog.customsBox()->hasFocus());
    QTest::keyClicks(dialog.customsBox(), QStringLiteral("DE4711"));
    QTest::keyClick(dialog.customsBox(), Qt::Key_Return);

    // Stored: back to the list, on the new address.
    EXPECT_EQ(dialog.takeButton()->text(), QStringLiteral("Übernehmen"));
    EXPECT_TRUE(dialog.list()->hasFocus());
    EXPECT_EQ(current(dialog.list()), QStringLiteral("Hafen GmbH"));
    EXPECT_EQ(dialog.result(), 0);
    QTest::keyClick(dialog.list(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.address(), QStringLiteral("Hafen GmbH\r\nKai 1"));
    EXPECT_EQ(dialog.customsNumber(), QStringLiteral("DE4711"));

    const QJsonObject table = readWithDbfread(path);
    const QJsonArray records = table.value(QStringLiteral("records")).toArray();
    ASSERT_EQ(records.size(), 2);
    EXPECT_EQ(records[0].toObject().value(QStringLiteral("ADRESS1")).toString(), QStringLiteral("Erster Eintrag"));
    const QJsonObject added = records[1].toObject();
    EXPECT_EQ(added.value(QStringLiteral("ADRESS1")).toString(), QStringLiteral("Hafen GmbH"));
    EXPECT_EQ(added.value(QStringLiteral("ADRESS2")).toString(), QStringLiteral("Kai 1"));
    EXPECT_EQ(added.value(QStringLiteral("ADRESS3")).toString(), QString());
    EXPECT_EQ(added.value(QStringLiteral("ZOLLNR")).toString(), QStringLiteral("DE4711"));
    EXPECT_TRUE(table.value(QStringLiteral("deleted")).toArray().isEmpty());
}

TEST(AddressPickerDialog, OpensOnTheBoxAddressJumpsByLettersAndEscapeLeavesEditingFirst)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("Adress1.dbf"));
    {
        AddressTable table;
        ASSERT_TRUE(table.Create(path));
        ASSERT_GT(table.Store(0, QStringLiteral("Meyer & Co\r\nBremen"), QStringLiteral("DE1")), 0);
        ASSERT_GT(table.Store(0, QStringLiteral("Mahler KG\r\nKiel"), QString()), 0);
        ASSERT_GT(table.Store(0, QStringLiteral("Zoll AG"), QString()), 0);
    }
    CDlgEH_Default08 dialog(QStringLiteral("MEYER & CO\r\nalte Anschrift"));
    ASSERT_TRUE(dialog.openTable(path));
    showActive(dialog);
    EXPECT_EQ(current(dialog.list()), QStringLiteral("Meyer & Co"));
    EXPECT_EQ(dialog.addressBox()->toPlainText(), QStringLiteral("Meyer & Co\nBremen\n\n"));
    EXPECT_EQ(dialog.customsBox()->text(), QStringLiteral("DE1"));

    QTest::keyClicks(dialog.list(), QStringLiteral("z"));
    EXPECT_EQ(current(dialog.list()), QStringLiteral("Zoll AG"));
    QTest::keyClick(dialog.list(), Qt::Key_Up);
    QTest::keyClick(dialog.list(), Qt::Key_Up);
    EXPECT_EQ(current(dialog.list()), QStringLiteral("Mahler KG"));

    // Editing and Escape: the record is shown as stored, the dialog stays.
    QTest::keyClick(dialog.list(), Qt::Key_B, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.model().editing(); }));
    ASSERT_TRUE(dialog.addressBox()->hasFocus());
    QTest::keyClicks(dialog.addressBox(), QStringLiteral(" umgezogen"));
    QTest::keyClick(dialog.addressBox(), Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(dialog.model().editing());
    EXPECT_EQ(dialog.addressBox()->toPlainText(), QStringLiteral("Mahler KG\nKiel\n\n"));
    EXPECT_TRUE(dialog.list()->hasFocus());
    // Outside editing the boxes only show.
    EXPECT_TRUE(dialog.addressBox()->isReadOnly());

    QTest::keyClick(dialog.list(), Qt::Key_Escape);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}
