#include "app/UpdateIndex.h"

#include "masterdata/DbfText.h"

namespace {

// Reads the index front to back, as the bytes come off the network.
class Reader
{
public:
    explicit Reader(QByteArrayView data) : m_data(data) {}

    // The next n bytes; false (and nothing taken) when fewer are left.
    bool read(qsizetype n, QByteArrayView& out)
    {
        if (n > m_data.size() - m_pos)
            return false;
        out = m_data.sliced(m_pos, n);
        m_pos += n;
        return true;
    }
    bool atEnd() const { return m_pos >= m_data.size(); }

private:
    QByteArrayView m_data;
    qsizetype m_pos = 0;
};

QString column(QByteArrayView line, int first, int last, bool trim)
{
    // The single-byte text of the index, cut at a NUL as a C string would be.
    QString text = dbftext::decodeField(line.sliced(first, last - first + 1));
    if (trim) {
        qsizetype lead = 0;
        while (lead < text.size() && text.at(lead) == QLatin1Char(' '))
            ++lead;
        text.remove(0, lead);
    }
    return text;
}

bool endsWithLineEnding(QByteArrayView chunk, int lineEnding)
{
    return lineEnding == 2 ? chunk.endsWith("\r\n") : chunk.endsWith('\n');
}

} // namespace

UpdateIndex::Entry UpdateIndex::splitEntry(QByteArrayView line)
{
    Entry e;
    e.name = column(line, 0, 19, true);
    e.version = column(line, 20, 27, true);
    // Not trimmed: it is carried along unchanged and used for nothing.
    e.reserved = QString::fromLatin1(line.sliced(28, 8));
    e.downloadPath = column(line, 36, 79, true);
    e.downloadSize = column(line, 80, 89, true);
    e.secondPath = column(line, 90, 133, true);
    e.secondSize = column(line, 134, 143, true);
    e.infoPage = column(line, 144, 173, true);
    return e;
}

UpdateIndex::Result UpdateIndex::find(QByteArrayView index, const QString& programName)
{
    Result result;
    index = index.first(std::min(index.size(), maximumSize()));

    // Characters 25 and 26 tell the line ending of the whole file.
    const QByteArrayView probe = index.first(std::min<qsizetype>(index.size(), HeaderLength + 2));
    result.lineEnding = probe.size() == HeaderLength + 2 && probe.sliced(HeaderLength) == "\r\n" ? 2 : 1;

    Reader reader(index);
    QByteArrayView header;
    // A line whose ending is not where the fixed columns put it would shift
    // every field after it; such an index is as broken as a cut-off one.
    if (!reader.read(HeaderLength + result.lineEnding, header) || !endsWithLineEnding(header, result.lineEnding)) {
        result.entry.name = QStringLiteral("@");
        return result;
    }
    result.headerNumber = int(dbftext::parseInteger(header.sliced(23, 2), 2));

    const int entries = result.headerNumber + 2;
    for (int i = 0; i < entries; ++i) {
        QByteArrayView line;
        if (!reader.read(EntryLength + result.lineEnding, line)) {
            // The last line of a file may lack its line ending.
            if (!reader.read(EntryLength, line) || !reader.atEnd()) {
                result.entry = Entry{};
                result.entry.name = QStringLiteral("@");
                return result;
            }
        } else if (!endsWithLineEnding(line, result.lineEnding)) {
            result.entry = Entry{};
            result.entry.name = QStringLiteral("@");
            return result;
        }
        result.entry = splitEntry(line);
        ++result.entriesRead;
        if (result.entry.name == programName) {
            result.found = true;
            return result;
        }
    }
    return result;
}
