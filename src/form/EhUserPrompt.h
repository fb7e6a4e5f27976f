#pragma once

#include <QString>

// What the Einheitspapier operations need to ask or tell the user. The view
// implements it with message boxes and dialogs; the command-line tool and the
// tests with plain objects.
class EhUserPrompt
{
public:
    virtual ~EhUserPrompt() = default;

    // Shows the message of a string table id (an error or a note).
    virtual void showMessage(int messageId) = 0;
    // Shows a literal text.
    virtual void showText(const QString& text) = 0;
    // Which answer Enter gives: No for a question whose Yes destroys data.
    enum class Preselect { Yes, No };

    // Asks the message of a string table id with Yes and No.
    virtual bool askYesNo(int messageId, Preselect preselect) = 0;
    virtual void beep() = 0;
    // The "Neues Einheitspapier" question: a form set 0..3, or -1 when the
    // user cancelled.
    virtual int askFormSet() = 0;
};
