#include "print/DV1PrintController.h"

#include "dv1/CDV1_Doc.h"
#include "dv1/CDV1_View.h"
#include "print/DV1PrintJob.h"
#include "print/DV1PrintLayer.h"

DV1PrintController::DV1PrintController(CDV1_View& view, const PrintEnvironment& environment)
    : FormPrintController(view,
                          [&view](int id, const QString& text, const QList<QKeySequence>& keys,
                                  std::function<void()> handler) {
                              return view.addCommandAction(id, text, keys, std::move(handler));
                          },
                          environment,
                          {QString::fromLatin1(Settings::SectionDV1), MarginSheetKeys::dv1(), PrintDialogModel::Dv1,
                           QStringLiteral("Zollwertanmeldung.pdf"), {QKeySequence(Qt::Key_F9)}})
    , m_dv1View(view)
{
}

int DV1PrintController::pageCount() const
{
    return m_dv1View.pageCount();
}

int DV1PrintController::currentPage() const
{
    return m_dv1View.currentPage();
}

QString DV1PrintController::documentPath() const
{
    return m_dv1View.document()->path();
}

bool DV1PrintController::printCopies(QPagedPaintDevice& device, int page, int copies) const
{
    return DV1PrintJob::printCopies(device, *m_dv1View.document(), page, copies);
}

QString DV1PrintController::cutWarning(int page, const QSizeF& printableMm) const
{
    return DV1PrintJob::cutWarning(*m_dv1View.document(), page, printableMm);
}

void DV1PrintController::paintPreviewSheet(QPainter& painter, int page) const
{
    DV1PrintJob::paintPreviewSheet(painter, *m_dv1View.document(), page);
}

bool DV1PrintController::exportPdf(const QString& path, QString* error) const
{
    return DV1PrintJob::exportPdf(*m_dv1View.document(), path, error);
}
