#pragma once

#include <QDockWidget>

#include "check/CheckFinding.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// The findings of "Formular prüfen" beside the form: one line per finding
// with its kind, page, box and message. Enter or a double click on a line
// asks for its field (fieldRequested); the list keeps the selected line's
// place when it is filled anew.
class CheckFindingsDock : public QDockWidget
{
    Q_OBJECT

public:
    explicit CheckFindingsDock(QWidget* parent);

    void setFindings(const CheckFindings& findings);
    // Shown when there is no document to check.
    void clear();
    const CheckFindings& findings() const { return m_findings; }

    QTreeWidget* list() const { return m_list; }
    QLabel* summary() const { return m_summary; }

signals:
    void fieldRequested(int page, int field);

private:
    void activate(QTreeWidgetItem* item);

    QLabel* m_summary = nullptr;
    QTreeWidget* m_list = nullptr;
    CheckFindings m_findings;
};
