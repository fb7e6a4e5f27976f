#include "app/CheckFindingsDock.h"

#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { KindColumn, PageColumn, BoxColumn, MessageColumn };

} // namespace

CheckFindingsDock::CheckFindingsDock(QWidget* parent)
    : QDockWidget(QStringLiteral("Prüfergebnis"), parent)
{
    setObjectName(QStringLiteral("formCheckDock"));
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    m_summary = new QLabel(body);
    m_summary->setObjectName(QStringLiteral("formCheckSummary"));
    m_summary->setWordWrap(true);
    m_list = new QTreeWidget(body);
    m_list->setObjectName(QStringLiteral("formCheckList"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setWordWrap(true);
    m_list->setHeaderLabels({QStringLiteral("Art"), QStringLiteral("Seite"), QStringLiteral("Feld"),
                             QStringLiteral("Meldung")});
    m_list->header()->setStretchLastSection(true);
    m_list->setToolTip(QStringLiteral("Eingabetaste oder Doppelklick: zum Feld gehen"));
    layout->addWidget(m_summary);
    layout->addWidget(m_list);
    setWidget(body);
    setFocusProxy(m_list);
    // Enter and a double click both activate a line.
    connect(m_list, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) { activate(item); });
    clear();
}

void CheckFindingsDock::clear()
{
    m_findings.clear();
    m_list->clear();
    m_summary->setText(QStringLiteral("Kein Formular geöffnet."));
}

void CheckFindingsDock::setFindings(const CheckFindings& findings)
{
    const int keptRow = m_list->currentItem() ? m_list->indexOfTopLevelItem(m_list->currentItem()) : 0;
    m_findings = findings;
    m_list->clear();
    const QIcon errorIcon = style()->standardIcon(QStyle::SP_MessageBoxCritical);
    const QIcon hintIcon = style()->standardIcon(QStyle::SP_MessageBoxInformation);
    for (const CheckFinding& f : findings) {
        auto* item = new QTreeWidgetItem(m_list, {f.severityText(), QString::number(f.page), f.box, f.message});
        item->setIcon(KindColumn, f.severity == CheckFinding::Severity::Error ? errorIcon : hintIcon);
        item->setToolTip(MessageColumn, f.message);
    }
    for (int c = KindColumn; c < MessageColumn; ++c)
        m_list->resizeColumnToContents(c);
    const int errors = CheckFindingList::errorCount(findings);
    const int hints = int(findings.size()) - errors;
    if (findings.isEmpty())
        m_summary->setText(QStringLiteral("Keine Fehler und keine Hinweise."));
    else
        m_summary->setText(QStringLiteral("%1 Fehler, %2 %3. Eingabetaste oder Doppelklick führt zum Feld.")
                               .arg(errors)
                               .arg(hints)
                               .arg(hints == 1 ? QStringLiteral("Hinweis") : QStringLiteral("Hinweise")));
    if (!findings.isEmpty())
        m_list->setCurrentItem(m_list->topLevelItem(std::clamp(keptRow, 0, int(findings.size()) - 1)));
}

void CheckFindingsDock::activate(QTreeWidgetItem* item)
{
    const int row = m_list->indexOfTopLevelItem(item);
    if (row < 0 || row >= m_findings.size())
        return;
    const CheckFinding& f = m_findings.at(row);
    emit fieldRequested(f.page, f.field);
}
