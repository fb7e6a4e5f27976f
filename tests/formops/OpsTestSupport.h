#pragma once

#include <QList>
#include <QString>

#include "form/EhUserPrompt.h"

// Records what the operations asked and answers with preset values.
class RecordingPrompt : public EhUserPrompt
{
public:
    QList<int> messages;
    QList<Preselect> preselected;
    QList<QString> texts;
    int beeps = 0;
    int formSetQuestions = 0;
    bool yes = true;
    int formSetAnswer = -1;

    void showMessage(int id) override { messages << id; }
    void showText(const QString& text) override { texts << text; }
    bool askYesNo(int id, Preselect preselect) override
    {
        messages << id;
        preselected << preselect;
        return yes;
    }
    void beep() override { ++beeps; }
    int askFormSet() override
    {
        ++formSetQuestions;
        return formSetAnswer;
    }
};
