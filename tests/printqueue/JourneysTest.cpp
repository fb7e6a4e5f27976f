// Whole tasks of a declarant, done at the keyboard on the program's own
// windows: an Einheitspapier of three sheets and a D.V.1 of four pages
// filled in, saved, opened again and printed through the print queue, and
// a goods record taken from the master data into a continuation sheet.
#include "../masterdata/GoodsFixtures.h"
#include "../view-ui/ViewTestSupport.h"
#include "PrintQueueFixture.h"
#include "dv1/CDV1_Doc.h"
#include "dv1/CDV1_View.h"
#include "dv1/CQznEditWindow_DV1.h"
#include "dv1/DV1Field.h"
#include "dv1/DV1File.h"
#include "form/EhField.h"
#include "print/DV1PrintController.h"
#include "print/DV1PrintLayer.h"
#include "print/EhPrintLayer.h"
#include "print/FormPrintController.h"
#include "view/CQznEditWindow_EHP.h"

using namespace printqueue;

namespace {

// A position block of a continuation sheet: the first field of position n
// (from 1).
int contPosition(int n)
{
    return EhField::Cont::FirstBlock + (n - 1) * EhField::Cont::BlockFields;
}

class Journeys : public PrintQueue
{
protected:
    void SetUp() override
    {
        PrintQueue::SetUp();
        if (IsSkipped())
            return;
        // The print dialog as the user has it: shown, and worked by keys.
        env.runDialog = [this](QDialog& d) {
            dialogs << QString::fromLatin1(d.metaObject()->className());
            return d.exec();
        };
        env.pdfFileName = [this](QWidget*, const QString&) { return exportPath; };
    }

    // The Einheitspapier of form set 0 in a shown, active view that prints
    // through env.
    void showEinheitspapier(std::unique_ptr<CEinheitspapierDoc> document)
    {
        ehView.reset();
        ehDoc = std::move(document);
        ehView = std::make_unique<CEinheitspapierView>(ehDoc.get(), definitions);
        new EhPrintController(*ehView, env);
        ehView->resize(1000, 800);
        ASSERT_TRUE(ehView->initialUpdate(0));
        ehView->show();
        QApplication::setActiveWindow(ehView.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(ehView.get()));
        m_keyboard = ehView->editor();
    }

    // The D.V.1 in a shown, active view that prints through env.
    void showDv1(std::unique_ptr<CDV1_Doc> document)
    {
        dv1View.reset();
        dv1Doc = std::move(document);
        dv1View = std::make_unique<CDV1_View>(dv1Doc.get());
        dv1View->setMessageHandler([this](QWidget*, const QString& text) { messages << text; });
        new DV1PrintController(*dv1View, env);
        dv1View->resize(1000, 800);
        dv1View->initialUpdate();
        dv1View->show();
        QApplication::setActiveWindow(dv1View.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(dv1View.get()));
        m_keyboard = dv1View->editor();
    }

    void TearDown() override
    {
        dv1View.reset();
        dv1Doc.reset();
        PrintQueue::TearDown();
    }

    // The field editor of the view shown last.
    QWidget* keyboard() const { return m_keyboard; }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(keyboard(), k, m); }
    void type(const QString& text) { typeKeys(keyboard(), text); }
    void goTo(int field, int page) { ASSERT_TRUE(ehView->goToFormField(field, page)); }
    QString text(int field, int page) const { return ehDoc->store().text(field, page); }

    // Prints one page through the print dialog, choosing the page with the
    // arrow keys and confirming with Enter; returns what the queue wrote.
    PdfText printPage(QAction* print, int pageNumber)
    {
        QList<Keys> keys;
        for (int i = 1; i < pageNumber; ++i)
            keys << Keys{Qt::Key_Down};
        keys << Keys{Qt::Key_Return};
        typeInNextDialog(keys);
        print->trigger();
        return printed(A4Queue);
    }

