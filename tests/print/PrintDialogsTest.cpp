#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include "TestSupport.h"
#include "settings/Profile.h"
#include "print/CDlgDrucken.h"
#include "print/CDlgPrinterFontSize.h"
#include "print/Common_CDlgPrintSizeCorr.h"
#include "print/Common_DlgMargin02.h"
#include "print/Common_DlgMargin02_Page.h"
#include "print/MarginSheetModel.h"
#include "print/PrintDialogModel.h"
#include "print/PrintSizeCorrection.h"
#include "print/PrinterFontSizes.h"

namespace {

class PrintDialogs : public ::testing::Test
{
protected:
    void SetUp() override { testsupport::clearSettings(); }
};

void click(QWidget* parent, const char* name)
{
    auto* b = parent->findChild<QAbstractButton*>(QLatin1String(name));
    ASSERT_TRUE(b) << name;
    b->click();
}

} // namespace

TEST_F(PrintDialogs, MarginStepsClampAtTwentyMillimetres)
{
    // -19.8 mm: "L" goes half a millimetre beyond the limit, the next press
    // comes back to it.
    EXPECT_EQ(MarginSheetModel::decreased(-198), -203);
    EXPECT_EQ(MarginSheetModel::decreased(-203), -200);
    EXPECT_EQ(MarginSheetModel::decreased(-200), -200);
    EXPECT_EQ(MarginSheetModel::increased(198), 203);
    EXPECT_EQ(MarginSheetModel::increased(203), 200);
    EXPECT_EQ(MarginSheetModel::increased(-3), 2);

    EXPECT_EQ(MarginSheetModel::horizontalText(3), QStringLiteral("0.3 mm nach rechts"));
    EXPECT_EQ(MarginSheetModel::horizontalText(MarginSheetModel::decreased(3)), QStringLiteral("0.2 mm nach links"));
    EXPECT_EQ(MarginSheetModel::horizontalText(0), QStringLiteral("unverändert"));
    EXPECT_EQ(MarginSheetModel::verticalText(125), QStringLiteral("12.5 mm nach unten"));
    EXPECT_EQ(MarginSheetModel::verticalText(-200), QStringLiteral("20.0 mm nach oben"));
    EXPECT_EQ(MarginSheetModel::verticalText(0), QStringLiteral("unverändert"));
}

TEST_F(PrintDialogs, MarginSheetPagesAndStore)
{
    MarginSheetModel m;
    EXPECT_EQ(m.pageCaption(5), QStringLiteral("Seite 6"));
    EXPECT_TRUE(m.setPageCount(6));
    EXPECT_FALSE(m.setPageCount(7));
    EXPECT_FALSE(m.setPageCount(1));
    EXPECT_EQ(m.pageCount(), 6);
    EXPECT_EQ(MarginSheetModel::tooManyPagesText(), QStringLiteral("Dialog Ränder - Fehler, zu viele Seiten"));

    const MarginSheetKeys keys = MarginSheetKeys::einheitspapier();
    Profile::set(Settings::Left_Margin_EH, 3);
    Profile::set(Settings::Top_Margin2_EH, -45);
    Profile::set(Settings::ShowMarginDlgEH, 1);
    MarginSheetModel eh;
    eh.load(keys);
    EXPECT_EQ(eh.caption(), QStringLiteral("Ränder bei Ausdruck (Einheitspapier)"));
    EXPECT_EQ(eh.pageCount(), 2);
    EXPECT_EQ(eh.pageCaption(1), QStringLiteral("  Ergänzungsblätter "));
    EXPECT_EQ(eh.horizontal(0), 3);
    EXPECT_EQ(eh.vertical(1), -45);
    EXPECT_TRUE(eh.suppressed());
    EXPECT_EQ(MarginSheetKeys::dv1().pages.size(), 4);

    // The dialog works on its copy; the caller saves after OK.
    Common_DlgMargin02 dialog(eh);
    EXPECT_EQ(dialog.windowTitle(), eh.caption());
    ASSERT_EQ(dialog.pageCount(), 2);
    Common_DlgMargin02_Page* first = dialog.page(0);
    EXPECT_EQ(first->horizontalText(), QStringLiteral("0.3 mm nach rechts"));
    click(first, "moveL");
    EXPECT_EQ(first->horizontalText(), QStringLiteral("0.2 mm nach links"));
    EXPECT_TRUE(first->isModified());
    click(dialog.page(1), "moveU");
    EXPECT_EQ(Profile::get(Settings::Left_Margin_EH), 3);

    // One check box for all pages: cleared on page 1, page 2 shows it cleared.
    first->findChild<QCheckBox*>(QStringLiteral("suppress"))->setChecked(false);
    dialog.showPage(1);
    EXPECT_FALSE(dialog.page(1)->findChild<QCheckBox*>(QStringLiteral("suppress"))->isChecked());
    dialog.accept();
    dialog.values().save(keys);
    EXPECT_EQ(Profile::get(Settings::Left_Margin_EH), -2);
    EXPECT_EQ(Profile::get(Settings::Top_Margin2_EH), -40);
    EXPECT_EQ(Profile::get(Settings::ShowMarginDlgEH), 0);
}

