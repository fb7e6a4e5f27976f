#include "duty/CDlgZollArten.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "duty/ChooserButtons.h"
#include "duty/DutyTypes.h"

CDlgZollArten::CDlgZollArten(const QString& text, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Vorgaben für Zollarten"));
    m_model.open(text);

    m_codes = new QComboBox(this);
    m_codes->setObjectName(QStringLiteral("dutyType"));
    for (const CodeText& row : DutyTypes::rows())
        m_codes->addItem(row.codeString());
    m_codes->setCurrentIndex(m_model.selectedPosition());

    m_meaning = new QLabel(m_model.meaning(), this);
    m_meaning->setObjectName(QStringLiteral("meaning"));
    m_meaning->setWordWrap(true);
    m_meaning->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_meaning->setMinimumSize(m_meaning->fontMetrics().averageCharWidth() * 48,
                              m_meaning->fontMetrics().lineSpacing() * 4);
    auto* frame = new QGroupBox(QStringLiteral(" Bedeutung: "), this);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(m_meaning);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Zollart"), m_codes);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(frame, 1);
    layout->addWidget(ChooserButtons::make(this, QStringLiteral("Abbruch"), QString()));

    connect(m_codes, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_model.select(index);
        m_meaning->setText(m_model.meaning());
    });
    m_codes->setFocus();
}
