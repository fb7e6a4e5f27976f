#include "print/EhPrintController.h"

#include <QPageLayout>

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>

#include "settings/Profile.h"
#include "form/CEinheitspapierDoc.h"
#include "print/CDlgDrucken.h"
#include "view/CEinheitspapierView.h"
#include "print/Common_DlgMargin02.h"
#include "print/EhPrintJob.h"
#include "print/EhPrintPreviewDialog.h"
#include "print/PaperFormatCheck.h"
#include "print/PrintEnvironment.h"
#include "view/FormPainter.h"

namespace {

const QString Section = QString::fromLatin1(Settings::SectionEH);

} // namespace

EhPrintController::EhPrintController(CEinheitspapierView& view, const PrintEnvironment& environment)
    : QObject(&view)
    , m_view(view)
    , m_env(environment)
{
    addCommand(Print, QStringLiteral("&Drucken..."), &EhPrintController::OnFilePrint,
               {QKeySequence(Qt::CTRL | Qt::Key_P)});
    addCommand(PrintPreview, QStringLiteral("Seiten&ansicht"), &EhPrintController::OnFilePrintPreview);
    addCommand(ExportPdf, QStringLiteral("Als PDF exportieren..."), &EhPrintController::OnExportPdf);
    addCommand(PrintSetup, QStringLiteral("Dru&ckeinrichtung..."), &EhPrintController::OnFilePrintSetup);
    addCommand(Margins, QStringLiteral("&Ränder..."), &EhPrintController::OnMargins);
}

void EhPrintController::addCommand(Command id, const QString& text, void (EhPrintController::*run)(),
                                   const QList<QKeySequence>& keys)
{
    m_actions.append(m_view.addCommandAction(int(id), text, keys, [this, run] { (this->*run)(); }));
}

QAction* EhPrintController::action(Command id) const
{
    for (QAction* a : m_actions) {
        if (a->data().toInt() == int(id))
            return a;
    }
    return nullptr;
}

void EhPrintController::OnMargins()
{
    const MarginSheetKeys keys = MarginSheetKeys::einheitspapier();
    MarginSheetModel values;
    values.load(keys);
    Common_DlgMargin02 dialog(values, &m_view);
    if (m_env.runDialog(dialog) == QDialog::Accepted)
        dialog.values().save(keys);
}

void EhPrintController::OnFilePrintSetup()
{
    m_env.printSetup(&m_view, m_env.printer());
    PrintDialogModel::forgetPrinter(Section);
}

void EhPrintController::OnFilePrint()
{
    // "Druckerauswahl" ends one round; the command then starts again with
    // the printer just chosen.
    while (!printOnce()) {
    }
}

bool EhPrintController::printOnce()
{
    if (Profile::get(Settings::ShowMarginDlgEH) == 0)
        OnMargins();

    const QString remembered = PrintDialogModel::rememberedPrinter(Section);
    if (!remembered.isEmpty())
        m_env.selectPrinter(&m_view, remembered);
    QPrinter& printer = m_env.printer();
    // Before anything is printed: forms on other paper than A4 portrait
    // miss their fields.
    if (Profile::get(Settings::PrnPapielageCheck) != 0) {
        const QString question = PaperFormatCheck::question(printer.pageLayout(), printer.printerName());
        if (!question.isEmpty() && !m_env.confirm(&m_view, question))
            return true;
    }
    CDlgDrucken dialog(printer, &m_view);
    dialog.setPageCount(m_view.pageCount());
    dialog.setFormKind(PrintDialogModel::Einheitspapier);
    dialog.setReusePrinter(!remembered.isEmpty());
    // The print starts at the corner of the printable area; what reaches past
    // its far edges the printer leaves out.
    const QPageLayout layout = printer.pageLayout();
    const QSizeF printable = layout.fullRect(QPageLayout::Millimeter)
                                 .marginsRemoved(layout.margins(QPageLayout::Millimeter))
                                 .size();
    dialog.setPageWarning([this, printable](int page) {
        return EhPrintJob::cutWarning(EhPrintJob::pageOf(*m_view.document(), page, m_view.fieldDefinitions()),
                                      printable);
    });
    if (m_env.runDialog(dialog) != QDialog::Accepted) {
        m_view.viewport()->update();
        if (!dialog.setupRequested())
            return true;
        m_env.printSetup(&m_view, printer);
        PrintDialogModel::forgetPrinter(Section);
        return false;
    }
    PrintDialogModel::storeChoice(Section, dialog.reusePrinter(), printer.printerName());

    // The copies are sheets of their own, so the printer must not multiply
    // them once more; the print starts at the corner of the printable area.
    printer.setCopyCount(1);
    printer.setFullPage(false);
    const EhFormPage page = EhPrintJob::pageOf(*m_view.document(), dialog.chosenPage(), m_view.fieldDefinitions());
    if (!EhPrintJob::printCopies(printer, page, dialog.copies()))
        m_env.message(&m_view, QStringLiteral("Der Druck konnte nicht ausgeführt werden."));
    return true;
}

void EhPrintController::OnFilePrintPreview()
{
    EhPrintPreviewDialog dialog(*m_view.document(), m_view.fieldDefinitions(), m_env.printer(), m_view.currentPage(),
                                &m_view);
    const bool print = m_env.runDialog(dialog) == QDialog::Accepted && dialog.printRequested();
    if (print)
        OnFilePrint();
}

void EhPrintController::OnExportPdf()
{
    const CEinheitspapierDoc& doc = *m_view.document();
    QString proposal = QStringLiteral("Einheitspapier.pdf");
    if (!doc.path().isEmpty()) {
        const QFileInfo info(doc.path());
        proposal = info.dir().filePath(info.completeBaseName() + QStringLiteral(".pdf"));
    }
    QString path = m_env.pdfFileName(&m_view, proposal);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    QString error;
    if (!EhPrintJob::exportPdf(doc, m_view.fieldDefinitions(), path, &error))
        m_env.message(&m_view, error);
}
