#include <gtest/gtest.h>

#include <QImage>

#include "TestSupport.h"
#include "form/CEinheitspapierDoc.h"

using testsupport::runCli;

TEST(RenderCli, BlankFormsAndDocumentPages)
{
    testsupport::TempDir dir;
    const QString png = dir.file(QStringLiteral("blank.png"));
    auto r = runCli({QStringLiteral("render"), QStringLiteral("--blank"), QStringLiteral("--form-set"),
                     QStringLiteral("1"), QStringLiteral("--page-kind"), QStringLiteral("continuation"),
                     QStringLiteral("--outline-fields"), QStringLiteral("--zoom"), QStringLiteral("10"),
                     QStringLiteral("-o"), png});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    // 205 x 298 mm at a 96-dpi screen's size.
    EXPECT_EQ(image.width(), qRound(2050 * 96.0 / 254.0));
    EXPECT_EQ(image.height(), qRound(2980 * 96.0 / 254.0));

    CEinheitspapierDoc doc;
    doc.setFormSet(0);
    doc.store().setText(10, 1, QStringLiteral("Muster Spedition GmbH"));
    const QString aef = dir.file(QStringLiteral("muster.aef"));
    ASSERT_TRUE(doc.save(aef));
    const QString pdf = dir.file(QStringLiteral("seite1.pdf"));
    r = runCli({QStringLiteral("render"), aef, QStringLiteral("--page"), QStringLiteral("1"), QStringLiteral("-o"), pdf});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QByteArray bytes = testsupport::readFile(pdf);
    EXPECT_TRUE(bytes.startsWith("%PDF"));

    // A page the document does not have, a missing file, a wrong call.
    r = runCli({QStringLiteral("render"), aef, QStringLiteral("--page"), QStringLiteral("9"), QStringLiteral("-o"), pdf});
    EXPECT_EQ(r.exitCode, 2);
    r = runCli({QStringLiteral("render"), dir.file(QStringLiteral("fehlt.aef")), QStringLiteral("-o"), pdf});
    EXPECT_EQ(r.exitCode, 1);
    r = runCli({QStringLiteral("render"), QStringLiteral("--blank"), QStringLiteral("--form-set"), QStringLiteral("0"),
                QStringLiteral("--page-kind"), QStringLiteral("seite"), QStringLiteral("-o"), png});
    EXPECT_EQ(r.exitCode, 2);
    r = runCli({QStringLiteral("render"), aef, QStringLiteral("-o"), dir.file(QStringLiteral("x.bmp"))});
    EXPECT_EQ(r.exitCode, 2);
}
