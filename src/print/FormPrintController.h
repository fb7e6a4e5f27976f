#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

#include "print/MarginSheetModel.h"
#include "print/PrintDialogModel.h"

class CQxScrollViewBase;
class QAction;
class QPagedPaintDevice;
class QPainter;
class QSizeF;
struct PrintEnvironment;

// The print commands of a form view: "&Drucken..." with the margins dialog
// and the print dialog, the printer set-up, "&Ränder...", the preview over a
// pale picture of the form and the PDF export. Each form tells what differs:
// its settings section, its margin pages, its page names in the print
// dialog, and how its sheets are drawn.
//
// It lives as a child of its view and lends the view its actions (ids as the
// menus know them). What it needs of the program (its printer, selecting a
// printer by name, messages, the platform dialogs) comes from the print
// environment its creator hands in, which must outlive it.
class FormPrintController : public QObject
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

    // How a view takes a command of another part of the program.
    using AddCommand = std::function<QAction*(int id, const QString& text, const QList<QKeySequence>& keys,
                                              std::function<void()> handler)>;

    struct Form {
        QString section;                  // the view's settings section
        MarginSheetKeys margins;          // its margins dialog
        PrintDialogModel::FormKind kind;  // its page names in the print dialog
        QString pdfName;                  // proposed for a document without a file
        QList<QKeySequence> marginKeys;   // the key of "&Ränder...", if any
    };

    QList<QAction*> actions() const { return m_actions; }
    QAction* action(Command id) const;

    // The commands.
    void OnFilePrint();
    void OnFilePrintSetup();
    void OnFilePrintPreview();
    void OnMargins();
    void OnExportPdf();

protected:
    FormPrintController(CQxScrollViewBase& view, const AddCommand& add, const PrintEnvironment& environment, Form form);

    // The document's pages, the page shown and the document's file.
    virtual int pageCount() const = 0;
    virtual int currentPage() const = 0;
    virtual QString documentPath() const = 0;
    // The chosen page, copies times, onto the printer.
    virtual bool printCopies(QPagedPaintDevice& device, int page, int copies) const = 0;
    // What the print dialog warns of for a page: the texts a printer with a
    // printable area of this size (mm) would cut. Empty: nothing.
    virtual QString cutWarning(int page, const QSizeF& printableMm) const = 0;
    // One whole sheet of the preview in sheet units from the sheet's corner:
    // the pale form and the texts where they land on the paper.
    virtual void paintPreviewSheet(QPainter& painter, int page) const = 0;
    virtual bool exportPdf(const QString& path, QString* error) const = 0;

    CQxScrollViewBase& view() const { return m_view; }

private:
    // One round of the print command; false when it is to start again.
    bool printOnce();

    CQxScrollViewBase& m_view;
    const PrintEnvironment& m_env;
    Form m_form;
    QList<QAction*> m_actions;
};
