#pragma once

#include <QDialog>

#include "duty/Default29Model.h"

class QTreeWidget;

// "Zollstellen": the customs offices of box 29 as a table. Clicking a
// column heading (or Ctrl+1 .. Ctrl+4) sorts by that column, a second time
// the other way round.
class CDlgEH_Default29 : public QDialog
{
    Q_OBJECT

public:
    explicit CDlgEH_Default29(const QString& text, QWidget* parent = nullptr);

    QString code() const { return m_model.result(); }
    QTreeWidget* list() const { return m_list; }

    // Sorts by a column as a click on its heading does.
    void sortBy(int column);

private:
    void fill();

    Default29Model m_model;
    QTreeWidget* m_list;
};
