// The rules of the Einheitspapier check, each on a document made to break it
// and on the one that passes.
#include <gtest/gtest.h>

#include "CheckTestSupport.h"
#include "TestSupport.h"
#include "check/EhCheckContext.h"
#include "form/EhGoodsPosition.h"

namespace F = EhField;

namespace {

class EhRules : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::clearSettings();
        fillPassingDocument(doc);
    }
    void set(int field, const QString& text, int page = 1) { doc.store().setText(field, page, text); }
    // The findings on one field.
    CheckFindings at(int page, int field) const
    {
        CheckFindings out;
        for (const CheckFinding& f : checkWithDefaultFlags(doc)) {
            if (f.page == page && f.field == field)
                out << f;
        }
        return out;
    }

    CEinheitspapierDoc doc;
};

} // namespace

TEST_F(EhRules, APassingDocumentHasNoFindingInAnyFormSet)
{
    for (int set = 0; set <= 3; ++set) {
        CEinheitspapierDoc d;
        fillPassingDocument(d, set);
        EXPECT_TRUE(checkWithDefaultFlags(d).isEmpty()) << set << ": "
                                                         << describe(checkWithDefaultFlags(d)).join('\n').toStdString();
    }
}

TEST_F(EhRules, EachCodeBoxRefusesWhatIsNotInItsList)
{
    struct Case {
        int field;
        QString bad;
        QString good;
        const char* says;
    };
    const QString lastOffice = QString::fromLatin1(CustomsOffices::rows().back().code).toLower();
    const Case cases[] = {
        {F::Box15A, QStringLiteral("XQ"), QStringLiteral("us"), "Ländercode"},
        {F::Box15A, QStringLiteral("DEU"), QStringLiteral("FR"), "Ländercode"},
        {F::Box17A, QStringLiteral("ZZ"), QStringLiteral("DE"), "Ländercode"},
        {F::Box34A, QStringLiteral("12"), QStringLiteral("CN"), "Ländercode"},
        {F::Box22A, QStringLiteral("EUX"), QStringLiteral("eur"), "Währungscode"},
        {F::Box17B, QStringLiteral("17"), QStringLiteral("99"), "Bundesland"},
        {F::Box17B, QStringLiteral("Bayern"), QStringLiteral("9"), "Bundesland"},
        {F::Box17B, QStringLiteral("05a"), QStringLiteral("16"), "Bundesland"},
        {F::Box24A, QStringLiteral("0"), QStringLiteral("1"), "Art des Geschäfts"},
        {F::Box25, QStringLiteral("6"), QStringLiteral("9"), "Verkehrszweig"},
        {F::Box26, QStringLiteral("10"), QStringLiteral("7"), "Verkehrszweig"},
        {F::Box36, QStringLiteral("400"), QStringLiteral("320"), "Präferenzcode"},
        {F::Box36, QStringLiteral("1000"), QStringLiteral("250"), "Präferenzcode"},
        {F::Box29, QStringLiteral("DE999999"), lastOffice, "Zollstelle"},
    };
    for (const Case& c : cases) {
        const QString before = doc.store().text(c.field, 1);
        set(c.field, c.bad);
        const CheckFindings bad = at(1, c.field);
        ASSERT_EQ(bad.size(), 1) << c.bad.toStdString();
        EXPECT_EQ(bad.first().severity, CheckFinding::Severity::Error);
        EXPECT_TRUE(bad.first().message.contains(QString::fromUtf8(c.says))) << bad.first().message.toStdString();
        EXPECT_TRUE(bad.first().message.contains(c.bad));
        EXPECT_EQ(bad.first().box, EhCheckContext::boxName(1, c.field));
        set(c.field, c.good);
        EXPECT_TRUE(at(1, c.field).isEmpty()) << c.good.toStdString();
        set(c.field, before);
    }
    // The boxes of the goods positions on the continuation sheets too.
    const EhGoodsPosition third{2, 3};
    set(third.boxField(F::Block::Box34A), QStringLiteral("QQ"), 2);
    set(third.boxField(F::Block::Box36), QStringLiteral("199"), 2);
    EXPECT_EQ(at(2, third.boxField(F::Block::Box34A)).size(), 1);
    EXPECT_EQ(at(2, third.boxField(F::Block::Box36)).size(), 1);
    EXPECT_EQ(at(2, third.boxField(F::Block::Box34A)).first().box, QStringLiteral("Feld 34-3 A"));
}

