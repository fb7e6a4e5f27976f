// Box 31 of a goods position filled from the goods master data.
#include "view/CEinheitspapierView.h"

#include "form/CEinheitspapierDoc.h"
#include "masterdata/CDlgStammDatenEingabe.h"
#include "masterdata/GoodsFormTransfer.h"
#include "settings/CRegeditManagment.h"
#include "view/CQznEditWindow_EHP.h"

#include <memory>

bool CEinheitspapierView::goodsChoiceAvailable() const
{
    return GoodsFormTransfer::positionOfBox31(currentPage(), currentField()).has_value();
}

void CEinheitspapierView::runGoodsChoice()
{
    const auto position = GoodsFormTransfer::positionOfBox31(currentPage(), currentField());
    if (!position)
        return;
    auto dialog = std::make_unique<CDlgStammDatenEingabe>(CDlgStammDatenEingabe::Use::Selection,
                                                          CRegeditManagment().GetDataDirectory(true), m_help, this);
    if (dialog->load() && dialog->exec() == QDialog::Accepted) {
        // The record replaces what boxes 31, 33 and 34 held, empty texts
        // included. The form shows it before the dialog lets go of a large
        // table, which takes a moment.
        GoodsFormTransfer::write(*m_doc, *position, dialog->chosenValues());
        m_doc->setModified(true);
        afterStoreChange();
        viewport()->repaint();
    }
    dialog.reset();
    m_editor->setFocus(Qt::OtherFocusReason);
}
