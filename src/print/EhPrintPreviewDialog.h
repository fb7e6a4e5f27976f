#pragma once

#include <QDialog>

#include <memory>

class CEinheitspapierDoc;
class FieldDefinitions;
class QPrinter;
class QPrintPreviewWidget;

// "Seitenansicht": every page of the document as the printer would get it,
// over a pale picture of the form, so that one sees before printing whether
// each text stays inside its box. "Drucken..." closes it with Accepted and
// printRequested(), for the print command to take over.
class EhPrintPreviewDialog : public QDialog
{
    Q_OBJECT

public:
    // printer: the program's printer, whose paper and margins are shown;
    // startPage: the page shown first (1 = first page).
    EhPrintPreviewDialog(const CEinheitspapierDoc& doc, const FieldDefinitions& definitions,
                         const QPrinter& printer, int startPage, QWidget* parent = nullptr);
    ~EhPrintPreviewDialog() override;

    bool printRequested() const { return m_printRequested; }
    QPrintPreviewWidget* preview() const { return m_preview; }

    // Paints every page of the document onto a printer (what the preview
    // shows on its pages).
    void paintPages(QPrinter* printer) const;

private:
    const CEinheitspapierDoc& m_doc;
    const FieldDefinitions& m_definitions;
    std::unique_ptr<QPrinter> m_printer;
    QPrintPreviewWidget* m_preview;
    bool m_printRequested = false;
};