    // Each of the words is on the printed page where the export has it,
    // moved as the sheet is: the printer draws from the corner of its print
    // area, the export from the corner of the page, and the export puts the
    // form's picture at that corner (formCorner, 0.1 mm: where the form lies
    // on the pre-printed paper).
    void expectWhereExported(const PdfText& queue, const PdfText& exported, int exportedPage,
                             const QStringList& words, const QPoint& formCorner)
    {
        const QMarginsF margins = env.printer().pageLayout().margins(QPageLayout::Millimeter);
        const QPointF moved = QPointF(margins.left(), margins.top()) + QPointF(formCorner) / 10.0;
        for (const QString& word : words) {
            ASSERT_TRUE(exported.find(word, exportedPage))
                << "nicht im Export, Seite " << exportedPage << ": " << word.toStdString();
            ASSERT_TRUE(queue.find(word, 1)) << "nicht gedruckt, Seite " << exportedPage << ": " << word.toStdString();
        }
        PdfText wanted;
        for (const PdfWord& w : exported.onPage(exportedPage)) {
            if (words.contains(w.text))
                wanted.words << w;
        }
        PdfText got;
        for (PdfWord w : queue.onPage(1)) {
            w.page = exportedPage;
            if (words.contains(w.text))
                got.words << w;
        }
        expectSameWords(got, wanted, exportedPage, [&](const QPointF& p) { return p + moved; },
                        "wie exportiert");
    }

    QString exportPath;
    std::unique_ptr<CDV1_Doc> dv1Doc;
    std::unique_ptr<CDV1_View> dv1View;

private:
    QWidget* m_keyboard = nullptr;
};

} // namespace

