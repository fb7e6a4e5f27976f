#pragma once

#include <QDialog>

#include "app/FieldDefinitionsEditor.h"

class QCheckBox;
class QComboBox;
class QPushButton;

// "Felddefinitionen anpassen": per form set and field, whether the field is
// editable, printed and shown. Changes go into the live tables at once; OK
// stores them, Cancel (or closing the window) takes them back.
class CDlgEditFeldDefinitionen : public QDialog
{
    Q_OBJECT

public:
    CDlgEditFeldDefinitionen(FieldDefinitions& live, CRegeditManagment& registry, QWidget* parent = nullptr);

    QComboBox* formSetBox() const { return m_formSet; }
    QComboBox* fieldBox() const { return m_field; }
    QCheckBox* notEditableBox() const { return m_notEditable; }
    QCheckBox* notPrintedBox() const { return m_notPrinted; }
    QCheckBox* hiddenBox() const { return m_hidden; }
    QPushButton* resetButton() const { return m_reset; }

    void accept() override;
    void reject() override;

private:
    void selectionChanged();
    void showChecks();
    void checkClicked();

    FieldDefinitionsEditor m_editor;
    QComboBox* m_formSet;
    QComboBox* m_field;
    QCheckBox* m_notEditable;
    QCheckBox* m_notPrinted;
    QCheckBox* m_hidden;
    QPushButton* m_reset;
};
