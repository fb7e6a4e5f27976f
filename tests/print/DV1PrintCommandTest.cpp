// The print commands of an open D.V.1: the margins of its four sheet sides,
// its pages in the print dialog, the preview.
#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

#include "PdfWords.h"
#include "TestSupport.h"
#include "dv1/CDV1_Doc.h"
#include "dv1/CDV1_View.h"
#include "dv1/DV1Field.h"
#include "print/CDlgDrucken.h"
#include "print/Common_DlgMargin02.h"
#include "print/Common_DlgMargin02_Page.h"
#include "print/DV1PrintController.h"
#include "print/PrintEnvironment.h"
#include "settings/Profile.h"

namespace {

const QString Dv1 = QString::fromLatin1(Settings::SectionDV1);

class Dv1PrintCommand : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::clearSettings();
        doc.AddContinuationPage();
        doc.fieldStore().setText(Dv1Field::Seller, 1, QStringLiteral("Verkaeufer"));
        doc.fieldStore().setText(Dv1Field::Item1, 3, QStringLiteral("Blatt3"));
        view = std::make_unique<CDV1_View>(&doc);
        new DV1PrintController(*view, env);
        view->initialUpdate();

        pdf = dir.file(QStringLiteral("druck.pdf"));
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        printer->setPageMargins(QMarginsF(0, 0, 0, 0));
        env.printer = [this]() -> QPrinter& { return *printer; };
        env.message = [this](QWidget*, const QString& text) { messages.append(text); };
        env.confirm = [](QWidget*, const QString&) { return true; };
        env.runDialog = [this](QDialog& d) {
            dialogs.append(d.metaObject()->className());
            return answer ? answer(d) : int(QDialog::Rejected);
        };
    }

    void TearDown() override { view.reset(); }

    void run(int command) { view->action(command)->trigger(); }

    testsupport::TempDir dir;
    PrintEnvironment env = PrintEnvironment::defaults();
    QString pdf;
    std::unique_ptr<QPrinter> printer;
    CDV1_Doc doc;
    std::unique_ptr<CDV1_View> view;
    std::function<int(QDialog&)> answer;
    QStringList dialogs;
    QStringList messages;
};

} // namespace

TEST_F(Dv1PrintCommand, MarginsOfTheFourSheetSidesOnF9)
{
    QAction* margins = view->action(DV1PrintController::Margins);
    ASSERT_TRUE(margins);
    EXPECT_EQ(margins->shortcut(), QKeySequence(Qt::Key_F9));
    QString caption;
    QStringList pages;
    answer = [&](QDialog& d) {
        auto* dialog = qobject_cast<Common_DlgMargin02*>(&d);
        caption = dialog->windowTitle();
        for (int i = 0; i < dialog->pageCount(); ++i)
            pages << dialog->values().pageCaption(i);
        // One step to the right on the front of a D.V.1 BIS.
        dialog->showPage(2);
        dialog->page(2)->findChild<QAbstractButton*>(QStringLiteral("moveR"))->click();
        dialog->accept();
        return int(QDialog::Accepted);
    };
    run(DV1PrintController::Margins);
    EXPECT_EQ(caption, QStringLiteral("Ränder beim Ausdruck für D.V.1"));
    EXPECT_EQ(pages, (QStringList{QStringLiteral(" D.V.1 Vorderseite "), QStringLiteral(" D.V.1 Rückseite "),
                                  QStringLiteral(" D.V.1 BIS Vorderseite "), QStringLiteral(" D.V.1 BIS Rückseite ")}));
    EXPECT_EQ(Profile::get(Settings::Left_Margin_DV1[2]), 5);
    EXPECT_EQ(Profile::get(Settings::Left_Margin_DV1[0]), 0);
}

