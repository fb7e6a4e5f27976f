#include "duty/Feld47Dialog.h"

#include <algorithm>

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QValidator>

#include "duty/CDlgZollArten.h"
#include "duty/ChooserButtons.h"
#include "duty/Feld47Grid.h"
#include "settings/OkCancelButtons.h"

namespace {

// The "ZA" boxes take capitals only: typed letters become capitals.
class CapitalsValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

const char* const kHelp =
    "Abgabenberechnung: je Zeile die Abgabenart (Art), die Bemessungsgrundlage, den Abgabensatz, den "
    "Betrag und die Zahlungsart (ZA).\n\n"
    "Beträge werden beim Verlassen des Feldes mit zwei Nachkommastellen geschrieben (1.234,56 oder 7,5) "
    "und zur Summe addiert. In der Spalte ZA sind B, C, D und E zulässig.\n\n"
    "F2 oder \"Vorgaben\" im Feld Art öffnet die Liste der Abgabenarten. OK übernimmt alle Zeilen in das "
    "Dokument, Abbruch (Esc) lässt es unverändert.";

} // namespace

Feld47Dialog::Feld47Dialog(Feld47Grid& grid, QWidget* parent)
    : QDialog(parent)
    , m_grid(grid)
{
}

void Feld47Dialog::build(const QString& caption, const QList<Column>& columns, const QString& totalLabel,
                         const QString& totalToolTip)
{
    setWindowTitle(caption);
    const Feld47Grid::Layout& layout = m_grid.layout();
    auto* cells = new QGridLayout;
    cells->setHorizontalSpacing(4);
    cells->setVerticalSpacing(2);
    // Each column as wide as its heading or its widest entry, whichever is
    // more, so the headings stand over their boxes.
    const int charWidth = fontMetrics().averageCharWidth();
    QList<int> widths;
    for (int c = 0; c < columns.size(); ++c) {
        auto* heading = new QLabel(columns[c].heading, this);
        heading->setAlignment(columns[c].alignment | Qt::AlignBottom);
        widths << std::max(charWidth * columns[c].widthInChars + 16,
                           heading->fontMetrics().horizontalAdvance(columns[c].heading) + 8);
        heading->setFixedWidth(widths.last());
        cells->addWidget(heading, 0, c);
    }
    for (int r = 0; r < Feld47Grid::Rows; ++r) {
        for (int c = 0; c < columns.size(); ++c) {
            auto* box = new QLineEdit(this);
            box->setObjectName(QStringLiteral("cell_%1_%2").arg(r).arg(c));
            box->setAlignment(columns[c].alignment | Qt::AlignVCenter);
            box->setToolTip(columns[c].toolTip);
            box->setFixedWidth(widths[c]);
            if (c == layout.payment)
                box->setValidator(new CapitalsValidator(box));
            box->installEventFilter(this);
            cells->addWidget(box, r + 1, c);
            m_cells.append(box);
        }
    }
    m_total = new QLineEdit(this);
    m_total->setObjectName(QStringLiteral("total"));
    m_total->setReadOnly(true);
    m_total->setFocusPolicy(Qt::NoFocus);
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_total->setToolTip(totalToolTip);
    auto* label = new QLabel(totalLabel, this);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cells->addWidget(label, Feld47Grid::Rows + 1, 0, 1, layout.amount);
    cells->addWidget(m_total, Feld47Grid::Rows + 1, layout.amount);

    QPushButton* ok = nullptr;
    QDialogButtonBox* buttons = okCancelButtons(this, &ok, QStringLiteral("OK"), QStringLiteral("Abbruch"));
    buttons->setOrientation(Qt::Vertical);
    ok->setToolTip(QStringLiteral("Daten in Dokument übernehmen und den Dialog beenden"));
    ok->setDefault(true);
    buttons->findChild<QPushButton*>(QStringLiteral("cancel"))->setToolTip(QStringLiteral("Dialog abbrechen"));
    ChooserButtons::addHelpButton(buttons, this, QString::fromUtf8(kHelp));
    m_defaults = buttons->addButton(QStringLiteral("&Vorgaben"), QDialogButtonBox::ActionRole);
    m_defaults->setObjectName(QStringLiteral("defaults"));
    m_defaults->setToolTip(QStringLiteral("Dialog für Abgabenarten öffnen"));
    connect(m_defaults, &QPushButton::clicked, this, &Feld47Dialog::chooseDutyType);
    for (QAbstractButton* b : buttons->buttons()) {
        if (auto* push = qobject_cast<QPushButton*>(b); push && push != ok)
            push->setAutoDefault(false);
    }

    auto* outer = new QHBoxLayout(this);
    outer->setSizeConstraint(QLayout::SetFixedSize);
    outer->addLayout(cells, 1);
    outer->addWidget(buttons, 0, Qt::AlignTop);

    m_grid.normaliseAmounts();
    showValues();
    // The first "Art" box has the focus, so "Vorgaben" starts enabled for
    // the first line.
    m_grid.kindBoxEntered(0);
    cellBox(0, layout.kind)->setFocus(Qt::OtherFocusReason);
}

