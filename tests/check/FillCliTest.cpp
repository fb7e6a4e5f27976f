// "kestrovane fill": documents from the JSON that "dump" prints, and bad
// input refused with nothing written.
#include <gtest/gtest.h>

#include <QFile>

#include "TestSupport.h"
#include "dv1/CDV1_Doc.h"
#include "dv1/DV1Field.h"
#include "dv1/DV1File.h"
#include "form/CEinheitspapierDoc.h"
#include "form/EhField.h"

using testsupport::readFile;
using testsupport::runCli;
using testsupport::TempDir;
using testsupport::writeFile;

namespace {

// dump, fill from the dump, dump again: the second dump must be the first.
void expectRoundTrip(const TempDir& dir, const QString& original, const QString& suffix)
{
    const auto first = runCli({QStringLiteral("dump"), original});
    ASSERT_EQ(first.exitCode, 0) << first.err.constData();
    const QString json = dir.file(QStringLiteral("daten.json"));
    writeFile(json, first.out);
    const QString copy = dir.file(QStringLiteral("kopie.") + suffix);
    QFile::remove(copy);
    const auto filled = runCli({QStringLiteral("fill"), json, QStringLiteral("-o"), copy});
    ASSERT_EQ(filled.exitCode, 0) << filled.err.constData();
    EXPECT_TRUE(filled.err.isEmpty()) << filled.err.constData();
    const auto second = runCli({QStringLiteral("dump"), copy});
    ASSERT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.out, first.out);
}

class FillCli : public ::testing::Test
{
protected:
    void SetUp() override { testsupport::clearSettings(); }

    // Runs fill on json into out and expects a refusal that names path,
    // with the file out untouched.
    void expectRefused(const QByteArray& json, const QString& path, const QString& out = QString())
    {
        const QString in = dir.file(QStringLiteral("eingabe.json"));
        writeFile(in, json);
        const QString target = out.isEmpty() ? dir.file(QStringLiteral("ziel.aef")) : out;
        writeFile(target, "alt");
        const auto r = runCli({QStringLiteral("fill"), in, QStringLiteral("-o"), target});
        EXPECT_EQ(r.exitCode, 1) << json.constData();
        const QString err = QString::fromUtf8(r.err);
        EXPECT_TRUE(err.contains(path)) << err.toStdString() << " / " << path.toStdString();
        EXPECT_EQ(readFile(target), QByteArray("alt")) << json.constData();
    }

    TempDir dir;
};

} // namespace

TEST_F(FillCli, DumpThenFillGivesTheSameDocumentInEveryFormSet)
{
    for (int set : {0, 1, 2, 3, CEinheitspapierDoc::ExportFormSet}) {
        CEinheitspapierDoc doc;
        doc.setFormSet(set);
        doc.setContinuationPageCount(3);
        doc.setInputTax(set == 1);
        doc.setReservedWord(0xDEADBEEF);
        doc.store().setText(EhField::Box1A, 1, QStringLiteral("IM"));
        doc.store().setText(EhField::Box8Address, 1, QStringLiteral("Müller \"Import\"\r\nHafen\t1 \\ €𝄞"));
        doc.store().setAttr(EhField::Box8Address, 1, 0x0214);
        doc.store().setText(EhField::Cont::Box3A, 4, QStringLiteral("4"));
        doc.store().setAttr(EhField::Cont::SummaryTotal, 3, 0x0100);
        const QString original = dir.file(QStringLiteral("satz%1.aef").arg(set));
        ASSERT_TRUE(doc.save(original));
        SCOPED_TRACE(set);
        expectRoundTrip(dir, original, QStringLiteral("aef"));
    }
}

TEST_F(FillCli, DumpThenFillGivesTheSameDv1)
{
    CDV1_Doc doc;
    ASSERT_TRUE(doc.AddContinuationPage());
    doc.ClickAnswerBox(1);
    doc.ClickAnswerBox(7);
    doc.fieldStore().setText(Dv1Field::Seller, 1, QStringLiteral("Exportfirma Ltd.\r\nLondon"));
    doc.fieldStore().setText(Dv1Field::NationalPrice1, 3, QStringLiteral("1.000,00"));
    doc.fieldStore().setAttr(Dv1Field::Remarks, 2, 0x0012);
    const QString original = dir.file(QStringLiteral("wert.fdv"));
    ASSERT_TRUE(DV1File::save(original, doc));
    expectRoundTrip(dir, original, QStringLiteral("fdv"));
}

TEST_F(FillCli, FieldsLeftOutStayEmptyAndTheDefaultsStayOut)
{
    // A user whose new documents get a declarant: fill makes no new
    // document of the user's, it makes the one the data describe.
    const QString in = dir.file(QStringLiteral("wenig.json"));
    writeFile(in, R"({"type": "Einheitspapier", "formSet": 2,
                      "pages": [{"page": 3, "fields": [{"index": 9, "text": "3"}]},
                                {"page": 1, "fields": [{"index": 18, "text": "Käufer"}]}]})");
    const QString out = dir.file(QStringLiteral("wenig.aef"));
    const auto r = runCli({QStringLiteral("fill"), in, QStringLiteral("-o"), out});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    CEinheitspapierDoc doc;
    ASSERT_TRUE(doc.load(out));
    EXPECT_EQ(doc.formSet(), 2);
    EXPECT_EQ(doc.continuationPageCount(), 2);
    EXPECT_EQ(doc.store().text(EhField::Box8Address, 1), QStringLiteral("Käufer"));
    EXPECT_EQ(doc.store().text(EhField::Cont::Box3A, 3), QStringLiteral("3"));
    EXPECT_EQ(doc.store().attr(EhField::Box8Address, 1), 3);
    int filled = 0;
    for (const QString& t : doc.store().firstTexts())
        filled += t.isEmpty() ? 0 : 1;
    EXPECT_EQ(filled, 1);
}

