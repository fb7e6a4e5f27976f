#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

// "Warenposition löschen": which continuation-page position to remove.
class CDlgDeleteEHWarenpositon : public QDialog
{
    Q_OBJECT

public:
    // entries: the continuation pages' positions; index is preselected
    // (-1: nothing).
    CDlgDeleteEHWarenpositon(const QStringList& entries, int index, QWidget* parent = nullptr);

    int selectedIndex() const;

private:
    QListWidget* m_list;
    QPushButton* m_ok;
};
