#include <gtest/gtest.h>

#include "OpsTestSupport.h"
#include "TestSupport.h"
#include "settings/Profile.h"
#include "form/CEinheitspapierDoc.h"
#include "form/EhDocumentOperations.h"
#include "form/EhFieldFlags.h"

namespace ops = EhDocumentOperations;

namespace {

class DocumentOperations : public ::testing::Test
{
protected:
    void SetUp() override { testsupport::clearSettings(); }

    static void fillBox31(CEinheitspapierDoc& doc, int page, const QString& text)
    {
        for (int f : {11, 32, 53})
            doc.store().setText(f, page, text);
    }
};

} // namespace

TEST_F(DocumentOperations, NewDocumentDefaultsFollowTheSettings)
{
    CEinheitspapierDoc doc;
    doc.deleteContents();
    EXPECT_EQ(doc.store().pageCount(), 2);
    // A never-written store: box 14 switch reads 4, declarant 0 gives an
    // empty text, and the federal states stay empty.
    EXPECT_TRUE(doc.store().text(25, 1).isEmpty());
    EXPECT_TRUE(doc.store().text(30, 1).isEmpty());
    EXPECT_TRUE(doc.store().text(60, 1).isEmpty());

    const char* expected[] = {"", "Ausführer - 00400", "Versender - 00300", "Einführer - 00500",
                              "Subunternehmer gem. Artikel 789 Zollkodex-DVO", ""};
    Profile::set(Settings::ZollNummer2, QStringLiteral("DE123"));
    for (int anmelder = 0; anmelder <= 5; ++anmelder) {
        Profile::set(Settings::Anmelder, anmelder);
        doc.deleteContents();
        EXPECT_EQ(doc.store().text(25, 1), QString::fromUtf8(expected[anmelder])) << anmelder;
        EXPECT_EQ(doc.store().text(24, 1), QStringLiteral("DE123"));
    }
    Profile::set(Settings::Feld14, 0);
    doc.deleteContents();
    EXPECT_TRUE(doc.store().text(24, 1).isEmpty());

    Profile::set(Settings::Bundesland2, QStringLiteral("09"));
    Profile::set(Settings::Bundesland1, QStringLiteral("05"));
    doc.deleteContents();
    EXPECT_EQ(doc.store().text(30, 1), QStringLiteral("09"));
    EXPECT_EQ(doc.store().text(60, 1), QStringLiteral("05"));
}

TEST_F(DocumentOperations, DateInTheStampsHasNoLeadingZeros)
{
    Profile::set(Settings::AutoDateInStamp, 1);
    Profile::set(Settings::Stamp_A, 1);
    CEinheitspapierDoc doc;
    ops::applyNewDocumentDefaults(doc, QDate(2026, 3, 7));
    EXPECT_EQ(doc.store().text(6, 1), QStringLiteral("7.3.2026"));
    EXPECT_TRUE(doc.store().text(83, 1).isEmpty());

    Profile::set(Settings::Stamp_C, 1);
    ops::applyNewDocumentDefaults(doc, QDate(2026, 11, 12));
    EXPECT_EQ(doc.store().text(6, 1), QStringLiteral("12.11.2026"));
    EXPECT_EQ(doc.store().text(83, 1), QStringLiteral("12.11.2026"));
}

TEST_F(DocumentOperations, PageIsAddedOnlyWhenTheLastPageIsComplete)
{
    CEinheitspapierDoc doc;
    doc.deleteContents();
    RecordingPrompt prompt;
    fillBox31(doc, 2, QStringLiteral("123456"));
    doc.store().setText(53, 2, QStringLiteral("12345"));
    EXPECT_FALSE(ops::canAddPage(doc));
    EXPECT_EQ(ops::addPage(doc, prompt), 0);
    EXPECT_EQ(prompt.messages, QList<int>{ops::MsgPageIncomplete});
    EXPECT_EQ(doc.store().pageCount(), 2);
    EXPECT_FALSE(doc.isModified());

    doc.store().setText(53, 2, QStringLiteral("123456"));
    doc.store().setText(7, 2, QStringLiteral("DE999"));
    doc.store().setText(8, 2, QStringLiteral("Absender"));
    ASSERT_TRUE(ops::canAddPage(doc));
    EXPECT_EQ(ops::addPage(doc, prompt), 3);
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.store().pageCount(), 3);
    for (int f = 0; f < 214; ++f) {
        const QString t = doc.store().text(f, 3);
        if (f == 7)
            EXPECT_EQ(t, QStringLiteral("DE999"));
        else if (f == 8)
            EXPECT_EQ(t, QStringLiteral("Absender"));
        else
            EXPECT_TRUE(t.isEmpty()) << f;
    }
    // Box 47 of the new page: "Art" left, amounts right, "ZA" centred.
    EXPECT_EQ(doc.store().attr(78, 3), 0x0003);
    EXPECT_EQ(doc.store().attr(79, 3), 0x0203);
    EXPECT_EQ(doc.store().attr(82, 3), 0x0103);
    EXPECT_EQ(doc.store().attr(113, 3), 0x0203);
    EXPECT_EQ(doc.store().attr(187, 3), 0x0203);
    EXPECT_EQ(doc.store().attr(188, 3), 0x0103);
    EXPECT_EQ(doc.store().attr(207, 3), 0x0203);
    EXPECT_FALSE(ops::canAddPage(doc));
}

