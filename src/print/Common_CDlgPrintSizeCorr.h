#pragma once

#include <QDialog>

#include "print/PrintSizeCorrection.h"

class QLineEdit;

// "Druckbereich-Korrektur": the vertical and horizontal stretch of the print
// in percent (97.0 to 103.0). Reads the store when it opens and writes it on
// OK only; an entry out of range is refused and the dialog stays open.
class Common_CDlgPrintSizeCorr : public QDialog
{
    Q_OBJECT

public:
    explicit Common_CDlgPrintSizeCorr(QWidget* parent = nullptr);

    QLineEdit* verticalEdit() const { return m_vertical; }
    QLineEdit* horizontalEdit() const { return m_horizontal; }

    void accept() override;

private:
    int m_language;
    QLineEdit* m_vertical;
    QLineEdit* m_horizontal;
};
