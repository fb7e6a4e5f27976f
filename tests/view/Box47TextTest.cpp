// The size steps a box 47 gets when its dialog writes it back: each column
// as large as its texts allow, so that a five-digit duty type, a long amount
// or a long basis is neither cut on screen nor on paper.
#include <gtest/gtest.h>

#include <QPainter>
#include <QPicture>

#include "TestSupport.h"
#include "check/EhCheck.h"
#include "duty/Feld47Box.h"
#include "duty/Feld47Grid.h"
#include "form/CEinheitspapierDoc.h"
#include "form/EhField.h"
#include "form/EhFieldFlags.h"
#include "form/EhFieldGeometry.h"
#include "form/FieldStore.h"
#include "settings/Profile.h"
#include "view/EhBox47Text.h"
#include "view/FieldTextPainter.h"
#include "view/FormZoom.h"

namespace {

namespace F = EhField;
using EhFieldFlags::PageKind;

class Box47Text : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::clearSettings();
        doc.deleteContents();
        doc.setFormSet(0);
        doc.setContinuationPageCount(1);
        // The first page's box 47 aligned as the view aligns it.
        for (int r = 0; r < F::Box47Rows; ++r) {
            for (int c : {F::ColBase, F::ColRate, F::ColAmount})
                store().setAlignment(F::box47Cell(F::Box47Grid, r, c), 1, FieldStore::AlignRight);
            store().setAlignment(F::box47Cell(F::Box47Grid, r, F::ColZA), 1, FieldStore::AlignCenter);
        }
        store().setAlignment(F::Box47Total, 1, FieldStore::AlignRight);
    }

    FieldStore& store() { return doc.store(); }
    int step(int field, int page = 1) { return store().attr(field, page) & FieldStore::SizeMask; }

    // The box's lines through its model, as the dialog's OK leaves them.
    void fill(const Feld47Box& box, Feld47Grid& grid, const QList<QStringList>& rows)
    {
        for (int r = 0; r < rows.size(); ++r) {
            for (int c = 0; c < rows[r].size(); ++c)
                grid.setCell(r, c, rows[r][c]);
        }
        grid.normaliseAmounts();
        box.store(grid, store());
    }

    // What the check says about room on paper.
    QStringList textFitFindings()
    {
        QStringList out;
        const CheckFindings all = EhCheck::run(doc, EhFieldFlags::defaultTable(PageKind::First),
                                               EhFieldFlags::defaultTable(PageKind::Continuation));
        for (const CheckFinding& f : all) {
            if (f.message.startsWith(QStringLiteral("Der Text passt nicht")))
                out << f.displayText();
        }
        return out;
    }

    CEinheitspapierDoc doc;
};

} // namespace

TEST_F(Box47Text, EachColumnTakesTheLargestStepItsTextsFitIn)
{
    const Feld47Box box{Feld47Box::Position, 1, 1};
    const int art0 = box.cellField(0, F::ColKind);
    // An older document's duty type in the usual step is cut on paper.
    store().setText(art0, 1, QStringLiteral("10100"));
    ASSERT_EQ(step(art0), 3);
    ASSERT_FALSE(textFitFindings().isEmpty());

    // Bold and the alignment stay as the cells had them.
    store().setAttr(box.cellField(1, F::ColKind), 1, std::uint16_t(3 | FieldStore::BoldBit | FieldStore::AlignLeft));
    Feld47Model grid;
    fill(box, grid,
         {{QStringLiteral("10100"), QStringLiteral("12345678,90 EUR"), QStringLiteral("12,5 %"),
           QStringLiteral("1234567,89"), QStringLiteral("B")},
          {QStringLiteral("A00"), QString(), QString(), QStringLiteral("9876543,21"), QStringLiteral("C")},
          {QStringLiteral("20000"), QString(), QString(), QStringLiteral("5"), QString()}});
    const EhBox47Text::CellFit fit(95);
    EhBox47Text::fitSizes(store(), box, fit);

    EXPECT_TRUE(textFitFindings().isEmpty()) << textFitFindings().join('\n').toStdString();
    // Five digits need the smallest step in "Art"; the whole column takes
    // it, the three-character code and the empty lines too.
    for (int r = 0; r < F::Box47Rows; ++r)
        EXPECT_EQ(step(box.cellField(r, F::ColKind)), 0) << r;
    EXPECT_EQ(store().attr(box.cellField(1, F::ColKind), 1), std::uint16_t(0 | FieldStore::BoldBit | FieldStore::AlignLeft));
    // The other columns and the total hold these texts in the usual step.
    for (int c : {F::ColBase, F::ColRate, F::ColAmount, F::ColZA})
        EXPECT_EQ(step(box.cellField(0, c)), 3) << c;
    EXPECT_EQ(step(box.totalField()), 3);
    EXPECT_EQ(FieldStore::alignmentOf(store().attr(box.cellField(0, F::ColAmount), 1)), FieldStore::AlignRight);

    // The view at every zoom shows the duty type whole in that step.
    for (int zoom = FormZoom::Smallest; zoom <= FormZoom::Largest; ++zoom) {
        const FieldFontSet fonts = FieldFontSet::screen(zoom);
        const EhRect r = EhFieldGeometry::screenRect(PageKind::First, art0).scaled(zoom);
        QPicture scratch;
        QPainter painter(&scratch);
        bool cut = true;
        FieldTextPainter(fonts).draw(painter, QRect(r.left, r.top, r.width(), r.height()), QStringLiteral("10100"),
                                     store().attr(art0, 1), false, &cut);
        EXPECT_FALSE(cut) << zoom;
    }

    // Short codes alone fit the usual step again.
    fill(box, grid, {{QStringLiteral("A00")}, {QStringLiteral("B00")}, {QString()}});
    EhBox47Text::fitSizes(store(), box, fit);
    EXPECT_EQ(step(art0), 3);
    EXPECT_TRUE(textFitFindings().isEmpty());
}