TEST_F(DocumentOperations, LastPageIsRemovedOnlyAfterYes)
{
    CEinheitspapierDoc doc;
    doc.deleteContents();
    RecordingPrompt prompt;
    EXPECT_FALSE(ops::canRemoveLastPage(doc));
    EXPECT_FALSE(ops::removeLastPage(doc, prompt));
    EXPECT_TRUE(prompt.messages.isEmpty());

    doc.setContinuationPageCount(3);
    doc.store().setText(11, 4, QStringLiteral("weg"));
    prompt.yes = false;
    EXPECT_FALSE(ops::removeLastPage(doc, prompt));
    EXPECT_EQ(doc.store().pageCount(), 4);
    prompt.yes = true;
    EXPECT_TRUE(ops::removeLastPage(doc, prompt));
    EXPECT_EQ(prompt.messages, (QList<int>{ops::MsgRemoveLastPage, ops::MsgRemoveLastPage}));
    // Enter must not destroy a sheet: No is preselected.
    EXPECT_EQ(prompt.preselected.constFirst(), EhUserPrompt::Preselect::No);
    EXPECT_EQ(doc.store().pageCount(), 3);
    EXPECT_EQ(doc.store().currentPage(), 1);
    EXPECT_TRUE(doc.isModified());
}

TEST_F(DocumentOperations, NumberingStopsAtTheFirstEmptyPosition)
{
    CEinheitspapierDoc doc;
    doc.deleteContents();
    doc.setContinuationPageCount(2);
    FieldStore& s = doc.store();

    ops::renumber(doc);
    EXPECT_TRUE(s.text(11, 1).isEmpty());
    EXPECT_TRUE(s.text(12, 1).isEmpty());
    EXPECT_EQ(s.text(14, 1), QStringLiteral("1"));
    EXPECT_EQ(s.text(53, 1), QStringLiteral("1"));

    s.setText(11, 2, QStringLiteral("Schrauben"));
    s.setText(32, 2, QStringLiteral("Muttern"));
    s.setText(53, 2, QStringLiteral("   "));
    s.setText(11, 3, QStringLiteral("Bolzen"));
    ops::renumber(doc);
    EXPECT_EQ(s.text(11, 1), QStringLiteral("1"));
    EXPECT_EQ(s.text(12, 1), QStringLiteral("3"));
    EXPECT_EQ(s.text(14, 1), QStringLiteral("3"));
    EXPECT_EQ(s.text(12, 2), QStringLiteral("2"));
    EXPECT_EQ(s.text(33, 2), QStringLiteral("3"));
    EXPECT_TRUE(s.text(54, 2).isEmpty());
    EXPECT_TRUE(s.text(12, 3).isEmpty());
    EXPECT_EQ(s.text(9, 3), QStringLiteral("3"));
    EXPECT_EQ(s.text(10, 3), QStringLiteral("3"));

    s.setText(53, 2, QStringLiteral("Scheiben"));
    ops::renumber(doc);
    EXPECT_EQ(s.text(54, 2), QStringLiteral("4"));
    EXPECT_EQ(s.text(12, 3), QStringLiteral("5"));
    EXPECT_EQ(s.text(14, 1), QStringLiteral("5"));

    // Numbering again changes nothing and leaves the document unmodified.
    doc.setModified(false);
    ops::renumber(doc);
    EXPECT_FALSE(doc.isModified());

    EXPECT_TRUE(ops::isNumberingTarget(1, 53));
    EXPECT_TRUE(ops::isNumberingTarget(3, 33));
    EXPECT_FALSE(ops::isNumberingTarget(1, 12));
}

