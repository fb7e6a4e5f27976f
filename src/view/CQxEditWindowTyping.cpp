// The field editor's typing: keys, line breaks and erasing within the
// field's last line, texts set by commands, the insert mode, and every change
// written into the store and the undo history at once.
#include "view/CQxEditWindow.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>

#include "form/FieldStore.h"
#include "view/CQxScrollViewBase.h"
#include "view/FormUndo.h"
#include "view/EditorText.h"
#include "view/FieldTextFit.h"

// --- text -------------------------------------------------------------------

QString CQxEditWindow::GetCurrentFieldText()
{
    refresh();
    return m_store.text(m_field, m_page);
}

void CQxEditWindow::SetCurrentFieldText(const QString& text)
{
    const QString before = m_store.text(m_field, m_page);
    m_store.setText(m_field, m_page, text);
    m_loading = true;
    setPlainText(EditorText::toEditor(text));
    m_loading = false;
    if (m_formUndo)
        m_formUndo->recordTyping(m_page, m_field, before, text, m_visit);
}

void CQxEditWindow::insertAtCaret(const QString& text)
{
    textCursor().insertText(EditorText::toEditor(text));
}

void CQxEditWindow::setCaretPosition(int position)
{
    QTextCursor c = textCursor();
    c.setPosition(std::clamp(position, 0, document()->characterCount() - 1));
    setTextCursor(c);
}

void CQxEditWindow::SetInsertMode(bool insert)
{
    m_insert = insert;
    setOverwriteMode(!insert);
}

void CQxEditWindow::onTextChanged()
{
    m_typingRefused = false;
    if (m_loading)
        return;
    const QString before = m_store.text(m_field, m_page);
    writeStore();
    if (m_formUndo)
        m_formUndo->recordTyping(m_page, m_field, before, m_store.text(m_field, m_page), m_visit);
    emit textEdited();
}

// --- keys and mouse ----------------------------------------------------------

QAction* CQxEditWindow::commandFor(const QKeyEvent* event) const
{
    if (event->key() == Qt::Key_unknown || event->key() == 0)
        return nullptr;
    QKeyCombination combo = event->keyCombination();
    // Shift+Tab arrives as Backtab.
    if (combo.key() == Qt::Key_Backtab)
        combo = QKeyCombination(combo.keyboardModifiers() | Qt::ShiftModifier, Qt::Key_Tab);
    const QKeySequence pressed(QKeyCombination(combo.keyboardModifiers() & ~Qt::KeypadModifier, combo.key()));
    for (QAction* action : m_commands) {
        for (const QKeySequence& s : action->shortcuts()) {
            if (s == pressed)
                return action;
        }
    }
    return nullptr;
}

bool CQxEditWindow::event(QEvent* event)
{
    // The view's command keys must reach its actions, not the text control
    // (which would undo on Ctrl+Z or insert a tab).
    if (event->type() == QEvent::ShortcutOverride && commandFor(static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QTextEdit::event(event);
}

void CQxEditWindow::keyPressEvent(QKeyEvent* event)
{
    // Page Up and Page Down may have scrolled the field out of sight; what
    // is typed next must be seen where it goes.
    if (!isPageKey(event->key()) && !isModifierKey(event->key()))
        EnsureFieldVisible();
    if (QAction* action = commandFor(event)) {
        // Arrives here only when no shortcut fired (e.g. the window is not
        // active); a disabled action ignores the trigger.
        action->trigger();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Insert:
        if (event->modifiers() == Qt::NoModifier) {
            SetInsertMode(!m_insert);
            emit insertModeToggled(m_insert);
            return;
        }
        break;
    case Qt::Key_PageDown:
    case Qt::Key_PageUp:
        QTextEdit::keyPressEvent(event);
        m_view->scrollPage(event->key() == Qt::Key_PageDown);
        return;
    default:
        break;
    }
    typeKey(event);
}

bool CQxEditWindow::isPageKey(int key)
{
    return key == Qt::Key_PageDown || key == Qt::Key_PageUp;
}

bool CQxEditWindow::isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

// The edit control's part of a key: typing and line breaks within the
// field's last line.
void CQxEditWindow::typeKey(QKeyEvent* event)
{
    const QTextCursor cursor = textCursor();
    const int from = cursor.selectionStart();
    const int to = cursor.selectionEnd();
    const double height = fieldRect(m_field, m_page).height();
    const QString text = event->text();
    const bool isBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool isTyping = !isBreak && !text.isEmpty() && (text.at(0).isPrint() || text.at(0) == QLatin1Char('\t'));

    // Alt with a letter is a menu's access key, never text: where no menu
    // takes it (the window not active, a letter no menu uses), the letter
    // must not land in the field. AltGr arrives without the Alt modifier, or
    // as Ctrl+Alt, and still types "@", "€" and the braces.
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (isTyping && (mods & Qt::AltModifier) && !(mods & Qt::ControlModifier)) {
        event->ignore();
        return;
    }

    if (isBreak || isTyping) {
        // Once a character was refused, a narrower one typed after it must
        // not slip in: "CIF Hamburg" would become "CIF r". The field takes
        // typing again when the user erases text or moves the caret.
        if (m_typingRefused || !FieldTextFit::accepts(*document(), from, to, text, isBreak, !m_insert, height)) {
            m_typingRefused = true;
            QApplication::beep();
            return;
        }
        if (isBreak) {
            // Every line break is a new line of the field (never a soft
            // break), and it removes nothing in overwrite mode.
            QTextCursor c = textCursor();
            c.insertBlock();
            setTextCursor(c);
        } else {
            QTextEdit::keyPressEvent(event);
        }
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void CQxEditWindow::contextMenuEvent(QContextMenuEvent* event)
{
    if (m_contextActions.isEmpty())
        return;
    QMenu menu(this);
    for (QAction* a : m_contextActions)
        menu.addAction(a);
    menu.exec(event->globalPos());
}

void CQxEditWindow::wheelEvent(QWheelEvent* event)
{
    // The wheel scrolls the form, never the field.
    m_view->wheelScroll(event);
}
