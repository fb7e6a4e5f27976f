#include "view/CDlgMoveEHWarenpositon.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/OkCancelButtons.h"

CDlgMoveEHWarenpositon::CDlgMoveEHWarenpositon(const QStringList& entries, int source, int target, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Warenposition verschieben"));
    m_source = new QListWidget(this);
    m_source->setObjectName(QStringLiteral("source"));
    m_target = new QListWidget(this);
    m_target->setObjectName(QStringLiteral("target"));
    m_source->addItems(entries);
    m_target->addItems(entries);
    if (source >= 0 && source < entries.size())
        m_source->setCurrentRow(source);
    if (target >= 0 && target < entries.size())
        m_target->setCurrentRow(target);
    else
        m_target->setCurrentRow(-1);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Zu verschiebende Warenposition:"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("verschieben nach:"), this), 0, 1);
    grid->addWidget(m_source, 1, 0);
    grid->addWidget(m_target, 1, 1);

    QDialogButtonBox* buttons = okCancelButtons(this, &m_ok);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(new QLabel(QStringLiteral("Achtung: Die Daten an der Zielposition werden überschrieben!"), this));
    layout->addWidget(buttons);

    // Without both positions there is nothing to move.
    connect(m_source, &QListWidget::currentRowChanged, this, &CDlgMoveEHWarenpositon::updateOk);
    connect(m_target, &QListWidget::currentRowChanged, this, &CDlgMoveEHWarenpositon::updateOk);
    updateOk();
}

int CDlgMoveEHWarenpositon::sourceIndex() const
{
    return m_source->currentRow();
}

int CDlgMoveEHWarenpositon::targetIndex() const
{
    return m_target->currentRow();
}

void CDlgMoveEHWarenpositon::updateOk()
{
    m_ok->setEnabled(sourceIndex() >= 0 && targetIndex() >= 0);
}