TEST_F(EhRules, AFieldTheSheetDoesNotPrintIsNotChecked)
{
    set(F::Box15A, QStringLiteral("XQ"));
    QByteArray first = EhFieldFlags::defaultTable(EhFieldFlags::PageKind::First);
    EhFieldFlags::setFlag(first, F::Box15A, 0, EhFieldFlags::Unused);
    const auto cont = EhFieldFlags::defaultTable(EhFieldFlags::PageKind::Continuation);
    EXPECT_TRUE(EhCheck::run(doc, first, cont).isEmpty());
    EXPECT_EQ(checkWithDefaultFlags(doc).size(), 1);
}

TEST_F(EhRules, Box1PartsComeFromTheBox1Lists)
{
    set(F::Box1A, QStringLiteral("XY"));
    const CheckFindings bad = at(1, F::Box1A);
    ASSERT_EQ(bad.size(), 1);
    EXPECT_TRUE(bad.first().message.contains(Default01Model::entries(0).constFirst()));
    // Read as the picker reads it: case and blanks do not count.
    set(F::Box1A, QStringLiteral(" ") + Default01Model::entries(0).constLast().toLower());
    EXPECT_TRUE(at(1, F::Box1A).isEmpty());
}

TEST_F(EhRules, BoxesEveryDeclarationNeeds)
{
    for (int f : {F::Box1A, F::Box1B, F::Box1C})
        set(f, QString());
    ASSERT_EQ(at(1, F::Box1A).size(), 1);
    EXPECT_EQ(at(1, F::Box1A).first().message, QStringLiteral("Feld 1 (Anmeldung) ist leer."));

    // Box 8 or box 14 will do.
    set(F::Box8Address, QString());
    ASSERT_EQ(at(1, F::Box8Address).size(), 1);
    set(F::Box14Declarant, QStringLiteral("2 Vertreter"));
    EXPECT_TRUE(at(1, F::Box8Address).isEmpty());

    set(F::Box54Place, QString());
    EXPECT_TRUE(at(1, F::Box54Place).isEmpty());   // the name is there
    set(F::Box54Name, QString());
    ASSERT_EQ(at(1, F::Box54Place).size(), 1);

    // A document without a chosen form set demands nothing.
    doc.setFormSet(CEinheitspapierDoc::NoFormSet);
    EXPECT_TRUE(at(1, F::Box1A).isEmpty());
    EXPECT_TRUE(at(1, F::Box54Place).isEmpty());
}

TEST_F(EhRules, Box47CodesAndTotals)
{
    const int kind = F::box47Cell(F::Box47Grid, 1, F::ColKind);
    const int za = F::box47Cell(F::Box47Grid, 0, F::ColZA);
    set(kind, QStringLiteral("20001"));
    set(za, QStringLiteral("X"));
    set(F::Box47Total, QStringLiteral("199,99"));
    const CheckFindings bad = at(1, F::Box47);
    ASSERT_EQ(bad.size(), 3) << describe(bad).join('\n').toStdString();
    EXPECT_EQ(bad.at(0).message, QStringLiteral("Zeile 1: Die Zahlungsart „X“ ist keine der Zahlungsarten B, C, D und E."));
    EXPECT_EQ(bad.at(1).message,
              QStringLiteral("Zeile 2: Die Abgabenart „20001“ steht nicht in der Liste der Abgabenarten."));
    EXPECT_EQ(bad.at(2).message, QStringLiteral("Die Summe („199,99“) ist nicht die Summe der Beträge („200,00“)."));
    EXPECT_EQ(bad.at(2).box, QStringLiteral("Feld 47"));

    // A total written another way but of the same amount passes.
    set(kind, QStringLiteral("20000"));
    set(za, QString());
    set(F::Box47Total, QStringLiteral("200"));
    EXPECT_TRUE(at(1, F::Box47).isEmpty());

    // The summary of a continuation sheet needs a method of payment on
    // every duty, and its grand total is the sum of its lines.
    set(F::Cont::summaryCell(0, F::Cont::SumKind), QStringLiteral("10100"), 2);
    doc.store().setAttr(F::Cont::summaryCell(0, F::Cont::SumKind), 2, 0);
    set(F::Cont::summaryCell(0, F::Cont::SumAmount), QStringLiteral("10,00"), 2);
    set(F::Cont::SummaryTotal, QStringLiteral("10,00"), 2);
    const CheckFindings summary = at(2, F::Cont::Box47Summary);
    ASSERT_EQ(summary.size(), 1);
    EXPECT_TRUE(summary.first().message.contains(QStringLiteral("Zahlungsart")));
    EXPECT_EQ(summary.first().box, QStringLiteral("Feld 47 (Summe)"));
    set(F::Cont::summaryCell(0, F::Cont::SumZA), QStringLiteral("B"), 2);
    set(F::Cont::SummaryTotal, QString(), 2);
    ASSERT_EQ(at(2, F::Cont::Box47Summary).size(), 1);
    EXPECT_EQ(at(2, F::Cont::Box47Summary).first().message,
              QStringLiteral("Die Gesamtsumme (leer) ist nicht die Summe der Beträge („10,00“)."));
}