TEST_F(Journeys, ThreeSheetEinheitspapierFilledSavedReopenedAndPrinted)
{
    // A new Einheitspapier of form set 0.
    auto fresh = std::make_unique<CEinheitspapierDoc>();
    fresh->deleteContents();
    fresh->setFormSet(0);
    showEinheitspapier(std::move(fresh));
    Profile::set(Settings::AutoFillPositions, 0);

    // Box 1 from its picker: "IM" and "A", chosen by their letters.
    goTo(EhField::Box1A, 1);
    typeInNextDialog({{Qt::Key_unknown, QStringLiteral("I")}, {Qt::Key_Tab}, {Qt::Key_unknown, QStringLiteral("A")},
                      {Qt::Key_Return}});
    key(Qt::Key_F2);
    EXPECT_EQ(text(EhField::Box1A, 1), QStringLiteral("IM"));
    EXPECT_EQ(text(EhField::Box1B, 1), QStringLiteral("A"));

    // Consignor and consignee typed, line by line.
    goTo(EhField::Box2Address, 1);
    type(QStringLiteral("Nordwerk GmbH"));
    key(Qt::Key_Return);
    type(QStringLiteral("Hafenstraße 12"));
    goTo(EhField::Box8Address, 1);
    type(QStringLiteral("Ostimport KG"));

    // The country of origin and the currency from their choosers.
    goTo(EhField::Box16, 1);
    typeInNextDialog({{Qt::Key_unknown, QStringLiteral("sterr")}, {Qt::Key_Return}});
    key(Qt::Key_F2);
    EXPECT_EQ(text(EhField::Box16, 1), QString::fromUtf8("Österreich"));
    goTo(EhField::Box22A, 1);
    typeInNextDialog({{Qt::Key_unknown, QStringLiteral("yen")}, {Qt::Key_Return}});
    key(Qt::Key_F2);
    EXPECT_EQ(text(EhField::Box22A, 1), QStringLiteral("JPY"));

    // The goods of the first page.
    goTo(EhField::Box31, 1);
    type(QStringLiteral("Kugellager"));

    // Box 44: Tab from box 41 opens its dialog; the documents typed, the
    // input-tax cross set with the space bar, Enter takes them.
    goTo(EhField::Box41, 1);
    typeInNextDialog({{Qt::Key_unknown, QStringLiteral("Rechnung 4711")}, {Qt::Key_Tab}, {Qt::Key_Space},
                      {Qt::Key_Return}});
    key(Qt::Key_Tab);
    EXPECT_EQ(text(EhField::Box44, 1), QStringLiteral("\r\nRechnung 4711"));
    EXPECT_TRUE(ehDoc->inputTax());

    // Box 47: Tab from box 46 opens its dialog. The duty type from its
    // chooser (F2 in the "Art" box, the code begun), then the basis, the
    // rate and the amount, Enter.
    goTo(EhField::Box46, 1);
    QString chooser;
    onNextModal([&chooser](QWidget* dialog) {
        pressKeys(dialog, {{Qt::Key_unknown, QStringLiteral("20")}});
        typeInNextDialog({{Qt::Key_Return}}, &chooser);
        pressKeys(dialog, {{Qt::Key_F2}});
        pressKeys(dialog, {{Qt::Key_unknown, QStringLiteral("6000")}, {Qt::Key_Tab},
                           {Qt::Key_unknown, QStringLiteral("19")}, {Qt::Key_Tab},
                           {Qt::Key_unknown, QStringLiteral("1140")}, {Qt::Key_Return}});
    });
    key(Qt::Key_Tab);
    EXPECT_EQ(chooser, QString::fromUtf8("Vorgaben für Zollarten"));
    const auto cell = [](EhField::Box47Column column) { return EhField::box47Cell(EhField::Box47Grid, 0, column); };
    EXPECT_EQ(text(cell(EhField::ColKind), 1), QStringLiteral("20000"));
    EXPECT_EQ(text(cell(EhField::ColBase), 1), QStringLiteral("6000"));
    EXPECT_EQ(text(cell(EhField::ColRate), 1), QStringLiteral("19"));
    EXPECT_EQ(text(cell(EhField::ColAmount), 1), QStringLiteral("1140,00"));
    EXPECT_EQ(text(EhField::Box47Total, 1), QStringLiteral("1140,00"));

    goTo(EhField::Box54Place, 1);
    type(QStringLiteral("Hamburg"));

    // The first continuation sheet: three goods, the origin of the second
    // from the chooser.
    key(Qt::Key_Right, Qt::ControlModifier);
    ASSERT_EQ(ehView->currentPage(), 2);
    const QString sheet2[3] = {QStringLiteral("Zylinderrollen"), QStringLiteral("Nadellager"),
                               QStringLiteral("Pendelrollen")};
    for (int n = 1; n <= 3; ++n) {
        goTo(contPosition(n) + EhField::Block::Box31, 2);
        type(sheet2[n - 1]);
    }
    goTo(contPosition(2) + EhField::Block::Box34A, 2);
    typeInNextDialog({{Qt::Key_unknown, QStringLiteral("sterr")}, {Qt::Key_Return}});
    key(Qt::Key_F2);
    EXPECT_EQ(text(contPosition(2) + EhField::Block::Box34A, 2), QStringLiteral("AT"));

    // F10 adds the second continuation sheet, now that sheet 2 is full.
    goTo(contPosition(3) + EhField::Block::Box31, 2);
    key(Qt::Key_F10);
    ASSERT_EQ(ehView->pageCount(), 3);
    ASSERT_EQ(ehView->currentPage(), 3);
    goTo(contPosition(1) + EhField::Block::Box31, 3);
    type(QStringLiteral("Gelenkköpfe"));
    EXPECT_TRUE(ehDoc->isModified());

    // Saved, and opened again: every text of the three sheets as typed.
    const QString path = dir.file(QStringLiteral("Lager.aef"));
    QString error;
    ASSERT_TRUE(ehDoc->save(path, &error)) << error.toStdString();
    EXPECT_FALSE(ehDoc->isModified());
    const CEinheitspapierDoc& saved = *ehDoc;
    auto reread = std::make_unique<CEinheitspapierDoc>();
    ASSERT_TRUE(reread->load(path, &error)) << error.toStdString();
    ASSERT_EQ(reread->continuationPageCount(), 2);
    for (int page = 1; page <= 3; ++page) {
        for (int f = 0; f < saved.store().fieldCount(page); ++f)
            EXPECT_EQ(reread->store().text(f, page), saved.store().text(f, page)) << "Seite " << page << " Feld " << f;
    }
    EXPECT_TRUE(reread->inputTax());
    showEinheitspapier(std::move(reread));

    // Printed page by page on the remembered queue, and exported as PDF.
    rememberPrinter(Settings::SectionEH, A4Queue);
    Profile::set(Settings::ShowMarginDlgEH, 1);
    exportPath = dir.file(QStringLiteral("Lager.pdf"));
    ehView->action(CEinheitspapierView::Command(FormPrintController::ExportPdf))->trigger();
    const PdfText exported = readPdfText(exportPath);
    ASSERT_EQ(exported.pages, 3);
    QAction* print = ehView->action(CEinheitspapierView::Command(FormPrintController::Print));
    const QStringList words[3] = {
        {QStringLiteral("IM"), QStringLiteral("Nordwerk"), QString::fromUtf8("Hafenstraße"), QStringLiteral("Ostimport"),
         QString::fromUtf8("Österreich"), QStringLiteral("JPY"), QStringLiteral("Kugellager"), QStringLiteral("4711"),
         QStringLiteral("6000"), QStringLiteral("1140,00"), QStringLiteral("Hamburg")},
        {QStringLiteral("Zylinderrollen"), QStringLiteral("Nadellager"), QStringLiteral("Pendelrollen"),
         QStringLiteral("AT")},
        {QString::fromUtf8("Gelenkköpfe")}};
    for (int page = 1; page <= 3; ++page) {
        const PdfText queue = printPage(print, page);
        ASSERT_EQ(queue.pages, 1) << "Seite " << page;
        expectWhereExported(queue, exported, page, words[page - 1],
                            EhPrintLayer(EhPrintSetup::uncalibrated()).sheetPictureOffset());
    }
    EXPECT_EQ(dialogs.size(), 3);
    EXPECT_TRUE(questions.isEmpty()) << questions.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(Journeys, FourPageDv1TypedCalculatedSavedReopenedAndPrinted)
{
    namespace F = Dv1Field;
    auto fresh = std::make_unique<CDV1_Doc>();
    fresh->setModified(false);
    showDv1(std::move(fresh));
    const auto goTo = [this](int field, int page) { ASSERT_TRUE(dv1View->goToFormField(field, page)); };
    const auto text = [this](int field, int page) { return dv1Doc->fieldStore().text(field, page); };

    // The front: seller, buyer and invoice, Tab from one to the next.
    type(QStringLiteral("Pacific Bearings Ltd"));
    key(Qt::Key_Tab);
    type(QStringLiteral("Ostimport KG"));
    goTo(F::Invoice, 1);
    type(QStringLiteral("RE-4711"));

    // The back: the price and the transport of item 1.
    key(Qt::Key_Right, Qt::ControlModifier);
    ASSERT_EQ(dv1View->currentPage(), 2);
    goTo(F::NationalPrice1, 2);
    type(QStringLiteral("12500"));
    goTo(F::Transport1, 2);
    type(QStringLiteral("350"));

    // Two D.V.1 BIS pages with F10, an item on each.
    key(Qt::Key_F10);
    ASSERT_EQ(dv1Doc->pageCount(), 3);
    ASSERT_EQ(dv1View->currentPage(), 3);
    goTo(F::NationalPrice1, 3);
    type(QStringLiteral("800"));
    key(Qt::Key_F10);
    ASSERT_EQ(dv1Doc->pageCount(), 4);
    goTo(F::NationalPrice1, 4);
    type(QStringLiteral("77"));

    // F3 works out the sums of every page.
    key(Qt::Key_F3);
    EXPECT_EQ(text(F::TotalA1, 2), QStringLiteral("12.500,00"));
    EXPECT_EQ(text(F::TotalB1, 2), QStringLiteral("350,00"));
    EXPECT_EQ(text(F::DeclaredValue1, 2), QStringLiteral("12.850,00"));
    EXPECT_EQ(text(F::TotalA1, 3), QStringLiteral("800,00"));
    EXPECT_EQ(text(F::DeclaredValue1, 4), QStringLiteral("77,00"));
    EXPECT_TRUE(dv1Doc->isModified());

    // Saved and opened again: every text of the four pages kept.
    const QString path = dir.file(QStringLiteral("Lager.fdv"));
    QString error;
    ASSERT_TRUE(DV1File::save(path, *dv1Doc, &error)) << error.toStdString();
    EXPECT_FALSE(dv1Doc->isModified());
    auto reread = std::make_unique<CDV1_Doc>();
    ASSERT_TRUE(DV1File::load(path, *reread, &error)) << error.toStdString();
    ASSERT_EQ(reread->pageCount(), 4);
    for (int page = 1; page <= 4; ++page) {
        for (int f = 0; f < dv1Doc->fieldStore().fieldCount(page); ++f)
            EXPECT_EQ(reread->fieldStore().text(f, page), text(f, page)) << "Seite " << page << " Feld " << f;
    }
    showDv1(std::move(reread));

    // Exported, and printed page by page on the remembered queue.
    rememberPrinter(Settings::SectionDV1, A4Queue);
    Profile::set(Settings::ShowMarginDlg, 1);
    exportPath = dir.file(QStringLiteral("Lager-DV1.pdf"));
    dv1View->action(FormPrintController::ExportPdf)->trigger();
    const PdfText exported = readPdfText(exportPath);
    ASSERT_EQ(exported.pages, 4);
    const QStringList words[4] = {
        {QStringLiteral("Pacific"), QStringLiteral("Ostimport"), QStringLiteral("RE-4711")},
        {QStringLiteral("12.500,00"), QStringLiteral("350,00"), QStringLiteral("12.850,00")},
        {QStringLiteral("800,00")},
        {QStringLiteral("77,00")}};
    for (int page = 1; page <= 4; ++page) {
        const PdfText queue = printPage(dv1View->action(FormPrintController::Print), page);
        ASSERT_EQ(queue.pages, 1) << "Seite " << page;
        expectWhereExported(queue, exported, page, words[page - 1],
                            DV1PrintLayer(Dv1PrintSetup::uncalibrated()).sheetPictureOffset());
    }
    EXPECT_EQ(dialogs.size(), 4);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
}

TEST_F(Journeys, GoodsRecordPickedIntoPositionTwoOfAContinuationSheet)
{
    goodsfixture::useTable(dir.file(QStringLiteral("Artikel1.dbf")),
                           {goodsfixture::goods(QStringLiteral("Kugellager 6204\r\nverzinkt"), QStringLiteral("84821010"),
                                                QStringLiteral("JP"), QString()),
                            goodsfixture::goods(QStringLiteral("Nadellager"), QStringLiteral("84824000"),
                                                QStringLiteral("CN"), QStringLiteral("09"))});
    auto fresh = std::make_unique<CEinheitspapierDoc>();
    fresh->deleteContents();
    fresh->setFormSet(0);
    showEinheitspapier(std::move(fresh));

    // To the continuation sheet, and on with Tab to box 31 of position 2.
    key(Qt::Key_Right, Qt::ControlModifier);
    ASSERT_EQ(ehView->currentPage(), 2);
    const int position2 = contPosition(2);
    for (int i = 0; i < 200 && ehView->currentField() != position2 + EhField::Block::Box31; ++i) {
        const CancelDialogs cancel;
        key(Qt::Key_Tab);
    }
    ASSERT_EQ(ehView->currentField(), position2 + EhField::Block::Box31);

    // F2 opens the goods; the record is found by a word and taken with Enter.
    QString title;
    typeInNextDialog({{Qt::Key_unknown, QStringLiteral("nadel")}, {Qt::Key_Return}}, &title);
    key(Qt::Key_F2);
    EXPECT_EQ(title, QStringLiteral("Stammdatenauswahl"));
    EXPECT_EQ(text(position2 + EhField::Block::Box31, 2), QStringLiteral("Nadellager"));
    EXPECT_EQ(text(position2 + EhField::Block::Box33A, 2), QStringLiteral("84824000"));
    EXPECT_EQ(text(position2 + EhField::Block::Box34A, 2), QStringLiteral("CN"));
    EXPECT_EQ(text(position2 + EhField::Block::Box34B, 2), QStringLiteral("09"));
    // The positions beside it and the first page stay empty.
    EXPECT_EQ(text(contPosition(1) + EhField::Block::Box31, 2), QString());
    EXPECT_EQ(text(contPosition(3) + EhField::Block::Box31, 2), QString());
    EXPECT_EQ(text(EhField::Box31, 1), QString());
    EXPECT_TRUE(ehDoc->isModified());
    // Typing goes on in the box with the record's text.
    key(Qt::Key_End);
    type(QStringLiteral(" 20 Stück"));
    EXPECT_EQ(text(position2 + EhField::Block::Box31, 2), QString::fromUtf8("Nadellager 20 Stück"));
}
