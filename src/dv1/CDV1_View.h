#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

#include <functional>

#include "view/CQxScrollViewBase.h"
#include "view/FormCommands.h"

class CDV1_Doc;
class CQznEditWindow_DV1;
class FormUndo;
class QAction;

// The D.V.1 on screen: the sheet of the current page drawn at the zoom with
// every field text, the field editor over the field with the focus, the
// answer boxes of the first page ticked by mouse, focus movement by keyboard
// and mouse, pages, and the page calculation.
//
// Use from the main window:
//   - Construct with the document (not owned, outliving the view), then call
//     initialUpdate() once: it reports a refused file and puts the focus
//     into field 0 of page 1.
//   - Menus: commandActions() lists every command as a QAction with its
//     German text and shortcuts; action(id) gives one. They belong to this
//     view and reach it while the field editor has the keyboard. Commands of
//     other parts of the program (printing) join through addCommandAction().
//   - Status bar: statusChanged(pageText, modeText) after every change;
//     pageText is "D.V.1 - Seite %d von %d", modeText "Einfügen" or
//     "Überschreiben". helpContextChanged(topic) whenever the focused field's
//     help topic changes (300 to 312).
//   - documentChanged() fires whenever the view changed the document (and
//     set its modified flag).
//   - Messages (the load status) go to setMessageHandler(), else a message
//     box.
class CDV1_View : public CQxScrollViewBase
{
    Q_OBJECT

public:
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
        Calculate = 32831,
        FlipPriceFields = 32834,
        NextPage = FormCommands::NextPage,
        PreviousPage = FormCommands::PreviousPage,
        FirstPage = FormCommands::FirstPage,
        LastPage = FormCommands::LastPage,
        AddPage = FormCommands::AddPage,
        ZoomLarger = FormCommands::ZoomLarger,
        ZoomSmaller = FormCommands::ZoomSmaller,
    };

    static constexpr const char* Section = "DV1Form_Defaults";

    explicit CDV1_View(CDV1_Doc* doc, QWidget* parent = nullptr);
    ~CDV1_View() override;

    CDV1_Doc* document() const { return m_doc; }
    CQznEditWindow_DV1* editor() const { return m_editor; }
    // The document's undo history (typing, formatting, pages, the
    // calculation and the answer boxes); saving marks its clean state.
    FormUndo& undoHistory() const { return *m_undo; }

    // First display: the scroll position at the top, a refused file reported,
    // the focus in field 0 of page 1.
    void initialUpdate();

    QList<QAction*> commandActions() const;
    QAction* action(int id) const;
    QAction* addCommandAction(int id, const QString& text, const QList<QKeySequence>& keys,
                              std::function<void()> handler);
    QList<QAction*> contextMenuActions() const { return m_contextList; }
    // Re-reads the enabled and checked state of every command.
    void updateCommandState();

    int currentPage() const;
    int currentField() const;
    int pageCount() const;
    // The focus move of every command, the mouse and the saving: field on
    // page (0: the current page). False for a page the document lacks.
    bool goToFormField(int field, int page = 0);

    int helpContext() const { return m_helpContext; }
    QString statusText() const;
    QString insertModeText() const;

    using MessageHandler = std::function<void(QWidget* parent, const QString& text)>;
    void setMessageHandler(MessageHandler handler) { m_message = std::move(handler); }

signals:
    void statusChanged(const QString& pageText, const QString& modeText);
    void documentChanged();
    void helpContextChanged(int context);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void onZoomChanged() override;
    void onScrolled() override;
    void giveFocusToEditor() override;
    void revealFocusedField() override;
    void formClicked(const QPoint& pos) override;
    void formHovered(const QPoint& pos) override;

private:
    // CDV1_ViewCommands.cpp
    void createActions();
    QAction* addCommand(Command id, const QString& text, const QList<QKeySequence>& keys = {});
    void runCommand(Command id);
    void runCalculation();
    void runAddPage();

    // CDV1_View.cpp
    void layoutView();
    void loadContinuationRects(int page);
    void markModified();
    void refreshStatus();
    void showMessage(const QString& text);
    void createUndo();
    void undoIndexChanged();

    CDV1_Doc* m_doc;
    CQznEditWindow_DV1* m_editor = nullptr;
    FormUndo* m_undo = nullptr;
    FormCommands* m_commands = nullptr;
    QList<QAction*> m_contextList;
    MessageHandler m_message;
    int m_helpContext = 300;
    // The parity whose continuation rectangles the editor holds.
    bool m_oddRects = false;
    bool m_overField = false;
};
