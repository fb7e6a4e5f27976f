#pragma once

#include <QDialog>

class QSpinBox;

// "Schriftgrößen für Druck": the printer font factor of the Einheitspapier
// and of the D.V.1, 50 to 150 percent each. Written on OK only.
class CDlgPrinterFontSize : public QDialog
{
    Q_OBJECT

public:
    explicit CDlgPrinterFontSize(QWidget* parent = nullptr);

    QSpinBox* einheitspapierBox() const { return m_eh; }
    QSpinBox* dv1Box() const { return m_dv1; }

    void accept() override;

private:
    QSpinBox* m_eh;
    QSpinBox* m_dv1;
};
