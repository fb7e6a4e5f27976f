// The print command on a real queue: the program's printer chosen by the
// remembered name, the job through the scheduler and its filters onto a
// PDF printer, and the texts of the printed file where the same print into
// a PDF file has them, with the margins and the print area correction of
// the settings.
#include "PrintQueueFixture.h"
#include "dv1/CDV1_Doc.h"
#include "dv1/CDV1_View.h"
#include "dv1/DV1Field.h"
#include "form/EhField.h"
#include "print/DV1PrintController.h"
#include "print/DV1PrintJob.h"
#include "print/EhPrintJob.h"
#include "view/FormPainter.h"

using namespace printqueue;

TEST_F(PrintQueue, EinheitspapierOnTheRememberedQueueWithMarginsAndCorrection)
{
    ASSERT_TRUE(openEinheitspapier());
    CEinheitspapierDoc& doc = *ehDoc;
    CEinheitspapierView* view = ehView.get();
    doc.store().setText(EhField::Box2Address, 1, QStringLiteral("Nordwerk GmbH\r\nHafenstrasse 12\r\n20457 Hamburg"));
    doc.store().setText(EhField::Box8Address, 1, QStringLiteral("Ostimport KG\r\nLindenweg 4"));
    doc.store().setText(EhField::Box22A, 1, QStringLiteral("USD"));
    doc.store().setText(EhField::Box31, 1, QStringLiteral("120 Kartons Kugellager"));
    doc.store().setText(EhField::Box33A, 1, QStringLiteral("84821010"));
    doc.store().setText(EhField::Box54Place, 1, QStringLiteral("Hamburg 09.12.2026"));

    rememberPrinter(Settings::SectionEH, A4Queue);
    Profile::set(Settings::ShowMarginDlgEH, 1);
    Profile::set(Settings::Left_Margin_EH, 50);   // 5 mm to the right
    Profile::set(Settings::Top_Margin_EH, -20);   // 2 mm up
    Profile::set(Settings::PrnFactorH, 990);
    Profile::set(Settings::PrnFactorV, 1010);

    view->action(CEinheitspapierView::Command(EhPrintController::Print))->trigger();
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("CDlgDrucken")});
    EXPECT_EQ(printerInDialog, A4Queue);
    EXPECT_TRUE(questions.isEmpty()) << questions.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
    const PdfText queue = printed(A4Queue);
    ASSERT_EQ(queue.pages, 1);
    EXPECT_TRUE(queue.find(QStringLiteral("Kugellager")));

    const auto sheet = [&](QPagedPaintDevice& device) {
        return EhPrintJob::printCopies(device, EhPrintJob::pageOf(doc, 1, definitions), 1);
    };
    const PdfText same = direct(sheet);
    expectSameWords(queue, same, 1, [](const QPointF& p) { return p; }, "wie in die PDF-Datei gedruckt");

    // Against the sheet without margins and correction: every text moved
    // by the margins and scaled by the correction.
    Profile::set(Settings::Left_Margin_EH, 0);
    Profile::set(Settings::Top_Margin_EH, 0);
    Profile::set(Settings::PrnFactorH, 1000);
    Profile::set(Settings::PrnFactorV, 1000);
    const PdfText plain = direct(sheet);
    expectSameWords(queue, plain, 1, shifted(50, -20, 990, 1010), "mit Rändern und Korrektur");
    // The remembered printer stays remembered.
    EXPECT_EQ(Profile::get(Settings::Printer, QString::fromLatin1(Settings::SectionEH)), A4Queue);
}

