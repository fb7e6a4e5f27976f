#pragma once

// The help topic of the dialog the user works in, for the help key. The
// program keeps one and hands it to whoever opens dialogs; a dialog sets its
// topic while it is open and puts the previous one back when it closes.
class HelpContext
{
public:
    int current() const { return m_current; }
    void set(int topic) { m_current = topic; }

    // Sets topic for as long as the scope lives. A scope without a context
    // (a view that nobody gave one, as in tests) does nothing.
    class Scope
    {
    public:
        Scope(HelpContext* context, int topic)
            : m_context(context)
            , m_previous(context ? context->current() : 0)
        {
            if (m_context)
                m_context->set(topic);
        }
        ~Scope()
        {
            if (m_context)
                m_context->set(m_previous);
        }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        HelpContext* m_context;
        int m_previous;
    };

private:
    int m_current = 0;
};
