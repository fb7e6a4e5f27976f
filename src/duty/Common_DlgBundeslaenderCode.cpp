#include "duty/Common_DlgBundeslaenderCode.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "duty/ChooserButtons.h"
#include "duty/FederalStates.h"

Common_DlgBundeslaenderCode::Common_DlgBundeslaenderCode(const QString& code, const QString& caption,
                                                         QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(caption.isEmpty() ? BundeslaenderCodeModel::defaultCaption() : caption);
    m_model.open(code);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("states"));
    m_list->setToolTip(QStringLiteral("In diesem Fenster das Bundesland auswählen"));
    for (int i = 0; i < FederalStates::Count; ++i)
        m_list->addItem(FederalStates::entry(i));
    m_list->setCurrentRow(m_model.selectedPosition(), QItemSelectionModel::ClearAndSelect);
    m_list->setMinimumHeight(m_list->sizeHintForRow(0) * FederalStates::Count + 2 * m_list->frameWidth());
    auto* label = new QLabel(QStringLiteral("&Bundesland:"), this);
    label->setBuddy(m_list);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list, 1);
    layout->addWidget(ChooserButtons::make(this, QStringLiteral("Abbruch"), QString()));

    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) { m_model.select(row); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    m_list->setFocus();
}
