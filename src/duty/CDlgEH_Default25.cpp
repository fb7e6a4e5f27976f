#include "duty/CDlgEH_Default25.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

#include "duty/ChooserButtons.h"
#include "duty/TransportModes.h"

CDlgEH_Default25::CDlgEH_Default25(const QString& text, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Vorgaben für Verkehrszweig"));
    m_model.open(text);

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("modes"));
    m_list->setToolTip(QStringLiteral("Hier den Verkehrsweg auswählen"));
    for (int i = 0; i < TransportModes::Count; ++i)
        m_list->addItem(TransportModes::entry(i));
    m_list->setMinimumHeight(m_list->sizeHintForRow(0) * TransportModes::Count + 2 * m_list->frameWidth());
    m_list->setMinimumWidth(m_list->sizeHintForColumn(0) + 2 * m_list->frameWidth() + 8);
    m_list->setCurrentRow(m_model.selected());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(ChooserButtons::make(this, QStringLiteral("Abbrechen"), QString()));

    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) { m_model.select(row); });
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    m_list->setFocus();
}
