#pragma once

#include <QString>

#include "duty/LinkedCodeLists.h"

// What the country chooser does: which caption it shows for a purpose, which
// row it selects on opening, and what it returns.
class LaenderCodeModel
{
public:
    // What the country is for; it names the dialog.
    enum Purpose {
        Bestimmungsland = 1,
        Ursprungsland = 2,
        Versendungsland = 3,
        Erzeugungsland = 4,
    };

    // The sorted lists of the country table, made on first use.
    static const LinkedCodeLists::Sorted& sortedCountries();

    explicit LaenderCodeModel(int purpose = 0);

    QString caption() const;

    // The selection on opening. A name selects the first table row whose name
    // begins with it (without regard to case). Without a name, or with one no
    // row begins with, the code selects the first entry of the code list that
    // begins with it (without regard to case), "DE" when it is empty or no
    // code begins with it.
    void open(const QString& name, const QString& code);

    LinkedCodeLists& lists() { return m_lists; }
    const LinkedCodeLists& lists() const { return m_lists; }

    // The chosen row's code and name; empty when no row is selected.
    QString resultCode() const;
    QString resultName() const;

private:
    int m_purpose;
    LinkedCodeLists m_lists;
};
