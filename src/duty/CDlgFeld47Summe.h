#pragma once

#include "duty/Feld47Dialog.h"

class Feld47SummeModel;

// "47 Abgabenberechnung (Zusammenfassung)": the summary box of a
// continuation sheet, seven lines of "Art", "Betrag" and "ZA" and the grand
// total "GS".
class CDlgFeld47Summe : public Feld47Dialog
{
    Q_OBJECT

public:
    CDlgFeld47Summe(Feld47SummeModel& model, QWidget* parent = nullptr);

protected:
    // OK sends the user back into the box; Abbrechen lets the focus go on.
    void paymentRejected(int row) override;
    // Clears the lines without a duty type and totals what is left.
    void finishLines() override;
};
