#pragma once

#include <QList>
#include <QString>

// The seven lines of a box 47 dialog with their total, and the rules both
// box 47 dialogs share: amounts are normalised when a box is left, the total
// follows the amounts, and the duty-type chooser is offered while an "Art"
// box has the focus. CDlgFeld47 and CDlgFeld47Summe differ only in their
// columns and in how they check the method of payment.
class Feld47Grid
{
public:
    static constexpr int Rows = 7;

    // The columns every grid has, by their position in the grid.
    struct Layout {
        int columns;
        int kind;      // "Art"
        int amount;    // "Betrag"
        int payment;   // "ZA"
        int afterKind; // where the focus goes after a duty type was chosen
    };

    explicit Feld47Grid(const Layout& layout);
    virtual ~Feld47Grid() = default;

    const Layout& layout() const { return m_layout; }
    int columns() const { return m_layout.columns; }

    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);
    QString total() const { return m_total; }
    void setTotal(const QString& text) { m_total = text; }

    // Opening: every amount normalised, the total computed from them.
    void normaliseAmounts();
    // Leaving row's amount box: that amount normalised, the total computed.
    void leaveAmount(int row);
    void computeTotal();

    // The duty type of a row read as a whole number ("10100"; an empty or
    // non-numeric "Art" counts as 0). Types from 100 up need a method of
    // payment.
    int kindNumber(int row) const;
    bool needsPaymentMethod(int row) const { return kindNumber(row) >= 100; }
    // Whether row's method of payment may stay as it is when its box is left.
    virtual bool paymentAccepted(int row) const = 0;

    // Focus tracking for the button "Vorgaben" and the key F2: an "Art" box
    // arms them for its row; any other box disarms them and points the row
    // at the last line.
    void kindBoxEntered(int row);
    void otherBoxEntered();
    bool chooserArmed() const { return m_chooserArmed; }
    int chooserRow() const { return m_chooserRow; }
    // The chosen duty type goes into the remembered row's "Art".
    void takeDutyType(const QString& code);

private:
    Layout m_layout;
    QList<QString> m_cells;
    QString m_total;
    int m_chooserRow = 0;
    bool m_chooserArmed = false;
};

// CDlgFeld47: one goods position's box 47, columns "Art",
// "Bemessungsgrundl.", "Satz", "Betrag", "ZA".
class Feld47Model : public Feld47Grid
{
public:
    enum Column { Kind = 0, Base = 1, Rate = 2, Amount = 3, Payment = 4 };
    static constexpr int Columns = 5;

    Feld47Model();

    // B, C, D, E or nothing, leading blanks ignored.
    bool paymentAccepted(int row) const override;
};

// CDlgFeld47Summe: the summary box of a continuation sheet, columns "Art",
// "Betrag", "ZA".
class Feld47SummeModel : public Feld47Grid
{
public:
    enum Column { Kind = 0, Amount = 1, Payment = 2 };
    static constexpr int Columns = 3;

    Feld47SummeModel();

    // Exactly B, C, D or E: every duty of the summary is paid somehow.
    bool paymentAccepted(int row) const override;

    // OK: the lines without a duty type (below 100, empty or not a number)
    // are cleared, and the total is computed from the lines that are left.
    void finishOk();
};
