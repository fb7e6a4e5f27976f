#pragma once

#include <QDialog>

#include "duty/LaenderCodeModel.h"

class LinkedListsPanel;
class QPushButton;

// "Ländercodes": picks a country by code or by name. The caller hands in a
// purpose (it names the dialog) and the box's current name or code, and
// after "Übernehmen" reads the chosen code and name.
class Common_DlgLaenderCode : public QDialog
{
    Q_OBJECT

public:
    Common_DlgLaenderCode(int purpose, const QString& name, const QString& code, QWidget* parent = nullptr);

    QString code() const { return m_model.resultCode(); }
    QString name() const { return m_model.resultName(); }

    LinkedListsPanel* panel() const { return m_panel; }

private:
    LaenderCodeModel m_model;
    LinkedListsPanel* m_panel;
    QPushButton* m_take = nullptr;
};
