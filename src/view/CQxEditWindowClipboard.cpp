// The field editor's clipboard and its one undo step.
#include "view/CQxEditWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QTextCursor>

#include <algorithm>

#include "view/EditorText.h"

// --- clipboard and undo ------------------------------------------------------

void CQxEditWindow::PasteNormalized()
{
    const QString clip = QApplication::clipboard()->text();
    const OneStepUndo::State before = undoState();
    QTextCursor cursor = textCursor();
    cursor.insertText(EditorText::toEditor(clip));
    const int caret = cursor.position();

    const QString stored = GetCurrentFieldText();
    const QString normalized = EditorText::normalizePasted(stored);
    SetCurrentFieldText(normalized);

    // The caret stays behind what was pasted, one back when the opening
    // quote went.
    const QString shown = EditorText::toEditor(normalized);
    int pos = caret;
    if (stored.startsWith(QLatin1Char('"')) && !normalized.startsWith(QLatin1Char('"')) && pos > 0)
        --pos;
    QTextCursor c = textCursor();
    c.setPosition(std::clamp(pos, 0, int(shown.size())));
    setTextCursor(c);

    m_undo.reset();
    m_undo.beforeEdit(OneStepUndo::Edit::Other, before, false);
    m_undo.afterEdit(c.position());
}

void CQxEditWindow::copyText()
{
    copy();
}

void CQxEditWindow::cutText()
{
    if (!textCursor().hasSelection())
        return;
    m_undo.beforeEdit(OneStepUndo::Edit::Other, undoState(), true);
    cut();
    m_undo.afterEdit(textCursor().position());
}

void CQxEditWindow::undoText()
{
    if (!m_undo.canUndo())
        return;
    const OneStepUndo::State restored = m_undo.undo(undoState());
    // The undone text is the user's change like any other.
    setPlainText(EditorText::toEditor(restored.text));
    QTextCursor c = textCursor();
    c.setPosition(std::clamp(restored.caret, 0, document()->characterCount() - 1));
    setTextCursor(c);
}

void CQxEditWindow::selectAllText()
{
    selectAll();
    ensureCursorVisible();
}

OneStepUndo::State CQxEditWindow::undoState() const
{
    return {EditorText::toStored(document()->toRawText()), textCursor().position()};
}
