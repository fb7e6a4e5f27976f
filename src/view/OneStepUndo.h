#pragma once

#include <QString>

// The field editor's undo: one step, as declarants know it from the classic
// edit box. A run of typing (or of erasing) at the caret is one step; undo
// brings back the text before it, and a second undo takes that back again.
class OneStepUndo
{
public:
    struct State {
        QString text;
        int caret = 0;
    };
    enum class Edit { Typing, Erasing, Other };

    // A new field was loaded: there is nothing to undo.
    void reset();

    // Called before the user changes the text. A typing or erasing edit that
    // goes on where the previous one of the same kind left the caret, with
    // nothing selected, joins that step; anything else starts a new one.
    void beforeEdit(Edit kind, const State& current, bool hasSelection);
    // Called after the change with the caret where it ended.
    void afterEdit(int caret);

    bool canUndo() const { return m_valid; }
    // The state to show; the current one becomes the next undo.
    State undo(const State& current);

private:
    State m_saved;
    bool m_valid = false;
    Edit m_lastKind = Edit::Other;
    int m_runCaret = -1;
};
