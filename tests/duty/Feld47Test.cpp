#include <gtest/gtest.h>

#include "TestSupport.h"
#include "duty/Feld47Amount.h"
#include "duty/Feld47Box.h"
#include "duty/Feld47Grid.h"
#include "form/CEinheitspapierDoc.h"
#include "form/EhField.h"
#include "form/FieldStore.h"

using testsupport::runCli;
using testsupport::TempDir;

namespace {

using Col = Feld47Model::Column;
using SumCol = Feld47SummeModel::Column;

} // namespace

TEST(Feld47Amount, ReadsGermanAmountsWithThousandsSeparators)
{
    EXPECT_DOUBLE_EQ(Feld47Amount::parse(QStringLiteral("1.234,56")), 1234.56);
    EXPECT_DOUBLE_EQ(Feld47Amount::parse(QStringLiteral("1.234.567,8")), 1234567.8);
    EXPECT_DOUBLE_EQ(Feld47Amount::parse(QStringLiteral("7,5")), 7.5);
    EXPECT_DOUBLE_EQ(Feld47Amount::parse(QStringLiteral(",5")), 0.5);
    // Without a comma the first dot is the decimal mark: a dot alone cannot
    // say whether it groups thousands.
    EXPECT_DOUBLE_EQ(Feld47Amount::parse(QStringLiteral("7.5")), 7.5);
    EXPECT_DOUBLE_EQ(Feld47Amount::parse(QStringLiteral("1.234")), 1.234);
    EXPECT_DOUBLE_EQ(Feld47Amount::parse(QStringLiteral("  -5")), -5.0);
    EXPECT_DOUBLE_EQ(Feld47Amount::parse(QStringLiteral("12abc")), 12.0);
    EXPECT_DOUBLE_EQ(Feld47Amount::parse(QStringLiteral("EUR 12")), 0.0);
    EXPECT_DOUBLE_EQ(Feld47Amount::parse(QStringLiteral("inf")), 0.0);
    EXPECT_DOUBLE_EQ(Feld47Amount::parse(QString()), 0.0);
}

TEST(Feld47Amount, NormalisesToTwoDecimalsAndEmptiesZero)
{
    EXPECT_EQ(Feld47Amount::normalised(QStringLiteral("7,5")), QStringLiteral("7,50"));
    EXPECT_EQ(Feld47Amount::normalised(QStringLiteral("7.5")), QStringLiteral("7,50"));
    EXPECT_EQ(Feld47Amount::normalised(QStringLiteral("1.234,56")), QStringLiteral("1234,56"));
    EXPECT_EQ(Feld47Amount::normalised(QStringLiteral("1.234")), QStringLiteral("1,23"));
    EXPECT_EQ(Feld47Amount::normalised(QStringLiteral("-5")), QStringLiteral("-5,00"));
    EXPECT_EQ(Feld47Amount::normalised(QStringLiteral("0")), QString());
    EXPECT_EQ(Feld47Amount::normalised(QStringLiteral("0,001")), QString());
    EXPECT_EQ(Feld47Amount::normalised(QStringLiteral("Info")), QString());
    EXPECT_EQ(Feld47Amount::normalised(QStringLiteral("0,005")), QStringLiteral("0,01"));
    EXPECT_EQ(Feld47Amount::normalised(QStringLiteral("2,675")), QStringLiteral("2,67"));  // binary 2.67499...
}

TEST(Feld47Grid, TotalsFollowTheAmountsIncludingSmallAndNegativeOnes)
{
    Feld47Model m;
    m.setCell(0, Col::Amount, QStringLiteral("0,40"));
    m.setCell(3, Col::Amount, QStringLiteral("0,35"));
    m.setCell(1, Col::Base, QStringLiteral("1.000"));  // basis and rate stay as typed
    m.normaliseAmounts();
    EXPECT_EQ(m.total(), QStringLiteral("0,75"));
    EXPECT_EQ(m.cell(1, Col::Base), QStringLiteral("1.000"));

    m.setCell(6, Col::Amount, QStringLiteral("-5"));
    m.leaveAmount(6);
    EXPECT_EQ(m.cell(6, Col::Amount), QStringLiteral("-5,00"));
    EXPECT_EQ(m.total(), QStringLiteral("-4,25"));

    m.setCell(2, Col::Amount, QStringLiteral("4,25"));
    m.leaveAmount(2);
    EXPECT_EQ(m.total(), QString());  // exactly zero: the total box is empty

    m.setCell(2, Col::Amount, QStringLiteral("1.234,56"));
    m.leaveAmount(2);
    EXPECT_EQ(m.cell(2, Col::Amount), QStringLiteral("1234,56"));
    EXPECT_EQ(m.total(), QStringLiteral("1230,31"));
}

