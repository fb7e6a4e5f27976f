#include "duty/CDlgFeld47.h"

#include <QMessageBox>

#include "duty/Feld47Grid.h"
#include "settings/StringTable.h"

CDlgFeld47::CDlgFeld47(Feld47Model& model, QWidget* parent)
    : Feld47Dialog(model, parent)
{
    const QString amountTip = QStringLiteral("Abgabenbetrag eintragen");
    build(QStringLiteral("Feld 47 - Abgabenberechnung"),
          {
              {QStringLiteral("Art"), Qt::AlignLeft, QStringLiteral("Abgabenart eintragen (siehe Codeliste mit F2)"), 7},
              {QStringLiteral("Bemessungsgrundl."), Qt::AlignRight, QStringLiteral("Bemessungsgrundlage eintragen"), 14},
              {QStringLiteral("Satz"), Qt::AlignRight, QStringLiteral("Abgabensatz eintragen"), 7},
              {QStringLiteral("Betrag"), Qt::AlignRight, amountTip, 12},
              {QStringLiteral("ZA"), Qt::AlignLeft, QString(), 3},
          },
          QStringLiteral("Summe:"), QStringLiteral("Summe der Abgabenbeträge"));
}

void CDlgFeld47::paymentRejected(int)
{
    QMessageBox::warning(this, windowTitle(), StringTable::text(StringTable::InvalidPaymentMethod), QMessageBox::Ok);
}