TEST_F(Box47Text, LongTextsStepDownAndWhatFitsNowhereIsStillReported)
{
    const Feld47Box box{Feld47Box::Position, 2, 2};
    Feld47Model grid;
    // An amount too long for the usual step in "Betrag", and a basis that
    // no step holds on one line.
    fill(box, grid,
         {{QStringLiteral("10100"), QString(50, QLatin1Char('8')), QString(), QStringLiteral("12345678901234,50"),
           QStringLiteral("B")}});
    const EhBox47Text::CellFit fit(95);
    EhBox47Text::fitSizes(store(), box, fit);
    EXPECT_LT(step(box.cellField(0, F::ColAmount), 2), 3);
    EXPECT_EQ(step(box.cellField(0, F::ColBase), 2), 0);
    // The amount fits now; the check still says the basis is cut, at the box
    // the focus can go to.
    const QStringList findings = textFitFindings();
    ASSERT_EQ(findings.size(), 1) << findings.join('\n').toStdString();
    EXPECT_TRUE(findings.first().startsWith(QStringLiteral("Seite 2, Feld 47-2"))) << findings.first().toStdString();
}

TEST_F(Box47Text, SummaryBoxAndThePrinterFontSize)
{
    const Feld47Box box{Feld47Box::Summary, 2, 1};
    Feld47SummeModel grid;
    fill(box, grid,
         {{QStringLiteral("10100"), QStringLiteral("1234567,89"), QStringLiteral("B")},
          {QStringLiteral("20000"), QStringLiteral("234567,89"), QStringLiteral("C")}});
    EhBox47Text::fitSizes(store(), box, EhBox47Text::CellFit(95));
    EXPECT_EQ(step(F::Cont::summaryCell(0, F::Cont::SumKind), 2), 0);
    EXPECT_EQ(step(F::Cont::summaryCell(0, F::Cont::SumAmount), 2), 3);
    EXPECT_EQ(step(F::Cont::SummaryTotal, 2), 3);
    EXPECT_TRUE(textFitFindings().isEmpty()) << textFitFindings().join('\n').toStdString();

    // The largest printer fonts make five digits too wide for the column on
    // paper in every step: the smallest is taken, and the check says so.
    const int art = F::Cont::summaryCell(0, F::Cont::SumKind);
    Profile::set(Settings::PrinterFontFactor, QString::fromLatin1(Settings::SectionEH), 150);
    const EhBox47Text::CellFit large(150);
    EXPECT_FALSE(large.fits(PageKind::Continuation, art, QStringLiteral("10100"), EhBox47Text::withSizeStep(0, 0)));
    EhBox47Text::fitSizes(store(), box, large);
    EXPECT_EQ(step(art, 2), 0);
    EXPECT_FALSE(textFitFindings().isEmpty());
}
