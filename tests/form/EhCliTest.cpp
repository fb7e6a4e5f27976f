#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "EhFixtures.h"
#include "TestSupport.h"
#include "form/CEinheitspapierDoc.h"

using testsupport::Bytes;
using testsupport::readFile;
using testsupport::runCli;
using testsupport::TempDir;
using testsupport::writeFile;

TEST(EhCli, DumpPrintsEveryFieldOfEveryPage)
{
    TempDir dir;
    const QString path = dir.file(QStringLiteral("a.aef"));
    CEinheitspapierDoc doc;
    doc.setFormSet(3);
    doc.setInputTax(true);
    doc.setReservedWord(12);
    doc.setContinuationPageCount(2);
    doc.store().setText(0, 1, QStringLiteral("IM"));
    doc.store().setText(31, 1, QStringLiteral("Zeile 1\r\n\"Zeile\" 2 \\ äß€"));
    doc.store().setText(213, 3, QStringLiteral("Ende"));
    ASSERT_TRUE(doc.save(path));

    const auto r = runCli({QStringLiteral("dump"), path});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(r.err.isEmpty());
    EXPECT_TRUE(r.out.startsWith(
        "{\"type\": \"Einheitspapier\", \"magic\": \"QZN-EHForm@2.10\", \"loadStatus\": 0, \"formSet\": 3, "
        "\"continuationPages\": 2, \"inputTax\": 1, \"reserved\": 12, \"pages\": [{\"page\": 1, \"fields\": "
        "[{\"index\": 0, \"text\": \"IM\", \"attr\": 3}, {\"index\": 1, \"text\": \"\", \"attr\": 3}"))
        << r.out.left(300).constData();
    EXPECT_TRUE(r.out.contains("\"Zeile 1\\r\\n\\\"Zeile\\\" 2 \\\\ äß€\""));

    QJsonParseError err;
    const QJsonObject json = QJsonDocument::fromJson(r.out, &err).object();
    ASSERT_EQ(err.error, QJsonParseError::NoError);
    const QJsonArray pages = json.value(QStringLiteral("pages")).toArray();
    ASSERT_EQ(pages.size(), 3);
    EXPECT_EQ(pages.at(0).toObject().value(QStringLiteral("fields")).toArray().size(), 154);
    const QJsonArray last = pages.at(2).toObject().value(QStringLiteral("fields")).toArray();
    ASSERT_EQ(last.size(), 214);
    EXPECT_EQ(last.at(213).toObject().value(QStringLiteral("text")).toString(), QStringLiteral("Ende"));
    EXPECT_EQ(last.at(213).toObject().value(QStringLiteral("attr")).toInt(), 2);
    EXPECT_EQ(pages.at(0).toObject().value(QStringLiteral("fields")).toArray().at(31).toObject()
                  .value(QStringLiteral("text")).toString(),
              QStringLiteral("Zeile 1\r\n\"Zeile\" 2 \\ äß€"));
}

TEST(EhCli, ExitCodesAndMessages)
{
    TempDir dir;
    const QString unknown = dir.file(QStringLiteral("u.aef"));
    writeFile(unknown, QByteArray("QZN-DV9Form@9.99 und mehr"));
    auto r = runCli({QStringLiteral("dump"), unknown});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(QString::fromUtf8(r.err).trimmed(),
              QStringLiteral("Dies ist kein bekanntes Dokumentformat und\nkann daher nicht geöffnet werden!"));
    EXPECT_TRUE(r.out.contains("\"loadStatus\": 18"));

    const QString damaged = dir.file(QStringLiteral("d.aef"));
    writeFile(damaged, Bytes().ascii("QZN-EHForm@2.10").fill(10, char(0xFF)));
    r = runCli({QStringLiteral("dump"), damaged});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("Unerwartetes Dateiformat")));

    r = runCli({QStringLiteral("dump"), dir.file(QStringLiteral("fehlt.aef"))});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("kann nicht geöffnet werden")));

    // Converting a refused or damaged file writes nothing.
    const QString out = dir.file(QStringLiteral("out.aef"));
    EXPECT_EQ(runCli({QStringLiteral("convert"), unknown, out}).exitCode, 1);
    EXPECT_EQ(runCli({QStringLiteral("convert"), damaged, out}).exitCode, 1);
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(runCli({QStringLiteral("dump")}).exitCode, 2);
}

TEST(EhCli, ConvertWritesTheCurrentVersion)
{
    TempDir dir;
    const QString in = dir.file(QStringLiteral("alt.aef"));
    Bytes b;
    b.ascii("QZN-AEForm@1.50").u16(0).u16(1).u8(1).u8(0).u32(10).count(1).narrow("Gr\xfc\xdf" "e").count(1).narrow("Nr 7");
    writeFile(in, b);
    const QString out = dir.file(QStringLiteral("neu.aef"));
    const auto r = runCli({QStringLiteral("convert"), in, out});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();

    const QByteArray written = readFile(out);
    EXPECT_TRUE(written.startsWith("QZN-EHForm@2.10"));
    EXPECT_EQ(written.at(38), 10);
    EXPECT_EQ(written.back(), '@');
    CEinheitspapierDoc doc;
    ASSERT_TRUE(doc.load(out));
    EXPECT_EQ(doc.store().text(0, 1), QStringLiteral("Grüße"));
    EXPECT_EQ(doc.store().text(0, 2), QStringLiteral("Nr 7"));
    EXPECT_EQ(doc.formSet(), 2);
    EXPECT_TRUE(doc.inputTax());
}
