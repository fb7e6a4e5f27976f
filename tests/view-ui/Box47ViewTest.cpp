// Box 47 and the code choosers from the Einheitspapier view: entering a box
// 47 by Tab or mouse opens its dialog, OK writes every cell and the total,
// Cancel leaves the document alone; F2 fills the boxes that take a code.
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPageSize>
#include <QPdfWriter>
#include <QPushButton>

#include "PdfWords.h"
#include "ViewTestSupport.h"
#include "check/EhCheck.h"
#include "form/EhField.h"
#include "form/EhFieldGeometry.h"
#include "form/EhFieldGeometryGrid.h"
#include "print/EhPrintJob.h"
#include "print/EhPrintLayer.h"
#include "view/FormPainter.h"

namespace {

class Box47View : public ViewFixture
{
protected:
    // Types into a cell of the open dialog as a keyboard does.
    static void typeInto(QWidget* dialog, int row, int column, const QString& text)
    {
        auto* box = dialog->findChild<QLineEdit*>(QStringLiteral("cell_%1_%2").arg(row).arg(column));
        ASSERT_TRUE(box);
        box->setFocus();
        QTest::keyClicks(box, text);
    }
    static void clickButton(QWidget* dialog, const char* name)
    {
        auto* button = dialog->findChild<QPushButton*>(QLatin1String(name));
        ASSERT_TRUE(button) << name;
        button->click();
    }
};

} // namespace

TEST_F(Box47View, TabIntoBox47OfTheFirstPageWritesBackOnOkOnly)
{
    doc->store().setText(115 + 5 + 3, 1, QStringLiteral("2"));
    goTo(EhField::Box46, 1);
    bool editorHidden = false;
    onNextModal([&](QWidget* dialog) {
        editorHidden = !editor()->isVisible();
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Feld 47 - Abgabenberechnung"));
        typeInto(dialog, 0, 0, QStringLiteral("10100"));
        typeInto(dialog, 0, 3, QStringLiteral("1.234,5"));
        typeInto(dialog, 0, 4, QStringLiteral("e"));
        clickButton(dialog, "ok");
    });
    key(Qt::Key_Tab);
    EXPECT_TRUE(editorHidden);
    EXPECT_TRUE(editor()->isVisible());
    EXPECT_EQ(view->currentField(), EhField::Box47);
    EXPECT_EQ(text(115, 1), QStringLiteral("10100"));
    EXPECT_EQ(text(115 + 3, 1), QStringLiteral("1234,50"));
    EXPECT_EQ(text(115 + 4, 1), QStringLiteral("E"));
    EXPECT_EQ(text(115 + 5 + 3, 1), QStringLiteral("2,00"));
    EXPECT_EQ(text(EhField::Box47Total, 1), QStringLiteral("1236,50"));
    EXPECT_TRUE(doc->isModified());

    // Cancel: nothing of what was typed reaches the document.
    doc->setModified(false);
    onNextModal([](QWidget* dialog) {
        typeInto(dialog, 1, 0, QStringLiteral("20000"));
        typeInto(dialog, 1, 3, QStringLiteral("99"));
        clickButton(dialog, "cancel");
    });
    goTo(EhField::Box47, 1);
    EXPECT_EQ(text(115 + 5, 1), QString());
    EXPECT_EQ(text(115 + 5 + 3, 1), QStringLiteral("2,00"));
    EXPECT_EQ(text(EhField::Box47Total, 1), QStringLiteral("1236,50"));
    EXPECT_FALSE(doc->isModified());
    EXPECT_EQ(view->currentField(), EhField::Box47);
}

