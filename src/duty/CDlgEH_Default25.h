#pragma once

#include <QDialog>

#include "duty/Default25Model.h"

class QListWidget;

// "Vorgaben für Verkehrszweig": the modes of transport of boxes 25 and 26.
class CDlgEH_Default25 : public QDialog
{
    Q_OBJECT

public:
    explicit CDlgEH_Default25(const QString& text, QWidget* parent = nullptr);

    QString code() const { return m_model.result(); }
    QListWidget* list() const { return m_list; }

private:
    Default25Model m_model;
    QListWidget* m_list;
};
