#include "masterdata/CKestrovaneStammDaten.h"

#include "settings/Profile.h"
#include "masterdata/TablePath.h"

namespace {

const QString kLineBreak = QStringLiteral("\r\n");
constexpr int kOlderLines = 7;
constexpr int kOlderLineWidth = 60;

QString notAGoodsTable(const QString& path)
{
    return QStringLiteral("Die Datei %1 hat nicht den Aufbau einer Warentabelle.").arg(path);
}

} // namespace

const std::array<int, CKestrovaneStammDaten::ColumnCount>& CKestrovaneStammDaten::fieldWidths()
{
    static const std::array<int, ColumnCount> widths{254, 8, 2, 4, 4, 1, 3, 3};
    return widths;
}

const std::array<const char*, CKestrovaneStammDaten::ColumnCount>& CKestrovaneStammDaten::fieldNames()
{
    static const std::array<const char*, ColumnCount> names{"WBESCH1", "WNR1", "WNR2", "WNR3",
                                                            "WNR4",    "WNR5", "LAND1", "LAND2"};
    return names;
}

CKestrovaneStammDaten::CKestrovaneStammDaten(const QString& dataDirectory) : m_dataDirectory(dataDirectory) {}

void CKestrovaneStammDaten::SetSize(int count)
{
    count = std::max(0, count);
    for (QStringList& column : m_columns)
        column.resize(count);
    m_changed.resize(count, '\0');
    m_recordNumbers.resize(count, 0);
}

int CKestrovaneStammDaten::SetFile(const QString& folder, const QString& fileName, int kind)
{
    if (kind != KindOlder && kind != KindCurrent)
        return -1;
    m_path = tablepath::join(folder.isEmpty() ? m_dataDirectory : folder, fileName);
    m_kind = kind;
    return 0;
}

int CKestrovaneStammDaten::SetFileFromSettings()
{
    const QString stored = Profile::get(Settings::StammdatenDatei);
    const int kind = Profile::get(Settings::Stammdaten) == KindOlder ? KindOlder : KindCurrent;
    QString folder;
    QString name = kind == KindOlder ? QStringLiteral("ARTIKEL.DBF") : QStringLiteral("ARTIKEL1.DBF");
    if (stored.size() > 2)
        tablepath::split(stored, folder, name);
    return SetFile(folder, name, kind);
}

int CKestrovaneStammDaten::GetFilePath(QString& path) const
{
    if (m_kind == 0)
        return -1;
    path = m_path;
    return 0;
}

int CKestrovaneStammDaten::CreateGoodsTable()
{
    m_table.CloseTable();
    if (m_kind == KindOlder) {
        for (int line = 1; line <= kOlderLines; ++line)
            m_table.AddField(QStringLiteral("WBESCH%1").arg(line), 'C', kOlderLineWidth, 0);
        for (int k = 1; k < ColumnCount; ++k)
            m_table.AddField(QString::fromLatin1(fieldNames()[k]), 'C', fieldWidths()[k], 0);
    } else {
        m_kind = KindCurrent;
        for (int k = 0; k < ColumnCount; ++k)
            m_table.AddField(QString::fromLatin1(fieldNames()[k]), 'C', fieldWidths()[k], 0);
    }
    const int created = m_table.CreateTable(m_path, 0);
    if (!created)
        m_error = m_table.errorMessage();
    return created;
}

namespace {

// The first `needed` fields are character fields; with names, also named so.
bool characterFields(const CdBaseDocument& table, int needed, const std::array<const char*, 8>* names)
{
    if (table.GetFieldCount() < needed)
        return false;
    for (int k = 0; k < needed; ++k) {
        QString name;
        char type = 0;
        int length = 0, decimals = 0;
        table.GetFieldInfo(k, name, type, length, decimals);
        if (type != 'C' || (names && name.compare(QLatin1String((*names)[k]), Qt::CaseInsensitive) != 0))
            return false;
    }
    return true;
}

constexpr int kOlderFieldCount = kOlderLines + CKestrovaneStammDaten::ColumnCount - 1;

} // namespace

bool CKestrovaneStammDaten::hasLayout()
{
    // The current layout is known by its field names, so that an older
    // table is never written as if it were one.
    if (m_kind == KindOlder)
        return characterFields(m_table, kOlderFieldCount, nullptr);
    return characterFields(m_table, ColumnCount, &fieldNames());
}

int CKestrovaneStammDaten::DetectKind(const QString& path)
{
    CdBaseDocument table;
    if (!table.OnOpenDocument(path, true))
        return -1;
    if (characterFields(table, ColumnCount, &fieldNames()))
        return KindCurrent;
    if (characterFields(table, kOlderFieldCount, nullptr))
        return KindOlder;
    return 0;
}

