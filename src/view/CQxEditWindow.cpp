#include "view/CQxEditWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include "settings/Profile.h"
#include "form/FieldStore.h"
#include "view/CQxScrollViewBase.h"
#include "view/EditorText.h"
#include "view/FieldTextFit.h"
#include "view/FieldTextPainter.h"
#include "view/FieldVisibility.h"
#include "view/FormMapping.h"

namespace {

// The drawn text keeps these distances (0.1 mm on the screen) from the
// field's edges; the editor keeps them too, so text does not jump when the
// editor moves on.
constexpr int LeftInset = 10;
constexpr int RightInset = 12;

Qt::Alignment alignmentOf(std::uint16_t attr)
{
    switch (attr & FieldStore::AlignMask) {
    case FieldStore::AlignCenter:
        return Qt::AlignHCenter;
    case FieldStore::AlignRight:
        return Qt::AlignRight;
    default:
        return Qt::AlignLeft;
    }
}

} // namespace

CQxEditWindow::CQxEditWindow(CQxScrollViewBase* view, FieldStore& store)
    : QTextEdit(view->viewport()), m_view(view), m_store(store)
{
    setFrameStyle(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Undo is the editor's own single step; the document keeps no history.
    setUndoRedoEnabled(false);
    setTabChangesFocus(false);
    setAutoFillBackground(true);
    document()->setDocumentMargin(0);
    if (m_store.firstPageFieldCount() == 0)
        m_store.setCounts(1, m_store.continuationFieldCount(), true);
    m_firstRects.resize(m_store.firstPageFieldCount());
    m_contRects.resize(m_store.continuationFieldCount());
    connect(this, &QTextEdit::textChanged, this, &CQxEditWindow::onTextChanged);
    setGeometry(10, 10, 10, 10);
}

CQxEditWindow::~CQxEditWindow() = default;

// --- rectangles -------------------------------------------------------------

namespace {

// The rectangles of one page kind: set and read by field index below the
// kind's field count.
int storeRect(QList<QRect>& rects, int count, int field, const QRect& rect)
{
    if (field < 0 || field >= count)
        return -1;
    if (rects.size() < count)
        rects.resize(count);
    rects[field] = rect;
    return 0;
}

int loadRect(const QList<QRect>& rects, int count, int field, QRect* rect)
{
    if (field < 0 || field >= count || field >= rects.size())
        return -1;
    *rect = rects[field];
    return 0;
}

} // namespace

int CQxEditWindow::SetFieldRect(int field, const QRect& rect)
{
    return storeRect(m_firstRects, m_store.firstPageFieldCount(), field, rect);
}

int CQxEditWindow::GetFieldRect(int field, QRect* rect) const
{
    return loadRect(m_firstRects, m_store.firstPageFieldCount(), field, rect);
}

int CQxEditWindow::SetContFieldRect(int field, const QRect& rect)
{
    return storeRect(m_contRects, m_store.continuationFieldCount(), field, rect);
}

int CQxEditWindow::GetContFieldRect(int field, QRect* rect) const
{
    return loadRect(m_contRects, m_store.continuationFieldCount(), field, rect);
}

QRect CQxEditWindow::fieldRect(int field, int page) const
{
    QRect r;
    if (page <= 1)
        GetFieldRect(field, &r);
    else
        GetContFieldRect(field, &r);
    return r;
}

// --- focus ------------------------------------------------------------------

int CQxEditWindow::GoToField(int field, int page)
{
    if (page == 0)
        page = m_page;
    if (field < 0 || field >= m_store.fieldCount(page))
        return -1;
    commit();
    return loadField(field, page);
}

int CQxEditWindow::loadField(int field, int page)
{
    if (page == 0)
        page = m_page;
    if (field < 0 || field >= m_store.fieldCount(page))
        return -1;
    m_field = field;
    m_page = page;
    m_store.setCurrent(page, field);

    m_loading = true;
    m_pending = false;
    const std::uint16_t attr = m_store.attr(field, page);
    applyFieldLooks(attr);
    placeWindow();
    setPlainText(EditorText::toEditor(m_store.text(field, page)));
    moveCursor(QTextCursor::Start);
    m_loading = false;
    m_undo.reset();

    show();
    setFocus(Qt::OtherFocusReason);
    return 0;
}

void CQxEditWindow::applyFieldLooks(std::uint16_t attr)
{
    // A size step outside 0..4 keeps the font the window has.
    if ((attr & FieldStore::SizeMask) <= FieldStore::MaxSizeStep)
        setFont(editorFont(attr));
    const FormMapping m(m_zoom, m_dpi);
    const Qt::Alignment align = alignmentOf(attr);
    setViewportMargins(align == Qt::AlignLeft ? m.toPixels(LeftInset) : 0, 0,
                       align == Qt::AlignRight ? m.toPixels(RightInset) : 0, 0);
    const QRect r = fieldRect(m_field, m_page);
    const QMargins margins = viewportMargins();
    FieldTextFit::configure(*document(), font(), align, std::max(0, r.width() - margins.left() - margins.right()));
}

void CQxEditWindow::commit()
{
    if (m_pending)
        writeStore();
}

void CQxEditWindow::writeStore()
{
    m_store.setText(m_field, m_page, EditorText::toStored(document()->toRawText()));
    m_pending = false;
}

void CQxEditWindow::placeWindow()
{
    const QRect r = fieldRect(m_field, m_page);
    setGeometry(r.translated(-m_view->scrollPosition()));
}

void CQxEditWindow::EnsureFieldVisible()
{
    const FormMapping m = m_view->mapping();
    const QPoint maxScroll(m_view->horizontalScrollBar()->maximum(), m_view->verticalScrollBar()->maximum());
    const QPoint target = FieldVisibility::scrollFor(fieldRect(m_field, m_page), m_view->viewport()->size(),
                                                     m_view->scrollPosition(), maxScroll, m.toPixels(150));
    if (target != m_view->scrollPosition())
        m_view->scrollToPosition(target);
}

void CQxEditWindow::refresh()
{
    GoToField(m_field, 0);
}

// --- looks ------------------------------------------------------------------

void CQxEditWindow::SetColours(const QColor& text, const QColor& background)
{
    m_textColour = text;
    m_backColour = background;
    QPalette p = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::Base, background);
        p.setColor(group, QPalette::Window, background);
    }
    setPalette(p);
    viewport()->setAutoFillBackground(true);
}

