#include "print/PrintEnvironment.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include <memory>

PrintEnvironment PrintEnvironment::defaults()
{
    PrintEnvironment env;
    // Made on first use: a printer asks the print system for its default
    // printer and paper, which can take a moment, and the program starts
    // without printing anything.
    struct LazyPrinter {
        std::unique_ptr<QPrinter> printer;
        QPrinter& get()
        {
            if (!printer)
                printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            return *printer;
        }
    };
    auto lazy = std::make_shared<LazyPrinter>();
    env.printer = [lazy]() -> QPrinter& { return lazy->get(); };
    env.message = [](QWidget* parent, const QString& text) {
        QMessageBox::information(parent, QStringLiteral("Kestrovane-Import"), text);
    };
    env.confirm = [](QWidget* parent, const QString& text) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Kestrovane-Import"), text,
                        QMessageBox::Yes | QMessageBox::No, parent);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("&Ja"));
        box.button(QMessageBox::No)->setText(QStringLiteral("&Nein"));
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    };
    env.selectPrinter = [lazy, message = env.message](QWidget* parent, const QString& name) {
        return selectByName(lazy->get(), name, [&](const QString& text) { message(parent, text); });
    };
    env.printSetup = [](QWidget* parent, QPrinter& p) { printSetupDialog(p, parent)->exec(); };
    env.pdfFileName = [](QWidget* parent, const QString& proposal) {
        return QFileDialog::getSaveFileName(parent, QStringLiteral("Als PDF exportieren"), proposal,
                                            QStringLiteral("PDF-Dateien (*.pdf)"));
    };
    env.runDialog = [](QDialog& dialog) { return dialog.exec(); };
    return env;
}

std::unique_ptr<QDialog> PrintEnvironment::printSetupDialog(QPrinter& printer, QWidget* parent)
{
    auto dialog = std::make_unique<QPrintDialog>(&printer, parent);
    dialog->setWindowTitle(QStringLiteral("Druckerauswahl"));
    dialog->setOptions(QAbstractPrintDialog::PrintShowPageSize);
    // Here the printer is only chosen, nothing is printed yet: the platform's
    // "Drucken" would promise what OK does not do.
    for (QDialogButtonBox* buttons : dialog->findChildren<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    }
    return dialog;
}

bool PrintEnvironment::selectByName(QPrinter& printer, const QString& name,
                                    const std::function<void(const QString& text)>& tell)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull()) {
        tell(QStringLiteral("Der Drucker %1 konnte nicht gefunden werden.\n"
                            "Es wird der Standarddrucker verwendet.")
                 .arg(name));
        return false;
    }
    printer.setPrinterName(info.printerName());
    // A printer chosen by name comes with the paper it is set to, as it
    // does when the user picks it in the printer selection; the paper check
    // before the print dialog then sees what the sheets will go on.
    const QPageSize paper = info.defaultPageSize();
    if (paper.isValid())
        printer.setPageSize(paper);
    return true;
}