TEST_F(Dv1PrintCommand, PrintDialogNamesTheSheetsAndPrintsTheChosenOne)
{
    QString caption;
    QStringList entries;
    answer = [&](QDialog& d) {
        auto* print = qobject_cast<CDlgDrucken*>(&d);
        if (!print)
            return int(QDialog::Rejected);   // the margins: printing goes on
        print->prepare();
        caption = print->windowTitle();
        for (int i = 0; i < print->pageBox()->count(); ++i)
            entries << print->pageBox()->itemText(i);
        print->pageBox()->setCurrentIndex(2);
        print->copiesEdit()->setText(QStringLiteral("2"));
        print->reuseBox()->setChecked(true);
        print->accept();
        return print->result();
    };
    run(DV1PrintController::Print);
    EXPECT_EQ(dialogs, (QStringList{QStringLiteral("Common_DlgMargin02"), QStringLiteral("CDlgDrucken")}));
    EXPECT_EQ(caption, QStringLiteral("D.V.1 Formular bedrucken"));
    EXPECT_EQ(entries, (QStringList{QStringLiteral("Seite 1 drucken - D.V.1"), QStringLiteral("Seite 2 drucken - D.V.1"),
                                    QStringLiteral("Seite 3 drucken - D.V.1 BIS")}));
    const PdfText text = readPdfText(pdf);
    EXPECT_EQ(text.pages, 2);
    EXPECT_TRUE(text.find(QStringLiteral("Blatt3"), 2));
    EXPECT_FALSE(text.find(QStringLiteral("Verkaeufer")));
    // The choice of printer is the D.V.1's own.
    EXPECT_EQ(Profile::get(Settings::ReUsePrn, Dv1), 1);
    EXPECT_EQ(Profile::get(Settings::ReUsePrn, QString::fromLatin1(Settings::SectionEH)), 0);

    // "ShowMarginDlg" set: straight to the print dialog.
    Profile::set(Settings::ShowMarginDlg, 1);
    dialogs.clear();
    answer = nullptr;
    run(DV1PrintController::Print);
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("CDlgDrucken")});
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Dv1PrintCommand, PreviewShowsEveryPage)
{
    answer = [](QDialog& d) {
        auto* preview = d.findChild<QPrintPreviewWidget*>();
        EXPECT_TRUE(preview);
        if (preview)
            EXPECT_EQ(preview->pageCount(), 3);
        return int(QDialog::Rejected);
    };
    run(DV1PrintController::PrintPreview);
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("PrintPreviewDialog")});
}

// The D.V.1 is printed onto A4 sheets standing upright as well: other paper
// is questioned before the print dialog, and "Nein" prints nothing.
TEST_F(Dv1PrintCommand, PaperOtherThanA4PortraitIsQuestionedFirst)
{
    Profile::set(Settings::ShowMarginDlg, 1);
    QStringList questions;
    bool goOn = false;
    env.confirm = [&](QWidget*, const QString& text) {
        questions.append(text);
        return goOn;
    };
    answer = [](QDialog& d) {
        auto* print = qobject_cast<CDlgDrucken*>(&d);
        if (!print)
            return int(QDialog::Rejected);
        print->prepare();
        print->accept();
        return print->result();
    };
    printer->setPageSize(QPageSize(QPageSize::A5));
    run(DV1PrintController::Print);
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions.first().contains(QStringLiteral("A5"))) << questions.first().toStdString();
    EXPECT_TRUE(dialogs.isEmpty());
    EXPECT_FALSE(QFile::exists(pdf));

    goOn = true;
    run(DV1PrintController::Print);
    EXPECT_EQ(dialogs, QStringList{QStringLiteral("CDlgDrucken")});
    EXPECT_TRUE(readPdfText(pdf).find(QStringLiteral("Verkaeufer"), 1));

    // A4 upright: no question.
    questions.clear();
    printer->setPageSize(QPageSize(QPageSize::A4));
    run(DV1PrintController::Print);
    EXPECT_TRUE(questions.isEmpty());
}
