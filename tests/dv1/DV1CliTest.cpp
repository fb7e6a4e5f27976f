#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "DV1Fixtures.h"
#include "dv1/CDV1_Doc.h"
#include "dv1/DV1File.h"

using namespace dv1fixtures;
using testsupport::readFile;
using testsupport::runCli;
using testsupport::TempDir;
using testsupport::writeFile;

namespace {

// A 3.00 file of three pages written from the layout table: page 2 has a
// price of 12,5, page 3 a price, an addition and a deduction.
QByteArray handWritten()
{
    Bytes b = header300();
    QList<QString> cont(122);
    cont[4] = QStringLiteral("12,5");
    cont[61 + 4] = QStringLiteral("1.000");
    cont[61 + 7] = QStringLiteral("100,10");
    cont[61 + 24] = QStringLiteral("0,1");
    fieldBlock(b, numberedWide("F", 12), cont, 3);
    b.count(14).fill(14, 0).u8(0x40);
    return b;
}

QJsonObject dumpJson(const QString& path)
{
    const testsupport::ProcessResult r = runCli({QStringLiteral("dump"), path});
    EXPECT_EQ(r.exitCode, 0) << r.err.constData();
    return QJsonDocument::fromJson(r.out).object();
}

} // namespace

TEST(DV1Cli, CalcComputesAndSavesAHandWrittenFile)
{
    TempDir dir;
    const QString in = dir.file("hand.fdv");
    writeFile(in, handWritten());

    const testsupport::ProcessResult r = runCli({QStringLiteral("calc"), in, QStringLiteral("-o"), dir.file("out.fdv")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(r.out.contains("Seite 2: Feld 56 = \"12,50\""));
    EXPECT_TRUE(r.out.contains("Seite 3: Feld 56 = \"1.100,00\""));
    EXPECT_EQ(readFile(in), handWritten());

    CDV1_Doc doc;
    ASSERT_TRUE(DV1File::load(dir.file("out.fdv"), doc));
    const FieldStore& s = doc.fieldStore();
    EXPECT_EQ(s.text(53, 2), QStringLiteral("12,50"));
    EXPECT_EQ(s.text(54, 2), QStringLiteral("0,00"));
    EXPECT_EQ(s.text(4, 3), QStringLiteral("1.000,00"));
    EXPECT_EQ(s.text(54, 3), QStringLiteral("100,10"));
    EXPECT_EQ(s.text(55, 3), QStringLiteral("0,10"));
    EXPECT_EQ(s.text(0, 1), QStringLiteral("F0"));

    // Without -o the file itself is rewritten.
    ASSERT_EQ(runCli({QStringLiteral("calc"), in}).exitCode, 0);
    EXPECT_EQ(readFile(in), readFile(dir.file("out.fdv")));
    CDV1_Doc inPlace;
    ASSERT_TRUE(DV1File::load(in, inPlace));
    EXPECT_EQ(inPlace.fieldStore().text(56, 3), QStringLiteral("1.100,00"));
}

TEST(DV1Cli, CalcOfSixToTenDigitAmountsUnderTheGermanLocale)
{
    // The child would quietly fall back to the C locale if the machine had
    // no German one, and the test would prove nothing.
    ASSERT_TRUE(testsupport::GermanLocale().active());
    TempDir dir;
    const QString in = dir.file("gross.fdv");
    Bytes b = header300();
    QList<QString> cont(61);
    cont[4] = QStringLiteral("123456,78");
    cont[6] = QStringLiteral("100000");
    cont[7] = QStringLiteral("999.999,99");
    cont[24] = QStringLiteral(",77");
    cont[30] = QStringLiteral("1.234.567.890,12");
    fieldBlock(b, numberedWide("F", 12), cont, 2);
    b.count(14).fill(14, 0).u8(0x40);
    writeFile(in, b);

    const testsupport::ProcessResult r =
        runCli({QStringLiteral("calc"), in}, {QStringLiteral("LC_ALL=") + QLatin1String(testsupport::GermanLocaleName)});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_EQ(QString::fromUtf8(r.out),
              QStringLiteral("Seite 2: Feld 56 = \"1.223.456,00\", Feld 60 = \"1234.567.890,12\"\n"));
    CDV1_Doc doc;
    ASSERT_TRUE(DV1File::load(in, doc));
    const FieldStore& s = doc.fieldStore();
    EXPECT_EQ(s.text(4, 2), QStringLiteral("123.456,78"));
    EXPECT_EQ(s.text(6, 2), QStringLiteral("100.000,00"));
    EXPECT_EQ(s.text(53, 2), QStringLiteral("223.456,78"));
    EXPECT_EQ(s.text(54, 2), QStringLiteral("999.999,99"));
    EXPECT_EQ(s.text(55, 2), QStringLiteral("0,77"));
    EXPECT_EQ(s.text(30, 2), QStringLiteral("1234.567.890,12"));
    EXPECT_EQ(s.text(57, 2), QStringLiteral("1234.567.890,12"));
    EXPECT_EQ(s.text(58, 2), QStringLiteral("0,00"));
}

TEST(DV1Cli, CalcLeavesRefusedAndDamagedFilesAlone)
{
    TempDir dir;
    const QByteArray newer = Bytes().ascii("QZN-DV1Form@3.00").u16(301).fill(40, 'x');
    writeFile(dir.file("neuer.fdv"), newer);
    const testsupport::ProcessResult r = runCli({QStringLiteral("calc"), dir.file("neuer.fdv")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("neueren Version")));
    EXPECT_EQ(readFile(dir.file("neuer.fdv")), newer);

    const QByteArray damaged = handWritten().left(100);
    writeFile(dir.file("kaputt.fdv"), damaged);
    EXPECT_EQ(runCli({QStringLiteral("calc"), dir.file("kaputt.fdv")}).exitCode, 1);
    EXPECT_EQ(readFile(dir.file("kaputt.fdv")), damaged);
}

TEST(DV1Cli, NewWritesAnEmptyTwoPageDocument)
{
    TempDir dir;
    const QString path = dir.file("leer.fdv");
    ASSERT_EQ(runCli({QStringLiteral("new"), QStringLiteral("--dv1"), path}).exitCode, 0);
    const QByteArray data = readFile(path);
    EXPECT_TRUE(data.startsWith(QByteArray("QZN-DV1Form@3.00\x2c\x01\0\0\0\0", 22)));
    EXPECT_EQ(data.mid(32, 2), QByteArray("\x02\x00", 2));
    EXPECT_TRUE(data.endsWith('@'));

    const QJsonObject json = dumpJson(path);
    EXPECT_EQ(json.value("type").toString(), QStringLiteral("D.V.1"));
    EXPECT_EQ(json.value("magic").toString(), QStringLiteral("QZN-DV1Form@3.00"));
    EXPECT_EQ(json.value("loadStatus").toInt(), 0);
    EXPECT_EQ(json.value("pageCount").toInt(), 2);
    EXPECT_EQ(json.value("answerBoxes").toArray().size(), 14);
    const QJsonArray pages = json.value("pages").toArray();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(pages.at(0).toObject().value("fields").toArray().size(), 12);
    const QJsonArray cont = pages.at(1).toObject().value("fields").toArray();
    ASSERT_EQ(cont.size(), 61);
    EXPECT_EQ(cont.at(1).toObject().value("attr").toInt(), 0x0203);
}

TEST(DV1Cli, DumpAndConvertOldVersions)
{
    TempDir dir;
    Bytes old;
    old.ascii("QZN-DV1Form@1.01").u16(2);
    narrowArray(old, {"K\xe4ufer"});
    narrowArray(old, numbered("a", 56));
    old.count(14).raw(QByteArray::fromHex("0001000000000000000000000000"));
    writeFile(dir.file("alt.fdv"), old);

    const QJsonObject json = dumpJson(dir.file("alt.fdv"));
    EXPECT_EQ(json.value("magic").toString(), QStringLiteral("QZN-DV1Form@1.01"));
    EXPECT_EQ(json.value("answerBoxes").toArray().at(1).toInt(), 1);
    const QJsonArray first = json.value("pages").toArray().at(0).toObject().value("fields").toArray();
    EXPECT_EQ(first.at(0).toObject().value("text").toString(), QStringLiteral("Käufer"));

    ASSERT_EQ(runCli({QStringLiteral("convert"), dir.file("alt.fdv"), dir.file("neu.fdv")}).exitCode, 0);
    const QJsonObject converted = dumpJson(dir.file("neu.fdv"));
    EXPECT_EQ(converted.value("magic").toString(), QStringLiteral("QZN-DV1Form@3.00"));
    EXPECT_EQ(converted.value("pages"), json.value("pages"));

    // A refused file is dumped with its message but not converted.
    writeFile(dir.file("alt2.fdv"), QByteArray("QZN-DV1Form@4.00"));
    const testsupport::ProcessResult dumped = runCli({QStringLiteral("dump"), dir.file("alt2.fdv")});
    EXPECT_EQ(dumped.exitCode, 0);
    EXPECT_EQ(QJsonDocument::fromJson(dumped.out).object().value("loadStatus").toInt(), 19);
    EXPECT_TRUE(QString::fromUtf8(dumped.err).contains(QStringLiteral("älteren Version")));
    EXPECT_NE(runCli({QStringLiteral("convert"), dir.file("alt2.fdv"), dir.file("x.fdv")}).exitCode, 0);
}

TEST(DV1Cli, AFileGoesByItsMagicAndByItsExtensionWhenTheMagicNamesNeither)
{
    TempDir dir;
    // An empty .fdv is a new, empty D.V.1 of two pages, without a message.
    const QString empty = dir.file("leer.fdv");
    writeFile(empty, QByteArray());
    QJsonObject json = dumpJson(empty);
    EXPECT_EQ(json.value("type").toString(), QStringLiteral("D.V.1"));
    EXPECT_EQ(json.value("loadStatus").toInt(), 0);
    EXPECT_EQ(json.value("pageCount").toInt(), 2);

    // Foreign bytes in an .fdv: a D.V.1 that reports an unknown format, and
    // is not converted.
    const QString foreign = dir.file("fremd.FDV");
    writeFile(foreign, "Dies ist eine Textdatei und kein Formular.");
    testsupport::ProcessResult r = runCli({QStringLiteral("dump"), foreign});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(QJsonDocument::fromJson(r.out).object().value("loadStatus").toInt(), 18);
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("kein bekanntes Dokumentformat")));
    r = runCli({QStringLiteral("convert"), foreign, dir.file("aus.fdv")});
    EXPECT_EQ(r.exitCode, 1);

    // A D.V.1 under a foreign name is still a D.V.1.
    const QString misnamed = dir.file("erklaerung.aef");
    writeFile(misnamed, handWritten());
    EXPECT_EQ(dumpJson(misnamed).value("type").toString(), QStringLiteral("D.V.1"));
}

