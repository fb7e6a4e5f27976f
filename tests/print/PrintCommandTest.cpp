#include <gtest/gtest.h>

#include <QAction>
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

#include "PdfWords.h"
#include "TestSupport.h"
#include "form/FieldDefinitions.h"
#include "settings/Profile.h"
#include "form/CEinheitspapierDoc.h"
#include "print/CDlgDrucken.h"
#include "view/CEinheitspapierView.h"
#include "view/CQznEditWindow_EHP.h"
#include "print/Common_DlgMargin02.h"
#include "print/Common_DlgMargin02_Page.h"
#include "print/EhPrintController.h"
#include "print/EhPrintPreviewDialog.h"
#include "print/PrintEnvironment.h"
#include "print/PaperFormatCheck.h"
#include "print/PrintSettingsCommands.h"

namespace {

const QString Eh = QString::fromLatin1(Settings::SectionEH);

// An open Einheitspapier view whose print commands print into a PDF, with
// the dialogs answered by the test.
class PrintCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::clearSettings();
        doc = std::make_unique<CEinheitspapierDoc>();
        doc->deleteContents();
        view = std::make_unique<CEinheitspapierView>(doc.get(), definitions);
        new EhPrintController(*view, env);
        ASSERT_TRUE(view->initialUpdate(0));
        doc->store().setText(10, 1, QStringLiteral("Absender"));
        doc->store().setText(11, 2, QStringLiteral("Ware"));

        pdf = dir.file(QStringLiteral("druck.pdf"));
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        printer->setPageMargins(QMarginsF(0, 0, 0, 0));

        env.printer = [this]() -> QPrinter& { return *printer; };
        env.selectPrinter = [this](QWidget*, const QString& name) {
            selected.append(name);
            return true;
        };
        env.message = [this](QWidget*, const QString& text) { messages.append(text); };
        env.printSetup = [this](QWidget*, QPrinter&) { ++setups; };
        env.confirm = [this](QWidget*, const QString& text) {
            questions.append(text);
            return goOn;
        };
        env.runDialog = [this](QDialog& d) {
            dialogs.append(d.metaObject()->className());
            return answer ? answer(d) : int(QDialog::Rejected);
        };
    }

    void TearDown() override
    {
        view.reset();
        doc.reset();
    }

    void run(int command) { view->action(CEinheitspapierView::Command(command))->trigger(); }

    // Answers the print dialog with a page, copies and the check box.
    static int choose(QDialog& d, int page, const QString& copies, bool reuse)
    {
        auto* print = qobject_cast<CDlgDrucken*>(&d);
        if (!print)
            return QDialog::Rejected;
        print->prepare();
        print->pageBox()->setCurrentIndex(page - 1);
        print->copiesEdit()->setText(copies);
        print->reuseBox()->setChecked(reuse);
        print->accept();
        return print->result();
    }

    testsupport::TempDir dir;
    FieldDefinitions definitions;
    PrintEnvironment env = PrintEnvironment::defaults();
    QString pdf;
    std::unique_ptr<QPrinter> printer;
    std::unique_ptr<CEinheitspapierDoc> doc;
    std::unique_ptr<CEinheitspapierView> view;
    std::function<int(QDialog&)> answer;
    QStringList dialogs;
    QStringList selected;
    QStringList messages;
    QStringList questions;
    bool goOn = true;
    int setups = 0;
};

} // namespace

