// What printing tells the user: which printer or file failed and why, the
// printer selection's OK button, and the decimal comma in the number boxes
// of the print dialogs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

#include "TestSupport.h"
#include "form/CEinheitspapierDoc.h"
#include "form/FieldDefinitions.h"
#include "print/CDlgDrucken.h"
#include "print/CDlgPrinterFontSize.h"
#include "print/Common_CDlgPrintSizeCorr.h"
#include "print/EhPrintController.h"
#include "print/PrintEnvironment.h"
#include "print/PrintFailure.h"
#include "settings/Profile.h"
#include "view/CEinheitspapierView.h"

namespace {

// An Einheitspapier view whose print command answers the print dialog with
// the first page and reports its messages to the test.
class PrintMessages : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testsupport::clearSettings();
        Profile::set(Settings::ShowMarginDlgEH, 1);
        doc.deleteContents();
        view = std::make_unique<CEinheitspapierView>(&doc, definitions);
        new EhPrintController(*view, env);
        ASSERT_TRUE(view->initialUpdate(0));
        printer.setPageMargins(QMarginsF(0, 0, 0, 0));
        env.printer = [this]() -> QPrinter& { return printer; };
        env.message = [this](QWidget*, const QString& text) { messages << text; };
        env.runDialog = [](QDialog& d) {
            auto* print = qobject_cast<CDlgDrucken*>(&d);
            if (!print)
                return int(QDialog::Rejected);
            print->prepare();
            print->accept();
            return print->result();
        };
    }

    void print() { view->action(CEinheitspapierView::Command(EhPrintController::Print))->trigger(); }

    testsupport::TempDir dir;
    FieldDefinitions definitions;
    CEinheitspapierDoc doc;
    std::unique_ptr<CEinheitspapierView> view;
    QPrinter printer{QPrinter::HighResolution};
    PrintEnvironment env = PrintEnvironment::defaults();
    QStringList messages;
};

void typeInto(QLineEdit* edit, const QString& text)
{
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

} // namespace

TEST_F(PrintMessages, APrintThatFailsSaysWhichFileOrPrinterAndWhy)
{
    // Into a file in a folder that is not there.
    const QString target = dir.file(QStringLiteral("fehlt/druck.pdf"));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(target);
    print();
    ASSERT_EQ(messages.size(), 1);
    QFile probe(target);
    ASSERT_FALSE(probe.open(QIODevice::WriteOnly));
    EXPECT_EQ(messages.constFirst(), QStringLiteral("Der Druck konnte nicht ausgeführt werden.\n"
                                                    "Die Datei \"%1\" kann nicht geschrieben werden.\n%2")
                                         .arg(QDir::toNativeSeparators(target), probe.errorString()));
    EXPECT_FALSE(QFile::exists(target));

    // Without any printer on the machine (as here), that is what it says.
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "this machine has printers";
    QPrinter none;
    none.setOutputFormat(QPrinter::PdfFormat);
    none.setOutputFileName(QString());
    EXPECT_EQ(PrintFailure::message(none), QStringLiteral("Der Druck konnte nicht ausgeführt werden.\n"
                                                          "Auf diesem Rechner ist kein Drucker eingerichtet."));
}

TEST_F(PrintMessages, ThePrinterSelectionsOkButtonSaysOk)
{
    std::unique_ptr<QDialog> dialog = PrintEnvironment::printSetupDialog(printer, nullptr);
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Druckerauswahl"));
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Ok)->text(), QStringLiteral("OK"));
    dialog->reject();
}

TEST_F(PrintMessages, NumberBoxesTakeTheDecimalComma)
{
    // The print area correction, typed as a German user types.
    {
        Common_CDlgPrintSizeCorr dialog;
        EXPECT_EQ(dialog.verticalEdit()->text(), QStringLiteral("100,0"));
        bool hinted = false;
        for (QLabel* label : dialog.findChildren<QLabel*>())
            hinted = hinted || label->text().contains(QStringLiteral("Komma"));
        EXPECT_TRUE(hinted);
        typeInto(dialog.verticalEdit(), QStringLiteral("99,5"));
        typeInto(dialog.horizontalEdit(), QStringLiteral("100.5"));
        dialog.findChild<QPushButton*>(QStringLiteral("ok"))->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(Profile::get(Settings::PrnFactorV), 995);
        EXPECT_EQ(Profile::get(Settings::PrnFactorH), 1005);
    }
    {
        Common_CDlgPrintSizeCorr again;
        EXPECT_EQ(again.verticalEdit()->text(), QStringLiteral("99,5"));
        EXPECT_EQ(again.horizontalEdit()->text(), QStringLiteral("100,5"));
    }
    // The English dialog shows a point and takes both.
    Profile::set(Settings::Language, 1);
    {
        Common_CDlgPrintSizeCorr english;
        EXPECT_EQ(english.verticalEdit()->text(), QStringLiteral("99.5"));
        typeInto(english.verticalEdit(), QStringLiteral("101,5"));
        english.findChild<QPushButton*>(QStringLiteral("ok"))->click();
        EXPECT_EQ(Profile::get(Settings::PrnFactorV), 1015);
    }
    Profile::set(Settings::Language, 0);

    // The whole-number boxes: copies and the printer font sizes take whole
    // numbers only; a decimal comma is refused, never read as another number.
    CDlgDrucken printDialog(printer);
    printDialog.setPageCount(2);
    printDialog.prepare();
    typeInto(printDialog.copiesEdit(), QStringLiteral("2,5"));
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });
    printDialog.accept();
    EXPECT_NE(printDialog.result(), QDialog::Accepted);
    CDlgPrinterFontSize fonts;
    auto* factor = fonts.einheitspapierBox()->findChild<QLineEdit*>();
    ASSERT_NE(factor, nullptr);
    factor->selectAll();
    QTest::keyClicks(factor, QStringLiteral("9,5"));
    EXPECT_EQ(fonts.einheitspapierBox()->value(), 95);
}
