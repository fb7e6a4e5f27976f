#pragma once

#include "print/FormPrintController.h"

class CEinheitspapierView;
struct EhFormPage;

// The print commands of an Einheitspapier view: its two sheet types in the
// margins dialog, its pages in the print dialog, its sheets (with the
// program's field flags) on paper, in the preview and in the PDF export.
class EhPrintController : public FormPrintController
{
    Q_OBJECT

public:
    // Creates the controller and its actions on the view.
    EhPrintController(CEinheitspapierView& view, const PrintEnvironment& environment);

protected:
    int pageCount() const override;
    int currentPage() const override;
    QString documentPath() const override;
    bool printCopies(QPagedPaintDevice& device, int page, int copies) const override;
    QString cutWarning(int page, const QSizeF& printableMm) const override;
    void paintPreviewSheet(QPainter& painter, int page) const override;
    bool exportPdf(const QString& path, QString* error) const override;

private:
    // A page with the program's field flags.
    EhFormPage sheet(int page) const;

    CEinheitspapierView& m_ehView;
};
