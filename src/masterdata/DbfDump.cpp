#include "masterdata/DbfDump.h"

#include "masterdata/CdBaseDocument.h"
#include "masterdata/DbfText.h"

#include <QTextStream>

#include <charconv>

namespace {

QString jsonString(const QString& text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (QChar c : text) {
        switch (c.unicode()) {
        case '"': out += QLatin1String("\\\""); break;
        case '\\': out += QLatin1String("\\\\"); break;
        case '\n': out += QLatin1String("\\n"); break;
        case '\r': out += QLatin1String("\\r"); break;
        case '\t': out += QLatin1String("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

QString jsonNumber(double value)
{
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, value);
    return QString::fromLatin1(buf, r.ptr - buf);
}

QString jsonValue(CdBaseDocument& table, int field, char type, int decimals)
{
    switch (type) {
    case 'C': {
        QString text;
        table.GetString(field, text);
        return jsonString(text);
    }
    case 'N':
        if (decimals == 0) {
            std::int64_t value = 0;
            table.GetInt64(field, value);
            return QString::number(value);
        } else {
            double value = 0;
            table.GetDouble(field, value);
            return jsonNumber(value);
        }
    case 'L': {
        bool value = false;
        table.GetLogical(field, value);
        return value ? QStringLiteral("true") : QStringLiteral("false");
    }
    default:
        // D fields and types this program does not use: the stored text.
        return jsonString(dbftext::decodeField(table.GetFieldBytes(field), table.codePage()));
    }
}

} // namespace

void writeDbfJson(CdBaseDocument& table, QTextStream& out)
{
    int year = 0, month = 0, day = 0;
    table.GetUpdateDate(year, month, day);
    const qint64 count = table.GetRecordCount();
    out << "{\"version\": " << table.GetVersion() << ", \"updated\": \""
        << QStringLiteral("%1-%2-%3")
               .arg(1900 + year, 4, 10, QLatin1Char('0'))
               .arg(month, 2, 10, QLatin1Char('0'))
               .arg(day, 2, 10, QLatin1Char('0'))
        << "\", \"recordCount\": " << count << ", \"fields\": [";

    struct Info {
        QString name;
        char type;
        int length;
        int decimals;
    };
    QList<Info> fields;
    for (int k = 0; k < table.GetFieldCount(); ++k) {
        Info f;
        table.GetFieldInfo(k, f.name, f.type, f.length, f.decimals);
        fields.append(f);
        out << (k ? ", " : "") << "{\"name\": " << jsonString(f.name) << ", \"type\": "
            << jsonString(QString::fromLatin1(&f.type, 1)) << ", \"length\": " << f.length
            << ", \"decimals\": " << f.decimals << '}';
    }
    out << "], \"records\": [";
    const qint64 present = table.GetRecordsInFile();
    for (qint64 n = 1; n <= present; ++n) {
        if (table.ReadRecord(n) != n)
            break;
        out << (n > 1 ? ", " : "") << "{\"deleted\": " << (table.IsCurrentRecordActive() ? "false" : "true")
            << ", \"values\": {";
        for (int k = 0; k < fields.size(); ++k) {
            const Info& f = fields.at(k);
            out << (k ? ", " : "") << jsonString(f.name) << ": " << jsonValue(table, k, f.type, f.decimals);
        }
        out << "}}";
    }
    out << "]}\n";
}
