// "kestrovane check": the findings as JSON and the exit codes.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "CheckTestSupport.h"
#include "TestSupport.h"
#include "dv1/CDV1_Doc.h"
#include "dv1/DV1Field.h"
#include "dv1/DV1File.h"

using testsupport::runCli;
using testsupport::TempDir;

namespace {

QJsonObject parsed(const QByteArray& out)
{
    QJsonParseError error;
    const QJsonObject json = QJsonDocument::fromJson(out, &error).object();
    EXPECT_EQ(error.error, QJsonParseError::NoError) << out.constData();
    return json;
}

} // namespace

TEST(CheckCli, ExitCodesAndFindings)
{
    testsupport::clearSettings();
    TempDir dir;
    CEinheitspapierDoc doc;
    fillPassingDocument(doc);
    const QString clean = dir.file(QStringLiteral("gut.aef"));
    ASSERT_TRUE(doc.save(clean));
    auto r = runCli({QStringLiteral("check"), clean});
    EXPECT_EQ(r.exitCode, 0) << r.out.constData() << r.err.constData();
    QJsonObject json = parsed(r.out);
    EXPECT_EQ(json.value(QStringLiteral("type")).toString(), QStringLiteral("Einheitspapier"));
    EXPECT_TRUE(json.value(QStringLiteral("findings")).toArray().isEmpty());

    doc.store().setText(EhField::Box22A, 1, QStringLiteral("EUX"));
    doc.store().setText(EhField::Box54Name, 1, QString());
    doc.store().setText(EhField::Box54Place, 1, QString());
    const QString bad = dir.file(QStringLiteral("schlecht.aef"));
    ASSERT_TRUE(doc.save(bad));
    r = runCli({QStringLiteral("check"), bad});
    EXPECT_EQ(r.exitCode, 3);
    json = parsed(r.out);
    EXPECT_EQ(json.value(QStringLiteral("file")).toString(), bad);
    EXPECT_EQ(json.value(QStringLiteral("errors")).toInt(), 2);
    const QJsonArray findings = json.value(QStringLiteral("findings")).toArray();
    ASSERT_EQ(findings.size(), 2);
    const QJsonObject first = findings.at(0).toObject();
    EXPECT_EQ(first.value(QStringLiteral("page")).toInt(), 1);
    EXPECT_EQ(first.value(QStringLiteral("field")).toInt(), EhField::Box22A);
    EXPECT_EQ(first.value(QStringLiteral("box")).toString(), QStringLiteral("Feld 22 A"));
    EXPECT_EQ(first.value(QStringLiteral("severity")).toString(), QStringLiteral("Fehler"));
    EXPECT_TRUE(first.value(QStringLiteral("message")).toString().contains(QStringLiteral("„EUX“")));
    EXPECT_EQ(findings.at(1).toObject().value(QStringLiteral("box")).toString(), QStringLiteral("Feld 54 (Ort, Datum)"));

    // A D.V.1 whose totals were never computed.
    CDV1_Doc dv1;
    dv1.fieldStore().setText(Dv1Field::NationalPrice1, 2, QStringLiteral("5"));
    const QString fdv = dir.file(QStringLiteral("wert.fdv"));
    ASSERT_TRUE(DV1File::save(fdv, dv1));
    r = runCli({QStringLiteral("check"), fdv});
    EXPECT_EQ(r.exitCode, 3);
    json = parsed(r.out);
    EXPECT_EQ(json.value(QStringLiteral("type")).toString(), QStringLiteral("D.V.1"));
    EXPECT_EQ(json.value(QStringLiteral("findings")).toArray().size(), 2);

    // Files that cannot be read: missing, refused, damaged.
    r = runCli({QStringLiteral("check"), dir.file(QStringLiteral("fehlt.aef"))});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(QString::fromUtf8(r.err).contains(QStringLiteral("fehlt.aef")));
    const QString refused = dir.file(QStringLiteral("fremd.aef"));
    testsupport::writeFile(refused, QByteArray("QZN-XXForm@9.99 und mehr"));
    r = runCli({QStringLiteral("check"), refused});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.isEmpty());
    const QString damaged = dir.file(QStringLiteral("kaputt.aef"));
    testsupport::writeFile(damaged, QByteArray("QZN-EHForm@2.10\xff\xff"));
    EXPECT_EQ(runCli({QStringLiteral("check"), damaged}).exitCode, 1);
    EXPECT_EQ(runCli({QStringLiteral("check")}).exitCode, 2);
}
