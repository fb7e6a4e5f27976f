#include "masterdata/CKestrovaneStammDaten.h"

#include "settings/Profile.h"
#include "masterdata/DbfText.h"
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
    if (count == 0)
        m_text.clear();
    m_records.resize(size_t(count));
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
    // Room for the longest texts the records can hold, a character per byte
    // and the line breaks between the lines of the older layout; what is
    // not used is given back below (the pages never written to were never
    // really taken).
    m_text = QString(qsizetype(count) * (m_table.GetRecordLength() + 2 * kOlderLines), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(m_text.data());
    m_table.ReadRecords(1, count, [&](qint64 n) {
        m_recordNumbers[n - 1] = n;
        out = takeCurrentRecord(int(n - 1), out);
    });
    m_text.truncate(out - reinterpret_cast<const char16_t*>(m_text.constData()));
    m_text.squeeze();
    m_changed.fill('\0');
    return 0;
}

char16_t* CKestrovaneStammDaten::takeCurrentRecord(int position, char16_t* out)
{
    const DbfCodePage& page = m_table.codePage();
    RecordText& record = m_records[size_t(position)];
    char16_t* const start = out;
    record.start = start - reinterpret_cast<const char16_t*>(m_text.constData());
    // The layout was checked when the table was opened: all character fields.
    auto take = [&](int column, int field) {
        out = dbftext::decodeField(m_table.GetFieldView(field), page, out);
        record.end[size_t(column)] = quint32(out - start);
    };
    if (m_kind == KindOlder) {
        for (int j = 0; j < kOlderLines; ++j) {
            if (j > 0) {
                *out++ = u'\r';
                *out++ = u'\n';
            }
            out = dbftext::decodeField(m_table.GetFieldView(j), page, out);
        }
        record.end[0] = quint32(out - start);
        for (int k = 1; k < ColumnCount; ++k)
            take(k, kOlderLines + k - 1);
    } else {
        for (int k = 0; k < ColumnCount; ++k)
            take(k, k);
    }
    return out;
}

int CKestrovaneStammDaten::fieldWidth(int field) const
{
    QString name;
    char type = 0;
    int length = 0, decimals = 0;
    return m_table.GetFieldInfo(field, name, type, length, decimals) < 0 ? 0 : length;
}

