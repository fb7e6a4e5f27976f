#pragma once

#include <QString>

#include "app/UpdateIndex.h"

// What the update dialog knows and shows: the installed program and
// version, the status line, and the entry of the index once one was found.
class UpdateCheckModel
{
public:
    struct Version {
        int major = 0;
        int minor = 0;
        int build = 0;
    };

    static const QString NothingLoadedText;    // "Es sind noch keine Daten geladen."
    static const QString TransferFailedText;   // "Fehler bei der Übertragung"

    UpdateCheckModel(const QString& programName, Version installed);

    QString programName() const { return m_programName; }
    Version installed() const { return m_installed; }
    // "%d.%02d.%03d": "2.01.005".
    static QString versionText(Version version);
    QString installedVersionText() const { return versionText(m_installed); }

    QString statusText() const { return m_status; }
    bool updateFound() const { return m_updateFound; }
    const UpdateIndex::Entry& entry() const { return m_entry; }

    // The outcome of reading an index: the entry of this program compared
    // with the installed version, or "Fehler bei der Übertragung".
    void takeIndex(const UpdateIndex::Result& result);
    // The transfer broke off before an index could be read.
    void takeBrokenTransfer();

    // Whether the found version is an update within the installed major
    // version (free) rather than an upgrade to another one (paid).
    bool isFreeUpdate() const;
    // The major version an entry's version text names ("10.00.002" -> 10);
    // -1 when it does not start with a number.
    static int majorOf(const QString& versionText);

private:
    QString m_programName;
    Version m_installed;
    QString m_status;
    bool m_updateFound = false;
    UpdateIndex::Entry m_entry;
};
