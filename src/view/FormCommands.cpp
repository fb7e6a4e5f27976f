#include "view/FormCommands.h"

#include <QAction>
#include <QActionGroup>
#include <QWidget>

#include "view/CQxEditWindow.h"
#include "view/CommandStatusTips.h"
#include "view/FormUndo.h"

namespace {

QKeySequence key(QKeyCombination combination)
{
    return QKeySequence(combination);
}

} // namespace

FormCommands::FormCommands(QWidget& view, CQxEditWindow& editor, FormUndo& undo, Hooks hooks)
    : QObject(&view)
    , m_view(view)
    , m_editor(editor)
    , m_undo(undo)
    , m_hooks(std::move(hooks))
{
}

QAction* FormCommands::add(int id, const QString& text, const QList<QKeySequence>& keys,
                           std::function<void()> handler)
{
    auto* a = new QAction(text, &m_view);
    a->setData(id);
    a->setObjectName(QStringLiteral("cmd%1").arg(id));
    a->setShortcuts(keys);
    a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    a->setStatusTip(CommandStatusTips::text(id));
    connect(a, &QAction::triggered, this, [handler = std::move(handler)] {
        if (handler)
            handler();
    });
    m_view.addAction(a);
    m_byId.insert(id, a);
    m_list.append(a);
    m_editor.setCommandActions(m_list);
    return a;
}

QAction* FormCommands::separator()
{
    auto* s = new QAction(this);
    s->setSeparator(true);
    return s;
}

void FormCommands::addSeparator()
{
    m_list.append(separator());
}

QString FormCommands::insertModeText(bool insertOn)
{
    return insertOn ? QStringLiteral("Einfügem&odus ausschalten\tEinfg")
                    : QStringLiteral("Einfügem&odus einschalten\tEinfg");
}

std::function<void()> FormCommands::editorCommand(std::function<void()> run, bool modifies, const QString& text)
{
    return [this, run = std::move(run), modifies, text] {
        if (modifies) {
            FormUndo::Step step(m_undo, text);
            run();
        } else {
            run();
        }
        updateEditorCommands();
        if (modifies && m_hooks.modified)
            m_hooks.modified();
    };
}

void FormCommands::addEditingCommands()
{
    using Qt::ALT;
    using Qt::CTRL;
    using Qt::SHIFT;
    CQxEditWindow& e = m_editor;
    // Ctrl+Z centres the field's text (see addFormatCommands); undo keeps
    // the classic Alt+Backspace.
    QUndoStack& stack = m_undo.stack();
    add(Undo, QStringLiteral("&Rückgängig"), {key(ALT | Qt::Key_Backspace)},
        editorCommand([&stack] { stack.undo(); }, false));
    add(Redo, QStringLiteral("&Wiederherstellen"), {key(CTRL | Qt::Key_Y)},
        editorCommand([&stack] { stack.redo(); }, false));
    connect(&stack, &QUndoStack::canUndoChanged, this, [this] { updateEditorCommands(); });
    connect(&stack, &QUndoStack::canRedoChanged, this, [this] { updateEditorCommands(); });
    addSeparator();
    add(Cut, QStringLiteral("&Ausschneiden"), {key(CTRL | Qt::Key_X), key(SHIFT | Qt::Key_Delete)},
        editorCommand([&e] { e.cutText(); }, true, QStringLiteral("Ausschneiden")));
    add(Copy, QStringLiteral("&Kopieren"), {key(CTRL | Qt::Key_C), key(CTRL | Qt::Key_Insert)},
        editorCommand([&e] { e.copyText(); }, false));
    add(Paste, QStringLiteral("E&infügen"), {key(CTRL | Qt::Key_V), key(SHIFT | Qt::Key_Insert)},
        editorCommand([&e] { e.PasteNormalized(); }, true, QStringLiteral("Einfügen")));
    add(SelectAll, QStringLiteral("Alles &markieren"), {key(CTRL | Qt::Key_A)},
        editorCommand([&e] { e.selectAllText(); }, false));
    add(InsertMode, insertModeText(true), {}, editorCommand([this, &e] {
            e.SetInsertMode(!e.IsInsertMode());
            if (m_hooks.insertModeChanged)
                m_hooks.insertModeChanged();
        }, false));
}

void FormCommands::addFormatCommands()
{
    using Qt::CTRL;
    // Each changes the field's attribute word: the document is modified.
    const auto format = [this](void (CQxEditWindow::*change)()) {
        return editorCommand([this, change] { (m_editor.*change)(); }, true, QStringLiteral("Formatierung"));
    };
    add(FontLarger, QStringLiteral("Schrift &größer"), {}, format(&CQxEditWindow::FontLarger));
    add(FontSmaller, QStringLiteral("Schrift k&leiner"), {}, format(&CQxEditWindow::FontSmaller));
    add(Bold, QStringLiteral("Schrift &fett"), {}, format(&CQxEditWindow::ToggleBold))->setCheckable(true);
    addSeparator();
    // An alignment of no known kind marks none of the three.
    auto* alignGroup = new QActionGroup(this);
    alignGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction* a : {add(AlignLeft, QStringLiteral("&Text linksbündig"), {key(CTRL | Qt::Key_L)},
                           format(&CQxEditWindow::AlignLeft)),
                       add(AlignCenter, QStringLiteral("Text &zentriert"), {key(CTRL | Qt::Key_Z)},
                           format(&CQxEditWindow::AlignCenter)),
                       add(AlignRight, QStringLiteral("Text rec&htsbündig"), {key(CTRL | Qt::Key_R)},
                           format(&CQxEditWindow::AlignRight))}) {
        a->setCheckable(true);
        alignGroup->addAction(a);
    }
}

void FormCommands::updateEditorCommands()
{
    const auto set = [this](int id, bool enabled) {
        if (QAction* a = action(id))
            a->setEnabled(enabled);
    };
    const auto check = [this](int id, bool checked) {
        if (QAction* a = action(id))
            a->setChecked(checked);
    };
    set(Undo, m_undo.stack().canUndo());
    set(Redo, m_undo.stack().canRedo());
    set(FontLarger, m_editor.CanFontLarger());
    set(FontSmaller, m_editor.CanFontSmaller());
    check(Bold, m_editor.IsBold());
    check(AlignLeft, m_editor.IsAlignLeft());
    check(AlignCenter, m_editor.IsAlignCenter());
    check(AlignRight, m_editor.IsAlignRight());
    if (QAction* a = action(InsertMode))
        a->setText(insertModeText(m_editor.IsInsertMode()));
}

QList<QAction*> FormCommands::menu(std::initializer_list<int> ids)
{
    QList<QAction*> result;
    for (int id : ids) {
        if (id == 0)
            result.append(separator());
        else if (QAction* a = action(id))
            result.append(a);
    }
    return result;
}
