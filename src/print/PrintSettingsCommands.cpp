#include "print/PrintSettingsCommands.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "print/CDlgPrinterFontSize.h"
#include "print/Common_CDlgPrintSizeCorr.h"
#include "print/EhPrintController.h"

namespace PrintSettingsCommands {

Actions install(QWidget& window, QMenu& menu, QAction* before)
{
    Actions a;
    a.printerFontSize = new QAction(QStringLiteral("&Druckerschriftgrößen korrigieren..."), &window);
    a.printerFontSize->setObjectName(QStringLiteral("printerFontSize"));
    QObject::connect(a.printerFontSize, &QAction::triggered, &window, [w = &window] { runPrinterFontSize(w); });
    menu.insertAction(before, a.printerFontSize);

    a.printSizeCorrection = new QAction(QStringLiteral("Druckbereich-Korrektur"), &window);
    a.printSizeCorrection->setObjectName(QStringLiteral("printSizeCorrection"));
    a.printSizeCorrection->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::Key_P));
    a.printSizeCorrection->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(a.printSizeCorrection, &QAction::triggered, &window, [w = &window] { runPrintSizeCorrection(w); });
    window.addAction(a.printSizeCorrection);
    return a;
}

void runPrinterFontSize(QWidget* parent)
{
    CDlgPrinterFontSize dialog(parent);
    EhPrintController::environment().runDialog(dialog);
}

void runPrintSizeCorrection(QWidget* parent)
{
    Common_CDlgPrintSizeCorr dialog(parent);
    EhPrintController::environment().runDialog(dialog);
}

} // namespace PrintSettingsCommands
