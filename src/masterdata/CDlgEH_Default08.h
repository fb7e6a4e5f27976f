#pragma once

#include <QDialog>

#include "masterdata/AddressPickerModel.h"

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// "Adressdaten": picks an address of the address table for box 2 or box 8,
// and edits the table ("Bearbeiten", "Neuer Datensatz", "Speichern").
//
// Use: construct, openTable() (which asks to create a missing table and
// reports a table that cannot be opened), then exec(); after "Übernehmen"
// address() and customsNumber() hold the chosen address.
class CDlgEH_Default08 : public QDialog
{
    Q_OBJECT

public:
    // boxText: what the box holds now; its address is selected at opening.
    explicit CDlgEH_Default08(const QString& boxText, QWidget* parent = nullptr);

    // False when there is no table to work with (the user declined to create
    // it, or it could not be opened; that was reported).
    bool openTable(const QString& path);

    QString address() const { return m_model.resultAddress(); }
    QString customsNumber() const { return m_model.shownCustomsNumber(); }

    const AddressPickerModel& model() const { return m_model; }
    QListWidget* list() const { return m_list; }
    QPlainTextEdit* addressBox() const { return m_address; }
    QLineEdit* customsBox() const { return m_customs; }
    QPushButton* takeButton() const { return m_take; }
    QPushButton* editButton() const { return m_edit; }
    QPushButton* newButton() const { return m_new; }

    // "Übernehmen", or "Speichern" while editing.
    void accept() override;
    // "Abbrechen" (and Escape) leaves editing first, then closes.
    void reject() override;

private:
    void fillList();
    void showRecord();
    void setEditing(bool editing);
    void startEditing(bool newRecord);

    AddressPickerModel m_model;
    QString m_boxText;
    QListWidget* m_list;
    QPlainTextEdit* m_address;
    QLineEdit* m_customs;
    QPushButton* m_take;
    QPushButton* m_edit;
    QPushButton* m_new;
    QPushButton* m_cancel;
};
