#pragma once

#include <QDialog>
#include <QList>

class Feld47Grid;
class QLineEdit;
class QPushButton;

// What the two box 47 dialogs have in common: seven lines of entry boxes
// over a grid model, the read-only total, the buttons "OK", "Abbruch",
// "Hilfe" and "Vorgaben", amounts normalised as their box is left, the
// method-of-payment check as a "ZA" box is left, and the duty-type chooser on
// "Vorgaben" or F2 while an "Art" box has the focus. The model is the
// caller's: the dialog works on it, and the caller stores it only after OK.
class Feld47Dialog : public QDialog
{
    Q_OBJECT

public:
    // The help topic while a box 47 dialog is open.
    static constexpr int HelpContext = 447;

    QLineEdit* cellBox(int row, int column) const;
    QLineEdit* totalBox() const { return m_total; }
    QPushButton* defaultsButton() const { return m_defaults; }

    void accept() override;
    void done(int result) override;

protected:
    struct Column {
        QString heading;
        Qt::Alignment alignment;
        QString toolTip;
        int widthInChars;
    };

    Feld47Dialog(Feld47Grid& grid, QWidget* parent);
    // Builds the boxes; called once by the concrete dialog's constructor.
    void build(const QString& caption, const QList<Column>& columns, const QString& totalLabel,
               const QString& totalToolTip);

    Feld47Grid& grid() const { return m_grid; }

    // A "ZA" box whose method of payment fails the check was left.
    virtual void paymentRejected(int row) = 0;
    // OK: what the dialog does with the lines before it closes.
    virtual void finishLines() {}

    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The boxes' texts into the model, and the model's texts into the boxes.
    void takeOverBoxes();
    void showValues();

private:
    void boxEntered(int row, int column);
    void boxLeft(int row, int column);
    void checkPayment(int row);
    void chooseDutyType();

    Feld47Grid& m_grid;
    QList<QLineEdit*> m_cells;
    QLineEdit* m_total = nullptr;
    QPushButton* m_defaults = nullptr;
    bool m_closing = false;
};
