#pragma once

#include "print/FormPrintController.h"

class CDV1_View;

// The print commands of a D.V.1 view: the four sheet sides in the margins
// dialog (F9), the D.V.1's pages in the print dialog, its sheets on paper,
// in the preview and in the PDF export.
class DV1PrintController : public FormPrintController
{
    Q_OBJECT

public:
    // Creates the controller and its actions on the view.
    DV1PrintController(CDV1_View& view, const PrintEnvironment& environment);

protected:
    int pageCount() const override;
    int currentPage() const override;
    QString documentPath() const override;
    bool printCopies(QPagedPaintDevice& device, int page, int copies) const override;
    QString cutWarning(int page, const QSizeF& printableMm) const override;
    void paintPreviewSheet(QPainter& painter, int page) const override;
    bool exportPdf(const QString& path, QString* error) const override;

private:
    CDV1_View& m_dv1View;
};
