#include "masterdata/CdBaseDocument.h"

#include "masterdata/DbfTableLock.h"
#include "masterdata/DbfText.h"
#include "masterdata/TablePath.h"

#include <QDate>

#include <charconv>

namespace {

QString openError()
{
    return QStringLiteral("Fehler beim Öffnen des Dokuments.");
}

constexpr char kDeleted = '*';
constexpr char kEndOfFile = '\x1A';

} // namespace

CdBaseDocument::CdBaseDocument() : m_record(MaxRecordLength + 1, '\0')
{
    m_header.recordLength = MaxRecordLength;
}

CdBaseDocument::~CdBaseDocument()
{
    if (IsAppending())
        RollbackAppend();
    m_file.close();
}

void CdBaseDocument::fail(const QString& message)
{
    m_error = message;
}

void CdBaseDocument::DeleteContents()
{
    m_header = DbfHeader();
    m_header.recordLength = MaxRecordLength;
    m_record.fill('\0');
    m_current = 0;
    m_newRecord = false;
    m_recordActive = false;
    m_dirty = false;
    m_autoWrite = false;
    m_index.clear();
}

bool CdBaseDocument::OnNewDocument()
{
    CloseTable();
    m_modified = false;
    return true;
}

bool CdBaseDocument::openFile(const QString& path, QIODevice::OpenMode mode)
{
    m_file.close();
    m_file.setFileName(path);
    // Unbuffered: every record goes to the file at once, and a read after
    // another program's write sees that write.
    return m_file.open(mode | QIODevice::Unbuffered);
}

bool CdBaseDocument::OnOpenDocument(const QString& path, bool readOnly)
{
    m_error.clear();
    m_file.close();
    DeleteContents();
    const QString resolved = tablepath::resolve(path);
    // ExistingOnly: opening must never leave an empty file behind.
    if (!openFile(resolved, (readOnly ? QIODevice::ReadOnly : QIODevice::ReadWrite) | QIODevice::ExistingOnly)) {
        fail(openError());
        return false;
    }
    if (ReadHeader() == 0) {
        m_file.close();
        DeleteContents();
        return false;
    }
    m_dirty = false;
    m_modified = false;
    m_path = resolved;
    return true;
}

void CdBaseDocument::CloseTable()
{
    if (IsAppending())
        RollbackAppend();
    m_file.close();
    DeleteContents();
}

// --- header ----------------------------------------------------------------

int CdBaseDocument::ReadHeader()
{
    const QString refused = m_header.read(m_file);
    if (!refused.isEmpty()) {
        fail(refused);
        m_header.fields.clear();
        return 0;
    }
    return m_header.version;
}

bool CdBaseDocument::ReadFieldDescriptors()
{
    return ReadHeader() != 0;
}

int CdBaseDocument::WriteHeader()
{
    if (m_header.version != 0x03 && m_header.version != 0x83)
        return 0;
    return WriteHeaderAndFields();
}

int CdBaseDocument::WriteHeaderAndFields()
{
    if (!m_file.isOpen())
        return 0;
    StampToday();
    const QByteArray bytes = m_header.serialize();
    if (!writeAt(0, bytes.constData(), bytes.size()))
        return 0;
    m_header.version = 0x03;
    return 1;
}

bool CdBaseDocument::WriteFieldDescriptors()
{
    const QByteArray bytes = m_header.serialize();
    const qint64 at = DbfHeader::PrefixSize;
    return writeAt(at, bytes.constData() + at, bytes.size() - at);
}

void CdBaseDocument::SetUpdateDate(int year, int month, int day)
{
    m_header.year = year & 0xFF;
    m_header.month = month & 0xFF;
    m_header.day = day & 0xFF;
}

void CdBaseDocument::GetUpdateDate(int& year, int& month, int& day) const
{
    year = m_header.year;
    month = m_header.month;
    day = m_header.day;
}

void CdBaseDocument::StampToday()
{
    const QDate today = QDate::currentDate();
    SetUpdateDate(today.year() - 1900, today.month(), today.day());
}

// --- layout ----------------------------------------------------------------

