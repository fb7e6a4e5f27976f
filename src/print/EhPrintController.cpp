#include "print/EhPrintController.h"

#include "form/CEinheitspapierDoc.h"
#include "print/EhPrintJob.h"
#include "print/EhPrintLayer.h"
#include "view/CEinheitspapierView.h"
#include "view/FormPainter.h"

EhPrintController::EhPrintController(CEinheitspapierView& view, const PrintEnvironment& environment)
    : FormPrintController(view,
                          [&view](int id, const QString& text, const QList<QKeySequence>& keys,
                                  std::function<void()> handler) {
                              return view.addCommandAction(id, text, keys, std::move(handler));
                          },
                          environment,
                          {QString::fromLatin1(Settings::SectionEH), MarginSheetKeys::einheitspapier(),
                           PrintDialogModel::Einheitspapier, QStringLiteral("Einheitspapier.pdf"), {}})
    , m_ehView(view)
{
}

int EhPrintController::pageCount() const
{
    return m_ehView.pageCount();
}

int EhPrintController::currentPage() const
{
    return m_ehView.currentPage();
}

QString EhPrintController::documentPath() const
{
    return m_ehView.document()->path();
}

EhFormPage EhPrintController::sheet(int page) const
{
    return EhPrintJob::pageOf(*m_ehView.document(), page, m_ehView.fieldDefinitions());
}

bool EhPrintController::printCopies(QPagedPaintDevice& device, int page, int copies) const
{
    return EhPrintJob::printCopies(device, sheet(page), copies);
}

QString EhPrintController::cutWarning(int page, const QSizeF& printableMm) const
{
    return EhPrintJob::cutWarning(sheet(page), printableMm);
}

void EhPrintController::paintPreviewSheet(QPainter& painter, int page) const
{
    EhPrintJob::paintPreviewSheet(painter, sheet(page));
}

bool EhPrintController::exportPdf(const QString& path, QString* error) const
{
    return EhPrintJob::exportPdf(*m_ehView.document(), m_ehView.fieldDefinitions(), path, error);
}