QLineEdit* Feld47Dialog::cellBox(int row, int column) const
{
    return m_cells.value(row * m_grid.columns() + column);
}

void Feld47Dialog::takeOverBoxes()
{
    for (int r = 0; r < Feld47Grid::Rows; ++r) {
        for (int c = 0; c < m_grid.columns(); ++c)
            m_grid.setCell(r, c, cellBox(r, c)->text());
    }
}

void Feld47Dialog::showValues()
{
    for (int r = 0; r < Feld47Grid::Rows; ++r) {
        for (int c = 0; c < m_grid.columns(); ++c) {
            QLineEdit* box = cellBox(r, c);
            if (box->text() != m_grid.cell(r, c))
                box->setText(m_grid.cell(r, c));
        }
    }
    m_total->setText(m_grid.total());
}

void Feld47Dialog::accept()
{
    takeOverBoxes();
    // Enter takes the dialog without leaving the box being typed in, so its
    // amount was never normalised nor added up: do it for every line now,
    // or the total written back would not be the sum of its lines.
    m_grid.normaliseAmounts();
    finishLines();
    done(Accepted);
}

void Feld47Dialog::done(int result)
{
    // Closing takes the focus from the box that has it; what the model holds
    // now is final.
    m_closing = true;
    QDialog::done(result);
}

bool Feld47Dialog::eventFilter(QObject* watched, QEvent* event)
{
    if (m_closing)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        const int index = m_cells.indexOf(static_cast<QLineEdit*>(watched));
        if (index >= 0) {
            const int row = index / m_grid.columns();
            const int column = index % m_grid.columns();
            if (event->type() == QEvent::FocusIn)
                boxEntered(row, column);
            else
                boxLeft(row, column);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Feld47Dialog::boxEntered(int row, int column)
{
    if (column == m_grid.layout().kind)
        m_grid.kindBoxEntered(row);
    else
        m_grid.otherBoxEntered();
    m_defaults->setEnabled(m_grid.chooserArmed());
}

void Feld47Dialog::boxLeft(int row, int column)
{
    if (column == m_grid.layout().amount) {
        takeOverBoxes();
        m_grid.leaveAmount(row);
        showValues();
    } else if (column == m_grid.layout().payment) {
        // After the focus has settled: a message box in the middle of a
        // focus change would fight it for the focus.
        QTimer::singleShot(0, this, [this, row] { checkPayment(row); });
    }
}

void Feld47Dialog::checkPayment(int row)
{
    if (m_closing || !isVisible())
        return;
    takeOverBoxes();
    if (!m_grid.paymentAccepted(row))
        paymentRejected(row);
}

void Feld47Dialog::keyPressEvent(QKeyEvent* event)
{
    // F2 belongs to this dialog wherever the focus is; it opens the
    // duty-type chooser only from an "Art" box.
    if (event->key() == Qt::Key_F2) {
        event->accept();
        if (m_grid.chooserArmed())
            chooseDutyType();
        return;
    }
    QDialog::keyPressEvent(event);
}

void Feld47Dialog::chooseDutyType()
{
    takeOverBoxes();
    const int row = m_grid.chooserRow();
    CDlgZollArten chooser(m_grid.cell(row, m_grid.layout().kind), this);
    if (chooser.exec() != QDialog::Accepted)
        return;
    m_grid.takeDutyType(chooser.code());
    showValues();
    cellBox(row, m_grid.layout().afterKind)->setFocus(Qt::OtherFocusReason);
}
