#pragma once

#include "duty/Feld47Dialog.h"

class Feld47Model;

// "Feld 47 - Abgabenberechnung": box 47 of one goods position, seven lines of
// "Art", "Bemessungsgrundl.", "Satz", "Betrag" and "ZA" and their total.
class CDlgFeld47 : public Feld47Dialog
{
    Q_OBJECT

public:
    CDlgFeld47(Feld47Model& model, QWidget* parent = nullptr);

protected:
    // Says which methods of payment there are; the text stays as typed.
    void paymentRejected(int row) override;
};
