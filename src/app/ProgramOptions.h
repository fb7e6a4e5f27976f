#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The rules of "Programmeinstellungen": the paths of the address and goods
// tables, the paper format check, the form check before printing, and the
// re-creation of either table.
//
// A confirmed re-creation never destroys data: the old file is moved aside
// as a dated backup beside it (TableBackup) before the empty table is made,
// and put back when that fails.
class ProgramOptions
{
public:
    static constexpr const char* AddressFileName = "Adress1.dbf";
    static constexpr const char* GoodsFileName = "Artikel1.dbf";

    // dataDirectory: where the tables go when no path is set.
    explicit ProgramOptions(const QString& dataDirectory);

    // The three settings; an empty path reads as the data folder and the
    // table's usual name.
    void load();

    QString addressPath;
    QString goodsPath;
    bool checkPaperFormat = true;
    // The plausibility check before printing.
    bool checkFormBeforePrint = true;
    // "Initialisierung" answered with Yes.
    bool recreateAddressTable = false;
    bool recreateGoodsTable = false;

    struct Outcome {
        bool ok = true;
        QStringList messages;   // what was done or went wrong, one text per table
    };
    // OK: writes the settings, then makes the confirmed tables anew.
    Outcome apply(const QDate& today = QDate::currentDate()) const;

private:
    bool recreate(const QString& path, bool goods, const QDate& today, QString& message) const;

    QString m_dataDirectory;
};
