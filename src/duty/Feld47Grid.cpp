#include "duty/Feld47Grid.h"

#include "duty/CodeText.h"
#include "duty/Feld47Amount.h"

namespace {

bool isPaymentLetter(const QString& text)
{
    return text == QLatin1String("B") || text == QLatin1String("C") || text == QLatin1String("D")
           || text == QLatin1String("E");
}

} // namespace

Feld47Grid::Feld47Grid(const Layout& layout)
    : m_layout(layout)
    , m_cells(Rows * layout.columns)
{
}

QString Feld47Grid::cell(int row, int column) const
{
    return m_cells.value(row * m_layout.columns + column);
}

void Feld47Grid::setCell(int row, int column, const QString& text)
{
    if (row >= 0 && row < Rows && column >= 0 && column < m_layout.columns)
        m_cells[row * m_layout.columns + column] = text;
}

void Feld47Grid::normaliseAmounts()
{
    for (int row = 0; row < Rows; ++row)
        setCell(row, m_layout.amount, Feld47Amount::normalised(cell(row, m_layout.amount)));
    computeTotal();
}

void Feld47Grid::leaveAmount(int row)
{
    setCell(row, m_layout.amount, Feld47Amount::normalised(cell(row, m_layout.amount)));
    computeTotal();
}

void Feld47Grid::computeTotal()
{
    double sum = 0.0;
    for (int row = 0; row < Rows; ++row)
        sum += Feld47Amount::parse(cell(row, m_layout.amount));
    m_total = Feld47Amount::totalText(sum);
}

int Feld47Grid::kindNumber(int row) const
{
    return CodeTables::leadingInteger(cell(row, m_layout.kind));
}

void Feld47Grid::kindBoxEntered(int row)
{
    m_chooserRow = row;
    m_chooserArmed = true;
}

void Feld47Grid::otherBoxEntered()
{
    m_chooserRow = Rows - 1;
    m_chooserArmed = false;
}

void Feld47Grid::takeDutyType(const QString& code)
{
    setCell(m_chooserRow, m_layout.kind, code);
}

Feld47Model::Feld47Model()
    : Feld47Grid({Columns, Kind, Amount, Payment, Base})
{
}

bool Feld47Model::paymentAccepted(int row) const
{
    if (!needsPaymentMethod(row))
        return true;
    qsizetype i = 0;
    const QString text = cell(row, Payment);
    while (i < text.size() && text[i].isSpace())
        ++i;
    const QString letter = text.mid(i);
    return letter.isEmpty() || isPaymentLetter(letter);
}

Feld47SummeModel::Feld47SummeModel()
    : Feld47Grid({Columns, Kind, Amount, Payment, Amount})
{
}

bool Feld47SummeModel::paymentAccepted(int row) const
{
    return !needsPaymentMethod(row) || isPaymentLetter(cell(row, Payment));
}

void Feld47SummeModel::finishOk()
{
    for (int row = 0; row < Rows; ++row) {
        if (!needsPaymentMethod(row)) {
            setCell(row, Kind, QString());
            setCell(row, Amount, QString());
            setCell(row, Payment, QString());
        }
    }
    // The total written back must be the sum of the lines written back.
    computeTotal();
}
