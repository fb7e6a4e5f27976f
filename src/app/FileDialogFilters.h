#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The filter list of the open and save-as dialogs and which entry is
// preselected. Kept apart from the dialog so the rules can be checked
// without showing one.
class FileDialogFilters
{
public:
    struct Filter {
        QString text;          // as the user reads it
        QStringList patterns;  // "*.aef"
    };

    // The requested form of the program: 0..3 an Einheitspapier form set,
    // 99 the D.V.1, anything else no preference.
    static constexpr int Dv1Form = 99;

    // Reads "Settings"/"NoFileFilter" and the all-files text in the
    // current language.
    static FileDialogFilters forRequestedForm(int requestedForm);
    FileDialogFilters(int requestedForm, bool allFilesFirst, const QString& allFilesText);

    const QList<Filter>& filters() const { return m_filters; }
    int selectedIndex() const { return m_selected; }

    // The filters in the form QFileDialog takes: "text (patterns)", where a
    // text that already ends in its pattern list is taken as it stands.
    QStringList nameFilters() const;
    QString selectedNameFilter() const;

    // The extension a file name gets in the save dialog when the user types
    // none, for a document of the given extension (".aef").
    static QString withExtension(const QString& fileName, const QString& extension);

private:
    QList<Filter> m_filters;
    int m_selected = 0;
};