TEST_F(PrintQueue, Dv1PageOnTheRememberedQueue)
{
    CDV1_Doc doc;
    doc.AddContinuationPage();
    doc.fieldStore().setText(Dv1Field::Seller, 1, QStringLiteral("Pacific Bearings Ltd\r\nOsaka"));
    doc.fieldStore().setText(Dv1Field::Buyer, 1, QStringLiteral("Ostimport KG"));
    doc.fieldStore().setText(Dv1Field::Invoice, 1, QStringLiteral("RE-4711 vom 01.12.2026"));
    doc.fieldStore().setText(Dv1Field::Item1, 3, QStringLiteral("1"));
    doc.fieldStore().setText(Dv1Field::InvoicePrice1, 3, QStringLiteral("12.500,00"));
    auto view = std::make_unique<CDV1_View>(&doc);
    new DV1PrintController(*view, env);
    view->initialUpdate();

    rememberPrinter(Settings::SectionDV1, A4Queue);
    Profile::set(Settings::ShowMarginDlg, 1);
    Profile::set(Settings::Left_Margin_DV1[2], -30);
    Profile::set(Settings::Top_Margin_DV1[2], 40);
    page = 3;   // the front of the D.V.1 BIS

    view->action(DV1PrintController::Print)->trigger();
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("CDlgDrucken")});
    EXPECT_EQ(printerInDialog, A4Queue);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
    const PdfText queue = printed(A4Queue);
    ASSERT_EQ(queue.pages, 1);
    EXPECT_TRUE(queue.find(QStringLiteral("12.500,00")));
    EXPECT_FALSE(queue.find(QStringLiteral("Ostimport")));   // page 1 stays unprinted

    const auto sheet = [&](QPagedPaintDevice& device) { return DV1PrintJob::printCopies(device, doc, 3, 1); };
    expectSameWords(queue, direct(sheet), 1, [](const QPointF& p) { return p; }, "wie in die PDF-Datei gedruckt");
    Profile::set(Settings::Left_Margin_DV1[2], 0);
    Profile::set(Settings::Top_Margin_DV1[2], 0);
    expectSameWords(queue, direct(sheet), 1, shifted(-30, 40, 1000, 1000), "mit den Rändern der BIS-Vorderseite");
}

TEST_F(PrintQueue, QueueOnLetterPaperAsksBeforeThePrintDialog)
{
    ASSERT_TRUE(openEinheitspapier());
    CEinheitspapierDoc& doc = *ehDoc;
    CEinheitspapierView* view = ehView.get();
    doc.store().setText(EhField::Box31, 1, QStringLiteral("Briefpapier"));
    rememberPrinter(Settings::SectionEH, LetterQueue);
    Profile::set(Settings::ShowMarginDlgEH, 1);
    QAction* print = view->action(CEinheitspapierView::Command(EhPrintController::Print));

    // "Nein": nothing reaches the queue.
    print->trigger();
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions.first().contains(LetterQueue)) << questions.first().toStdString();
    EXPECT_TRUE(questions.first().contains(QStringLiteral("Letter"))) << questions.first().toStdString();
    EXPECT_TRUE(dialogs.isEmpty());

    // "Ja": printed on the queue's paper all the same.
    printAnyway = true;
    print->trigger();
    EXPECT_EQ(questions.size(), 2);
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("CDlgDrucken")});
    const PdfText queue = printed(LetterQueue);
    EXPECT_TRUE(queue.find(QStringLiteral("Briefpapier")));
    EXPECT_TRUE(server->pendingOutput(LetterQueue).isEmpty());

    // Switched off in the program settings, the check asks nothing.
    Profile::set(Settings::PrnPapielageCheck, 0);
    print->trigger();
    EXPECT_EQ(questions.size(), 2);
    EXPECT_TRUE(printed(LetterQueue).find(QStringLiteral("Briefpapier")));

    // The A4 queue chosen by name is A4 again: no question.
    Profile::set(Settings::PrnPapielageCheck, 1);
    rememberPrinter(Settings::SectionEH, A4Queue);
    print->trigger();
    EXPECT_EQ(questions.size(), 2);
    EXPECT_TRUE(printed(A4Queue).find(QStringLiteral("Briefpapier")));
}
