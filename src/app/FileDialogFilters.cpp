#include "app/FileDialogFilters.h"

#include <QFileInfo>

#include "settings/Profile.h"
#include "settings/StringTable.h"

FileDialogFilters FileDialogFilters::forRequestedForm(int requestedForm)
{
    return FileDialogFilters(requestedForm, Profile::get(Settings::NoFileFilter) != 0,
                             StringTable::text(StringTable::AllFilesFilter));
}

FileDialogFilters::FileDialogFilters(int requestedForm, bool allFilesFirst, const QString& allFilesText)
{
    const Filter all{allFilesText, {QStringLiteral("*.*")}};
    if (allFilesFirst)
        m_filters.append(all);
    const int first = int(m_filters.size());
    m_filters.append({QStringLiteral("Alle Kestrovane Dateien"), {QStringLiteral("*.aef"), QStringLiteral("*.fdv")}});
    m_filters.append({QStringLiteral("Einheitspapier. (*.aef)"), {QStringLiteral("*.aef")}});
    m_filters.append({QStringLiteral("DV1 Dokument. (*.fdv)"), {QStringLiteral("*.fdv")}});
    if (!allFilesFirst)
        m_filters.append(all);

    if (requestedForm >= 0 && requestedForm <= 3)
        m_selected = first + 1;
    else if (requestedForm == Dv1Form)
        m_selected = first + 2;
    else
        m_selected = first;
}

QStringList FileDialogFilters::nameFilters() const
{
    QStringList result;
    for (const Filter& f : m_filters) {
        // "Einheitspapier. (*.aef)" and "Alle Dateien (*.*)" name their
        // patterns already and are shown exactly so.
        if (f.text.endsWith(QLatin1Char(')')) && f.text.contains(QLatin1Char('(')))
            result.append(f.text);
        else
            result.append(f.text + QStringLiteral(" (") + f.patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return result;
}

QString FileDialogFilters::selectedNameFilter() const
{
    return nameFilters().value(m_selected);
}

QString FileDialogFilters::withExtension(const QString& fileName, const QString& extension)
{
    if (fileName.isEmpty() || !QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    return fileName + extension;
}
