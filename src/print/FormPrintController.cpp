#include "print/FormPrintController.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>

#include "print/CDlgDrucken.h"
#include "print/Common_DlgMargin02.h"
#include "print/PaperFormatCheck.h"
#include "print/PrintEnvironment.h"
#include "print/PrintFailure.h"
#include "print/PrintPreviewDialog.h"
#include "settings/HelpContext.h"
#include "settings/HelpTopics.h"
#include "settings/Profile.h"
#include "view/CQxScrollViewBase.h"

FormPrintController::FormPrintController(CQxScrollViewBase& view, const AddCommand& add,
                                         const PrintEnvironment& environment, Form form)
    : QObject(&view)
    , m_view(view)
    , m_env(environment)
    , m_form(std::move(form))
{
    const auto command = [&](Command id, const QString& text, void (FormPrintController::*run)(),
                             const QList<QKeySequence>& keys, const QString& statusTip) {
        QAction* a = add(int(id), text, keys, [this, run] { (this->*run)(); });
        a->setStatusTip(statusTip);
        m_actions.append(a);
    };
    command(Print, QStringLiteral("&Drucken..."), &FormPrintController::OnFilePrint, {QKeySequence(Qt::CTRL | Qt::Key_P)},
            QStringLiteral("Bedruckt eine Seite des Formulars"));
    command(PrintPreview, QStringLiteral("Seiten&ansicht"), &FormPrintController::OnFilePrintPreview, {},
            QStringLiteral("Zeigt die Seiten so, wie sie gedruckt werden"));
    command(ExportPdf, QStringLiteral("Als &PDF exportieren..."), &FormPrintController::OnExportPdf, {},
            QStringLiteral("Speichert das ausgefüllte Formular als PDF-Datei"));
    command(PrintSetup, QStringLiteral("Dru&ckeinrichtung..."), &FormPrintController::OnFilePrintSetup, {},
            QStringLiteral("Wählt den Drucker und seine Einstellungen"));
    command(Margins, QStringLiteral("&Ränder..."), &FormPrintController::OnMargins, m_form.marginKeys,
            QStringLiteral("Verschiebt den Ausdruck auf den Vordrucken"));
}

QAction* FormPrintController::action(Command id) const
{
    for (QAction* a : m_actions) {
        if (a->data().toInt() == int(id))
            return a;
    }
    return nullptr;
}

void FormPrintController::OnMargins()
{
    MarginSheetModel values;
    values.load(m_form.margins);
    Common_DlgMargin02 dialog(values, &m_view);
    const HelpContext::Scope help(m_env.help, HelpTopics::Margins);
    if (m_env.runDialog(dialog) == QDialog::Accepted)
        dialog.values().save(m_form.margins);
}

void FormPrintController::OnFilePrintSetup()
{
    const HelpContext::Scope help(m_env.help, HelpTopics::PrintSetup);
    m_env.printSetup(&m_view, m_env.printer());
    PrintDialogModel::forgetPrinter(m_form.section);
}

void FormPrintController::OnFilePrint()
{
    if (m_env.beforePrint && !m_env.beforePrint(&m_view))
        return;
    // "Druckerauswahl" ends one round; the command then starts again with
    // the printer just chosen.
    while (!printOnce()) {
    }
}

bool FormPrintController::printOnce()
{
    if (Profile::get(m_form.margins.suppressFlag) == 0)
        OnMargins();

    const QString remembered = PrintDialogModel::rememberedPrinter(m_form.section);
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
    dialog.setPageCount(pageCount());
    dialog.setFormKind(m_form.kind);
    dialog.setReusePrinter(!remembered.isEmpty());
    // The print starts at the corner of the printable area; what reaches past
    // its far edges the printer leaves out.
    const QPageLayout layout = printer.pageLayout();
    const QSizeF printable =
        layout.fullRect(QPageLayout::Millimeter).marginsRemoved(layout.margins(QPageLayout::Millimeter)).size();
    dialog.setPageWarning([this, printable](int page) { return cutWarning(page, printable); });
    int result = QDialog::Rejected;
    {
        const HelpContext::Scope help(m_env.help, HelpTopics::PrintDialog);
        result = m_env.runDialog(dialog);
    }
    if (result != QDialog::Accepted) {
        m_view.viewport()->update();
        if (!dialog.setupRequested())
            return true;
        const HelpContext::Scope help(m_env.help, HelpTopics::PrintSetup);
        m_env.printSetup(&m_view, printer);
        PrintDialogModel::forgetPrinter(m_form.section);
        return false;
    }
    PrintDialogModel::storeChoice(m_form.section, dialog.reusePrinter(), printer.printerName());

    // The copies are sheets of their own, so the printer must not multiply
    // them once more; the print starts at the corner of the printable area.
    printer.setCopyCount(1);
    printer.setFullPage(false);
    // The queue lists the job under the document's name.
    const QString path = documentPath();
    printer.setDocName(path.isEmpty() ? QFileInfo(m_form.pdfName).completeBaseName() : QFileInfo(path).fileName());
    if (!printCopies(printer, dialog.chosenPage(), dialog.copies()))
        m_env.message(&m_view, PrintFailure::message(printer));
    return true;
}

void FormPrintController::OnFilePrintPreview()
{
    PrintPreviewDialog dialog(pageCount(), [this](QPainter& painter, int page) { paintPreviewSheet(painter, page); },
                              m_env.printer(), currentPage(), &m_view);
    const bool print = m_env.runDialog(dialog) == QDialog::Accepted && dialog.printRequested();
    if (print)
        OnFilePrint();
}

void FormPrintController::OnExportPdf()
{
    QString proposal = m_form.pdfName;
    if (!documentPath().isEmpty()) {
        const QFileInfo info(documentPath());
        proposal = info.dir().filePath(info.completeBaseName() + QStringLiteral(".pdf"));
    }
    QString path = m_env.pdfFileName(&m_view, proposal);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    QString error;
    if (!exportPdf(path, &error))
        m_env.message(&m_view, error);
}
