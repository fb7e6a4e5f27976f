#pragma once

#include <QWidget>

#include "duty/LinkedCodeLists.h"

class QLineEdit;
class QListView;
class PositionListModel;

// The country and currency choosers' lists: a filter box above a code list
// and a name list, kept on the one row that LinkedCodeLists selects.
class LinkedListsPanel : public QWidget
{
    Q_OBJECT

public:
    struct Labels {
        QString codeLabel;
        QString nameLabel;
        QString codeTip;
        QString nameTip;
    };

    LinkedListsPanel(LinkedCodeLists& lists, const Labels& labels, QWidget* parent = nullptr);

    QLineEdit* filterBox() const { return m_filter; }
    QListView* codeView() const { return m_codeView; }
    QListView* nameView() const { return m_nameView; }

    // Shows the model's selection in both lists.
    void showSelection();

signals:
    void selectionChanged();
    // A row was double-clicked: the dialog takes it.
    void rowChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void pickedInCodes(int viewRow);
    void pickedInNames(int viewRow);
    void filterChanged(const QString& text);

    LinkedCodeLists& m_lists;
    QLineEdit* m_filter;
    QListView* m_codeView;
    QListView* m_nameView;
    PositionListModel* m_codeModel;
    PositionListModel* m_nameModel;
    bool m_showing = false;
};
