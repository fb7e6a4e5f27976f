#pragma once

#include <QString>

// What the federal-state chooser does: one list in table order, the entry a
// code selects, and the two-digit code it returns.
class BundeslaenderCodeModel
{
public:
    static QString defaultCaption() { return QStringLiteral("Ländernummer (Inland)"); }

    // An empty code counts as "1"; "99" selects "99 - Ausland". A code that
    // names no state leaves the list without a selection.
    void open(const QString& code);

    int selectedPosition() const { return m_position; }
    void select(int position);

    // Two digits for the selected state, "99" for abroad, "00" with nothing
    // selected.
    QString resultCode() const;

private:
    int m_position = -1;
};
