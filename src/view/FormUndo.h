#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>
#include <memory>

class FieldStore;

// The undo history of one form document: every change the user makes, by
// typing, by a command or through a dialog, is one step that "&Rückgängig"
// takes back and "&Wiederherstellen" brings again, whichever field has the
// focus by then.
//
// Typing is recorded as it happens: everything typed into one field before
// the focus leaves it is one step. A command wraps its work in a Step, which
// keeps what the command changed (however many fields, pages and document
// values) as one step. Undo and redo write the store back and report the
// field to show; the view does the showing.
//
// The stack's clean state is the saved state: the view marks it when the
// document is saved, so undoing back to it leaves the document unmodified.
class FormUndo : public QObject
{
    Q_OBJECT

public:
    // Where the focus is, and the caret in the field (-1: at the start).
    struct Focus {
        int page = 1;
        int field = 0;
        int caret = -1;
    };

    // What the history works on: the document's store, its values beside
    // the fields, and the view's focus.
    struct Target {
        FieldStore* store = nullptr;
        std::function<QList<int>()> values;
        std::function<void(const QList<int>&)> setValues;
        std::function<Focus()> focus;
    };

    enum class StepKind {
        Command,   // a step of its own
        FollowUp,  // what leaving a field changes: part of the typing in it
    };

    // Everything the document undergoes while a Step lives is one undo step.
    // Steps inside a step are part of the outer one; typing inside a step
    // (a command that writes into the field editor) too.
    class Step
    {
    public:
        // A follow-up names the visit of the field it follows (see
        // recordTyping).
        Step(FormUndo& undo, const QString& text, StepKind kind = StepKind::Command, int visit = -1);
        ~Step();
        Step(const Step&) = delete;
        Step& operator=(const Step&) = delete;

    private:
        FormUndo& m_undo;
    };

    explicit FormUndo(Target target, QObject* parent = nullptr);
    ~FormUndo() override;

    QUndoStack& stack() { return m_stack; }

    // The user changed the text of a field from before to after while the
    // focus was in it; visit tells one stay in the field from the next.
    void recordTyping(int page, int field, const QString& before, const QString& after, int visit);

    // The document was saved: this is its unmodified state.
    void markSaved() { m_stack.setClean(); }
    // The document holds changes that no step can take back (a converted
    // file): no state of the history is the saved one.
    void markUnsaved() { m_stack.resetClean(); }
    // The document was read anew: the history no longer applies.
    void clear() { m_stack.clear(); }

signals:
    // An undo or redo changed the document; the view shows this field.
    void restored(int page, int field, int caret);

private:
    class Command;
    friend class Command;

    void begin(const QString& text, StepKind kind, int visit);
    void end();
    void undoOrRedo(const class FormDelta& delta, const Focus& focus, bool forward);

    Target m_target;
    QUndoStack m_stack;
    int m_depth = 0;
    // The state when the outer step began.
    struct Open;
    std::unique_ptr<Open> m_open;
};