TEST_F(PrintCommand, ViewLendsItsPrintCommands)
{
    for (int id : {EhPrintController::Print, EhPrintController::PrintSetup, EhPrintController::PrintPreview,
                   EhPrintController::Margins, EhPrintController::ExportPdf})
        EXPECT_TRUE(view->action(CEinheitspapierView::Command(id))) << id;
    EXPECT_EQ(view->action(CEinheitspapierView::Command(EhPrintController::Margins))->text(),
              QStringLiteral("&Ränder..."));

    // Ctrl+P reaches the print command while one types in a field, and what
    // was typed is printed.
    view->show();
    QApplication::setActiveWindow(view.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
    view->goToFormField(18, 1);
    QTest::keyClicks(view->editor(), QStringLiteral("Empfaenger"));
    answer = [](QDialog& d) { return choose(d, 1, QStringLiteral("1"), false); };
    QTest::keyClick(view->editor(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(dialogs, (QStringList{QStringLiteral("Common_DlgMargin02"), QStringLiteral("CDlgDrucken")}));
    EXPECT_TRUE(readPdfText(pdf).find(QStringLiteral("Empfaenger")));
}

TEST_F(PrintCommand, ChosenSheetPrintedOncePerCopyAfterTheMargins)
{
    answer = [](QDialog& d) {
        if (qobject_cast<Common_DlgMargin02*>(&d))
            return int(QDialog::Rejected);   // the print goes on all the same
        return choose(d, 2, QStringLiteral("3"), true);
    };
    run(EhPrintController::Print);
    EXPECT_EQ(dialogs, (QStringList{QStringLiteral("Common_DlgMargin02"), QStringLiteral("CDlgDrucken")}));
    const PdfText text = readPdfText(pdf);
    EXPECT_EQ(text.pages, 3);
    EXPECT_FALSE(text.find(QStringLiteral("Absender")));
    for (int page = 1; page <= 3; ++page)
        EXPECT_TRUE(text.find(QStringLiteral("Ware"), page));
    EXPECT_EQ(Profile::get(Settings::ReUsePrn, Eh), 1);
    EXPECT_TRUE(messages.isEmpty());

    // Without the margins dialog when the user said so; Cancel prints nothing.
    Profile::set(Settings::ShowMarginDlgEH, 1);
    dialogs.clear();
    QFile::remove(pdf);
    answer = nullptr;
    run(EhPrintController::Print);
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("CDlgDrucken")});
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PrintCommand, PrinterSelectionForgetsTheRememberedPrinter)
{
    Profile::set(Settings::ShowMarginDlgEH, 1);
    Profile::set(Settings::Printer, Eh, QStringLiteral("Buero-Laser"));
    Profile::set(Settings::ReUsePrn, Eh, 1);
    int round = 0;
    bool presetReuse = false;
    answer = [&](QDialog& d) {
        auto* print = qobject_cast<CDlgDrucken*>(&d);
        if (!print)
            return int(QDialog::Rejected);
        if (++round == 1) {
            print->prepare();
            presetReuse = print->reuseBox()->isChecked();
            print->setupButton()->click();
        }
        return print->result();
    };
    run(EhPrintController::Print);
    EXPECT_TRUE(presetReuse);
    EXPECT_EQ(selected, QStringList{QStringLiteral("Buero-Laser")});
    EXPECT_EQ(setups, 1);
    // The command started again, now without a remembered printer.
    EXPECT_EQ(round, 2);
    EXPECT_EQ(Profile::get(Settings::Printer, Eh), QStringLiteral("@"));
    EXPECT_EQ(Profile::get(Settings::ReUsePrn, Eh), 0);
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PrintCommand, MarginsCommandWritesOnOkOnly)
{
    answer = [](QDialog& d) {
        auto* margins = qobject_cast<Common_DlgMargin02*>(&d);
        margins->page(1)->findChild<QAbstractButton*>(QStringLiteral("moveR"))->click();
        return int(QDialog::Rejected);
    };
    run(EhPrintController::Margins);
    EXPECT_FALSE(Profile::HasProfileValue(Eh, QStringLiteral("Left_Margin2_EH")));

    answer = [](QDialog& d) {
        auto* margins = qobject_cast<Common_DlgMargin02*>(&d);
        margins->page(1)->findChild<QAbstractButton*>(QStringLiteral("moveR"))->click();
        margins->accept();
        return margins->result();
    };
    run(EhPrintController::Margins);
    EXPECT_EQ(Profile::get(Settings::Left_Margin2_EH), 5);
    for (const char* key : {"Left_Margin_EH", "Top_Margin_EH", "Top_Margin2_EH", "ShowMarginDlgEH"})
        EXPECT_TRUE(Profile::HasProfileValue(Eh, QLatin1String(key))) << key;
}

TEST_F(PrintCommand, PreviewAndExport)
{
    // The preview paints every page; "Drucken..." hands over to printing.
    EhPrintPreviewDialog preview(*doc, definitions, *printer, 2);
    QPrinter pages(QPrinter::HighResolution);
    const QString previewPdf = dir.file(QStringLiteral("vorschau.pdf"));
    pages.setOutputFormat(QPrinter::PdfFormat);
    pages.setOutputFileName(previewPdf);
    preview.paintPages(&pages);
    const PdfText shown = readPdfText(previewPdf);
    EXPECT_EQ(shown.pages, 2);
    EXPECT_TRUE(shown.find(QStringLiteral("Absender"), 1));
    // The pale form lies under the texts: its captions are there too.
    EXPECT_TRUE(shown.find(QStringLiteral("Empfänger"), 2));

    const QString exported = dir.file(QStringLiteral("export.pdf"));
    env.pdfFileName = [&](QWidget*, const QString&) { return exported; };
    run(EhPrintController::ExportPdf);
    const PdfText archive = readPdfText(exported);
    ASSERT_EQ(archive.pages, 2);
    // The form at the page's corner, Feld 2 in its box at 16.0 mm, its text
    // exactly where the screen has it.
    const PdfWord* sender = archive.find(QStringLiteral("Absender"), 1);
    ASSERT_TRUE(sender);
    EXPECT_NEAR(sender->left, 16.0 + 0.2 + 1.0, 0.2);
    // The preview shows the whole sheet alike, its right edge included.
    const PdfWord* shownSender = shown.find(QStringLiteral("Absender"), 1);
    ASSERT_TRUE(shownSender);
    EXPECT_NEAR(shownSender->left, sender->left, 0.1);
    const PdfWord* rightmost = shown.find(QStringLiteral("BESTIMMUNGSZOLLSTELLE"), 1);
    ASSERT_TRUE(rightmost);
    EXPECT_LT(rightmost->right, 205.0);
    EXPECT_TRUE(messages.isEmpty());

    env.pdfFileName = [&](QWidget*, const QString&) {
        return dir.file(QStringLiteral("fehlt/x.pdf"));
    };
    run(EhPrintController::ExportPdf);
    EXPECT_EQ(messages.size(), 1);
}

TEST_F(PrintCommand, ProgramWideSettingsCommands)
{
    QWidget window;
    QMenu menu;
    const PrintSettingsCommands::Actions a = PrintSettingsCommands::install(window, menu, env);
    EXPECT_EQ(menu.actions(), QList<QAction*>{a.printerFontSize});
    EXPECT_EQ(a.printerFontSize->text(), QStringLiteral("&Druckerschriftgrößen korrigieren..."));
    EXPECT_FALSE(menu.actions().contains(a.printSizeCorrection));
    EXPECT_TRUE(window.actions().contains(a.printSizeCorrection));
    EXPECT_EQ(a.printSizeCorrection->shortcut(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::Key_P));
    a.printSizeCorrection->trigger();
    a.printerFontSize->trigger();
    EXPECT_EQ(dialogs, (QStringList{QStringLiteral("Common_CDlgPrintSizeCorr"), QStringLiteral("CDlgPrinterFontSize")}));
}

TEST_F(PrintCommand, PaperOtherThanA4PortraitIsQuestionedBeforeAnythingPrints)
{
    Profile::set(Settings::ShowMarginDlgEH, 1);
    answer = [](QDialog& d) { return choose(d, 1, QStringLiteral("1"), false); };

    // A4 upright: no question.
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(QPageLayout::Portrait);
    run(EhPrintController::Print);
    EXPECT_TRUE(questions.isEmpty());
    EXPECT_TRUE(QFile::exists(pdf));

    // Letter: asked first; "Nein" ends the command before the print dialog.
    QFile::remove(pdf);
    dialogs.clear();
    printer->setPageSize(QPageSize(QPageSize::Letter));
    goOn = false;
    run(EhPrintController::Print);
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions.first().contains(QStringLiteral("nicht das Papierformat A4 hochkant eingestellt, sondern "
                                                          "Letter")));
    EXPECT_TRUE(questions.first().endsWith(QStringLiteral("Möchten Sie trotzdem drucken?")));
    EXPECT_TRUE(dialogs.isEmpty());
    EXPECT_FALSE(QFile::exists(pdf));

    // A4 lying: asked, and "Ja" prints.
    questions.clear();
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageOrientation(QPageLayout::Landscape);
    goOn = true;
    run(EhPrintController::Print);
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions.first().contains(QStringLiteral(" quer.")));
    EXPECT_TRUE(QFile::exists(pdf));

    // Switched off in the program settings: no question.
    questions.clear();
    Profile::set(Settings::PrnPapielageCheck, 0);
    run(EhPrintController::Print);
    EXPECT_TRUE(questions.isEmpty());
}

TEST(PaperFormatCheck, A4IsKnownBySizeNotByName)
{
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    EXPECT_TRUE(PaperFormatCheck::isA4Portrait(a4));
    EXPECT_TRUE(PaperFormatCheck::question(a4, QStringLiteral("Buero")).isEmpty());
    // A driver's own name for a sheet of 210 x 297 mm.
    const QPageLayout custom(QPageSize(QSizeF(210.4, 296.8), QPageSize::Millimeter, QStringLiteral("Formular")),
                             QPageLayout::Portrait, QMarginsF());
    EXPECT_TRUE(PaperFormatCheck::isA4Portrait(custom));
    const QPageLayout a5(QPageSize(QPageSize::A5), QPageLayout::Portrait, QMarginsF());
    EXPECT_EQ(PaperFormatCheck::question(a5, QStringLiteral("Buero")),
              QStringLiteral("Im Drucker \"Buero\" ist nicht das Papierformat A4 hochkant eingestellt, sondern A5 "
                             "(148 × 210 mm) hochkant.\nDie Formulare sind für A4 hochkant eingerichtet; auf anderem "
                             "Papier liegt der Druck nicht in den Feldern.\n\nMöchten Sie trotzdem drucken?"));
}
