#pragma once

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

#include "view/CQxScrollViewBase.h"
#include "view/FormCommands.h"

class CEinheitspapierDoc;
class CQznEditWindow_EHP;
class FieldDefinitions;
class HelpContext;
struct Feld47Box;
class EhFocusNavigator;
class EhViewPrompt;
class FormPainter;
class FormUndo;
class QAction;

// The Einheitspapier on screen: the form drawn at the zoom with every field
// text, the field editor over the field with the focus, focus movement by
// keyboard and mouse, and the document commands.
//
// Use from the main window:
//   - Construct with the document and the program's field definitions (both
//     not owned, and outliving the view), then call initialUpdate()
//     once with the program's current form-set choice; when it returns false
//     the user cancelled the form-set question and the document should close.
//   - Menus and tool bars: commandActions() lists every command as a QAction
//     with its German text and shortcuts, in menu order, with separator
//     actions between groups; action(Command) gives one of them. The actions
//     belong to this view (shortcut context: the view and its children), so
//     each open document has its own set and keys reach the focused view.
//     Their enabled and checked states are kept current by the view. Put
//     these actions into the menus rather than actions of the main window
//     with the same keys, which would make the keys ambiguous. Deleting a
//     goods position (DeleteGoodsPosition) has no menu entry of its own.
//   - Status bar: statusChanged(pageText, modeText) after every change;
//     pageText is "Einheitspapier - Seite %d von %d", modeText "Einfügen" or
//     "Überschreiben".
//   - Saving, printing or anything else may read the store at any time:
//     every keystroke goes into the store at once, so there is nothing
//     typed that the store does not hold yet.
//   - documentChanged() fires whenever the view changed the document (and set
//     its modified flag); viewActivated(formSet) when the user comes back to
//     this view, so the program can take its form set as the current choice.
//   - The "Neues Einheitspapier" question comes from setFormSetChooser();
//     without one, the form set last chosen ("LastEhType") is taken.
//   - The printing commands and the other commands from outside join the
//     view through addCommandAction().
class CEinheitspapierView : public CQxScrollViewBase
{
    Q_OBJECT

public:
    // Command ids, as the menus and the rest of the program know them.
    enum Command {
        Copy = FormCommands::Copy,
        Cut = FormCommands::Cut,
        Paste = FormCommands::Paste,
        Undo = FormCommands::Undo,
        Redo = FormCommands::Redo,
        SelectAll = FormCommands::SelectAll,
        InsertMode = FormCommands::InsertMode,
        NextField = FormCommands::NextField,
        PreviousField = FormCommands::PreviousField,
        FontLarger = FormCommands::FontLarger,
        FontSmaller = FormCommands::FontSmaller,
        Bold = FormCommands::Bold,
        AlignLeft = FormCommands::AlignLeft,
        AlignCenter = FormCommands::AlignCenter,
        AlignRight = FormCommands::AlignRight,
        InsertChoice = FormCommands::InsertChoice,
        NextPage = FormCommands::NextPage,
        PreviousPage = FormCommands::PreviousPage,
        FirstPage = FormCommands::FirstPage,
        LastPage = FormCommands::LastPage,
        AddPage = FormCommands::AddPage,
        Renumber = 32844,
        FormSet0 = 32846,
        FormSet1 = 32848,
        FormSet2 = 32850,
        FormSet3 = 32852,
        ZoomLarger = FormCommands::ZoomLarger,
        ZoomSmaller = FormCommands::ZoomSmaller,
        MoveGoodsPosition = 32874,
        DeleteGoodsPosition = 32876,
        RemoveLastPage = 32878,
        // Carried out by the form defaults dialog, which joins the view
        // through addCommandAction().
        FormDefaults = 32807,
    };

    // The settings section of this view.
    static constexpr const char* Section = "EHForm_Defaults";

    CEinheitspapierView(CEinheitspapierDoc* doc, FieldDefinitions& definitions, QWidget* parent = nullptr);
    ~CEinheitspapierView() override;

