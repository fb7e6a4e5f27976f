#pragma once

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <initializer_list>

class CQxEditWindow;
class FormUndo;
class QAction;
class QWidget;

// The commands of a form view as actions: each with its id (as the menus and
// the rest of the program know it), its German text and its keys. The
// actions belong to the view (shortcut context: the view and its children),
// so each open document has its own set, and their keys reach the view even
// while the field editor has the keyboard. What was typed is in the store
// already when a command runs.
//
// It also carries the field editor's own commands, which every form view has
// alike: undo and redo of the document's history, the clipboard, select all,
// the insert mode, font size, bold and alignment. Each of them that changes
// the document is one step of the history.
class FormCommands : public QObject
{
    Q_OBJECT

public:
    // Ids shared by the form views.
    enum Id {
        Copy = 57634,
        Cut = 57635,
        Paste = 57637,
        Undo = 57643,
        Redo = 57644,
        SelectAll = 57642,
        InsertMode = 32773,
        NextField = 32775,
        PreviousField = 32777,
        FontLarger = 32779,
        FontSmaller = 32781,
        Bold = 32783,
        AlignLeft = 32785,
        AlignCenter = 32787,
        AlignRight = 32789,
        InsertChoice = 32809,
        NextPage = 32815,
        PreviousPage = 32816,
        FirstPage = 32817,
        LastPage = 32818,
        AddPage = 32819,
        ZoomLarger = 32866,
        ZoomSmaller = 32867,
    };

    // What the view does around the editor's commands.
    struct Hooks {
        std::function<void()> modified;       // a command changed the field
        std::function<void()> insertModeChanged;
    };

    FormCommands(QWidget& view, CQxEditWindow& editor, FormUndo& undo, Hooks hooks);

    // A command of the view.
    QAction* add(int id, const QString& text, const QList<QKeySequence>& keys, std::function<void()> handler);
    // A separator between groups of the command list.
    void addSeparator();

    QAction* action(int id) const { return m_byId.value(id); }
    // Every command in the order added, separators included.
    const QList<QAction*>& actions() const { return m_list; }

    // "&Rückgängig" (Alt+Backspace) and "&Wiederherstellen" (Ctrl+Y), then
    // "&Ausschneiden", "&Kopieren", "E&infügen", "Alles &markieren" and
    // "Einfügemodus".
    void addEditingCommands();
    // "Schrift &größer", "Schrift k&leiner", "Schrift &fett", then the three
    // alignments (Ctrl+L, Ctrl+Z, Ctrl+R), of which one is marked.
    void addFormatCommands();
    // The enabled and checked states and the insert mode's text of the
    // editor's commands.
    void updateEditorCommands();

    // A menu of the listed commands; 0 stands for a separator.
    QList<QAction*> menu(std::initializer_list<int> ids);

    // The two texts of "Einfügemodus".
    static QString insertModeText(bool insertOn);

private:
    QAction* separator();
    // Runs an editor command, then brings the states up to date and, for a
    // command that changes the field, reports the modification. A command
    // that changes the field is one step of the history, named text.
    std::function<void()> editorCommand(std::function<void()> run, bool modifies, const QString& text = {});

    QWidget& m_view;
    CQxEditWindow& m_editor;
    FormUndo& m_undo;
    Hooks m_hooks;
    QHash<int, QAction*> m_byId;
    QList<QAction*> m_list;
};
