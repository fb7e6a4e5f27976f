#include "check/CheckFinding.h"

#include <algorithm>

#include "form/FieldStoreJson.h"

QString CheckFinding::severityText() const
{
    return severity == Severity::Error ? QStringLiteral("Fehler") : QStringLiteral("Hinweis");
}

QString CheckFinding::displayText() const
{
    return QStringLiteral("Seite %1, %2: %3").arg(page).arg(box, message);
}

namespace CheckFindingList {

bool hasErrors(const CheckFindings& findings)
{
    return errorCount(findings) > 0;
}

int errorCount(const CheckFindings& findings)
{
    return int(std::count_if(findings.cbegin(), findings.cend(),
                             [](const CheckFinding& f) { return f.severity == CheckFinding::Severity::Error; }));
}

void sort(CheckFindings& findings)
{
    std::stable_sort(findings.begin(), findings.end(), [](const CheckFinding& a, const CheckFinding& b) {
        return a.page != b.page ? a.page < b.page : a.field < b.field;
    });
}

QByteArray toJson(const QString& file, const QString& type, const CheckFindings& findings)
{
    QByteArray list = "[";
    for (const CheckFinding& f : findings) {
        if (list.size() > 1)
            list += ", ";
        list += FieldStoreJson::Object()
                    .add("page", f.page)
                    .add("field", f.field)
                    .add("box", f.box)
                    .add("severity", f.severityText())
                    .add("message", f.message)
                    .toJson();
    }
    list += ']';
    return FieldStoreJson::Object()
        .add("file", file)
        .add("type", type)
        .add("errors", CheckFindingList::errorCount(findings))
        .addRaw("findings", list)
        .toJson();
}

} // namespace CheckFindingList
