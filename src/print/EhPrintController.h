#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

class CEinheitspapierView;
struct PrintEnvironment;
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
// printer by name, messages, the platform dialogs) comes from the print
// environment its creator hands in, which must outlive it.
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


    // Creates the controller and its actions on the view.
    EhPrintController(CEinheitspapierView& view, const PrintEnvironment& environment);

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
    const PrintEnvironment& m_env;
    QList<QAction*> m_actions;
};
