#include "view/FormUndo.h"

#include <QUndoCommand>

#include <algorithm>

#include "form/FieldStore.h"
#include "form/FormDelta.h"

namespace {

// Where the caret goes when a text becomes another one: behind what differs
// (after the typed word on redo, where it was on undo).
int caretAfterChange(const QString& from, const QString& to)
{
    qsizetype prefix = 0;
    const qsizetype common = std::min(from.size(), to.size());
    while (prefix < common && from.at(prefix) == to.at(prefix))
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < common - prefix && from.at(from.size() - 1 - suffix) == to.at(to.size() - 1 - suffix))
        ++suffix;
    QString shown = to.left(to.size() - suffix);
    // The editor shows a CR LF as one line break.
    return int(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).size());
}

} // namespace

struct FormUndo::Open {
    QString text;
    StepKind kind;
    FieldStore before;
    QList<int> valuesBefore;
    Focus focusBefore;
    int visit;
};

// One step of the history. It is pushed after its change was made, so the
// first redo (which the stack runs on push) does nothing.
class FormUndo::Command : public QUndoCommand
{
public:
    enum class Kind { Typing, Command, FollowUp };

    Command(FormUndo& owner, Kind kind, const QString& text, FormDelta delta, Focus before, Focus after,
            int visit = -1)
        : QUndoCommand(text), m_owner(owner), m_kind(kind), m_delta(std::move(delta)), m_before(before),
          m_after(after), m_visit(visit)
    {
    }

    int id() const override { return 1; }

    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* o = static_cast<const Command*>(other);
        if (m_kind != Kind::Typing || m_visit < 0 || o->m_visit != m_visit)
            return false;
        if (o->m_kind == Kind::Typing) {
            if (o->m_after.page != m_after.page || o->m_after.field != m_after.field)
                return false;
            m_after = o->m_after;
        } else if (o->m_kind != Kind::FollowUp) {
            return false;
        }
        m_delta.append(o->m_delta);
        // What follows the field's visit closes the step.
        if (o->m_kind == Kind::FollowUp)
            m_visit = -1;
        setObsolete(m_delta.isEmpty());
        return true;
    }

    void undo() override { m_owner.undoOrRedo(m_delta, m_before, false); }

    void redo() override
    {
        if (m_pushed)
            m_owner.undoOrRedo(m_delta, m_after, true);
        m_pushed = true;
    }

private:
    FormUndo& m_owner;
    Kind m_kind;
    FormDelta m_delta;
    Focus m_before;
    Focus m_after;
    int m_visit;
    bool m_pushed = false;
};

FormUndo::FormUndo(Target target, QObject* parent)
    : QObject(parent), m_target(std::move(target))
{
}

FormUndo::~FormUndo()
{
    // The history goes with its view, as a child of it: by then the view is
    // half destroyed, and the stack's last signals while it clears itself
    // must not reach the view's slots.
    m_stack.blockSignals(true);
}

void FormUndo::recordTyping(int page, int field, const QString& before, const QString& after, int visit)
{
    // A command that types for the user is recorded by its step.
    if (m_depth > 0 || before == after)
        return;
    const FormDelta delta = FormDelta::ofText(*m_target.store, field, page, before, after);
    m_stack.push(new Command(*this, Command::Kind::Typing, QStringLiteral("Eingabe"), delta,
                             {page, field, caretAfterChange(after, before)},
                             {page, field, caretAfterChange(before, after)}, visit));
}

void FormUndo::begin(const QString& text, StepKind kind, int visit)
{
    if (m_depth++ > 0)
        return;
    m_open = std::make_unique<Open>(Open{text, kind, *m_target.store, m_target.values(), m_target.focus(), visit});
}

void FormUndo::end()
{
    if (--m_depth > 0 || !m_open)
        return;
    const std::unique_ptr<Open> open = std::move(m_open);
    FormDelta delta = FormDelta::between(open->before, open->valuesBefore, *m_target.store, m_target.values());
    if (delta.isEmpty())
        return;
    // A follow-up joins the typing of the visit it ends, when that typing
    // is the last step; else it is a step of its own.
    const bool followUp = open->kind == StepKind::FollowUp;
    m_stack.push(new Command(*this, followUp ? Command::Kind::FollowUp : Command::Kind::Command, open->text,
                             std::move(delta), open->focusBefore, m_target.focus(), followUp ? open->visit : -1));
}

void FormUndo::undoOrRedo(const FormDelta& delta, const Focus& focus, bool forward)
{
    QList<int> values = m_target.values();
    if (forward)
        delta.redo(*m_target.store, values);
    else
        delta.undo(*m_target.store, values);
    m_target.setValues(values);
    emit restored(focus.page, focus.field, focus.caret);
}

FormUndo::Step::Step(FormUndo& undo, const QString& text, StepKind kind, int visit)
    : m_undo(undo)
{
    m_undo.begin(text, kind, visit);
}

FormUndo::Step::~Step()
{
    m_undo.end();
}
