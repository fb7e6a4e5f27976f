#include "cli/DocumentJsonInput.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QStringDecoder>

#include <cmath>

#include "dv1/CDV1_Doc.h"
#include "form/CEinheitspapierDoc.h"

namespace cli {

namespace {

// Continuation pages a field store can hold: its page word keeps the page
// count in one byte.
constexpr int MaxPages = 0xFF;

struct Refusal {
    QString text;
};

// Reads one document, throwing the first refusal: the reader stops at the
// first fault, so the message names exactly one place.
class Reader
{
public:
    explicit Reader(DocumentJson& out) : m_out(out) {}

    void read(const QJsonObject& root)
    {
        readType(root);
        if (m_out.type == DocumentJson::Type::Einheitspapier)
            readEinheitspapier(root);
        else
            readDv1(root);
        readPages(root);
    }

private:
    [[noreturn]] static void refuse(const QString& path, const QString& reason)
    {
        throw Refusal{path + QStringLiteral(": ") + reason};
    }

    // A whole number within [low, high]; JSON booleans count as 0 and 1
    // where the dump writes flags.
    static int integer(const QJsonValue& value, const QString& path, qint64 low, qint64 high)
    {
        if (value.isBool())
            return value.toBool() ? 1 : 0;
        if (!value.isDouble())
            refuse(path, QStringLiteral("eine ganze Zahl wird erwartet"));
        const double d = value.toDouble();
        if (d != std::floor(d) || d < double(low) || d > double(high))
            refuse(path, QStringLiteral("%1 liegt nicht im erlaubten Bereich %2 bis %3")
                             .arg(QString::number(d, 'g', 17))
                             .arg(low)
                             .arg(high));
        return int(qint64(d));
    }

    static QJsonArray array(const QJsonValue& value, const QString& path)
    {
        if (!value.isArray())
            refuse(path, QStringLiteral("eine Liste wird erwartet"));
        return value.toArray();
    }

    static QJsonObject object(const QJsonValue& value, const QString& path)
    {
        if (!value.isObject())
            refuse(path, QStringLiteral("ein Objekt wird erwartet"));
        return value.toObject();
    }

    void readType(const QJsonObject& root)
    {
        const QJsonValue type = root.value(QStringLiteral("type"));
        if (type.isUndefined())
            refuse(QStringLiteral("$.type"), QStringLiteral("der Dokumenttyp fehlt"));
        if (!type.isString())
            refuse(QStringLiteral("$.type"), QStringLiteral("der Dokumenttyp muss ein Text sein"));
        const QString name = type.toString();
        if (name == QLatin1String("Einheitspapier"))
            m_out.type = DocumentJson::Type::Einheitspapier;
        else if (name == QLatin1String("D.V.1"))
            m_out.type = DocumentJson::Type::Dv1;
        else
            refuse(QStringLiteral("$.type"),
                   QStringLiteral("unbekannter Dokumenttyp „%1“ (bekannt: „Einheitspapier“, „D.V.1“)").arg(name));
    }

    void readEinheitspapier(const QJsonObject& root)
    {
        const QJsonValue formSet = root.value(QStringLiteral("formSet"));
        if (formSet.isUndefined())
            refuse(QStringLiteral("$.formSet"), QStringLiteral("der Formularsatz fehlt"));
        const int set = integer(formSet, QStringLiteral("$.formSet"), -1000000, 1000000);
        if (!(set >= 0 && set <= 3) && set != CEinheitspapierDoc::ExportFormSet)
            refuse(QStringLiteral("$.formSet"),
                   QStringLiteral("unbekannter Formularsatz %1 (bekannt: 0 bis 3, 5 für ein Ausfuhrdokument)").arg(set));
        m_out.formSet = set;
        if (const QJsonValue v = root.value(QStringLiteral("continuationPages")); !v.isUndefined()) {
            m_out.continuationPages = integer(v, QStringLiteral("$.continuationPages"), 0, MaxPages - 1);
            m_pagesGiven = true;
        }
        if (const QJsonValue v = root.value(QStringLiteral("inputTax")); !v.isUndefined())
            m_out.inputTax = integer(v, QStringLiteral("$.inputTax"), 0, 1) != 0;
        if (const QJsonValue v = root.value(QStringLiteral("reserved")); !v.isUndefined())
            m_out.reserved = std::uint32_t(qint64(integer64(v, QStringLiteral("$.reserved"))));
    }

    static qint64 integer64(const QJsonValue& value, const QString& path)
    {
        if (!value.isDouble() || value.toDouble() != std::floor(value.toDouble()) || value.toDouble() < 0
            || value.toDouble() > 4294967295.0)
            refuse(path, QStringLiteral("eine ganze Zahl von 0 bis 4294967295 wird erwartet"));
        return qint64(value.toDouble());
    }

    void readDv1(const QJsonObject& root)
    {
        if (const QJsonValue v = root.value(QStringLiteral("pageCount")); !v.isUndefined()) {
            m_out.pageCount = integer(v, QStringLiteral("$.pageCount"), 1, MaxPages);
            m_pagesGiven = true;
        }
        if (const QJsonValue v = root.value(QStringLiteral("answerBoxes")); !v.isUndefined()) {
            const QJsonArray boxes = array(v, QStringLiteral("$.answerBoxes"));
            if (boxes.size() != CDV1_Doc::AnswerBoxCount)
                refuse(QStringLiteral("$.answerBoxes"),
                       QStringLiteral("%1 Antwortfelder statt %2").arg(boxes.size()).arg(CDV1_Doc::AnswerBoxCount));
            QByteArray bytes;
            for (qsizetype i = 0; i < boxes.size(); ++i)
                bytes += char(integer(boxes.at(i), QStringLiteral("$.answerBoxes[%1]").arg(i), 0, 1));
            m_out.answerBoxes = bytes;
        }
    }