TEST_F(PrintDialogs, PrintAreaCorrectionBoundsAndStorage)
{
    EXPECT_EQ(PrintSizeCorrection::parse(QStringLiteral("97.0")), 970);
    EXPECT_EQ(PrintSizeCorrection::parse(QStringLiteral("103.0")), 1030);
    EXPECT_EQ(PrintSizeCorrection::parse(QStringLiteral("96.9")), std::nullopt);
    EXPECT_EQ(PrintSizeCorrection::parse(QStringLiteral("103.1")), std::nullopt);
    EXPECT_EQ(PrintSizeCorrection::parse(QStringLiteral("99.95")), 999);
    EXPECT_EQ(PrintSizeCorrection::parse(QStringLiteral("100,5")), 1005);
    EXPECT_EQ(PrintSizeCorrection::parse(QStringLiteral("1.000,5")), std::nullopt);
    EXPECT_EQ(PrintSizeCorrection::parse(QStringLiteral("abc")), std::nullopt);
    // Every tenth in the range comes back as itself.
    for (int tenths = 970; tenths <= 1030; ++tenths)
        EXPECT_EQ(PrintSizeCorrection::parse(PrintSizeCorrection::percentText(tenths)), tenths);

    Profile::set(Settings::PrnFactorV, 1012);
    Common_CDlgPrintSizeCorr dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Druckbereich-Korrektur"));
    EXPECT_EQ(dialog.verticalEdit()->text(), QStringLiteral("101,2"));
    EXPECT_EQ(dialog.horizontalEdit()->text(), QStringLiteral("100,0"));
    dialog.horizontalEdit()->setText(QStringLiteral("99.95"));
    dialog.reject();
    EXPECT_EQ(Profile::get(Settings::PrnFactorH), 1000);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Profile::get(Settings::PrnFactorH), 999);
    EXPECT_EQ(Profile::get(Settings::PrnFactorV), 1012);

    Profile::set(Settings::Language, 1);
    Common_CDlgPrintSizeCorr english;
    EXPECT_EQ(english.windowTitle(), QStringLiteral("Print Area Correction"));
    EXPECT_TRUE(english.findChild<QPushButton*>(QStringLiteral("cancel"))->text() == QStringLiteral("Abort"));
}

TEST_F(PrintDialogs, PrinterFontSizesBothForms)
{
    EXPECT_EQ(PrinterFontSizes::parse(QStringLiteral("50")), 50);
    EXPECT_EQ(PrinterFontSizes::parse(QStringLiteral("150")), 150);
    EXPECT_EQ(PrinterFontSizes::parse(QStringLiteral("49")), std::nullopt);
    EXPECT_EQ(PrinterFontSizes::parse(QStringLiteral("151")), std::nullopt);
    EXPECT_EQ(PrinterFontSizes::parse(QStringLiteral("95.5")), std::nullopt);

    Profile::set(Settings::PrinterFontFactor, QString::fromLatin1(Settings::SectionDV1), 120);
    CDlgPrinterFontSize dialog;
    EXPECT_EQ(dialog.einheitspapierBox()->value(), 95);
    EXPECT_EQ(dialog.dv1Box()->value(), 120);
    dialog.einheitspapierBox()->setValue(80);
    dialog.accept();
    EXPECT_EQ(Profile::get(Settings::PrinterFontFactor, QString::fromLatin1(Settings::SectionEH)), 80);
    EXPECT_EQ(Profile::get(Settings::PrinterFontFactor, QString::fromLatin1(Settings::SectionDV1)), 120);
}

TEST_F(PrintDialogs, PrintDialogPagesCopiesAndPrinterChoice)
{
    EXPECT_EQ(PrintDialogModel::parseCopies(QStringLiteral("0")), std::nullopt);
    EXPECT_EQ(PrintDialogModel::parseCopies(QStringLiteral("10")), std::nullopt);
    EXPECT_EQ(PrintDialogModel::parseCopies(QStringLiteral("9")), 9);
    EXPECT_EQ(PrintDialogModel::pageEntries(PrintDialogModel::Dv1, 3).last(),
              QStringLiteral("Seite 3 drucken - D.V.1 BIS"));

    QPrinter printer(QPrinter::HighResolution);
    CDlgDrucken dialog(printer);
    dialog.setPageCount(3);
    dialog.prepare();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Einheitspaier bedrucken"));
    ASSERT_EQ(dialog.pageBox()->count(), 3);
    EXPECT_EQ(dialog.pageBox()->itemText(1), QStringLiteral("Seite 2 drucken"));
    dialog.pageBox()->setCurrentIndex(1);
    dialog.copiesEdit()->setText(QStringLiteral("3"));
    dialog.reuseBox()->setChecked(true);
    dialog.accept();
    EXPECT_EQ(dialog.chosenPage(), 2);
    EXPECT_EQ(dialog.copies(), 3);
    EXPECT_TRUE(dialog.reusePrinter());

    // The remembered printer: "@" means none, even with the box ticked.
    const QString eh = QString::fromLatin1(Settings::SectionEH);
    Profile::set(Settings::ReUsePrn, eh, 1);
    EXPECT_TRUE(PrintDialogModel::rememberedPrinter(eh).isEmpty());
    PrintDialogModel::storeChoice(eh, true, QStringLiteral("Laser 3"));
    EXPECT_EQ(PrintDialogModel::rememberedPrinter(eh), QStringLiteral("Laser 3"));
    PrintDialogModel::storeChoice(eh, false, QStringLiteral("Laser 3"));
    EXPECT_EQ(Profile::get(Settings::Printer, eh), QStringLiteral("@"));
    EXPECT_TRUE(PrintDialogModel::rememberedPrinter(eh).isEmpty());
}
