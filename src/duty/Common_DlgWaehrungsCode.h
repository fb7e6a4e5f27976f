#pragma once

#include <QDialog>

#include "duty/WaehrungsCodeModel.h"

class LinkedListsPanel;
class QPushButton;

// "Währungscodes": picks a currency by ISO code or by name; the caller hands
// in the box's code and after "Übernehmen" reads the chosen one.
class Common_DlgWaehrungsCode : public QDialog
{
    Q_OBJECT

public:
    explicit Common_DlgWaehrungsCode(const QString& code, QWidget* parent = nullptr);

    QString code() const { return m_model.resultCode(); }

    LinkedListsPanel* panel() const { return m_panel; }

private:
    WaehrungsCodeModel m_model;
    LinkedListsPanel* m_panel;
    QPushButton* m_take = nullptr;
};
