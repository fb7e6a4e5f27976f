#include "duty/CDlgEH_Default29.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QShortcut>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "duty/ChooserButtons.h"

CDlgEH_Default29::CDlgEH_Default29(const QString& text, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Zollstellen"));
    m_model.open(text);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("offices"));
    m_list->setToolTip(QStringLiteral("Auswahl der Zollstelle - Klicken auf den Spaltenkopf sortiert die Liste"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    QStringList headings;
    int width = 0;
    for (int c = 0; c < Default29Model::Columns; ++c) {
        headings << Default29Model::heading(c);
        width += Default29Model::width(c);
    }
    m_list->setHeaderLabels(headings);
    for (int c = 0; c < Default29Model::Columns; ++c)
        m_list->setColumnWidth(c, Default29Model::width(c));
    m_list->header()->setSectionsClickable(true);
    m_list->header()->setSortIndicatorShown(true);
    m_list->setMinimumSize(width + 2 * m_list->frameWidth() + 24, 360);
    fill();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addWidget(ChooserButtons::make(this, QStringLiteral("Abbrechen"), QString()));

    connect(m_list->header(), &QHeaderView::sectionClicked, this, &CDlgEH_Default29::sortBy);
    connect(m_list, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { m_model.selectRow(item ? m_list->indexOfTopLevelItem(item) : -1); });
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    const Qt::Key digits[Default29Model::Columns] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4};
    for (int c = 0; c < Default29Model::Columns; ++c)
        connect(new QShortcut(QKeySequence(Qt::CTRL | digits[c]), this), &QShortcut::activated, this,
                [this, c] { sortBy(c); });
    m_list->setFocus();
}

void CDlgEH_Default29::sortBy(int column)
{
    m_model.sortBy(column);
    fill();
}

void CDlgEH_Default29::fill()
{
    const QSignalBlocker block(m_list);
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    for (int office : m_model.order()) {
        QStringList cells;
        for (int c = 0; c < Default29Model::Columns; ++c)
            cells << m_model.cell(office, c);
        items.append(new QTreeWidgetItem(cells));
    }
    m_list->addTopLevelItems(items);
    if (m_model.sortColumn() >= 0)
        m_list->header()->setSortIndicator(m_model.sortColumn(),
                                           m_model.ascending() ? Qt::AscendingOrder : Qt::DescendingOrder);
    else
        m_list->header()->setSortIndicator(-1, Qt::AscendingOrder);
    if (QTreeWidgetItem* selected = m_list->topLevelItem(m_model.selectedRow())) {
        m_list->setCurrentItem(selected);
        m_list->scrollToItem(selected, QAbstractItemView::PositionAtCenter);
    }
}
