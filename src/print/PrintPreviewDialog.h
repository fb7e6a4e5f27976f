#pragma once

#include <QDialog>

#include <memory>

#include "print/SheetOutput.h"

class QPrinter;
class QPrintPreviewWidget;

// "Seitenansicht": every page of a document as the printer would get it,
// over a pale picture of the form, so that one sees before printing whether
// each text stays inside its box. "Drucken..." closes it with Accepted and
// printRequested(), for the print command to take over.
class PrintPreviewDialog : public QDialog
{
    Q_OBJECT

public:
    // paint draws one page in sheet units; printer: the program's printer,
    // whose paper and margins are shown; startPage: the page shown first.
    PrintPreviewDialog(int pageCount, SheetOutput::PaintPage paint, const QPrinter& printer, int startPage,
                       QWidget* parent = nullptr);
    ~PrintPreviewDialog() override;

    bool printRequested() const { return m_printRequested; }
    QPrintPreviewWidget* preview() const { return m_preview; }

    // Paints every page onto a printer (what the preview shows).
    void paintPages(QPrinter* printer) const;

private:
    int m_pageCount;
    SheetOutput::PaintPage m_paint;
    std::unique_ptr<QPrinter> m_printer;
    QPrintPreviewWidget* m_preview;
    bool m_printRequested = false;
};