namespace {

// The lines of a description as the older layout stores them, without the
// empty lines at its end.
QStringList descriptionLines(const QString& description)
{
    QStringList lines = description.split(kLineBreak);
    while (lines.size() > 1 && lines.constLast().trimmed().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

QString CKestrovaneStammDaten::RecordRefusal(const Values& values) const
{
    const DbfCodePage& page = m_table.codePage();
    if (values[0].size() > DescriptionMaxLength)
        return QStringLiteral("die Beschreibung ist %1 Zeichen lang, erlaubt sind %2")
            .arg(values[0].size())
            .arg(DescriptionMaxLength);
    for (int k = 0; k < ColumnCount; ++k) {
        if (!dbftext::isRepresentable(values[k], page))
            return QStringLiteral("%1 enthält Zeichen, die die Warentabelle nicht speichern kann")
                .arg(QLatin1String(fieldNames()[k]));
    }
    const int firstOther = m_kind == KindOlder ? kOlderLines : 1;
    if (m_kind == KindOlder) {
        // Seven fields, one line each: a line wider than its field or an
        // eighth line would be lost.
        const QStringList lines = descriptionLines(values[0]);
        if (lines.size() > kOlderLines)
            return QStringLiteral("die Beschreibung hat %1 Zeilen, erlaubt sind %2").arg(lines.size()).arg(kOlderLines);
        for (int j = 0; j < lines.size(); ++j) {
            const int width = fieldWidth(j);
            if (dbftext::storedLength(lines.at(j), page) > width)
                return QStringLiteral("Zeile %1 der Beschreibung ist länger als %2 Zeichen").arg(j + 1).arg(width);
        }
    } else if (dbftext::storedLength(values[0], page) > fieldWidth(0)) {
        return QStringLiteral("die Beschreibung ist länger als %1 Zeichen").arg(fieldWidth(0));
    }
    for (int k = 1; k < ColumnCount; ++k) {
        const int width = fieldWidth(firstOther + k - 1);
        if (dbftext::storedLength(values[k], page) > width)
            return QStringLiteral("%1 \"%2\" ist länger als %3 Zeichen")
                .arg(QLatin1String(fieldNames()[k]), values[k])
                .arg(width);
    }
    return {};
}

bool CKestrovaneStammDaten::writeRecord(int position)
{
    const qint64 stored = m_recordNumbers.at(position);
    const qint64 n = stored > 0 ? m_table.ReadRecord(stored) : m_table.NewRecord();
    if (n < 0)
        return false;
    // Every value was checked to fit before; a refusal here means the table
    // changed under us, and the record is not written half.
    bool allFit = true;
    auto set = [&](int field, const QString& text) {
        if (m_table.SetString(field, text) != CdBaseDocument::Ok)
            allFit = false;
    };
    if (m_kind == KindOlder) {
        QString rest = value(position, 0) + kLineBreak.repeated(9);
        for (int j = 0; j < kOlderLines; ++j) {
            const qsizetype cr = rest.indexOf(QLatin1Char('\r'));
            set(j, rest.left(cr));
            rest = rest.mid(cr + 2);
        }
        for (int k = 1; k < ColumnCount; ++k)
            set(kOlderLines + k - 1, value(position, k));
    } else {
        for (int k = 0; k < ColumnCount; ++k)
            set(k, value(position, k));
    }
    if (!allFit) {
        m_table.DiscardChanges();
        return false;
    }
    const qint64 written = m_table.WriteRecord(m_table.GetCurrentRecord());
    if (written < 0)
        return false;
    m_recordNumbers[position] = written;
    m_changed[position] = '\0';
    return true;
}

int CKestrovaneStammDaten::Save()
{
    if (m_kind == 0 || !m_table.IsOpen())
        return -1;
    m_error.clear();
    if (!m_changed.contains('\1'))
        return 0;
    for (int i = 0; i < GetCount(); ++i) {
        if (!m_changed.at(i))
            continue;
        const QString why = RecordRefusal(values(i));
        if (!why.isEmpty()) {
            m_error = QStringLiteral("Der Datensatz kann nicht gespeichert werden: %1.").arg(why);
            return -1;
        }
    }
    if (!m_table.BeginAppend()) {
        m_error = QStringLiteral("Die Warentabelle %1 konnte nicht geschrieben werden.").arg(m_path);
        return -1;
    }
    QList<int> appended;
    bool ok = true;
    for (int i = 0; i < GetCount() && ok; ++i) {
        if (!m_changed.at(i))
            continue;
        const bool isNew = m_recordNumbers.at(i) == 0;
        ok = writeRecord(i);
        if (ok && isNew)
            appended.append(i);
    }
    if (ok)
        ok = m_table.CommitAppend();
    else
        m_table.RollbackAppend();
    if (!ok) {
        for (int i : std::as_const(appended)) {
            m_recordNumbers[i] = 0;
            m_changed[i] = '\1';
        }
        m_error = QStringLiteral("Die Warentabelle %1 konnte nicht geschrieben werden.").arg(m_path);
        return -1;
    }
    return 0;
}

QString CKestrovaneStammDaten::NormalisedDescription(const QString& text)
{
    QString description = text;
    description.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    description.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    description.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    qsizetype end = description.size();
    while (end > 0 && description.at(end - 1).isSpace())
        --end;
    description.truncate(end);
    return description;
}

QStringView CKestrovaneStammDaten::view(int record, int column) const
{
    if (record < 0 || record >= GetCount() || column < 0 || column >= ColumnCount)
        return {};
    const RecordText& r = m_records[size_t(record)];
    const quint32 from = column > 0 ? r.end[size_t(column - 1)] : 0;
    return QStringView(m_text).sliced(r.start + from, r.end[size_t(column)] - from);
}

QString CKestrovaneStammDaten::value(int record, int column) const
{
    return view(record, column).toString();
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
    RecordText& r = m_records[size_t(record)];
    r.start = m_text.size();
    for (int k = 0; k < ColumnCount; ++k) {
        m_text.append(values[k]);
        r.end[size_t(k)] = quint32(m_text.size() - r.start);
    }
    m_changed[record] = '\1';
}

int CKestrovaneStammDaten::append(const Values& values)
{
    const int position = GetCount();
    SetSize(position + 1);
    setValues(position, values);
    return position;
}
