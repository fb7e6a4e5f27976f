#include "duty/CDlgEH_Default24.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>

#include "duty/ChooserButtons.h"
#include "duty/TransactionKinds.h"

namespace {

QLabel* explanation(const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 50);
    return label;
}

} // namespace

CDlgEH_Default24::CDlgEH_Default24(const QString& boxDigits, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Art des Geschäfts"));
    m_model.open(boxDigits);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("kinds"));
    m_list->setToolTip(QStringLiteral("Hier die Kennzahl auswählen, die Erklärung erscheint rechts von der Liste"));
    for (const TransactionKinds::Kind& kind : TransactionKinds::rows())
        m_list->addItem(QString::fromLatin1(kind.code));
    m_list->setMaximumWidth(m_list->fontMetrics().horizontalAdvance(QStringLiteral("0 0")) * 4);
    m_firstText = explanation("firstDigitText", this);
    m_entryText = explanation("entryText", this);
    const auto show = [this] {
        m_firstText->setText(m_model.firstDigitText());
        m_entryText->setText(m_model.entryText());
    };
    m_list->setCurrentRow(m_model.selected());
    show();

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_list, 0, 0, 2, 1);
    layout->addWidget(m_firstText, 0, 1);
    layout->addWidget(m_entryText, 1, 1);
    layout->setRowStretch(1, 1);
    layout->addWidget(ChooserButtons::make(this, QStringLiteral("Abbrechen"), QString()), 2, 0, 1, 2);

    connect(m_list, &QListWidget::currentRowChanged, this, [this, show](int row) {
        m_model.select(row);
        show();
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    m_list->setFocus();
}
