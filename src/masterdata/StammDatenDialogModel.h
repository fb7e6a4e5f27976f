#pragma once

#include <QString>

#include <memory>

#include "masterdata/CKestrovaneStammDaten.h"
#include "masterdata/GoodsListProxy.h"
#include "masterdata/GoodsRecordModel.h"

// What the goods dialog does, without its widgets: the goods store, the two
// sorted lists with their search, browsing and editing, saving, and what the
// dialog gives back in its selection use.
//
// The dialog is browsing (the lists choose the record shown in the boxes)
// or editing (the boxes take input), and while editing either a new or the
// selected record.
class StammDatenDialogModel
{
public:
    using Values = CKestrovaneStammDaten::Values;

    // Maintenance from the menu, or selection of a record for box 31.
    enum class Use { Maintenance, Selection };

    // Help contexts of the dialog's parts.
    enum HelpContext { HelpLists = 130, HelpDescription = 431, HelpGoodsNumber = 433, HelpOrigin = 434 };

    // dataDirectory: where the goods table is when the settings name none.
    StammDatenDialogModel(Use use, const QString& dataDirectory);

    // Loads the goods table of the settings (creating it when it does not
    // exist). False with errorMessage() when it cannot be read. With no
    // record in it the model starts editing a new one; otherwise the first
    // record of the description list is selected.
    bool open();

    Use use() const { return m_use; }
    QString caption() const;
    QString okText() const;
    QString groupTitle() const;

    CKestrovaneStammDaten& store() { return m_store; }
    GoodsRecordModel& records() { return *m_records; }
    GoodsListProxy& descriptionList() { return *m_descriptions; }
    GoodsListProxy& numberList() { return *m_numbers; }

    // --- browsing -----------------------------------------------------------
    // The record shown in the boxes (and selected in both lists), or -1.
    int selectedRecord() const { return m_selected; }
    // Selects a record (browsing only).
    void select(int record);
    // Narrows both lists. When the selected record drops out, the first
    // record left in the description list is selected (none when no record
    // is left); the selection is what OK gives back, never the search text.
    void setSearchText(const QString& text);
    QString searchText() const { return m_search; }

    // --- editing ------------------------------------------------------------
    bool isEditing() const { return m_editing; }
    bool isNewRecord() const { return m_newRecord; }
    // "Neuer Datensatz": editing of a new, empty record.
    void startNew();
    // "Editieren": editing of the selected record (none selected: nothing).
    bool startEdit();
    // "Speichern": the boxes' values become the record and are written to
    // the table at once; editing ends with that record selected. False with
    // errorMessage() when the record cannot be stored; editing goes on then
    // and nothing has changed.
    bool save(const Values& boxes);
    // "Abbruch" while editing: editing ends, the selected record is shown
    // again.
    void cancelEdit();

    // The values the boxes show: the selected record's, or empty ones for a
    // new record.
    Values shownValues() const;

    // --- ending -------------------------------------------------------------
    // OK: writes what is still unsaved. False with errorMessage() when that
    // fails (the dialog stays open).
    bool accept();
    // Selection use after OK: the chosen record's eight values.
    Values result() const { return shownValues(); }
    bool canAccept() const;

    QString errorMessage() const { return m_error; }

private:
    int firstInDescriptionList() const;

    Use m_use;
    CKestrovaneStammDaten m_store;
    std::unique_ptr<GoodsRecordModel> m_records;
    std::unique_ptr<GoodsListProxy> m_descriptions;
    std::unique_ptr<GoodsListProxy> m_numbers;
    int m_selected = -1;
    bool m_editing = false;
    bool m_newRecord = false;
    QString m_search;
    QString m_error;
};