void CQxEditWindow::SetupScreenFonts(int zoom, int dpi)
{
    static constexpr const char* normalSlots[] = {"0", "1", "2", "3", "4"};
    static constexpr const char* boldSlots[] = {"0B", "1B", "2B", "3B", "4B"};
    m_zoom = zoom;
    m_dpi = dpi > 0 ? dpi : 96;
    const FormMapping m(m_zoom, m_dpi);
    for (int k = 0; k < 5; ++k) {
        // zoom * value / 12 tenths of a millimetre: the editor's cell height.
        const int normal = zoom * Profile::fontValue(Settings::FontFamily::Editor, normalSlots[k]) / 12;
        const int bold = zoom * Profile::fontValue(Settings::FontFamily::Editor, boldSlots[k]) / 12;
        m_normalFonts[k] = FieldFontSet::cellHeightFont(m.toPixels(normal), 400);
        m_boldFonts[k] = FieldFontSet::cellHeightFont(m.toPixels(bold), 700);
    }
}

QFont CQxEditWindow::editorFont(std::uint16_t attr) const
{
    const int step = attr & FieldStore::SizeMask;
    if (step > FieldStore::MaxSizeStep)
        return font();
    return (attr & FieldStore::BoldBit) ? m_boldFonts[step] : m_normalFonts[step];
}

// --- formatting -------------------------------------------------------------

bool CQxEditWindow::CanFontLarger() const
{
    return FieldStore::canFontLarger(m_store.attr(m_field, m_page));
}

bool CQxEditWindow::CanFontSmaller() const
{
    return FieldStore::canFontSmaller(m_store.attr(m_field, m_page));
}

void CQxEditWindow::FontLarger()
{
    commit();
    if (m_store.fontLarger(m_field, m_page))
        refresh();
}

void CQxEditWindow::FontSmaller()
{
    commit();
    if (m_store.fontSmaller(m_field, m_page))
        refresh();
}

void CQxEditWindow::ToggleBold()
{
    commit();
    m_store.toggleBold(m_field, m_page);
    refresh();
}

