#include "duty/CDlgFeld47Summe.h"

#include <QLineEdit>
#include <QMessageBox>

#include "duty/Feld47Grid.h"
#include "settings/StringTable.h"

CDlgFeld47Summe::CDlgFeld47Summe(Feld47SummeModel& model, QWidget* parent)
    : Feld47Dialog(model, parent)
{
    build(QStringLiteral("47 Abgabenberechnung (Zusammenfassung)"),
          {
              {QStringLiteral("Art"), Qt::AlignLeft, QStringLiteral("Abgabenart eintragen (siehe Codeliste mit F2)"), 7},
              {QStringLiteral("Betrag"), Qt::AlignRight, QStringLiteral("Abgabenbetrag eintragen"), 12},
              {QStringLiteral("ZA"), Qt::AlignLeft, QString(), 3},
          },
          QStringLiteral("GS:"), QString());
}

void CDlgFeld47Summe::paymentRejected(int row)
{
    const QMessageBox::StandardButton answer
        = QMessageBox::warning(this, windowTitle(), StringTable::text(StringTable::InvalidPaymentMethod),
                               QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok);
    if (answer == QMessageBox::Ok)
        cellBox(row, Feld47SummeModel::Payment)->setFocus(Qt::OtherFocusReason);
}

void CDlgFeld47Summe::finishLines()
{
    static_cast<Feld47SummeModel&>(grid()).finishOk();
}