TEST_F(DocumentOperations, OpeningAViewSettlesTheFormSetAndAppliesSenderAndMarks)
{
    CEinheitspapierDoc doc;
    doc.deleteContents();
    doc.setFormSet(CEinheitspapierDoc::ExportFormSet);
    doc.setLoadStatus(18);
    Profile::set(Settings::Feld2, 4);
    Profile::set(Settings::Firma1, QStringLiteral("Muster GmbH"));
    Profile::set(Settings::Firma2, QStringLiteral("Hafenstr. 1  "));
    Profile::set(Settings::ZollNummer1, QStringLiteral("4711"));
    QByteArray first = EhFieldFlags::defaultTable(EhFieldFlags::PageKind::First);
    QByteArray cont = EhFieldFlags::defaultTable(EhFieldFlags::PageKind::Continuation);

    RecordingPrompt prompt;
    prompt.formSetAnswer = 2;
    EXPECT_EQ(ops::openView(doc, -1, prompt, first, cont), 2);
    EXPECT_EQ(prompt.beeps, 1);
    EXPECT_EQ(prompt.messages, QList<int>{18});
    EXPECT_EQ(prompt.texts, QList<QString>{QStringLiteral("Dies ist eine Export-Einheitspapier-Datei!")});
    EXPECT_EQ(prompt.formSetQuestions, 1);
    EXPECT_EQ(doc.formSet(), 2);
    EXPECT_EQ(doc.store().text(18, 1), QStringLiteral("Muster GmbH\r\nHafenstr. 1"));
    EXPECT_EQ(doc.store().text(8, 2), QStringLiteral("Muster GmbH\r\nHafenstr. 1"));
    EXPECT_EQ(doc.store().text(7, 2), QStringLiteral("4711"));
    EXPECT_EQ(doc.store().attr(8, 2) & 0x0F, 1);
    EXPECT_EQ(EhFieldFlags::flag(first, 26, 2), EhFieldFlags::Unused);
    EXPECT_EQ(EhFieldFlags::flag(cont, 77, 2), EhFieldFlags::Unused);
    EXPECT_EQ(EhFieldFlags::flag(first, 26, 0), 0);

    // The program's current choice wins over the question.
    CEinheitspapierDoc other;
    RecordingPrompt quiet;
    EXPECT_EQ(ops::openView(other, 1, quiet, first, cont), 1);
    EXPECT_EQ(quiet.formSetQuestions, 0);
    EXPECT_FALSE(other.isModified());

    // A document that holds a sender keeps it; its empty boxes take the
    // defaults.
    CEinheitspapierDoc saved;
    saved.deleteContents();
    saved.store().setText(18, 1, QStringLiteral("Eigene AG"));
    saved.store().setText(17, 1, QStringLiteral("DE999"));
    saved.store().setText(7, 2, QStringLiteral("DE999"));
    const std::uint16_t word = saved.store().attr(7, 2);
    EXPECT_EQ(ops::openView(saved, 1, quiet, first, cont), 1);
    EXPECT_EQ(saved.store().text(18, 1), QStringLiteral("Eigene AG"));
    EXPECT_EQ(saved.store().text(17, 1), QStringLiteral("DE999"));
    EXPECT_EQ(saved.store().text(7, 2), QStringLiteral("DE999"));
    EXPECT_EQ(saved.store().attr(7, 2), word);
    EXPECT_EQ(saved.store().text(8, 2), QStringLiteral("Muster GmbH\r\nHafenstr. 1"));
}

