#include "print/PrintSettingsCommands.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

#include "print/CDlgPrinterFontSize.h"
#include "print/Common_CDlgPrintSizeCorr.h"
#include "print/PrintEnvironment.h"
#include "settings/HelpContext.h"
#include "settings/HelpTopics.h"

namespace PrintSettingsCommands {

Actions install(QWidget& window, QMenu& menu, const PrintEnvironment& env, QAction* before)
{
    Actions a;
    a.printerFontSize = new QAction(QStringLiteral("&Druckerschriftgrößen korrigieren..."), &window);
    a.printerFontSize->setObjectName(QStringLiteral("printerFontSize"));
    a.printerFontSize->setStatusTip(QStringLiteral("Passt die Schriftgröße des Ausdrucks an den Drucker an"));
    QObject::connect(a.printerFontSize, &QAction::triggered, &window, [w = &window, &env] { runPrinterFontSize(w, env); });
    menu.insertAction(before, a.printerFontSize);

    a.printSizeCorrection = new QAction(QStringLiteral("Druckbereich-Korrektur"), &window);
    a.printSizeCorrection->setObjectName(QStringLiteral("printSizeCorrection"));
    a.printSizeCorrection->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::SHIFT | Qt::Key_P));
    a.printSizeCorrection->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(a.printSizeCorrection, &QAction::triggered, &window, [w = &window, &env] { runPrintSizeCorrection(w, env); });
    window.addAction(a.printSizeCorrection);
    return a;
}

void runPrinterFontSize(QWidget* parent, const PrintEnvironment& env)
{
    CDlgPrinterFontSize dialog(parent);
    const HelpContext::Scope help(env.help, HelpTopics::PrinterFontSize);
    env.runDialog(dialog);
}

void runPrintSizeCorrection(QWidget* parent, const PrintEnvironment& env)
{
    Common_CDlgPrintSizeCorr dialog(parent);
    const HelpContext::Scope help(env.help, HelpTopics::PrintSizeCorrection);
    env.runDialog(dialog);
}

} // namespace PrintSettingsCommands
