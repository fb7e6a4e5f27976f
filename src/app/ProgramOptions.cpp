#include "app/ProgramOptions.h"

#include <QDir>

#include "masterdata/AddressTable.h"
#include "masterdata/CKestrovaneStammDaten.h"
#include "masterdata/TableBackup.h"
#include "masterdata/TablePath.h"
#include "settings/Profile.h"

ProgramOptions::ProgramOptions(const QString& dataDirectory)
    : m_dataDirectory(dataDirectory)
{
}

void ProgramOptions::load()
{
    addressPath = Profile::get(Settings::AdressdatenDatei);
    goodsPath = Profile::get(Settings::StammdatenDatei);
    if (addressPath.isEmpty())
        addressPath = tablepath::join(m_dataDirectory, QLatin1String(AddressFileName));
    if (goodsPath.isEmpty())
        goodsPath = tablepath::join(m_dataDirectory, QLatin1String(GoodsFileName));
    checkPaperFormat = Profile::get(Settings::PrnPapielageCheck) != 0;
    checkFormBeforePrint = Profile::get(Settings::PrnFormularCheck) != 0;
}

ProgramOptions::Outcome ProgramOptions::apply(const QDate& today) const
{
    Profile::set(Settings::AdressdatenDatei, addressPath);
    Profile::set(Settings::StammdatenDatei, goodsPath);
    Profile::set(Settings::PrnPapielageCheck, checkPaperFormat ? 1 : 0);
    Profile::set(Settings::PrnFormularCheck, checkFormBeforePrint ? 1 : 0);

    Outcome outcome;
    QString message;
    if (recreateAddressTable) {
        outcome.ok = recreate(AddressTable::PathFromSettings(m_dataDirectory), false, today, message) && outcome.ok;
        outcome.messages << message;
    }
    if (recreateGoodsTable) {
        // The goods table as the goods data find it: a path of two characters
        // or fewer is no path, and "Stammdaten" chooses the older layout.
        CKestrovaneStammDaten goods(m_dataDirectory);
        goods.SetFileFromSettings();
        QString path;
        goods.GetFilePath(path);
        outcome.ok = recreate(path, true, today, message) && outcome.ok;
        outcome.messages << message;
    }
    return outcome;
}

bool ProgramOptions::recreate(const QString& path, bool goods, const QDate& today, QString& message) const
{
    const QString shown = QDir::toNativeSeparators(path);
    const TableBackup::Moved moved = TableBackup::moveAside(path, today);
    if (!moved.ok) {
        message = moved.error + QStringLiteral("\nDie Datei wurde nicht neu angelegt.");
        return false;
    }

    QString error;
    if (goods) {
        CKestrovaneStammDaten table(m_dataDirectory);
        table.SetFileFromSettings();
        if (!table.CreateGoodsTable())
            error = table.errorMessage();
    } else {
        AddressTable table;
        if (table.Create(path))
            table.Close();
        else
            error = table.errorMessage();
    }
    if (!error.isEmpty() || !tablepath::exists(path)) {
        TableBackup::restore(moved);
        message = QStringLiteral("Die Datei %1 konnte nicht neu angelegt werden.\n%2\nDie bisherige Datei ist "
                                 "unverändert.")
                      .arg(shown, error);
        return false;
    }
    message = moved.table.isEmpty()
                  ? QStringLiteral("Die Datei %1 wurde neu angelegt.").arg(shown)
                  : QStringLiteral("Die Datei %1 wurde neu angelegt. Die bisherigen Daten sind als %2 gesichert.")
                        .arg(shown, QDir::toNativeSeparators(moved.backup));
    return true;
}