TEST(Feld47Grid, PaymentChecksOfBothDialogs)
{
    Feld47Model item;
    Feld47SummeModel summary;
    const auto check = [&](const char* kind, const char* payment, bool itemOk, bool summaryOk) {
        item.setCell(0, Col::Kind, QString::fromLatin1(kind));
        item.setCell(0, Col::Payment, QString::fromLatin1(payment));
        summary.setCell(0, SumCol::Kind, QString::fromLatin1(kind));
        summary.setCell(0, SumCol::Payment, QString::fromLatin1(payment));
        EXPECT_EQ(item.paymentAccepted(0), itemOk) << kind << " / '" << payment << "'";
        EXPECT_EQ(summary.paymentAccepted(0), summaryOk) << kind << " / '" << payment << "'";
    };
    check("10100", "A", false, false);
    check("10100", "", true, false);
    check("10100", " B", true, false);
    check("10100", "E", true, true);
    check("10100", "BB", false, false);
    check("100", "X", false, false);
    check("99", "X", true, true);
    check("", "X", true, true);
    check("Zoll", "X", true, true);
}

TEST(Feld47Grid, SummaryOkClearsLinesWithoutDutyTypeAndTotalsTheRest)
{
    Feld47SummeModel m;
    m.setCell(0, SumCol::Kind, QStringLiteral("10100"));
    m.setCell(0, SumCol::Amount, QStringLiteral("20"));
    m.setCell(0, SumCol::Payment, QStringLiteral("B"));
    m.setCell(1, SumCol::Amount, QStringLiteral("10,00"));   // no duty type
    m.setCell(2, SumCol::Kind, QStringLiteral("99"));
    m.setCell(2, SumCol::Amount, QStringLiteral("1"));
    m.normaliseAmounts();
    EXPECT_EQ(m.total(), QStringLiteral("31,00"));  // shown while the dialog is open

    m.finishOk();
    EXPECT_EQ(m.cell(1, SumCol::Amount), QString());
    EXPECT_EQ(m.cell(2, SumCol::Kind), QString());
    EXPECT_EQ(m.cell(0, SumCol::Amount), QStringLiteral("20,00"));
    // What is written back adds up to its lines.
    EXPECT_EQ(m.total(), QStringLiteral("20,00"));

    // The item dialog clears nothing.
    Feld47Model item;
    item.setCell(1, Col::Amount, QStringLiteral("10"));
    item.normaliseAmounts();
    EXPECT_EQ(item.cell(1, Col::Amount), QStringLiteral("10,00"));
}

TEST(Feld47Grid, ChooserFollowsTheFocusedKindBox)
{
    Feld47Model m;
    EXPECT_FALSE(m.chooserArmed());
    m.kindBoxEntered(3);
    EXPECT_TRUE(m.chooserArmed());
    EXPECT_EQ(m.chooserRow(), 3);
    m.takeDutyType(QStringLiteral("20000"));
    EXPECT_EQ(m.cell(3, Col::Kind), QStringLiteral("20000"));
    m.otherBoxEntered();
    EXPECT_FALSE(m.chooserArmed());
    EXPECT_EQ(m.chooserRow(), 6);
}

