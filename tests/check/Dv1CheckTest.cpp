// The D.V.1 check: the totals of the continuation pages against F3.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "check/Dv1Check.h"
#include "dv1/CDV1_Doc.h"
#include "dv1/DV1Calculation.h"
#include "dv1/DV1Field.h"

namespace F = Dv1Field;

TEST(Dv1Check, TotalsThatF3WouldChangeAreFound)
{
    testsupport::clearSettings();
    CDV1_Doc doc;
    ASSERT_TRUE(doc.AddContinuationPage());
    FieldStore& s = doc.fieldStore();
    s.setText(F::NationalPrice1, 2, QStringLiteral("1.000,00"));
    s.setText(F::Transport1, 2, QStringLiteral("50"));
    s.setText(F::NationalPrice2, 3, QStringLiteral("20"));
    // An empty document has nothing to compute.
    EXPECT_TRUE(Dv1Check::run(CDV1_Doc()).isEmpty());

    // Typed amounts without totals: every total that F3 fills is missing.
    CheckFindings findings = Dv1Check::run(doc);
    ASSERT_EQ(findings.size(), 5);
    EXPECT_EQ(findings.first().page, 2);
    EXPECT_EQ(findings.first().field, F::TotalA1);
    EXPECT_EQ(findings.first().box, QStringLiteral("Feld 12"));
    EXPECT_EQ(findings.first().message, QStringLiteral("Der Betrag ist leer, die Berechnung (F3) ergibt „1.000,00“."));
    EXPECT_EQ(findings.last().page, 3);
    EXPECT_EQ(findings.last().field, F::DeclaredValue2);
    // The check changes nothing.
    EXPECT_TRUE(s.text(F::TotalA1, 2).isEmpty());

    CalculatePages(doc);
    EXPECT_TRUE(Dv1Check::run(doc).isEmpty());
    // A total changed by hand afterwards, or an amount changed without F3.
    s.setText(F::DeclaredValue1, 2, QStringLiteral("1.049,00"));
    s.setText(F::NationalPrice2, 3, QStringLiteral("25"));
    findings = Dv1Check::run(doc);
    ASSERT_EQ(findings.size(), 3);
    EXPECT_EQ(findings.at(0).field, F::DeclaredValue1);
    EXPECT_EQ(findings.at(0).message, QStringLiteral("Der Betrag ist „1.049,00“, die Berechnung (F3) ergibt „1.050,00“."));
    EXPECT_EQ(findings.at(1).page, 3);
    // A total in another notation of the same amount passes.
    CalculatePages(doc);
    s.setText(F::TotalA1, 2, QStringLiteral("1000"));
    EXPECT_TRUE(Dv1Check::run(doc).isEmpty());
}
