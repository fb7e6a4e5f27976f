#pragma once

class QAction;
class QMenu;
class QWidget;
struct PrintEnvironment;

// The program-wide print settings commands: the printer font sizes
// ("&Druckerschriftgrößen korrigieren...") and the print area correction,
// which has a key only (Ctrl+Alt+Shift+P), no menu entry.
namespace PrintSettingsCommands {

struct Actions {
    QAction* printerFontSize = nullptr;
    QAction* printSizeCorrection = nullptr;
};

// Creates both commands on the window (the correction's key works wherever
// the window has the focus) and puts the font sizes into the menu, before
// the entry `before` (or at its end). The environment runs the dialogs and
// must outlive the window.
Actions install(QWidget& window, QMenu& menu, const PrintEnvironment& env, QAction* before = nullptr);

// The two dialogs, run modally over parent.
void runPrinterFontSize(QWidget* parent, const PrintEnvironment& env);
void runPrintSizeCorrection(QWidget* parent, const PrintEnvironment& env);

} // namespace PrintSettingsCommands