TEST_F(EhRules, Box5CountsTheGoodsAndBox3TheSheets)
{
    // Two positions on the first continuation sheet: three in all, two sheets.
    doc.setContinuationPageCount(1);
    set(EhGoodsPosition{2, 1}.box31Field(), QStringLiteral("Ware zwei"), 2);
    set(EhGoodsPosition{2, 2}.box31Field(), QStringLiteral("Ware drei"), 2);
    EXPECT_EQ(at(1, F::Box5).size(), 1);
    EXPECT_EQ(at(1, F::Box5).first().message, QStringLiteral("Die Zahl der Warenpositionen ist „1“, richtig wäre „3“."));
    EXPECT_EQ(at(1, F::Box3A).size(), 1);
    EXPECT_EQ(at(1, F::Box3B).size(), 1);
    EXPECT_EQ(at(2, F::Cont::Box3A).size(), 1);
    set(F::Box5, QStringLiteral("3"));
    set(F::Box3A, QStringLiteral("1"));
    set(F::Box3B, QStringLiteral("2"));
    set(F::Cont::Box3A, QStringLiteral("2"), 2);
    set(F::Cont::Box3B, QStringLiteral("2"), 2);
    EXPECT_TRUE(checkWithDefaultFlags(doc).isEmpty()) << describe(checkWithDefaultFlags(doc)).join('\n').toStdString();

    // One sheet: box 3 may stay empty or say 1 of 1.
    CEinheitspapierDoc single;
    fillPassingDocument(single);
    single.store().setText(F::Box3A, 1, QStringLiteral("1"));
    single.store().setText(F::Box3B, 1, QStringLiteral("1"));
    EXPECT_TRUE(checkWithDefaultFlags(single).isEmpty());
    single.store().setText(F::Box3B, 1, QStringLiteral("2"));
    EXPECT_EQ(checkWithDefaultFlags(single).size(), 1);
}

TEST_F(EhRules, ATextWithMoreLinesThanItsPrintedBoxHolds)
{
    QStringList lines;
    for (int i = 1; i <= 12; ++i)
        lines << QStringLiteral("Zeile %1").arg(i);
    set(F::Box8Address, lines.join(QStringLiteral("\r\n")));
    const CheckFindings bad = at(1, F::Box8Address);
    ASSERT_EQ(bad.size(), 1);
    EXPECT_TRUE(bad.first().message.startsWith(QStringLiteral("Der Text passt nicht in das gedruckte Feld")));
    // A word too wide for a narrow box, on a continuation sheet.
    set(F::Box8Address, QStringLiteral("Zeile 1\r\nZeile 2"));
    EXPECT_TRUE(at(1, F::Box8Address).isEmpty());
    // A cell of box 47 is reported at its box, where the focus can go.
    const int art = F::box47Cell(F::Box47Grid, 0, F::ColKind);
    doc.store().setAttr(art, 1, 3);
    ASSERT_EQ(at(1, F::Box47).size(), 1);
    EXPECT_EQ(at(1, F::Box47).first().box, QStringLiteral("Feld 47"));
    doc.store().setAttr(art, 1, 0);
    EXPECT_TRUE(at(1, F::Box47).isEmpty());
    const int box32 = EhGoodsPosition{2, 2}.box32Field();
    set(box32, QStringLiteral("123456789012345678901234567890"), 2);
    EXPECT_EQ(at(2, box32).size(), 1);
}

TEST(CheckFindingList, JsonAndOrder)
{
    CheckFindings findings{{2, 5, QStringLiteral("Feld 3 A"), QStringLiteral("b \"x\""), CheckFinding::Severity::Hint},
                           {1, 40, QStringLiteral("Feld 22 A"), QStringLiteral("a"), CheckFinding::Severity::Error},
                           {1, 11, QStringLiteral("Feld 11"), QStringLiteral("c"), CheckFinding::Severity::Error}};
    CheckFindingList::sort(findings);
    EXPECT_EQ(findings.at(0).field, 11);
    EXPECT_EQ(findings.at(2).page, 2);
    EXPECT_EQ(CheckFindingList::errorCount(findings), 2);
    EXPECT_EQ(CheckFindingList::toJson(QStringLiteral("a.aef"), QStringLiteral("Einheitspapier"), {findings.at(2)}),
              QByteArray("{\"file\": \"a.aef\", \"type\": \"Einheitspapier\", \"errors\": 0, \"findings\": [{\"page\": 2, "
                         "\"field\": 5, \"box\": \"Feld 3 A\", \"severity\": \"Hinweis\", \"message\": \"b \\\"x\\\"\"}]}"));
}
