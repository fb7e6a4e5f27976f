#pragma once

#include <QDialog>

#include "duty/Feld44Model.h"

class QCheckBox;
class QPlainTextEdit;

// "Feld 44": the text of box 44 and the input-tax cross. OK keeps the
// dialog open with a message when the text does not fit the box.
// Ctrl+Enter takes the dialog from inside the text too, where Enter makes a
// new line.
class CDlgFeld44Einfuhr : public QDialog
{
    Q_OBJECT

public:
    // offerCross false hides the check box and gives its room to the text.
    CDlgFeld44Einfuhr(const QString& boxText, bool inputTax, bool offerCross = true, QWidget* parent = nullptr);

    // After OK: the new box text and the state of the cross (off when the
    // cross was not offered).
    QString text() const { return m_model.text(); }
    bool inputTax() const { return m_model.inputTax(); }

    // How the box breaks a line that is wider than it (see Feld44Model).
    void setLineBreaking(Feld44Model::LineBreaking breaking) { m_model.setLineBreaking(std::move(breaking)); }

    QPlainTextEdit* textBox() const { return m_text; }
    QCheckBox* cross() const { return m_cross; }

    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Feld44Model m_model;
    QPlainTextEdit* m_text;
    QCheckBox* m_cross;
    bool m_offerCross;
};
