#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

// "Warenposition verschieben": which goods position goes where. Returns the
// two list indexes; the view moves the texts.
class CDlgMoveEHWarenpositon : public QDialog
{
    Q_OBJECT

public:
    // entries: the position list with the first page's entry in front;
    // source and target are preselected (-1: nothing).
    CDlgMoveEHWarenpositon(const QStringList& entries, int source, int target, QWidget* parent = nullptr);

    int sourceIndex() const;
    int targetIndex() const;

private:
    void updateOk();

    QListWidget* m_source;
    QListWidget* m_target;
    QPushButton* m_ok;
};