    CEinheitspapierDoc* document() const { return m_doc; }
    // The flag tables the view draws, moves the focus and prints by.
    FieldDefinitions& fieldDefinitions() const { return m_definitions; }
    CQznEditWindow_EHP* editor() const { return m_editor; }
    // The document's undo history: typing, formatting, page and position
    // commands and the results of the box dialogs, back to the document's
    // opening. Saving marks its clean state.
    FormUndo& undoHistory() const { return *m_undo; }

    // First display of the document: reports a refused load, settles the
    // form set (asking when appFormSet is not 0..3), applies the sender
    // defaults and the unused-field marks, and puts the focus into field 0
    // of page 1. False when the user cancelled the form-set question.
    bool initialUpdate(int appFormSet);

    // Every command in menu order, separators included.
    QList<QAction*> commandActions() const;
    QAction* action(Command command) const;
    // A command that another part of the program carries out for this view
    // (printing, the form defaults): an action like the view's own, with
    // its shortcut reaching the view even while the field editor has the
    // keyboard. What was typed is in the store already when handler runs.
    QAction* addCommandAction(int id, const QString& text, const QList<QKeySequence>& keys,
                              std::function<void()> handler);
    // The entries of the field editor's context menu.
    QList<QAction*> contextMenuActions() const { return m_contextList; }
    // Re-reads the enabled and checked state of every command.
    void updateCommandState();

    int currentPage() const;
    int currentField() const;
    int pageCount() const;
    // The focus move every command, the mouse and the keys use: the rules of
    // the field left, the automatic numbering, the field's own dialog.
    // direction: +1 forwards (Tab, page moves, mouse), -1 backwards.
    bool goToFormField(int field, int page, int direction = +1);

    QString statusText() const;
    QString insertModeText() const;

    // Asked when a document has no form set: 0..3, or -1 for cancel.
    using FormSetChooser = std::function<int(QWidget* parent)>;
    void setFormSetChooser(FormSetChooser chooser);

    // The program's help topic, set while the view's dialogs are open (not
    // owned; none by default).
    void setHelpContext(HelpContext* help) { m_help = help; }

signals:
    void statusChanged(const QString& pageText, const QString& modeText);
    void documentChanged();
    void viewActivated(int formSet);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void onZoomChanged() override;
    void onScrolled() override;
    void giveFocusToEditor() override;
    void revealFocusedField() override;
    void formClicked(const QPoint& pos) override;
    void formHovered(const QPoint& pos) override;

private:
    // CEinheitspapierViewCommands.cpp
    void createActions();
    QAction* addCommand(Command id, const QString& text, const QList<QKeySequence>& keys = {});
    void runCommand(Command id);
    // Whether the command changes the document (one undo step).
    static bool changesDocument(Command id);
    void runFormSet(int formSet);
    void runAddPage();
    void runRemoveLastPage();
    void runMoveGoodsPosition();
    void runDeleteGoodsPosition();
    void runInsertChoice();
    bool insertChoiceAvailable() const;
    // CEinheitspapierViewGoods.cpp: box 31 of a goods position picks from
    // the goods master data.
    bool goodsChoiceAvailable() const;
    void runGoodsChoice();
    void afterStoreChange();

    // CEinheitspapierViewBoxes.cpp: the dialogs that fill a box
    void runBox47(const Feld47Box& box, int field);
    void runBox44Dialog(int direction);
    bool runBoxPicker();

    // CEinheitspapierView.cpp
    EhFocusNavigator navigator() const;
    void layoutView();
    void runStampInput(int field, int direction);
    void markModified();
    void refreshStatus();
    // CEinheitspapierViewUndo.cpp
    void createUndo();
    void showRestored(int page, int field, int caret);
    void undoIndexChanged();

    CEinheitspapierDoc* m_doc;
    FieldDefinitions& m_definitions;
    CQznEditWindow_EHP* m_editor = nullptr;
    FormUndo* m_undo = nullptr;
    std::unique_ptr<EhViewPrompt> m_prompt;
    FormCommands* m_commands = nullptr;
    QList<QAction*> m_contextList;
    HelpContext* m_help = nullptr;
    bool m_inStampInput = false;
    bool m_inBox44Dialog = false;
    bool m_overField = false;
};
