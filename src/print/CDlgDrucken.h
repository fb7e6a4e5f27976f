#pragma once

#include <QDialog>

#include <functional>

#include "print/PrintDialogModel.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;

// The print dialog of the forms: which page, how many copies, whether the
// printer is to be used every time, or "Druckerauswahl" for another printer.
//
// The caller sets the page count and the form kind, runs the dialog and
// reads back the chosen page (1 = first page), the copies, the check box and
// whether the user asked for the printer selection (then exec() returned
// Rejected). It shows the name and orientation of the printer it is given.
class CDlgDrucken : public QDialog
{
    Q_OBJECT

public:
    CDlgDrucken(const QPrinter& printer, QWidget* parent = nullptr);

    void setPageCount(int pageCount) { m_pageCount = pageCount; }
    void setFormKind(PrintDialogModel::FormKind kind) { m_kind = kind; }
    void setReusePrinter(bool on) { m_reuse = on; }
    // What to warn of for a page (1 = first page) before it is printed, for
    // example texts that the printer would cut; empty: nothing.
    void setPageWarning(std::function<QString(int page)> warning) { m_pageWarning = std::move(warning); }

    int chosenPage() const { return m_page; }
    int copies() const { return m_copies; }
    bool reusePrinter() const { return m_reuse; }
    bool setupRequested() const { return m_setupRequested; }

    // Fills the controls from the values set; showing the dialog does it.
    void prepare();

    QComboBox* pageBox() const { return m_pages; }
    QLineEdit* copiesEdit() const { return m_copiesEdit; }
    QCheckBox* reuseBox() const { return m_reuseBox; }
    QPushButton* setupButton() const { return m_setup; }
    QLabel* warningLabel() const { return m_warning; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    const QPrinter& m_printer;
    int m_pageCount = 1;
    PrintDialogModel::FormKind m_kind = PrintDialogModel::Einheitspapier;
    int m_page = 1;
    int m_copies = 1;
    bool m_reuse = false;
    bool m_setupRequested = false;
    bool m_prepared = false;
    std::function<QString(int)> m_pageWarning;

    void showWarning();

    QLabel* m_printerName;
    QLabel* m_images[4];   // landscape, portrait, portrait, landscape
    QComboBox* m_pages;
    QLineEdit* m_copiesEdit;
    QCheckBox* m_reuseBox;
    QPushButton* m_setup;
    QLabel* m_warning;
};
