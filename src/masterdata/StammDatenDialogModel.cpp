#include "masterdata/StammDatenDialogModel.h"

StammDatenDialogModel::StammDatenDialogModel(Use use, const QString& dataDirectory)
    : m_use(use)
    , m_store(dataDirectory)
{
    m_records = std::make_unique<GoodsRecordModel>(m_store);
    m_descriptions = std::make_unique<GoodsListProxy>(*m_records, GoodsRecordModel::DescriptionColumn);
    m_numbers = std::make_unique<GoodsListProxy>(*m_records, GoodsRecordModel::NumberColumn);
}

QString StammDatenDialogModel::caption() const
{
    return m_use == Use::Selection ? QStringLiteral("Stammdatenauswahl") : QStringLiteral("Stammdateneingabe");
}

QString StammDatenDialogModel::okText() const
{
    return m_use == Use::Selection ? QStringLiteral("Übernehmen") : QStringLiteral("OK");
}

QString StammDatenDialogModel::groupTitle() const
{
    return m_use == Use::Selection ? QStringLiteral(" Inhalt ") : QStringLiteral(" Eingabe ");
}

bool StammDatenDialogModel::open()
{
    m_error.clear();
    m_store.SetFileFromSettings();
    if (m_store.Load() != 0) {
        QString path;
        m_store.GetFilePath(path);
        m_error = QStringLiteral("Die Warentabelle %1 kann nicht gelesen werden.\n%2").arg(path, m_store.errorMessage());
        m_store.SetSize(0);
        m_records->reload();
        return false;
    }
    m_records->reload();
    m_editing = false;
    m_newRecord = false;
    m_selected = -1;
    if (m_store.GetCount() == 0)
        startNew();
    else
        m_selected = firstInDescriptionList();
    return true;
}

int StammDatenDialogModel::firstInDescriptionList() const
{
    return m_descriptions->recordAt(0);
}

void StammDatenDialogModel::select(int record)
{
    if (m_editing)
        return;
    m_selected = record >= 0 && record < m_store.GetCount() ? record : -1;
}

void StammDatenDialogModel::setSearchText(const QString& text)
{
    m_search = text;
    m_records->setSearchText(text);
    if (!m_editing && (m_selected < 0 || m_descriptions->rowOfRecord(m_selected) < 0))
        m_selected = firstInDescriptionList();
}

void StammDatenDialogModel::startNew()
{
    m_editing = true;
    m_newRecord = true;
}

bool StammDatenDialogModel::startEdit()
{
    if (m_editing || m_selected < 0)
        return false;
    m_editing = true;
    m_newRecord = false;
    return true;
}

StammDatenDialogModel::Values StammDatenDialogModel::shownValues() const
{
    if (m_editing && m_newRecord)
        return {};
    return m_selected >= 0 ? m_store.values(m_selected) : Values{};
}

bool StammDatenDialogModel::save(const Values& boxes)
{
    m_error.clear();
    if (!m_editing)
        return false;
    Values values = boxes;
    values[0] = CKestrovaneStammDaten::NormalisedDescription(values[0]);
    for (int k = 1; k < CKestrovaneStammDaten::ColumnCount; ++k)
        values[k] = values[k].trimmed();
    // A record is stored whole or not at all: nothing of it is lost to a
    // field too narrow or a character the table cannot hold.
    const QString why = m_store.RecordRefusal(values);
    if (!why.isEmpty()) {
        m_error = QStringLiteral("Der Datensatz kann nicht gespeichert werden: %1.").arg(why);
        return false;
    }
    int record = m_selected;
    Values before;
    if (m_newRecord) {
        record = m_store.append(values);
    } else {
        before = m_store.values(record);
        m_store.setValues(record, values);
    }
    if (m_store.Save() != 0) {
        m_error = m_store.errorMessage();
        // The memory keeps what the table holds.
        if (m_newRecord)
            m_store.SetSize(record);
        else
            m_store.setValues(record, before);
        return false;
    }
    m_records->recordChanged(record);
    m_editing = false;
    m_newRecord = false;
    m_selected = record;
    // A record the search would hide is shown all the same: the user has
    // just saved it and expects to see it.
    if (m_descriptions->rowOfRecord(record) < 0)
        setSearchText(QString());
    return true;
}

void StammDatenDialogModel::cancelEdit()
{
    m_editing = false;
    m_newRecord = false;
    if (m_selected < 0 || m_selected >= m_store.GetCount())
        m_selected = firstInDescriptionList();
}

bool StammDatenDialogModel::canAccept() const
{
    if (m_editing)
        return false;
    return m_use == Use::Maintenance || m_selected >= 0;
}

bool StammDatenDialogModel::accept()
{
    m_error.clear();
    if (!canAccept())
        return false;
    if (m_store.Save() != 0) {
        m_error = m_store.errorMessage();
        return false;
    }
    return true;
}
