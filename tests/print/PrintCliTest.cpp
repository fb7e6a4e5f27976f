#include <gtest/gtest.h>

#include "PdfWords.h"
#include "TestSupport.h"
#include "settings/Profile.h"
#include "form/CEinheitspapierDoc.h"

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
