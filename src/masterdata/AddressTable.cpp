#include "masterdata/AddressTable.h"

#include "settings/Profile.h"
#include "masterdata/DbfText.h"
#include "masterdata/TablePath.h"

#include <QRegularExpression>

namespace {

const char* const kLineFields[AddressTable::LineCount] = {"ADRESS1", "ADRESS2", "ADRESS3", "ADRESS4"};
const char* const kCustomsField = "ZOLLNR";

} // namespace

QString AddressTable::PathFromSettings(const QString& dataDirectory)
{
    QString path = Profile::get(Settings::AdressdatenDatei);
    if (path.isEmpty() || path == QLatin1String("@")) {
        path = DefaultPath(dataDirectory);
        Profile::set(Settings::AdressdatenDatei, path);
    }
    return path;
}

QString AddressTable::DefaultPath(const QString& dataDirectory)
{
    return tablepath::join(dataDirectory, QStringLiteral("Adress1.dbf"));
}

bool AddressTable::Open(const QString& path)
{
    m_error.clear();
    if (!m_table.OnOpenDocument(path)) {
        m_error = m_table.errorMessage();
        return false;
    }
    for (const char* name : kLineFields) {
        if (m_table.FindField(QString::fromLatin1(name)) < 0) {
            m_table.CloseTable();
            m_error = QStringLiteral("Die Datei %1 hat nicht den Aufbau einer Adresstabelle.").arg(path);
            return false;
        }
    }
    return true;
}

bool AddressTable::Create(const QString& path)
{
    m_error.clear();
    m_table.CloseTable();
    for (const char* name : kLineFields)
        m_table.AddField(QString::fromLatin1(name), 'C', LineWidth, 0);
    m_table.AddField(QString::fromLatin1(kCustomsField), 'C', CustomsNumberWidth, 0);
    if (m_table.CreateTable(path, 0) == 1) {
        m_table.NewRecord();
        m_table.SetString(0, QStringLiteral("Erster Eintrag"));
        if (m_table.WriteRecord(m_table.GetCurrentRecord()) < 0) {
            m_error = QStringLiteral("Die Datei %1 konnte nicht geschrieben werden.").arg(path);
            m_table.CloseTable();
            return false;
        }
    } else if (!m_table.errorMessage().isEmpty()) {
        m_error = m_table.errorMessage();
        return false;
    }
    return Open(path);
}

QList<AddressTable::Entry> AddressTable::Entries()
{
    QList<Entry> entries;
    m_table.GetRecordCount();
    const qint64 count = m_table.GetRecordsInFile();
    const int first = m_table.FindField(QString::fromLatin1(kLineFields[0]));
    for (qint64 n = 1; n <= count; ++n) {
        // Nothing in this program deletes addresses; records another program
        // marked deleted stay out of the choice.
        if (m_table.ReadRecord(n) != n || !m_table.IsCurrentRecordActive())
            continue;
        Entry e;
        e.record = n;
        m_table.GetString(first, e.firstLine);
        entries.append(e);
    }
    return entries;
}

bool AddressTable::Read(qint64 record, QString& addressText, QString& customsNumber)
{
    addressText.clear();
    customsNumber.clear();
    if (m_table.ReadRecord(record) != record)
        return false;
    QStringList lines;
    for (const char* name : kLineFields) {
        QString line;
        m_table.GetString(m_table.FindField(QString::fromLatin1(name)), line);
        lines.append(line);
    }
    addressText = lines.join(QStringLiteral("\r\n"));
    m_table.GetString(m_table.FindField(QString::fromLatin1(kCustomsField)), customsNumber);
    return true;
}

QStringList AddressTable::SplitAddress(const QString& addressText)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = (addressText + QStringLiteral("\r\n").repeated(LineCount)).split(lineBreak);
    lines = lines.mid(0, LineCount);
    static const QRegularExpression leading(QStringLiteral("^\\s+"));
    for (QString& line : lines)
        line.remove(leading);
    return lines;
}

qint64 AddressTable::Store(qint64 record, const QString& addressText, const QString& customsNumber)
{
    m_error.clear();
    const QStringList lines = SplitAddress(addressText);
    if (record == 0 && lines.first().trimmed().isEmpty())
        return 0;
    // Refuse before touching the record, so that an address is stored whole
    // or not at all.
    for (int i = 0; i < LineCount; ++i) {
        if (m_table.StoredLength(lines.at(i)) > LineWidth) {
            m_error = QStringLiteral("Die Zeile %1 der Adresse ist länger als %2 Zeichen.").arg(i + 1).arg(LineWidth);
            return -1;
        }
    }
    if (m_table.StoredLength(customsNumber) > CustomsNumberWidth) {
        m_error = QStringLiteral("Die Zollnummer ist länger als %1 Zeichen.").arg(CustomsNumberWidth);
        return -1;
    }
    const qint64 n = record == 0 ? m_table.NewRecord() : m_table.ReadRecord(record);
    if (n < 0)
        return -1;
    for (int i = 0; i < LineCount; ++i)
        m_table.SetString(m_table.FindField(QString::fromLatin1(kLineFields[i])), lines.at(i));
    const int customs = m_table.FindField(QString::fromLatin1(kCustomsField));
    if (customs >= 0)
        m_table.SetString(customs, customsNumber);
    return m_table.WriteRecord(m_table.GetCurrentRecord());
}
