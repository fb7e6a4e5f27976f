#include "print/CDlgPrinterFontSize.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "print/PrinterFontSizes.h"
#include "settings/OkCancelButtons.h"

namespace {

QSpinBox* factorBox(int value, const char* name, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setRange(PrinterFontSizes::Min, PrinterFontSizes::Max);
    box->setSuffix(QStringLiteral(" %"));
    // Typed values are checked on OK with a message, not silently clamped.
    box->setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    box->setValue(value);
    return box;
}

} // namespace

CDlgPrinterFontSize::CDlgPrinterFontSize(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Schriftgrößen für Druck"));
    PrinterFontSizes values;
    values.load();
    m_eh = factorBox(values.einheitspapier(), "einheitspapier", this);
    m_dv1 = factorBox(values.dv1(), "dv1", this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Einheitspapier:"), m_eh);
    form->addRow(QStringLiteral("&D.V.1:"), m_dv1);
    QDialogButtonBox* buttons = okCancelButtons(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void CDlgPrinterFontSize::accept()
{
    PrinterFontSizes values;
    for (QSpinBox* box : {m_eh, m_dv1}) {
        // The text as typed, without the unit: a value the spin box would
        // round back is refused like any other out-of-range entry.
        QString typed = box->text();
        typed.remove(box->suffix());
        const std::optional<int> v = PrinterFontSizes::parse(typed);
        if (!v) {
            refuseEntry(this, box, PrinterFontSizes::rangeMessage());
            return;
        }
        (box == m_eh) ? values.setEinheitspapier(*v) : values.setDv1(*v);
    }
    values.save();
    QDialog::accept();
}
