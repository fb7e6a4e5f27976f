#include "masterdata/DefaultTables.h"

#include "masterdata/AddressTable.h"
#include "masterdata/CKestrovaneStammDaten.h"
#include "masterdata/TablePath.h"
#include "settings/Profile.h"

#include <QDir>
#include <QFileInfo>

bool DefaultTables::createMissing()
{
    m_created.clear();
    m_error.clear();
    // Without a data folder the registry has told the user already.
    if (m_dataDirectory.isEmpty())
        return true;
    QStringList failures;

    // The goods table is in the data folder while "StammdatenDatei" names
    // no file of its own.
    if (Profile::get(Settings::StammdatenDatei).size() <= 2) {
        CKestrovaneStammDaten goods(m_dataDirectory);
        goods.SetFileFromSettings();
        QString path;
        goods.GetFilePath(path);
        if (!tablepath::exists(path)) {
            if (goods.CreateGoodsTable())
                m_created.append(QFileInfo(path).fileName());
            else
                failures.append(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), goods.errorMessage()));
        }
    }

    const QString address = Profile::get(Settings::AdressdatenDatei);
    if (address.isEmpty() || address == QLatin1String("@")) {
        const QString path = AddressTable::DefaultPath(m_dataDirectory);
        if (!tablepath::exists(path)) {
            AddressTable table;
            if (table.Create(path))
                m_created.append(QFileInfo(path).fileName());
            else
                failures.append(QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), table.errorMessage()));
        }
    }
    m_error = failures.join(QLatin1Char('\n'));
    return failures.isEmpty();
}

QString DefaultTables::notice() const
{
    if (m_created.isEmpty())
        return {};
    return QStringLiteral("Die Stammdaten von Kestrovane-Import liegen im Datenordner\n%1\n\n"
                          "Dort wurde neu angelegt: %2.")
        .arg(QDir::toNativeSeparators(m_dataDirectory), m_created.join(QStringLiteral(", ")));
}
