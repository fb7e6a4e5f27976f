#pragma once

#include <QDialog>

#include "app/ProgramOptions.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Programmeinstellungen": where the address and goods tables are, whether
// the printer's paper format is checked before printing, and the
// re-creation of either table ("Initialisierung"). Nothing is written or
// re-created before OK.
class CDlgProgramOptions : public QDialog
{
    Q_OBJECT

public:
    enum Table { Address, Goods };

    CDlgProgramOptions(const QString& dataDirectory, QWidget* parent = nullptr);

    QLineEdit* pathEdit(Table table) const { return m_rows[table].path; }
    QPushButton* browseButton(Table table) const { return m_rows[table].browse; }
    QPushButton* initButton(Table table) const { return m_rows[table].init; }
    // The indicator beside "Initialisierung": the table will be made anew.
    QLabel* recreateIndicator(Table table) const { return m_rows[table].yes; }
    QCheckBox* paperCheckBox() const { return m_paperCheck; }
    QCheckBox* formCheckBox() const { return m_formCheck; }

    // What the dialog returns: the re-creation of the address table was
    // confirmed (and carried out on OK).
    bool addressRecreationConfirmed() const { return m_options.recreateAddressTable; }
    // Messages of the last OK about the re-created tables.
    const ProgramOptions::Outcome& outcome() const { return m_outcome; }

    void accept() override;

private:
    struct Row {
        QLineEdit* path = nullptr;
        QPushButton* browse = nullptr;
        QPushButton* init = nullptr;
        QLabel* yes = nullptr;
        QLabel* no = nullptr;
    };
    Row makeRow(Table table, const QString& path, const QString& what);
    void browse(Table table);
    void askRecreate(Table table);
    void showRecreate(Table table, bool recreate);

    ProgramOptions m_options;
    ProgramOptions::Outcome m_outcome;
    Row m_rows[2];
    QCheckBox* m_paperCheck = nullptr;
    QCheckBox* m_formCheck = nullptr;
};