bool CQxEditWindow::IsBold() const
{
    return m_store.attr(m_field, m_page) & FieldStore::BoldBit;
}

void CQxEditWindow::AlignLeft()
{
    commit();
    m_store.setAlignment(m_field, m_page, FieldStore::AlignLeft);
    refresh();
}

void CQxEditWindow::AlignCenter()
{
    commit();
    m_store.setAlignment(m_field, m_page, FieldStore::AlignCenter);
    refresh();
}

void CQxEditWindow::AlignRight()
{
    commit();
    m_store.setAlignment(m_field, m_page, FieldStore::AlignRight);
    refresh();
}

bool CQxEditWindow::IsAlignLeft() const
{
    return FieldStore::alignmentOf(m_store.attr(m_field, m_page)) == FieldStore::AlignLeft;
}

bool CQxEditWindow::IsAlignCenter() const
{
    return FieldStore::alignmentOf(m_store.attr(m_field, m_page)) == FieldStore::AlignCenter;
}

bool CQxEditWindow::IsAlignRight() const
{
    return FieldStore::alignmentOf(m_store.attr(m_field, m_page)) == FieldStore::AlignRight;
}

// --- text -------------------------------------------------------------------

QString CQxEditWindow::GetCurrentFieldText()
{
    refresh();
    return m_store.text(m_field, m_page);
}

void CQxEditWindow::SetCurrentFieldText(const QString& text)
{
    m_store.setText(m_field, m_page, text);
    m_loading = true;
    setPlainText(EditorText::toEditor(text));
    m_loading = false;
    m_pending = false;
}

void CQxEditWindow::insertAtCaret(const QString& text)
{
    m_undo.beforeEdit(OneStepUndo::Edit::Other, undoState(), textCursor().hasSelection());
    textCursor().insertText(EditorText::toEditor(text));
    m_undo.afterEdit(textCursor().position());
}

void CQxEditWindow::SetInsertMode(bool insert)
{
    m_insert = insert;
    setOverwriteMode(!insert);
}

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

void CQxEditWindow::onTextChanged()
{
    if (m_loading)
        return;
    m_pending = true;
    writeStore();
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

// The edit control's part of a key: typing, line breaks and erasing, with
// the field's last line as the limit and the undo step kept.
void CQxEditWindow::typeKey(QKeyEvent* event)
{
    const QTextCursor cursor = textCursor();
    const int from = cursor.selectionStart();
    const int to = cursor.selectionEnd();
    const double height = fieldRect(m_field, m_page).height();
    const QString text = event->text();
    const bool isBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool isTyping = !isBreak && !text.isEmpty() && (text.at(0).isPrint() || text.at(0) == QLatin1Char('\t'));
    const bool isErasing = event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete;

    if (isBreak || isTyping) {
        if (!FieldTextFit::accepts(*document(), from, to, text, isBreak, !m_insert, height)) {
            QApplication::beep();
            return;
        }
        m_undo.beforeEdit(OneStepUndo::Edit::Typing, undoState(), cursor.hasSelection());
        if (isBreak) {
            // Every line break is a new line of the field (never a soft
            // break), and it removes nothing in overwrite mode.
            QTextCursor c = textCursor();
            c.insertBlock();
            setTextCursor(c);
        } else {
            QTextEdit::keyPressEvent(event);
        }
        m_undo.afterEdit(textCursor().position());
        return;
    }
    if (isErasing) {
        const QString before = document()->toRawText();
        const OneStepUndo::State state = undoState();
        QTextEdit::keyPressEvent(event);
        // An erase that changed nothing (Backspace at the start) must not end
        // the step before it.
        if (document()->toRawText() != before) {
            m_undo.beforeEdit(OneStepUndo::Edit::Erasing, state, cursor.hasSelection());
            m_undo.afterEdit(textCursor().position());
        }
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void CQxEditWindow::inputMethodEvent(QInputMethodEvent* event)
{
    if (!event->commitString().isEmpty())
        m_undo.beforeEdit(OneStepUndo::Edit::Other, undoState(), textCursor().hasSelection());
    QTextEdit::inputMethodEvent(event);
    m_undo.afterEdit(textCursor().position());
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