    int firstPageFields() const
    {
        return m_out.type == DocumentJson::Type::Einheitspapier ? CEinheitspapierDoc::FirstPageFields
                                                                 : CDV1_Doc::FirstPageFields;
    }
    int continuationFields() const
    {
        return m_out.type == DocumentJson::Type::Einheitspapier ? CEinheitspapierDoc::ContinuationFields
                                                                 : CDV1_Doc::ContinuationFields;
    }
    int declaredPages() const
    {
        if (!m_pagesGiven)
            return MaxPages;
        return m_out.type == DocumentJson::Type::Einheitspapier ? m_out.continuationPages + 1 : m_out.pageCount;
    }

    void readPages(const QJsonObject& root)
    {
        const QJsonValue pagesValue = root.value(QStringLiteral("pages"));
        if (pagesValue.isUndefined())
            return;   // a document without texts
        const QJsonArray pages = array(pagesValue, QStringLiteral("$.pages"));
        int highest = 1;
        for (qsizetype p = 0; p < pages.size(); ++p) {
            const QString pagePath = QStringLiteral("$.pages[%1]").arg(p);
            const QJsonObject page = object(pages.at(p), pagePath);
            const QJsonValue number = page.value(QStringLiteral("page"));
            if (number.isUndefined())
                refuse(pagePath + QStringLiteral(".page"), QStringLiteral("die Seitennummer fehlt"));
            const int pageNumber = integer(number, pagePath + QStringLiteral(".page"), 1, declaredPages());
            highest = std::max(highest, pageNumber);
            const int fieldCount = pageNumber == 1 ? firstPageFields() : continuationFields();
            const QJsonValue fieldsValue = page.value(QStringLiteral("fields"));
            if (fieldsValue.isUndefined())
                continue;
            const QJsonArray fields = array(fieldsValue, pagePath + QStringLiteral(".fields"));
            for (qsizetype f = 0; f < fields.size(); ++f)
                readField(fields.at(f), pagePath + QStringLiteral(".fields[%1]").arg(f), pageNumber, fieldCount);
        }
        // Without a page count the pages named make the document.
        if (!m_pagesGiven) {
            if (m_out.type == DocumentJson::Type::Einheitspapier)
                m_out.continuationPages = std::max(1, highest - 1);
            else
                m_out.pageCount = std::max(2, highest);
        }
    }

    void readField(const QJsonValue& value, const QString& path, int page, int fieldCount)
    {
        const QJsonObject field = object(value, path);
        const QJsonValue index = field.value(QStringLiteral("index"));
        if (index.isUndefined())
            refuse(path + QStringLiteral(".index"), QStringLiteral("die Feldnummer fehlt"));
        FilledField out;
        out.page = page;
        out.index = integer(index, path + QStringLiteral(".index"), 0, fieldCount - 1);
        if (const QJsonValue text = field.value(QStringLiteral("text")); !text.isUndefined()) {
            if (!text.isString())
                refuse(path + QStringLiteral(".text"), QStringLiteral("ein Text wird erwartet"));
            out.text = text.toString();
            if (out.text.size() > MaxFieldText)
                refuse(path + QStringLiteral(".text"),
                       QStringLiteral("der Text ist mit %1 Zeichen zu lang für das Dateiformat (höchstens %2)")
                           .arg(out.text.size())
                           .arg(MaxFieldText));
        }
        if (const QJsonValue attr = field.value(QStringLiteral("attr")); !attr.isUndefined())
            out.attr = std::uint16_t(integer(attr, path + QStringLiteral(".attr"), 0, 0xFFFF));
        m_out.fields.append(out);
    }

    DocumentJson& m_out;
    bool m_pagesGiven = false;
};

QString parseErrorText(const QJsonParseError& error)
{
    if (error.error == QJsonParseError::IllegalUTF8String)
        return QStringLiteral("kein gültiges UTF-8 (bei Byte %1)").arg(error.offset);
    return QStringLiteral("kein gültiges JSON (bei Byte %1: %2)").arg(error.offset).arg(error.errorString());
}

} // namespace

bool parseDocumentJson(const QByteArray& data, DocumentJson* document, QString* error)
{
    // The JSON reader of the library lets some broken UTF-8 through inside
    // strings; the whole input is checked first so that no text is mangled.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    (void)utf8.decode(data);
    if (utf8.hasError()) {
        *error = QStringLiteral("$: kein gültiges UTF-8");
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(data, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = QStringLiteral("$: ") + parseErrorText(parseError);
        return false;
    }
    if (!json.isObject()) {
        *error = QStringLiteral("$: ein JSON-Objekt wird erwartet");
        return false;
    }
    DocumentJson out;
    try {
        Reader(out).read(json.object());
    } catch (const Refusal& refusal) {
        *error = refusal.text;
        return false;
    }
    *document = std::move(out);
    return true;
}

} // namespace cli