int CdBaseDocument::AddField(const QString& name, char type, int length, int decimals)
{
    const QString upper = name.toUpper();
    const bool knownType = type == 'C' || type == 'N' || type == 'L' || type == 'D';
    const bool fixedWidthOk = (type != 'L' || length == 1) && (type != 'D' || length == 8);
    const int newLength = 1 + [this] {
        int sum = 0;
        for (const DbfField& f : m_header.fields)
            sum += f.length;
        return sum;
    }() + length;
    if (upper.isEmpty() || dbftext::encodeSingleByte(upper).size() > DbfHeader::MaxNameLength || !knownType
        || !fixedWidthOk || length < 1 || length > 255 || decimals < 0 || decimals > 255
        || (decimals > 0 && (type != 'N' || decimals >= length)) || newLength > MaxRecordLength)
        return -1;
    DbfField f;
    f.name = upper;
    f.type = type;
    f.length = length;
    f.decimals = decimals;
    m_header.fields.append(f);
    m_header.layOut();
    SetModifiedFlag();
    return GetFieldCount();
}

int CdBaseDocument::CreateTable(const QString& path, int overwrite)
{
    m_error.clear();
    m_file.close();
    m_current = 0;
    m_newRecord = false;
    m_dirty = false;
    m_index.clear();
    const QString resolved = tablepath::resolve(path);
    if (QFile::exists(resolved) && overwrite != 1)
        return 0;
    if (!openFile(resolved, QIODevice::ReadWrite | QIODevice::Truncate)) {
        fail(openError());
        return 0;
    }
    m_header.version = 0x03;
    m_header.recordCount = 0;
    m_header.languageDriver = DbfCodePage::WindowsAnsiDriver;
    m_header.prefix.clear();
    for (DbfField& f : m_header.fields)
        f.descriptor.clear();
    m_header.layOut();
    if (WriteHeader() != 1 || !writeAt(m_header.headerLength, &kEndOfFile, 1)) {
        m_file.close();
        fail(openError());
        return 0;
    }
    m_path = resolved;
    return 1;
}

int CdBaseDocument::GetFieldInfo(int position, QString& name, char& type, int& length, int& decimals) const
{
    const DbfField* f = fieldOf(position);
    if (!f)
        return -1;
    name = f->name;
    type = f->type;
    length = f->length;
    decimals = f->decimals;
    return position;
}

int CdBaseDocument::GetFieldOffset(int position) const
{
    const DbfField* f = fieldOf(position);
    return f ? f->offset : -1;
}

