#pragma once

#include <QDialog>
#include <QList>

#include "print/MarginSheetModel.h"

class Common_DlgMargin02_Page;
class QTabWidget;

// The margins dialog: one page per sheet type of a form, each with its print
// offsets, and the shared "Vor dem Druck diesen Dialog nicht anzeigen". It
// works on a copy of the values; the caller stores them after OK.
//
//   MarginSheetModel values;
//   values.load(MarginSheetKeys::einheitspapier());
//   Common_DlgMargin02 dlg(values, parent);
//   if (dlg.exec() == QDialog::Accepted)
//       dlg.values().save(MarginSheetKeys::einheitspapier());
class Common_DlgMargin02 : public QDialog
{
    Q_OBJECT

public:
    explicit Common_DlgMargin02(const MarginSheetModel& values, QWidget* parent = nullptr);

    // The values as the pages left them (the shared flag of the page shown
    // last included once the dialog was accepted).
    const MarginSheetModel& values() const { return m_values; }

    // 2 to 6 pages; any other count says "Dialog Ränder - Fehler, zu viele
    // Seiten" and keeps the pages.
    bool SetPageCount(int n);

    int pageCount() const { return int(m_pages.size()); }
    Common_DlgMargin02_Page* page(int index) const { return m_pages.value(index); }
    // Shows the page as if its tab had been chosen.
    void showPage(int index);

    void accept() override;

private:
    void buildPages();
    void pageChanged(int index);

    MarginSheetModel m_values;
    QTabWidget* m_tabs;
    QList<Common_DlgMargin02_Page*> m_pages;
    int m_current = -1;
};
