#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QRect>
#include <QTextEdit>

#include <array>
#include <cstdint>

class CQxScrollViewBase;
class FieldStore;
class FormUndo;
class QAction;

// The field editor: one borderless text window that lies over the field
// with the focus. The user always types here; moving to another field writes
// the text back into the document's field store and loads the next field's
// text, rectangle, alignment and font into the same window.
//
// Field texts keep their lines joined by CR LF in the store. Every change
// the user makes goes into the store at once, so nothing typed is lost
// whatever command or save comes next; loading a field does not count as a
// change.
//
// Rectangles are in pixels from the form's top-left corner at the current
// zoom; the window is placed at the rectangle minus the view's scroll
// position.
//
// CQxEditWindow.cpp places the window, CQxEditWindowLooks.cpp keeps colours,
// fonts and formatting, CQxEditWindowTyping.cpp takes the keys and
// CQxEditWindowClipboard.cpp the clipboard.
//
// What the user types is recorded in the document's undo history (when the
// view gives it one): all typing during one visit of a field is one step.
class CQxEditWindow : public QTextEdit
{
    Q_OBJECT

public:
    CQxEditWindow(CQxScrollViewBase* view, FieldStore& store);
    ~CQxEditWindow() override;

    FieldStore& store() { return m_store; }
    // The document's undo history that typing is recorded in (not owned).
    void setUndo(FormUndo* undo) { m_formUndo = undo; }
    // Counts the loads of a field: typing of one visit is one undo step.
    int visit() const { return m_visit; }

    // --- rectangles ---------------------------------------------------------
    // 0, or -1 when the index is outside the page kind's fields.
    int SetFieldRect(int field, const QRect& rect);
    int GetFieldRect(int field, QRect* rect) const;
    int SetContFieldRect(int field, const QRect& rect);
    int GetContFieldRect(int field, QRect* rect) const;
    QRect fieldRect(int field, int page) const;

    // --- focus --------------------------------------------------------------
    // Loads field on page (0: the current page) into the window. -1 and
    // nothing changes when the index is outside the page's fields. The text
    // of the field left is in the store already.
    int GoToField(int field, int page = 0);
    int loadField(int field, int page);
    int GetCurrentPage() const { return m_page; }
    int GetCurrentField() const { return m_field; }
    // Puts the window over its field again (after scrolling or a new layout).
    void placeWindow();
    // Scrolls the view until the window is inside it.
    void EnsureFieldVisible();

    // --- looks ------------------------------------------------------------
    void SetColours(const QColor& text, const QColor& background);
    QColor textColour() const { return m_textColour; }
    QColor backColour() const { return m_backColour; }
    // The editor fonts ("EFont0".."EFont4B" of section "Font") for a zoom.
    void SetupScreenFonts(int zoom, int dpi);
    QFont editorFont(std::uint16_t attr) const;

    // --- formatting of the current field -------------------------------------
    bool CanFontLarger() const;
    bool CanFontSmaller() const;
    void FontLarger();
    void FontSmaller();
    void ToggleBold();
    bool IsBold() const;
    void AlignLeft();
    void AlignCenter();
    void AlignRight();
    bool IsAlignLeft() const;
    bool IsAlignCenter() const;
    bool IsAlignRight() const;

    // --- text -------------------------------------------------------------
    QString GetCurrentFieldText();
    void SetCurrentFieldText(const QString& text);
    // Puts text at the caret as if typed (a command's insertion).
    void insertAtCaret(const QString& text);
    // The caret in the shown text (after undo, say); clamped to the text.
    void setCaretPosition(int position);

    bool IsInsertMode() const { return m_insert; }
    void SetInsertMode(bool insert);

    // --- clipboard ------------------------------------------------------------
    // Pastes what fits into the field; returns the number of characters of
    // the clipboard that were left out (the user hears a beep then).
    int PasteNormalized();
    void copyText();
    void cutText();
    void selectAllText();

    // The view's commands: their shortcuts reach the view even while the
    // editor has the keyboard (Ctrl+Z centres, Tab moves on).
    void setCommandActions(const QList<QAction*>& actions) { m_commands = actions; }
    // The context menu's entries in order; a separator action separates.
    void setContextActions(const QList<QAction*>& actions) { m_contextActions = actions; }
    const QList<QAction*>& contextActions() const { return m_contextActions; }

signals:
    // The user changed the text.
    void textEdited();
    // The Insert key flipped the insert mode.
    void insertModeToggled(bool insert);
    // A note for the status bar (what a paste left out).
    void statusMessage(const QString& text);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

    CQxScrollViewBase* view() const { return m_view; }

private:
    static bool isPageKey(int key);
    static bool isModifierKey(int key);
    QAction* commandFor(const QKeyEvent* event) const;
    void typeKey(QKeyEvent* event);
    void applyFieldLooks(std::uint16_t attr);
    void onTextChanged();
    void writeStore();
    void refresh();

    CQxScrollViewBase* m_view;
    FieldStore& m_store;
    int m_field = 0;
    int m_page = 1;
    bool m_insert = true;
    bool m_loading = false;
    QColor m_textColour = Qt::black;
    QColor m_backColour = Qt::white;
    QList<QRect> m_firstRects;
    QList<QRect> m_contRects;
    std::array<QFont, 5> m_normalFonts;
    std::array<QFont, 5> m_boldFonts;
    int m_dpi = 96;
    int m_zoom = 10;
    FormUndo* m_formUndo = nullptr;
    int m_visit = 0;
    // A typed character was refused: until the caret moves or the text
    // changes, every further typed character is refused too, so a word
    // never loses letters from its middle.
    bool m_typingRefused = false;
    QList<QAction*> m_commands;
    QList<QAction*> m_contextActions;
};