int CdBaseDocument::FindField(const QString& name) const
{
    for (int i = 0; i < GetFieldCount(); ++i) {
        if (m_header.fields.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

const DbfField* CdBaseDocument::fieldOf(int field) const
{
    if (field < 0 || field >= m_header.fields.size())
        return nullptr;
    return &m_header.fields.at(field);
}

// --- records ---------------------------------------------------------------

qint64 CdBaseDocument::recordOffset(qint64 n) const
{
    return qint64(m_header.headerLength) + qint64(m_header.recordLength) * (n - 1);
}

bool CdBaseDocument::writeAt(qint64 offset, const char* data, qint64 size)
{
    if (!m_file.isOpen() || !m_file.isWritable() || !m_file.seek(offset))
        return false;
    if (m_file.write(data, size) != size)
        return false;
    return m_file.flush();
}

void CdBaseDocument::clearBuffer(char fill)
{
    m_record.fill('\0');
    std::fill_n(m_record.data(), m_header.recordLength, fill);
}

qint64 CdBaseDocument::GetRecordCount()
{
    // While appending, the file still holds the count from before.
    std::uint32_t count = 0;
    if (m_file.isOpen() && !IsAppending() && DbfHeader::readRecordCount(m_file, count))
        m_header.recordCount = count;
    return m_header.recordCount;
}

qint64 CdBaseDocument::GetRecordsInFile() const
{
    if (!m_file.isOpen() || m_header.recordLength < 1)
        return 0;
    const qint64 room = (m_file.size() - m_header.headerLength) / m_header.recordLength;
    return std::clamp<qint64>(room, 0, m_header.recordCount);
}

qint64 CdBaseDocument::ReadRecord(qint64 n)
{
    if (!m_file.isOpen() || n < 1 || n > qint64(m_header.recordCount))
        return -1;
    if (m_current > 0 && m_dirty)
        WriteRecord(m_current);
    const int length = m_header.recordLength;
    QByteArray incoming(length, Qt::Uninitialized);
    if (!m_file.seek(recordOffset(n)) || m_file.read(incoming.data(), length) != length)
        return -1;
    m_record.fill('\0');
    std::copy_n(incoming.constData(), length, m_record.data());
    m_current = n;
    m_newRecord = false;
    m_dirty = false;
    m_recordActive = m_record[0] == ' ';
    return n;
}

qint64 CdBaseDocument::ReadRecords(qint64 first, qint64 last, const std::function<void(qint64)>& visit)
{
    first = std::max<qint64>(first, 1);
    last = std::min<qint64>(last, m_header.recordCount);
    if (!m_file.isOpen() || first > last)
        return 0;
    if (m_current > 0 && m_dirty)
        WriteRecord(m_current);
    // Large blocks instead of one read per record: a system call each would
    // dominate on tables of tens of thousands of goods.
    const qint64 length = m_header.recordLength;
    const qint64 perBlock = std::max<qint64>(1, (1 << 20) / length);
    m_record.fill('\0');
    qint64 visited = 0;
    QByteArray block;
    for (qint64 at = first; at <= last; at += perBlock) {
        const qint64 wanted = std::min(perBlock, last - at + 1);
        if (!m_file.seek(recordOffset(at)))
            break;
        block = m_file.read(wanted * length);
        const qint64 complete = block.size() / length;
        for (qint64 i = 0; i < complete; ++i) {
            std::copy_n(block.constData() + i * length, length, m_record.data());
            m_current = at + i;
            m_newRecord = false;
            m_dirty = false;
            m_recordActive = m_record[0] == ' ';
            visit(m_current);
            ++visited;
            if (m_dirty)
                WriteRecord(m_current);
        }
        if (complete < wanted)
            break; // the file ends before its record count says
    }
    return visited;
}

bool CdBaseDocument::writeEndMark()
{
    return writeAt(recordOffset(qint64(m_header.recordCount) + 1), &kEndOfFile, 1);
}

qint64 CdBaseDocument::appendRecord()
{
    if (IsAppending()) {
        // The lock is held already, and the count goes into the file at the
        // commit.
        const qint64 n = qint64(m_header.recordCount) + 1;
        if (n > 0xFFFFFFFEll || !writeAt(recordOffset(n), m_record.constData(), m_header.recordLength))
            return -1;
        m_header.recordCount = std::uint32_t(n);
        return n;
    }
    // Another instance may have appended since we last looked: the count in
    // the file, read under the lock, says where the new record goes.
    DbfTableLock lock(m_file);
    std::uint32_t count = m_header.recordCount;
    if (!DbfHeader::readRecordCount(m_file, count) || count == 0xFFFFFFFFu)
        return -1;
    // A header that counts more records than the file holds is damaged;
    // writing behind its count would leave a hole of made-up records (or a
    // file of terabytes), so nothing is appended to it.
    if ((m_file.size() - m_header.headerLength) / m_header.recordLength < qint64(count))
        return -1;
    const qint64 n = qint64(count) + 1;
    if (!writeAt(recordOffset(n), m_record.constData(), m_header.recordLength)
        || !writeAt(recordOffset(n + 1), &kEndOfFile, 1))
        return -1;
    const std::uint32_t before = m_header.recordCount;
    m_header.recordCount = std::uint32_t(n);
    if (WriteHeader() != 1) {
        m_header.recordCount = before;
        return -1;
    }
    return n;
}

bool CdBaseDocument::BeginAppend()
{
    if (!m_file.isOpen() || !m_file.isWritable() || IsAppending())
        return false;
    if (m_current > 0 && m_dirty)
        WriteRecord(m_current);
    m_appendLock = std::make_unique<DbfTableLock>(m_file);
    std::uint32_t count = 0;
    if (!DbfHeader::readRecordCount(m_file, count) || count == 0xFFFFFFFFu
        || (m_file.size() - m_header.headerLength) / m_header.recordLength < qint64(count)) {
        m_appendLock.reset();
        return false;
    }
    m_header.recordCount = count;
    m_appendStart = count;
    return true;
}

bool CdBaseDocument::CommitAppend()
{
    if (!IsAppending())
        return false;
    if (m_header.recordCount != m_appendStart && (!writeEndMark() || WriteHeader() != 1)) {
        RollbackAppend();
        return false;
    }
    m_appendLock.reset();
    return true;
}

void CdBaseDocument::RollbackAppend()
{
    if (!IsAppending())
        return;
    if (m_header.recordCount != m_appendStart) {
        m_header.recordCount = m_appendStart;
        // The header in the file was never raised; what lies behind the old
        // end is cut off again, and the end mark put back.
        m_file.resize(recordOffset(qint64(m_appendStart) + 1));
        writeEndMark();
        WriteHeader();
    }
    if (m_current > qint64(m_appendStart)) {
        m_current = 0;
        m_dirty = false;
        m_newRecord = false;
    }
    m_appendLock.reset();
}

qint64 CdBaseDocument::WriteRecord(qint64 n)
{
    const bool pendingNew = m_newRecord && n == m_current;
    if (!m_file.isOpen() || !m_file.isWritable() || n < 1
        || (!pendingNew && n > qint64(m_header.recordCount) + 1))
        return -1;
    m_record[0] = ' ';
    qint64 written = n;
    if (pendingNew || n > qint64(m_header.recordCount)) {
        written = appendRecord();
        if (written < 0)
            return -1;
    } else if (!writeAt(recordOffset(n), m_record.constData(), m_header.recordLength)) {
        return -1;
    }
    m_dirty = false;
    m_newRecord = false;
    m_current = written;
    m_recordActive = true;
    return written;
}

void CdBaseDocument::DiscardChanges()
{
    m_dirty = false;
    if (m_newRecord) {
        m_current = 0;
        m_newRecord = false;
    } else if (m_current > 0) {
        ReadRecord(m_current);
    }
}

qint64 CdBaseDocument::NewRecord()
{
    if (!m_file.isOpen())
        return -1;
    if (m_current > 0 && m_dirty)
        WriteRecord(m_current);
    clearBuffer(' ');
    m_current = qint64(m_header.recordCount) + 1;
    m_newRecord = true;
    m_dirty = false;
    m_recordActive = true;
    return m_current;
}

qint64 CdBaseDocument::DeleteRecord(qint64 n)
{
    if (!m_file.isOpen() || !m_file.isWritable() || n < 1 || n > qint64(m_header.recordCount))
        return -1;
    if (ReadRecord(n) < 0)
        return -1;
    m_record[0] = kDeleted;
    if (!writeAt(recordOffset(n), m_record.constData(), m_header.recordLength))
        return -1;
    m_dirty = false;
    ReadRecord(1);
    return m_current;
}

qint64 CdBaseDocument::ReadRecordByIndex(qint64 position)
{
    if (position < 0 || position >= m_index.size())
        return -1;
    m_index.setCurrentPosition(position);
    return ReadRecord(m_index.record(position));
}

qint64 CdBaseDocument::WriteRecordByIndex(qint64 position)
{
    if (position < 0 || position >= m_index.size())
        return -1;
    m_index.setCurrentPosition(position);
    const std::uint32_t record = m_index.record(position);
    return record == 0 ? -1 : WriteRecord(record);
}

// --- sort index ------------------------------------------------------------

int CdBaseDocument::BuildSortIndex(int field)
{
    const DbfField* f = fieldOf(field);
    if (!f || (f->type != 'C' && f->type != 'N') || !m_file.isOpen() || GetRecordCount() < 1)
        return -1;
    const qint64 remembered = m_current;
    m_index.clear();

    const bool text = f->type == 'C';
    const DbfCodePage& page = codePage();
    // Each key is made in place: a field holds at most 255 characters, and
    // an integer at most 20.
    char16_t key[256];
    ReadRecords(1, m_header.recordCount, [&](qint64 n) {
        if (!m_recordActive)
            return;
        const QByteArrayView bytes = GetFieldView(field);
        char16_t* end = key;
        if (text) {
            end = dbftext::decodeField(bytes, page, key);
        } else {
            char digits[24];
            const auto printed = std::to_chars(digits, digits + sizeof digits, dbftext::parseInteger(bytes));
            end = std::copy(digits, printed.ptr, key);
        }
        m_index.append(QStringView(key, end - key), std::uint32_t(n));
    });
    m_index.sort();
    const int saved = SaveIndexFile();
    if (remembered > 0)
        ReadRecord(remembered);
    return saved;
}

void CdBaseDocument::SortIndex()
{
    m_index.sort();
    SaveIndexFile();
    if (m_current > 0 && !m_newRecord)
        ReadRecord(m_current);
}

int CdBaseDocument::SaveIndexFile()
{
    if (m_path.isEmpty() || !m_index.save(tablepath::companionIndex(m_path))) {
        fail(openError());
        return -1;
    }
    return 0;
}

void CdBaseDocument::AddIndexKey(const QString& key)
{
    m_index.append(key, std::uint32_t(std::max<qint64>(0, m_current)));
}

QString CdBaseDocument::GetIndexKey(qint64 position) const
{
    return m_index.key(position);
}
