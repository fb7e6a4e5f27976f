#include "duty/LinkedListsPanel.h"

#include <QAbstractListModel>
#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>

// One of the two lists as the view shows it: the entries at the positions
// the filter leaves.
class PositionListModel : public QAbstractListModel
{
public:
    PositionListModel(const QList<LinkedCodeLists::Entry>& entries, QObject* parent)
        : QAbstractListModel(parent)
        , m_entries(entries)
    {
    }

    void setPositions(QList<int> positions)
    {
        beginResetModel();
        m_positions = std::move(positions);
        endResetModel();
    }
    int positionAt(int viewRow) const { return viewRow >= 0 && viewRow < m_positions.size() ? m_positions[viewRow] : -1; }
    int viewRowOf(int position) const
    {
        // Positions are ascending, so the view row is found by bisection.
        const auto it = std::lower_bound(m_positions.begin(), m_positions.end(), position);
        return it != m_positions.end() && *it == position ? static_cast<int>(it - m_positions.begin()) : -1;
    }

    int rowCount(const QModelIndex& parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(m_positions.size());
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return m_entries[m_positions[index.row()]].text;
    }

private:
    const QList<LinkedCodeLists::Entry>& m_entries;
    QList<int> m_positions;
};

namespace {

QListView* makeList(QAbstractItemModel* model, const QString& tip, const char* name, QWidget* parent)
{
    auto* view = new QListView(parent);
    view->setObjectName(QLatin1String(name));
    view->setModel(model);
    view->setToolTip(tip);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setUniformItemSizes(true);
    return view;
}

} // namespace

LinkedListsPanel::LinkedListsPanel(LinkedCodeLists& lists, const Labels& labels, QWidget* parent)
    : QWidget(parent)
    , m_lists(lists)
{
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("filter"));
    m_filter->setClearButtonEnabled(true);
    m_filter->setPlaceholderText(QStringLiteral("Code oder Name enthält ..."));
    m_filter->setToolTip(QStringLiteral("Zeigt nur die Einträge, deren Code oder Name den Text enthält"));
    m_filter->installEventFilter(this);

    m_codeModel = new PositionListModel(lists.lists().codes(), this);
    m_nameModel = new PositionListModel(lists.lists().names(), this);
    m_codeModel->setPositions(lists.shownCodePositions());
    m_nameModel->setPositions(lists.shownNamePositions());
    m_codeView = makeList(m_codeModel, labels.codeTip, "codes", this);
    m_nameView = makeList(m_nameModel, labels.nameTip, "names", this);
    m_codeView->setMaximumWidth(m_codeView->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMM")) + 40);

    auto* filterLabel = new QLabel(QStringLiteral("&Suchen:"), this);
    filterLabel->setBuddy(m_filter);
    auto* codeLabel = new QLabel(labels.codeLabel, this);
    codeLabel->setBuddy(m_codeView);
    auto* nameLabel = new QLabel(labels.nameLabel, this);
    nameLabel->setBuddy(m_nameView);
    codeLabel->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    nameLabel->setAlignment(Qt::AlignLeft | Qt::AlignBottom);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filterLabel);
    filterRow->addWidget(m_filter, 1);
    grid->addLayout(filterRow, 0, 0, 1, 2);
    grid->addWidget(codeLabel, 1, 0);
    grid->addWidget(nameLabel, 1, 1);
    grid->addWidget(m_codeView, 2, 0);
    grid->addWidget(m_nameView, 2, 1);
    grid->setColumnStretch(1, 1);
    setTabOrder(m_filter, m_codeView);
    setTabOrder(m_codeView, m_nameView);

    connect(m_codeView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { pickedInCodes(current.row()); });
    connect(m_nameView->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { pickedInNames(current.row()); });
    connect(m_codeView, &QListView::doubleClicked, this, &LinkedListsPanel::rowChosen);
    connect(m_nameView, &QListView::doubleClicked, this, &LinkedListsPanel::rowChosen);
    connect(m_filter, &QLineEdit::textChanged, this, &LinkedListsPanel::filterChanged);
}

void LinkedListsPanel::showSelection()
{
    m_showing = true;
    const auto show = [](QListView* view, const PositionListModel* model, int position) {
        const int viewRow = position < 0 ? -1 : model->viewRowOf(position);
        if (viewRow < 0) {
            view->selectionModel()->clear();
            return;
        }
        const QModelIndex index = model->index(viewRow);
        view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        view->scrollTo(index, QAbstractItemView::PositionAtCenter);
    };
    show(m_codeView, m_codeModel, m_lists.selectedCodePosition());
    show(m_nameView, m_nameModel, m_lists.selectedNamePosition());
    m_showing = false;
    emit selectionChanged();
}

void LinkedListsPanel::pickedInCodes(int viewRow)
{
    if (m_showing || viewRow < 0)
        return;
    m_lists.selectCodeAt(m_codeModel->positionAt(viewRow));
    showSelection();
}

void LinkedListsPanel::pickedInNames(int viewRow)
{
    if (m_showing || viewRow < 0)
        return;
    m_lists.selectNameAt(m_nameModel->positionAt(viewRow));
    showSelection();
}

void LinkedListsPanel::filterChanged(const QString& text)
{
    m_lists.setFilter(text);
    m_showing = true;
    m_codeModel->setPositions(m_lists.shownCodePositions());
    m_nameModel->setPositions(m_lists.shownNamePositions());
    m_showing = false;
    showSelection();
}

bool LinkedListsPanel::eventFilter(QObject* watched, QEvent* event)
{
    // The arrow and page keys in the filter box move through the name list,
    // so the user can type, step to the row and take it without leaving the box.
    if (watched == m_filter && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            QCoreApplication::sendEvent(m_nameView, event);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
