#pragma once

#include <functional>

#include "form/EhUserPrompt.h"

class QWidget;

// The Einheitspapier operations' questions as message boxes over the view,
// with the program's German texts.
class EhViewPrompt : public EhUserPrompt
{
public:
    // Asked when a document has no form set: 0..3, or -1 for cancel.
    using FormSetChooser = std::function<int(QWidget* parent)>;

    explicit EhViewPrompt(QWidget* parent) : m_parent(parent) {}

    // Without a chooser the form set last chosen ("LastEhType") is taken.
    void setFormSetChooser(FormSetChooser chooser) { m_chooser = std::move(chooser); }

    void showMessage(int messageId) override;
    void showText(const QString& text) override;
    bool askYesNo(int messageId, Preselect preselect) override;
    // A question of the view's own with Yes and No.
    bool askQuestion(const QString& text, Preselect preselect);
    void beep() override;
    int askFormSet() override;

private:
    QWidget* m_parent;
    FormSetChooser m_chooser;
};
