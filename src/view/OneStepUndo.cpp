#include "view/OneStepUndo.h"

void OneStepUndo::reset()
{
    m_valid = false;
    m_saved = State();
    m_lastKind = Edit::Other;
    m_runCaret = -1;
}

void OneStepUndo::beforeEdit(Edit kind, const State& current, bool hasSelection)
{
    const bool continues = m_valid && kind != Edit::Other && kind == m_lastKind && !hasSelection
                           && current.caret == m_runCaret;
    if (!continues) {
        m_saved = current;
        m_valid = true;
    }
    m_lastKind = kind;
}

void OneStepUndo::afterEdit(int caret)
{
    m_runCaret = caret;
}

OneStepUndo::State OneStepUndo::undo(const State& current)
{
    const State restored = m_saved;
    m_saved = current;
    m_valid = true;
    // Whatever is typed next starts a new step.
    m_lastKind = Edit::Other;
    m_runCaret = -1;
    return restored;
}
