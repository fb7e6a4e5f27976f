#pragma once

#include <QString>
#include <QStringList>

// The goods and the address table in the program's data folder, where they
// live unless the settings name other files ("StammdatenDatei",
// "AdressdatenDatei"). The program creates them there the first time it
// runs, and tells the user once where they are, so that the data can be
// found for a backup or for another program.
class DefaultTables
{
public:
    explicit DefaultTables(const QString& dataDirectory) : m_dataDirectory(dataDirectory) {}

    // Creates those of the two default tables that do not exist yet (in any
    // spelling of their names). Tables the settings place elsewhere are left
    // to their dialogs. Returns true when nothing failed; created() lists the
    // file names made, errorMessage() says what failed.
    bool createMissing();

    const QStringList& created() const { return m_created; }
    QString errorMessage() const { return m_error; }

    // The note for the user about the tables just created, empty when none.
    QString notice() const;

private:
    QString m_dataDirectory;
    QStringList m_created;
    QString m_error;
};
