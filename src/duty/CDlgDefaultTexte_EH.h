#pragma once

#include <QDialog>

#include "duty/DefaultTexteModel.h"

class CRegeditManagment;
class FieldDefinitions;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

// "Voreinstellungen und Vorgabetexte (Einheitspapier)": the standing texts
// and switches every new Einheitspapier starts with. It works on the
// settings alone; documents that are open stay as they are.
class CDlgDefaultTexte_EH : public QDialog
{
    Q_OBJECT

public:
    explicit CDlgDefaultTexte_EH(QWidget* parent = nullptr);

    // The whole command: runs the dialog and, on OK, stores the settings,
    // switches the stamp fields in the program's flag tables, stores those
    // tables and says so (message 33). False when cancelled.
    static bool edit(QWidget* parent, FieldDefinitions& definitions, CRegeditManagment& registry);

    // The values as the controls hold them (after OK: as taken).
    const DefaultTexteModel& values() const { return m_model; }

    QPlainTextEdit* address() const { return m_address; }
    QLineEdit* customsNumber1() const { return m_customs1; }
    QComboBox* declarant() const { return m_declarant; }
    QLineEdit* customsNumber2() const { return m_customs2; }
    QComboBox* state17() const { return m_state17; }
    QComboBox* state34() const { return m_state34; }
    QCheckBox* check(const char* name) const;

    void accept() override;

private:
    DefaultTexteModel m_model;
    QPlainTextEdit* m_address;
    QLineEdit* m_customs1;
    QComboBox* m_declarant;
    QLineEdit* m_customs2;
    QComboBox* m_state17;
    QComboBox* m_state34;
};