TEST_F(Box47View, MouseOpensTheBoxesOfAContinuationSheet)
{
    doc->setContinuationPageCount(1);
    view->goToFormField(0, 2);
    doc->setModified(false);

    onNextModal([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("47 Abgabenberechnung (Zusammenfassung)"));
        typeInto(dialog, 0, 0, QStringLiteral("20000"));
        typeInto(dialog, 0, 1, QStringLiteral("19"));
        typeInto(dialog, 0, 2, QStringLiteral("B"));
        typeInto(dialog, 1, 1, QStringLiteral("5"));   // no duty type: cleared on OK
        clickButton(dialog, "ok");
    });
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                      centreOf(EhField::Cont::Box47Summary, 2));
    EXPECT_EQ(text(EhField::Cont::summaryCell(0, 0), 2), QStringLiteral("20000"));
    EXPECT_EQ(text(EhField::Cont::summaryCell(0, 1), 2), QStringLiteral("19,00"));
    EXPECT_EQ(text(EhField::Cont::summaryCell(1, 1), 2), QString());
    EXPECT_EQ(text(EhField::Cont::SummaryTotal, 2), QStringLiteral("19,00"));
    EXPECT_TRUE(doc->isModified());

    onNextModal([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Feld 47 - Abgabenberechnung"));
        typeInto(dialog, 6, 3, QStringLiteral("0,4"));
        clickButton(dialog, "ok");
    });
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                      centreOf(EhField::Cont::Box47Position1 + 1, 2));
    EXPECT_EQ(text(EhField::Cont::Box47Grids[1] + 5 * 6 + 3, 2), QStringLiteral("0,40"));
    EXPECT_EQ(text(EhField::Cont::Box47Grids[1] + 35, 2), QStringLiteral("0,40"));
    EXPECT_EQ(text(EhField::Cont::Box47Grids[0] + 35, 2), QString());
}

TEST_F(Box47View, F2FillsStateCurrencyAndCountryBoxes)
{
    QAction* choice = view->action(CEinheitspapierView::InsertChoice);
    goTo(EhField::Box17B, 1);
    EXPECT_TRUE(choice->isEnabled());
    onNextModal([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QString::fromUtf8("Ländernummer (Inland)"));
        auto* list = dialog->findChild<QListWidget*>();
        QTest::keyClick(list, Qt::Key_End);
        QTest::keyClick(list, Qt::Key_Return);
    });
    key(Qt::Key_F2);
    EXPECT_EQ(text(EhField::Box17B, 1), QStringLiteral("99"));
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("99"));
    EXPECT_TRUE(doc->isModified());

    goTo(EhField::Box22A, 1);
    onNextModal([](QWidget* dialog) {
        auto* filter = dialog->findChild<QLineEdit*>(QStringLiteral("filter"));
        QTest::keyClicks(filter, QStringLiteral("yen"));
        QTest::keyClick(filter, Qt::Key_Return);
    });
    key(Qt::Key_F2);
    EXPECT_EQ(text(EhField::Box22A, 1), QStringLiteral("JPY"));

    goTo(EhField::Box16, 1);
    onNextModal([](QWidget* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Ursprungsland"));
        auto* filter = dialog->findChild<QLineEdit*>(QStringLiteral("filter"));
        QTest::keyClicks(filter, QStringLiteral("sterr"));
        QTest::keyClick(filter, Qt::Key_Return);
    });
    key(Qt::Key_F2);
    EXPECT_EQ(text(EhField::Box16, 1), QString::fromUtf8("Österreich"));

    // Cancel writes nothing; a continuation sheet's 34 B has the states too.
    doc->setContinuationPageCount(1);
    doc->setModified(false);
    const int box34b = EhField::Cont::FirstBlock + EhField::Cont::BlockFields + EhField::Block::Box34B;
    goTo(box34b, 2);
    onNextModal([](QWidget* dialog) { QTest::keyClick(dialog->findChild<QListWidget*>(), Qt::Key_Escape); });
    key(Qt::Key_F2);
    EXPECT_EQ(text(box34b, 2), QString());
    EXPECT_FALSE(doc->isModified());

    goTo(EhField::Box32, 1);
    EXPECT_FALSE(choice->isEnabled());
}

