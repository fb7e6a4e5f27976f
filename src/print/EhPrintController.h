#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class CEinheitspapierView;
class QAction;
class QDialog;
class QPrinter;
class QWidget;

// The print commands of an Einheitspapier view: "&Drucken..." with the
// margins dialog and the print dialog, the printer set-up, "&Ränder...",
// the preview over a pale picture of the form and the PDF export.
//
// It lives as a child of its view and lends the view its actions (ids as the
// menus know them). What it needs of the program (its printer, selecting a
// printer by name, messages, the platform dialogs) comes from environment(),
// which the program points at its own printer at start-up; the defaults work
// without it.
class EhPrintController : public QObject
{
    Q_OBJECT

public:
    enum Command {
        PrintSetup = 57606,
        Print = 57607,
        PrintPreview = 57609,
        Margins = 32791,
        ExportPdf = 32901,
    };

    struct Environment {
        // The program's printer; every print job and the preview use it.
        std::function<QPrinter&()> printer;
        // Makes the named printer the program's printer; when it is gone,
        // says so and keeps the present one.
        std::function<bool(QWidget* parent, const QString& name)> selectPrinter;
        std::function<void(QWidget* parent, const QString& text)> message;
        // The platform's printer selection on the program's printer.
        std::function<void(QWidget* parent, QPrinter& printer)> printSetup;
        // Where "Als PDF exportieren..." writes; empty: cancelled.
        std::function<QString(QWidget* parent, const QString& proposal)> pdfFileName;
        // Runs a modal dialog and returns its result.
        std::function<int(QDialog& dialog)> runDialog;
    };
    static Environment& environment();
    // Back to the defaults (a printer of our own, plain message boxes).
    static void resetEnvironment();

    // Creates the controller and its actions on the view.
    explicit EhPrintController(CEinheitspapierView& view);

    QList<QAction*> actions() const { return m_actions; }
    QAction* action(Command id) const;

    // The commands.
    void OnFilePrint();
    void OnFilePrintSetup();
    void OnFilePrintPreview();
    void OnMargins();
    void OnExportPdf();

private:
    void addCommand(Command id, const QString& text, void (EhPrintController::*run)(),
                    const QList<QKeySequence>& keys = {});
    // One round of the print command; false when it is to start again.
    bool printOnce();

    CEinheitspapierView& m_view;
    QList<QAction*> m_actions;
};
