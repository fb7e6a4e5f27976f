#pragma once

#include <QString>
#include <QStringList>

// The text of the system information: what the support line asks for when
// a user calls. Gathered here, shown by Common_DlgInternalInfo and written
// into a file on request.
class SystemInfoReport
{
public:
    struct Facts {
        QString version;           // "2.1.05"
        QString installed;         // the build date the program registered with
        QString operatingSystem;
        int screenWidth = 0;
        int screenHeight = 0;
        int screenDpi = 0;
        QString programDirectory;
        QStringList recentFiles;   // the first six are listed
        QString profileDirectory;
        QString documentsDirectory;
    };

    // The facts of the running program and machine.
    static Facts gather(const QString& programDirectory, const QString& installed);

    // The report in the current language, one fact per line, with the
    // settings that decide how forms are shown and printed.
    static QString text(const Facts& facts);

    // The file the report is written to: "Systeminfo.txt" in the data folder.
    static QString supportFileName() { return QStringLiteral("Systeminfo.txt"); }
};