TEST(Feld47Box, FieldsOpenTheirBoxAndMapTheirCells)
{
    EXPECT_FALSE(Feld47Box::openedBy(72, 1));
    const auto first = Feld47Box::openedBy(EhField::Box47, 1);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->cellField(0, 0), 115);
    EXPECT_EQ(first->cellField(6, 4), 149);
    EXPECT_EQ(first->totalField(), 150);
    EXPECT_FALSE(Feld47Box::openedBy(EhField::Box47, 2));  // field 73 of a continuation sheet is box 46
    const auto third = Feld47Box::openedBy(76, 3);
    ASSERT_TRUE(third);
    EXPECT_EQ(third->page, 3);
    EXPECT_EQ(third->cellField(0, 0), 150);
    EXPECT_EQ(third->totalField(), 185);
    EXPECT_EQ(Feld47Box::openedBy(75, 2)->cellField(1, 3), 114 + 5 + 3);
    EXPECT_EQ(Feld47Box::openedBy(75, 2)->totalField(), 149);
    const auto summary = Feld47Box::openedBy(77, 2);
    ASSERT_TRUE(summary);
    EXPECT_EQ(summary->kind, Feld47Box::Summary);
    EXPECT_EQ(summary->cellField(6, 2), 186 + 18 + 2);
    EXPECT_EQ(summary->totalField(), 207);
}

TEST(Feld47Box, CalcCommandRecomputesEveryBoxOfTheDocument)
{
    TempDir dir;
    CEinheitspapierDoc doc;
    doc.deleteContents();
    doc.setContinuationPageCount(2);
    FieldStore& s = doc.store();
    s.setText(115 + 3, 1, QStringLiteral("1.234,5"));
    s.setText(115 + 5 + 3, 1, QStringLiteral("0,5"));
    s.setText(150, 1, QStringLiteral("999"));              // a stale total
    s.setText(114 + 3, 2, QStringLiteral("7.5"));          // position 2 of page 2
    s.setText(186 + 1, 3, QStringLiteral("10"));           // summary of page 3, no duty type
    s.setText(186 + 3, 3, QStringLiteral("10100"));
    s.setText(186 + 3 + 1, 3, QStringLiteral("-2"));
    s.setText(115 + 1, 1, QStringLiteral("12 kg"));         // basis stays as typed
    const QString in = dir.file("box47.aef");
    QString error;
    ASSERT_TRUE(doc.save(in, &error)) << qPrintable(error);

    const testsupport::ProcessResult r = runCli({QStringLiteral("calc"), in, QStringLiteral("-o"), dir.file("out.aef")});
    ASSERT_EQ(r.exitCode, 0) << r.err.constData();
    EXPECT_TRUE(r.out.contains("Seite 1: Feld 47 = \"1235,00\"")) << r.out.constData();
    EXPECT_TRUE(r.out.contains("Seite 3: 47-1 = \"\", 47-2 = \"\", 47-3 = \"\", 47 (Summe) = \"8,00\""))
        << r.out.constData();

    CEinheitspapierDoc out;
    ASSERT_TRUE(out.load(dir.file("out.aef"), &error)) << qPrintable(error);
    const FieldStore& o = out.store();
    EXPECT_EQ(o.text(115 + 3, 1), QStringLiteral("1234,50"));
    EXPECT_EQ(o.text(150, 1), QStringLiteral("1235,00"));
    EXPECT_EQ(o.text(115 + 1, 1), QStringLiteral("12 kg"));
    EXPECT_EQ(o.text(114 + 3, 2), QStringLiteral("7,50"));
    EXPECT_EQ(o.text(149, 2), QStringLiteral("7,50"));
    EXPECT_EQ(o.text(186 + 1, 3), QStringLiteral("10,00"));  // calc clears no line
    EXPECT_EQ(o.text(207, 3), QStringLiteral("8,00"));

    // In place, and a file that is not a document is refused untouched.
    ASSERT_EQ(runCli({QStringLiteral("calc"), in}).exitCode, 0);
    testsupport::writeFile(dir.file("kaputt.aef"), "QZN-EHForm@2.10garbage");
    EXPECT_EQ(runCli({QStringLiteral("calc"), dir.file("kaputt.aef")}).exitCode, 1);
    EXPECT_EQ(testsupport::readFile(dir.file("kaputt.aef")), QByteArray("QZN-EHForm@2.10garbage"));
    EXPECT_EQ(runCli({QStringLiteral("calc"), dir.file("fehlt.aef")}).exitCode, 1);
}
