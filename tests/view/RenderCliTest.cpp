#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QRect>

#include <algorithm>

#include "PdfWords.h"
#include "TestSupport.h"
#include "form/CEinheitspapierDoc.h"

using testsupport::runCli;

namespace {

// Whether any pixel of the image's rectangle (in pixels) is drawn on.
bool hasInk(const QImage& image, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::min({c.red(), c.green(), c.blue()}) < 200)
                return true;
        }
    }
    return false;
}

// Pixels of a real-size picture on a 96-dpi screen, from 0.1 mm.
int px(int tenthMm)
{
    return qRound(tenthMm * 96.0 / 254.0);
}

} // namespace

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

TEST(RenderCli, DrawnFormsPutLinesAndTextsWhereTheFormHasThem)
{
    testsupport::TempDir dir;
    // The left frame line of the sheet runs 15 mm from its edge, the top
    // line of the first page 6.5 mm from the top; left of the frame is paper.
    const QString png = dir.file(QStringLiteral("leer.png"));
    auto r = runCli({QStringLiteral("render"), QStringLiteral("--blank"), QStringLiteral("--form-set"),
                     QStringLiteral("0"), QStringLiteral("--page-kind"), QStringLiteral("first"),
                     QStringLiteral("--zoom"), QStringLiteral("10"), QStringLiteral("-o"), png});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    for (int y : {300, 1000, 2000}) {
        EXPECT_TRUE(hasInk(image, QRect(QPoint(px(145), px(y)), QPoint(px(155), px(y))))) << y;
        EXPECT_FALSE(hasInk(image, QRect(QPoint(px(20), px(y)), QPoint(px(130), px(y))))) << y;
    }
    EXPECT_TRUE(hasInk(image, QRect(QPoint(px(1000), px(60)), QPoint(px(1000), px(70)))));
    EXPECT_FALSE(hasInk(image, QRect(QPoint(px(1000), px(10)), QPoint(px(1000), px(50)))));

    // Field texts inside their boxes on a real-size PDF: box 2 (field 10) is
    // 16.0-105.0 mm across and 15.2-35.4 mm down, box 31 (field 52)
    // 16.0-116.0 mm and 115.5-150.0 mm.
    CEinheitspapierDoc doc;
    doc.setFormSet(0);
    doc.store().setText(10, 1, QStringLiteral("Versandhaus"));
    doc.store().setText(52, 1, QStringLiteral("Schrauben"));
    const QString aef = dir.file(QStringLiteral("felder.aef"));
    ASSERT_TRUE(doc.save(aef));
    const QString pdf = dir.file(QStringLiteral("felder.pdf"));
    r = runCli({QStringLiteral("render"), aef, QStringLiteral("--page"), QStringLiteral("1"), QStringLiteral("-o"), pdf});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    const PdfText text = readPdfText(pdf);
    ASSERT_EQ(text.pages, 1);
    struct Expected {
        const char* word;
        double left, top, right, bottom;
    };
    for (const Expected& e : {Expected{"Versandhaus", 16.0, 15.2, 105.0, 35.4},
                              Expected{"Schrauben", 16.0, 115.5, 116.0, 150.0}}) {
        const PdfWord* w = text.find(QString::fromLatin1(e.word));
        ASSERT_NE(w, nullptr) << e.word;
        // The first line starts at the box's top, a little in from its left.
        EXPECT_GE(w->left, e.left) << e.word;
        EXPECT_LT(w->left, e.left + 2.0) << e.word;
        EXPECT_GE(w->top, e.top - 0.3) << e.word;
        EXPECT_LT(w->top, e.top + 1.5) << e.word;
        EXPECT_LE(w->right, e.right) << e.word;
        EXPECT_LE(w->bottom, e.bottom) << e.word;
    }
}
