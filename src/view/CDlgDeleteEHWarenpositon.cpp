#include "view/CDlgDeleteEHWarenpositon.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/OkCancelButtons.h"

CDlgDeleteEHWarenpositon::CDlgDeleteEHWarenpositon(const QStringList& entries, int index, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Warenposition löschen"));
    m_list = new QListWidget(this);
    m_list->addItems(entries);
    m_list->setCurrentRow(index >= 0 && index < entries.size() ? index : -1);

    QDialogButtonBox* buttons = okCancelButtons(this, &m_ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Warenposition, die gelöscht werden soll:"), this));
    layout->addWidget(m_list);
    layout->addWidget(new QLabel(QStringLiteral("Diese Funktion kann nicht rückgängig gemacht werden."), this));
    layout->addWidget(buttons);

    const auto updateOk = [this] { m_ok->setEnabled(selectedIndex() >= 0); };
    connect(m_list, &QListWidget::currentRowChanged, this, updateOk);
    updateOk();
}

int CDlgDeleteEHWarenpositon::selectedIndex() const
{
    return m_list->currentRow();
}
