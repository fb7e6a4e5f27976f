#pragma once

#include <QString>

#include <functional>
#include <memory>

class HelpContext;
class QDialog;
class QPrinter;
class QWidget;

// What printing needs of the program: its printer, choosing a printer by
// name, messages, the platform's dialogs. The program makes one at start-up
// and hands it to every print controller; tests hand in their own.
struct PrintEnvironment {
    // The program's printer; every print job and the preview use it.
    std::function<QPrinter&()> printer;
    // Makes the named printer the program's printer; when it is gone,
    // says so and keeps the present one.
    std::function<bool(QWidget* parent, const QString& name)> selectPrinter;
    std::function<void(QWidget* parent, const QString& text)> message;
    // A question with Ja and Nein; true for Ja.
    std::function<bool(QWidget* parent, const QString& text)> confirm;
    // The platform's printer selection on the program's printer.
    std::function<void(QWidget* parent, QPrinter& printer)> printSetup;
    // Where "Als PDF exportieren..." writes; empty: cancelled.
    std::function<QString(QWidget* parent, const QString& proposal)> pdfFileName;
    // Runs a modal dialog and returns its result.
    std::function<int(QDialog& dialog)> runDialog;
    // The program's help context, set to each print dialog's topic while
    // it is open; none: no topics.
    HelpContext* help = nullptr;
    // Asked before a document is printed, with the view that prints it:
    // false stops the print (the program checks the form here). None: go on.
    std::function<bool(QWidget* view)> beforePrint;

    // The platform's printer selection as "Druckerauswahl", whose OK button
    // says "OK": it chooses the printer and prints nothing.
    static std::unique_ptr<QDialog> printSetupDialog(QPrinter& printer, QWidget* parent);

    // A printer of its own, plain message boxes and the platform's dialogs.
    static PrintEnvironment defaults();

    // Makes the named printer the one printer prints on; when there is no
    // such printer, tells why and keeps the present one.
    static bool selectByName(QPrinter& printer, const QString& name,
                             const std::function<void(const QString& text)>& tell);
};
