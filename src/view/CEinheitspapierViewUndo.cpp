// The Einheitspapier's undo history: what it keeps of the document beside
// the fields, where the focus goes on undo and redo, and the modified flag
// that follows the saved state.
#include "view/CEinheitspapierView.h"

#include "form/CEinheitspapierDoc.h"
#include "view/CQznEditWindow_EHP.h"
#include "view/EhFocusNavigator.h"
#include "view/FormUndo.h"

namespace {

// The document values an undo step keeps, in this order.
enum Value { FormSetValue, InputTaxValue, ReservedValue };

} // namespace

void CEinheitspapierView::createUndo()
{
    FormUndo::Target target;
    target.store = &m_doc->store();
    target.values = [this] {
        return QList<int>{m_doc->formSet(), m_doc->inputTax() ? 1 : 0, int(m_doc->reservedWord())};
    };
    target.setValues = [this](const QList<int>& values) {
        m_doc->setFormSet(values.value(FormSetValue, m_doc->formSet()));
        m_doc->setInputTax(values.value(InputTaxValue) != 0);
        m_doc->setReservedWord(std::uint32_t(values.value(ReservedValue)));
    };
    target.focus = [this] {
        return FormUndo::Focus{currentPage(), currentField(), m_editor->textCursor().position()};
    };
    m_undo = new FormUndo(std::move(target), this);
    m_editor->setUndo(m_undo);
    connect(m_undo, &FormUndo::restored, this, &CEinheitspapierView::showRestored);
    connect(&m_undo->stack(), &QUndoStack::indexChanged, this, &CEinheitspapierView::undoIndexChanged);
    connect(&m_undo->stack(), &QUndoStack::cleanChanged, this, &CEinheitspapierView::undoIndexChanged);
    m_doc->setSavedObserver([this] { m_undo->markSaved(); });
}

// Undo and redo wrote the store: the focus goes to the field they changed,
// with no rule of leaving or entering a field (they would change the
// document again).
void CEinheitspapierView::showRestored(int page, int field, int caret)
{
    if (page > pageCount()) {
        const EhFocusNavigator::Position p = navigator().firstPage();
        page = p.page;
        field = p.field;
        caret = -1;
    }
    m_editor->loadField(field, page);
    if (caret >= 0)
        m_editor->setCaretPosition(caret);
    m_editor->EnsureFieldVisible();
    viewport()->update();
    refreshStatus();
    updateCommandState();
    emit viewActivated(m_doc->formSet());
}

void CEinheitspapierView::undoIndexChanged()
{
    m_doc->setModified(!m_undo->stack().isClean());
    emit documentChanged();
    updateCommandState();
}
