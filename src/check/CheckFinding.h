#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One thing the plausibility check found in a document: where (page, field
// and the box as the field-name list calls it), what, and how bad. "Fehler"
// is what a customs office sends back; "Hinweis" is worth a second look.
struct CheckFinding {
    enum class Severity { Error, Hint };

    int page = 1;
    int field = 0;
    QString box;
    QString message;
    Severity severity = Severity::Error;

    // "Fehler" or "Hinweis".
    QString severityText() const;
    // "Seite 1, Feld 5: ..." for lists and messages.
    QString displayText() const;

    bool operator==(const CheckFinding&) const = default;
};

using CheckFindings = QList<CheckFinding>;

namespace CheckFindingList {

// Whether any finding has the severity "Fehler".
bool hasErrors(const CheckFindings& findings);
int errorCount(const CheckFindings& findings);

// Sorted by page, then field, the order of the rules kept among equals.
void sort(CheckFindings& findings);

// {"file": ..., "type": ..., "findings": [{"page": 1, "field": 14, "box":
// "Feld 5", "severity": "Fehler", "message": "..."}, ...]}
QByteArray toJson(const QString& file, const QString& type, const CheckFindings& findings);

} // namespace CheckFindingList
