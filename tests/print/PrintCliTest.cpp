#include <gtest/gtest.h>

#include <QFile>

#include "../settings/SettingsTestSupport.h"
#include "PdfWords.h"
#include "TestSupport.h"
#include "form/CEinheitspapierDoc.h"
#include "form/EhField.h"
#include "form/FieldDefinitions.h"
#include "settings/Profile.h"

using testsupport::runCli;

TEST(PrintCli, WritesWhatThePrinterGets)
{
    testsupport::clearSettings();
    testsupport::TempDir dir;
    CEinheitspapierDoc doc;
    doc.deleteContents();
    doc.setFormSet(0);
    doc.store().setText(10, 1, QStringLiteral("Absender"));
    doc.store().setText(11, 2, QStringLiteral("Ware"));
    const QString aef = dir.file(QStringLiteral("muster.aef"));
    ASSERT_TRUE(doc.save(aef));

    const QString pdf = dir.file(QStringLiteral("blatt.pdf"));
    auto r = runCli({QStringLiteral("print"), aef, QStringLiteral("--page"), QStringLiteral("2"),
                     QStringLiteral("--copies"), QStringLiteral("3"), QStringLiteral("-o"), pdf});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    PdfText text = readPdfText(pdf);
    EXPECT_EQ(text.pages, 3);
    EXPECT_TRUE(text.find(QStringLiteral("Ware"), 3));
    EXPECT_FALSE(text.find(QStringLiteral("Absender")));

    // The settings of the store apply, as on the printer.
    Profile::set(Settings::Left_Margin_EH, 50);
    r = runCli({QStringLiteral("print"), aef, QStringLiteral("--page"), QStringLiteral("1"), QStringLiteral("-o"), pdf});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    text = readPdfText(pdf);
    ASSERT_EQ(text.pages, 1);
    ASSERT_TRUE(text.find(QStringLiteral("Absender")));
    EXPECT_NEAR(text.find(QStringLiteral("Absender"))->left, 24.2 + 5.0 + 1.0, 0.3);

    // Wrong calls, a page the document lacks, a missing file.
    for (const QStringList& args :
         {QStringList{QStringLiteral("print"), aef, QStringLiteral("--page"), QStringLiteral("1"),
                      QStringLiteral("--copies"), QStringLiteral("10"), QStringLiteral("-o"), pdf},
          QStringList{QStringLiteral("print"), aef, QStringLiteral("--page"), QStringLiteral("1"),
                      QStringLiteral("--copies"), QStringLiteral("0"), QStringLiteral("-o"), pdf},
          QStringList{QStringLiteral("print"), aef, QStringLiteral("-o"), pdf},
          QStringList{QStringLiteral("print"), aef, QStringLiteral("--page"), QStringLiteral("3"),
                      QStringLiteral("-o"), pdf},
          QStringList{QStringLiteral("print"), aef, QStringLiteral("--page"), QStringLiteral("1"),
                      QStringLiteral("-o"), dir.file(QStringLiteral("x.png"))}}) {
        EXPECT_EQ(runCli(args).exitCode, 2) << qPrintable(args.join(QLatin1Char(' ')));
    }
    r = runCli({QStringLiteral("print"), dir.file(QStringLiteral("fehlt.aef")), QStringLiteral("--page"),
                QStringLiteral("1"), QStringLiteral("-o"), pdf});
    EXPECT_EQ(r.exitCode, 1);
}

// print and render put out what the program would: with the user's own field
// definitions, and nothing at all for a file the program refuses to open.
TEST(PrintCli, UsesStoredFieldDefinitionsAndRefusesWhatTheProgramRefuses)
{
    testsupport::clearSettings();
    testsupport::TempDir dir;
    CEinheitspapierDoc doc;
    doc.deleteContents();
    doc.setFormSet(0);
    doc.store().setText(EhField::Box2Address, 1, QStringLiteral("Absender"));
    doc.store().setText(EhField::Box1A, 1, QStringLiteral("IM"));
    const QString aef = dir.file(QStringLiteral("muster.aef"));
    ASSERT_TRUE(doc.save(aef));
    const QString pdf = dir.file(QStringLiteral("blatt.pdf"));
    const QStringList printPage1{QStringLiteral("print"), aef, QStringLiteral("--page"), QStringLiteral("1"),
                                 QStringLiteral("-o"), pdf};
    const QStringList renderPage1{QStringLiteral("render"), aef, QStringLiteral("--page"), QStringLiteral("1"),
                                  QStringLiteral("-o"), pdf};

    // Reading an empty store leaves it empty.
    ASSERT_EQ(runCli(printPage1).exitCode, 0);
    EXPECT_FALSE(QznUserStore().contains(QStringLiteral("EHForm_Defaults/FieldDef_EH1")));
    EXPECT_TRUE(readPdfText(pdf).find(QStringLiteral("Absender")));

    // "nicht drucken" for box 2 and "im Bildschirm nicht anzeigen" for box
    // 1 A of this form set, as the field definitions editor stores them.
    {
        TestRegistry t;
        FieldDefinitions edited;
        edited.setFlag(EhFieldFlags::PageKind::First, EhField::Box2Address, 0, EhFieldFlags::NotPrinted);
        edited.setFlag(EhFieldFlags::PageKind::First, EhField::Box1A, 0, EhFieldFlags::NotShown);
        ASSERT_TRUE(edited.save(t.registry));
    }
    auto r = runCli(printPage1);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    PdfText text = readPdfText(pdf);
    EXPECT_FALSE(text.find(QStringLiteral("Absender")));
    EXPECT_TRUE(text.find(QStringLiteral("IM")));
    r = runCli(renderPage1);
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    text = readPdfText(pdf);
    EXPECT_TRUE(text.find(QStringLiteral("Absender")));
    EXPECT_FALSE(text.find(QStringLiteral("IM")));

    // A file of an unknown format opens as an empty form in the program,
    // with a message; the tool says so and writes nothing.
    const QString unknown = dir.file(QStringLiteral("fremd.aef"));
    testsupport::writeFile(unknown, QByteArray("QZN-EHForm@3.00") + QByteArray(40, 'x'));
    for (const QString& command : {QStringLiteral("print"), QStringLiteral("render")}) {
        const QString out = dir.file(command + QStringLiteral(".pdf"));
        r = runCli({command, unknown, QStringLiteral("--page"), QStringLiteral("1"), QStringLiteral("-o"), out});
        EXPECT_EQ(r.exitCode, 1) << qPrintable(command);
        EXPECT_TRUE(QString::fromUtf8(r.err).contains(unknown)) << r.err.constData();
        EXPECT_GT(r.err.trimmed().size(), unknown.size() + 2) << r.err.constData();
        EXPECT_FALSE(QFile::exists(out)) << qPrintable(command);
    }
}
