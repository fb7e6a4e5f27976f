#pragma once

#include <QString>

#include "duty/LinkedCodeLists.h"

// What the currency chooser does: the row it selects on opening and the code
// it returns.
class WaehrungsCodeModel
{
public:
    static const LinkedCodeLists::Sorted& sortedCurrencies();

    WaehrungsCodeModel();

    // Selects the row whose code equals code ("EUR" for an empty code). A
    // code typed in small letters finds its row too; an unknown code selects
    // nothing, so that the chooser never returns a currency the user did not
    // pick.
    void open(const QString& code);

    LinkedCodeLists& lists() { return m_lists; }
    const LinkedCodeLists& lists() const { return m_lists; }

    // The chosen code; empty when no row is selected.
    QString resultCode() const;

private:
    LinkedCodeLists m_lists;
};