TEST(DV1Cli, RenderDrawsEverySheetSideAndTheDocumentsPages)
{
    TempDir dir;
    for (const char* kind : {"first", "even", "odd"}) {
        const QString png = dir.file(QStringLiteral("%1.png").arg(QLatin1String(kind)));
        const testsupport::ProcessResult r =
            runCli({QStringLiteral("render"), QStringLiteral("--blank"), QStringLiteral("--dv1"), QStringLiteral("--page-kind"),
                    QLatin1String(kind), QStringLiteral("--outline-fields"), QStringLiteral("--zoom"), QStringLiteral("10"),
                    QStringLiteral("-o"), png});
        ASSERT_EQ(r.exitCode, 0) << kind << r.err.constData();
        EXPECT_TRUE(readFile(png).startsWith("\x89PNG")) << kind;
    }
    const QString in = dir.file("hand.fdv");
    writeFile(in, handWritten());
    const QString pdf = dir.file("seite3.pdf");
    testsupport::ProcessResult r =
        runCli({QStringLiteral("render"), in, QStringLiteral("--page"), QStringLiteral("3"), QStringLiteral("-o"), pdf});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(readFile(pdf).startsWith("%PDF"));

    // No fourth page, no such sheet side, and a refused file draws nothing.
    r = runCli({QStringLiteral("render"), in, QStringLiteral("--page"), QStringLiteral("4"), QStringLiteral("-o"), pdf});
    EXPECT_EQ(r.exitCode, 2);
    r = runCli({QStringLiteral("render"), QStringLiteral("--blank"), QStringLiteral("--dv1"), QStringLiteral("--page-kind"),
                QStringLiteral("continuation"), QStringLiteral("-o"), pdf});
    EXPECT_EQ(r.exitCode, 2);
    const QString newer = dir.file("neuer.fdv");
    writeFile(newer, "QZN-DV1Form@3.10 und mehr");
    r = runCli({QStringLiteral("render"), newer, QStringLiteral("-o"), dir.file("neuer.pdf")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("neueren Version")));
}