TEST_F(DocumentOperations, NoSheetBeyondTheLimitAndHiddenTextsOfAFormSetAreNamed)
{
    CEinheitspapierDoc doc;
    doc.deleteContents();
    doc.setContinuationPageCount(ops::MaxContinuationPages);
    const int last = ops::MaxContinuationPages + 1;
    fillBox31(doc, last, QStringLiteral("Ware 123"));
    const FieldStore before = doc.store();
    RecordingPrompt prompt;
    ASSERT_TRUE(ops::canAddPage(doc));
    EXPECT_EQ(ops::addPage(doc, prompt), 0);
    EXPECT_EQ(prompt.texts, QList<QString>{ops::pageLimitText()});
    EXPECT_EQ(doc.store().continuationTexts(), before.continuationTexts());
    EXPECT_EQ(doc.store().continuationWords(), before.continuationWords());
    EXPECT_FALSE(doc.isModified());

    // Box 15 B (field 28) is crossed out in form set 2: its text is named,
    // on the first page and on every sheet that holds text in such a field.
    doc.setFormSet(0);
    const QByteArray& first = EhFieldFlags::defaultTable(EhFieldFlags::PageKind::First);
    const QByteArray& cont = EhFieldFlags::defaultTable(EhFieldFlags::PageKind::Continuation);
    EXPECT_TRUE(ops::fieldsHiddenByFormSet(doc, 2, first, cont, true).isEmpty());
    doc.store().setText(26, 1, QStringLiteral("DE"));
    doc.store().setText(77, 3, QStringLiteral("1,00"));
    const QStringList hidden = ops::fieldsHiddenByFormSet(doc, 2, first, cont, true);
    EXPECT_TRUE(hidden.contains(QStringLiteral("Feld 15 (Text)"))) << hidden.join(QLatin1Char(',')).toStdString();
    EXPECT_TRUE(hidden.contains(QStringLiteral("Seite 3: 47 (Summe)"))) << hidden.join(QLatin1Char(',')).toStdString();
    // Without the crosses only what the set does not draw counts.
    EXPECT_LE(ops::fieldsHiddenByFormSet(doc, 2, first, cont, false).size(), hidden.size());
}

TEST_F(DocumentOperations, CoupledFieldsAndTheThreeLineStamp)
{
    CEinheitspapierDoc doc;
    doc.deleteContents();
    FieldStore& s = doc.store();
    s.setText(151, 1, QStringLiteral("A 17"));
    ops::leaveField(doc, 1, 151);
    EXPECT_EQ(s.text(0, 2), QStringLiteral("A 17"));
    EXPECT_TRUE(s.text(5, 1).isEmpty());
    EXPECT_FALSE(ops::opensStampInput(1, 4));

    Profile::set(Settings::Stamp_A, 1);
    ops::leaveField(doc, 1, 151);
    EXPECT_EQ(s.text(5, 1), QStringLiteral("A 17"));
    EXPECT_EQ(s.text(3, 2), QStringLiteral("A 17"));

    s.setText(6, 1, QStringLiteral("1.2.2026"));
    s.setAttr(6, 1, 0x0111);
    ops::leaveField(doc, 1, 6);
    EXPECT_EQ(s.text(4, 2), QStringLiteral("1.2.2026"));
    EXPECT_EQ(s.attr(4, 2), 0x0111);

    s.setText(8, 2, QStringLiteral("a\r\n\r\nb\r\n\r\nc"));
    ops::leaveField(doc, 2, 8);
    EXPECT_EQ(s.text(8, 2), QStringLiteral("a\r\nb\r\nc"));

    ASSERT_TRUE(ops::opensStampInput(1, 7));
    EXPECT_FALSE(ops::opensStampInput(2, 7));
    ops::applyStampInput(doc, 7, QStringLiteral("Zeile 1\r\nZeile 2\r\nZeile 3\r\n"));
    EXPECT_EQ(s.text(7, 1), QStringLiteral("Zeile 1\r\nZeile 2\r\nZeile 3"));
    EXPECT_EQ(s.attr(7, 1), 0x0100 | 66);
    EXPECT_EQ(s.text(5, 2), s.text(7, 1));
    EXPECT_EQ(s.attr(5, 2), 0x0100 | 66);
    ops::applyStampInput(doc, 81, QStringLiteral("eine Zeile"));
    EXPECT_EQ(s.attr(81, 1), 0x0100);
    Profile::set(Settings::ThreeLineInStamp, 0);
    EXPECT_FALSE(ops::opensStampInput(1, 7));
}

TEST_F(DocumentOperations, FormSetSwitchMovesToThePageOneAndModifies)
{
    CEinheitspapierDoc doc;
    doc.deleteContents();
    doc.setFormSet(0);
    doc.store().setCurrent(2, 40);
    EXPECT_FALSE(ops::formSetEnabled(doc, 0));
    EXPECT_TRUE(ops::formSetChecked(doc, 0));
    EXPECT_TRUE(ops::formSetEnabled(doc, 3));
    ops::switchFormSet(doc, 3);
    EXPECT_EQ(doc.formSet(), 3);
    EXPECT_EQ(doc.store().currentPage(), 1);
    // The file keeps the form set: the switch is a change to save.
    EXPECT_TRUE(doc.isModified());
}