TEST_F(FillCli, BadInputIsRefusedByItsPathAndNothingIsWritten)
{
    expectRefused("{\"type\": \"Zollantrag\", \"pages\": []}", QStringLiteral("$.type: unbekannter Dokumenttyp „Zollantrag“"));
    expectRefused("{\"formSet\": 1}", QStringLiteral("$.type"));
    expectRefused("{\"type\": \"Einheitspapier\", \"formSet\": 4}", QStringLiteral("$.formSet: unbekannter Formularsatz 4"));
    expectRefused("{\"type\": \"Einheitspapier\"}", QStringLiteral("$.formSet"));
    expectRefused("{\"type\": \"Einheitspapier\", \"formSet\": 0, \"continuationPages\": 1, "
                  "\"pages\": [{\"page\": 1, \"fields\": []}, {\"page\": 3, \"fields\": []}]}",
                  QStringLiteral("$.pages[1].page: 3 liegt nicht im erlaubten Bereich 1 bis 2"));
    expectRefused("{\"type\": \"Einheitspapier\", \"formSet\": 0, \"pages\": [{\"page\": 1, \"fields\": "
                  "[{\"index\": 0, \"text\": \"IM\"}, {\"index\": 154, \"text\": \"x\"}]}]}",
                  QStringLiteral("$.pages[0].fields[1].index: 154 liegt nicht im erlaubten Bereich 0 bis 153"));
    expectRefused("{\"type\": \"Einheitspapier\", \"formSet\": 0, \"pages\": [{\"page\": 2, \"fields\": "
                  "[{\"index\": 1.5}]}]}",
                  QStringLiteral("$.pages[0].fields[0].index"));
    expectRefused("{\"type\": \"Einheitspapier\", \"formSet\": 0, \"pages\": [{\"page\": 1, \"fields\": "
                  "[{\"index\": 2, \"text\": \"x\", \"attr\": 65536}]}]}",
                  QStringLiteral("$.pages[0].fields[0].attr"));
    expectRefused("{\"type\": \"Einheitspapier\", \"formSet\": 0, \"pages\": [{\"page\": 1, \"fields\": "
                  "[{\"index\": 2, \"text\": 7}]}]}",
                  QStringLiteral("$.pages[0].fields[0].text: ein Text wird erwartet"));
    const QByteArray tooLong(0xFFFE, 'x');
    expectRefused("{\"type\": \"Einheitspapier\", \"formSet\": 0, \"pages\": [{\"page\": 1, \"fields\": "
                  "[{\"index\": 2, \"text\": \"" + tooLong + "\"}]}]}",
                  QStringLiteral("$.pages[0].fields[0].text: der Text ist mit 65534 Zeichen zu lang für das Dateiformat"));
    expectRefused("{\"type\": \"Einheitspapier\", \"formSet\": 0, \"pages\": [{\"page\": 1, \"fields\": "
                  "[{\"index\": 2, \"text\": \"M\xfcller\"}]}]}",
                  QStringLiteral("$: kein gültiges UTF-8"));
    expectRefused("{\"type\": \"Einheitspapier\", \"formSet\": 0, \"pages\": [", QStringLiteral("$: kein gültiges JSON"));
    expectRefused("[1, 2]", QStringLiteral("$: ein JSON-Objekt wird erwartet"));
    expectRefused("{\"type\": \"D.V.1\", \"pageCount\": 2, \"pages\": [{\"page\": 2, \"fields\": [{\"index\": 61}]}]}",
                  QStringLiteral("$.pages[0].fields[0].index: 61 liegt nicht im erlaubten Bereich 0 bis 60"),
                  dir.file(QStringLiteral("ziel.fdv")));
    expectRefused("{\"type\": \"D.V.1\", \"answerBoxes\": [1, 0]}", QStringLiteral("$.answerBoxes"),
                  dir.file(QStringLiteral("ziel.fdv")));
    // The type decides the extension.
    expectRefused("{\"type\": \"D.V.1\"}", QStringLiteral("ziel.aef: Eine D.V.1 wird als .fdv-Datei geschrieben."));

    // A missing input file, and a call without -o.
    auto r = runCli({QStringLiteral("fill"), dir.file(QStringLiteral("fehlt.json")), QStringLiteral("-o"),
                     dir.file(QStringLiteral("x.aef"))});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("fehlt.json")));
    EXPECT_FALSE(QFile::exists(dir.file(QStringLiteral("x.aef"))));
    EXPECT_EQ(runCli({QStringLiteral("fill"), dir.file(QStringLiteral("eingabe.json"))}).exitCode, 2);
}
