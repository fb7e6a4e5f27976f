// Every dialog of the running program is wide enough to show its title
// whole in the title bar.
#include <QFont>
#include <QFontMetrics>
#include <QPrinter>
#include <QTest>

#include <functional>
#include <memory>

#include "AppUiTestSupport.h"
#include "app/CDlgNew.h"
#include "app/CDlgNewEhpapier.h"
#include "print/CDlgDrucken.h"
#include "print/CDlgPrinterFontSize.h"
#include "print/Common_CDlgPrintSizeCorr.h"
#include "print/Common_DlgMargin02.h"
#include "print/MarginSheetModel.h"
#include "view/CDlgDeleteEHWarenpositon.h"
#include "view/CDlgMoveEHWarenpositon.h"
#include "view/CDlgTexteingabe.h"

class DialogTitles : public AppFixture
{
};

TEST_F(DialogTitles, EveryDialogIsWideEnoughForItsTitle)
{
    QPrinter printer;
    const QList<std::function<std::unique_ptr<QDialog>()>> dialogs{
        [] { return std::make_unique<Common_CDlgPrintSizeCorr>(); },
        [] { return std::make_unique<CDlgPrinterFontSize>(); },
        [&printer] {
            auto d = std::make_unique<CDlgDrucken>(printer);
            d->setPageCount(3);
            d->prepare();
            return d;
        },
        [] {
            MarginSheetModel values;
            values.load(MarginSheetKeys::einheitspapier());
            return std::make_unique<Common_DlgMargin02>(values);
        },
        [] {
            MarginSheetModel values;
            values.load(MarginSheetKeys::dv1());
            return std::make_unique<Common_DlgMargin02>(values);
        },
        [] { return std::make_unique<CDlgNewEhpapier>(); },
        [] { return std::make_unique<CDlgNew>(true); },
        [] { return std::make_unique<CDlgDeleteEHWarenpositon>(QStringList{QStringLiteral("Position 1 auf Seite 2")}, 0); },
        [] {
            return std::make_unique<CDlgMoveEHWarenpositon>(
                QStringList{QStringLiteral("Position 1 auf Seite 1"), QStringLiteral("Position 1 auf Seite 2")}, 0, 1);
        },
        [] { return std::make_unique<CDlgTexteingabe>(QString()); },
    };
    QFont bold = QApplication::font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    for (const auto& make : dialogs) {
        std::unique_ptr<QDialog> dialog = make();
        const QString title = dialog->windowTitle();
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        // The title, the window's icon and three buttons of a title bar.
        EXPECT_GE(dialog->width(), metrics.horizontalAdvance(title) + 3 * 24) << title.toStdString();
        EXPECT_EQ(dialog->windowTitle(), title);
        dialog->reject();
    }
}
