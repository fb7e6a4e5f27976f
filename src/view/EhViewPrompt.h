#pragma once

#include "form/EhUserPrompt.h"

class QWidget;

// The Einheitspapier operations' questions as message boxes over the view,
// with the program's German texts.
class EhViewPrompt : public EhUserPrompt
{
public:
    explicit EhViewPrompt(QWidget* parent) : m_parent(parent) {}

    void showMessage(int messageId) override;
    void showText(const QString& text) override;
    bool askYesNo(int messageId) override;
    void beep() override;
    int askFormSet() override;

private:
    QWidget* m_parent;
};
