#pragma once

#include <QString>

// What the duty-type chooser does: the code it selects for the text of an
// "Art" box, the meaning it shows, and the code it returns.
class ZollArtenModel
{
public:
    // Selects the first code that begins with text (without regard to case),
    // the first code when none does.
    void open(const QString& text);

    int selectedPosition() const { return m_position; }
    void select(int position);

    QString meaning() const;
    QString resultCode() const;

private:
    int m_position = 0;
};