int CKestrovaneStammDaten::Load()
{
    m_error.clear();
    SetSize(0);
    if (m_kind == 0)
        return -1;
    if (!tablepath::exists(m_path)) {
        if (!CreateGoodsTable())
            return -1;
        m_table.CloseTable();
    }
    if (!m_table.OnOpenDocument(m_path)) {
        m_error = m_table.errorMessage();
        return -1;
    }
    if (!hasLayout()) {
        m_table.CloseTable();
        m_error = notAGoodsTable(m_path);
        return -2;
    }
    m_table.GetRecordCount();
    // A count beyond what the file holds would only make us allocate for
    // records that are not there.
    const int count = int(std::min<qint64>(m_table.GetRecordsInFile(), std::numeric_limits<int>::max()));
    SetSize(count);
    m_table.ReadRecords(1, count, [this](qint64 n) {
        m_recordNumbers[n - 1] = n;
        takeCurrentRecord(int(n - 1));
    });
    m_changed.fill('\0');
    return 0;
}

void CKestrovaneStammDaten::takeCurrentRecord(int position)
{
    if (m_kind == KindOlder) {
        QStringList lines;
        for (int j = 0; j < kOlderLines; ++j) {
            QString line;
            m_table.GetString(j, line);
            lines.append(line);
        }
        m_columns[0][position] = lines.join(kLineBreak);
        for (int k = 1; k < ColumnCount; ++k)
            m_table.GetString(kOlderLines + k - 1, m_columns[k][position]);
    } else {
        for (int k = 0; k < ColumnCount; ++k)
            m_table.GetString(k, m_columns[k][position]);
    }
}

bool CKestrovaneStammDaten::writeRecord(int position)
{
    const qint64 stored = m_recordNumbers.at(position);
    const qint64 n = stored > 0 ? m_table.ReadRecord(stored) : m_table.NewRecord();
    if (n < 0)
        return false;
    // A value wider than its field is refused by the table; the field keeps
    // what it held, and the caller learns that not all was stored.
    bool allFit = true;
    auto set = [&](int field, const QString& text) {
        if (m_table.SetString(field, text) == CdBaseDocument::TooLong)
            allFit = false;
    };
    if (m_kind == KindOlder) {
        // Seven lines, one per field: missing lines store empty fields,
        // lines after the seventh are dropped.
        QString rest = m_columns[0].at(position) + kLineBreak.repeated(9);
        for (int j = 0; j < kOlderLines; ++j) {
            const qsizetype cr = rest.indexOf(QLatin1Char('\r'));
            set(j, rest.left(cr));
            rest = rest.mid(cr + 2);
        }
        for (int k = 1; k < ColumnCount; ++k)
            set(kOlderLines + k - 1, m_columns[k].at(position));
    } else {
        for (int k = 0; k < ColumnCount; ++k)
            set(k, m_columns[k].at(position));
    }
    const qint64 written = m_table.WriteRecord(m_table.GetCurrentRecord());
    if (written < 0)
        return false;
    m_recordNumbers[position] = written;
    m_changed[position] = '\0';
    if (!allFit)
        m_error = QStringLiteral("Nicht alle Angaben passen in die Felder der Warentabelle.");
    return allFit;
}

int CKestrovaneStammDaten::Save()
{
    if (m_kind == 0 || !m_table.IsOpen())
        return -1;
    m_error.clear();
    bool ok = true;
    for (int i = 0; i < GetCount(); ++i) {
        if (m_changed.at(i) && !writeRecord(i))
            ok = false;
    }
    if (!ok && m_error.isEmpty())
        m_error = QStringLiteral("Die Warentabelle %1 konnte nicht geschrieben werden.").arg(m_path);
    return ok ? 0 : -1;
}

QString CKestrovaneStammDaten::value(int record, int column) const
{
    return m_columns.at(column).value(record);
}

CKestrovaneStammDaten::Values CKestrovaneStammDaten::values(int record) const
{
    Values v;
    for (int k = 0; k < ColumnCount; ++k)
        v[k] = value(record, k);
    return v;
}

void CKestrovaneStammDaten::setValues(int record, const Values& values)
{
    for (int k = 0; k < ColumnCount; ++k)
        m_columns[k][record] = values[k];
    m_changed[record] = '\1';
}

int CKestrovaneStammDaten::append(const Values& values)
{
    const int position = GetCount();
    SetSize(position + 1);
    setValues(position, values);
    return position;
}