// A box 47 as a declarant fills it: five-digit duty types and amounts in
// the millions. Every text stays whole inside its cell on paper, where the
// form draws the cell, and the check before printing has nothing to say
// about room.
TEST_F(Box47View, DutyTypesAndLargeAmountsStayWholeOnPaper)
{
    namespace F = EhField;
    using EhFieldFlags::PageKind;
    goTo(F::Box46, 1);
    onNextModal([](QWidget* dialog) {
        typeInto(dialog, 0, 0, QStringLiteral("10100"));
        typeInto(dialog, 0, 1, QStringLiteral("12345678,90"));
        typeInto(dialog, 0, 2, QStringLiteral("12,5 %"));
        typeInto(dialog, 0, 3, QStringLiteral("1234567,89"));
        typeInto(dialog, 0, 4, QStringLiteral("b"));
        typeInto(dialog, 1, 0, QStringLiteral("20000"));
        typeInto(dialog, 1, 1, QStringLiteral("13580246,79"));
        typeInto(dialog, 1, 2, QStringLiteral("19 %"));
        typeInto(dialog, 1, 3, QStringLiteral("8765432,10"));
        typeInto(dialog, 1, 4, QStringLiteral("c"));
        clickButton(dialog, "ok");
    });
    key(Qt::Key_Tab);
    ASSERT_EQ(text(F::Box47Grid, 1), QStringLiteral("10100"));
    ASSERT_EQ(text(F::Box47Total, 1), QStringLiteral("9999999,99"));

    for (const CheckFinding& f : EhCheck::run(*doc, definitions))
        EXPECT_FALSE(f.message.startsWith(QStringLiteral("Der Text passt nicht"))) << f.displayText().toStdString();

    testsupport::TempDir dir;
    const QString path = dir.file(QStringLiteral("box47.pdf"));
    {
        QPdfWriter writer(path);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setResolution(1200);
        ASSERT_TRUE(EhPrintJob::printCopies(writer, EhPrintJob::pageOf(*doc, 1, definitions), 1));
    }
    const PdfText pdf = readPdfText(path);
    const QPoint offset = EhPrintLayer(EhPrintSetup::fromStore(PageKind::First)).sheetPictureOffset();
    // Where the form draws a cell, on paper, in mm; half a millimetre of slack.
    const auto inCell = [&](const PdfWord& w, int field) {
        const EhRect r = EhFieldGeometry::screenRect(PageKind::First, field).translated(offset.x(), offset.y());
        return w.left >= r.left / 10.0 - 0.5 && w.right <= r.right / 10.0 + 0.5 && w.top >= r.top / 10.0 - 0.5
            && w.bottom <= r.bottom / 10.0 + 0.5;
    };
    const struct {
        QString text;
        int field;
    } expected[] = {
        {QStringLiteral("10100"), F::box47Cell(F::Box47Grid, 0, F::ColKind)},
        {QStringLiteral("20000"), F::box47Cell(F::Box47Grid, 1, F::ColKind)},
        {QStringLiteral("12345678,90"), F::box47Cell(F::Box47Grid, 0, F::ColBase)},
        {QStringLiteral("1234567,89"), F::box47Cell(F::Box47Grid, 0, F::ColAmount)},
        {QStringLiteral("8765432,10"), F::box47Cell(F::Box47Grid, 1, F::ColAmount)},
        {QStringLiteral("C"), F::box47Cell(F::Box47Grid, 1, F::ColZA)},
        {QStringLiteral("9999999,99"), F::Box47Total},
    };
    for (const auto& e : expected) {
        const PdfWord* w = pdf.find(e.text, 1);
        ASSERT_TRUE(w) << e.text.toStdString();
        EXPECT_TRUE(inCell(*w, e.field)) << e.text.toStdString() << " at " << w->left << ".." << w->right;
    }
    // The duty type inside the drawn "Art" column, between its lines.
    const PdfWord* art = pdf.find(QStringLiteral("10100"), 1);
    EXPECT_GT(art->left, (EhGrid::LeftDutyColumns.edges[0] + offset.x()) / 10.0);
    EXPECT_LT(art->right, (EhGrid::LeftDutyColumns.edges[1] + offset.x()) / 10.0);
    EXPECT_FALSE(pdf.find(QStringLiteral("101"), 1));

    // Cancel leaves the sizes as they are, as it leaves the texts.
    const std::uint16_t before = doc->store().attr(F::Box47Grid, 1);
    onNextModal([](QWidget* dialog) {
        typeInto(dialog, 0, 0, QStringLiteral("A00"));
        clickButton(dialog, "cancel");
    });
    goTo(F::Box47, 1);
    EXPECT_EQ(doc->store().attr(F::Box47Grid, 1), before);
    EXPECT_EQ(before & FieldStore::SizeMask, 0);

    // One undo takes back the texts and their sizes together.
    key(Qt::Key_Backspace, Qt::AltModifier);
    EXPECT_EQ(text(F::Box47Grid, 1), QString());
    EXPECT_EQ(doc->store().attr(F::Box47Grid, 1) & FieldStore::SizeMask, 3);
}
