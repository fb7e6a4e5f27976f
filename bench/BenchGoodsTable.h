#pragma once

#include <QRandomGenerator>
#include <QStringList>
#include <QTemporaryDir>

#include "masterdata/CKestrovaneStammDaten.h"

// A goods table of 100,000 records of made-up goods, the same for every
// benchmark of a run, built on first use.
namespace benchgoods {

inline constexpr int kRecords = 100000;

inline const QString& table()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString file = dir.filePath(QStringLiteral("Artikel1.dbf"));
        CKestrovaneStammDaten store(dir.path());
        store.SetFile(QString(), QStringLiteral("Artikel1.dbf"), CKestrovaneStammDaten::KindCurrent);
        store.Load();
        QRandomGenerator rng(20240307);
        const QStringList words = {QStringLiteral("Schrauben"), QStringLiteral("Muttern"), QStringLiteral("aus"),
                                   QStringLiteral("Stahl"),     QStringLiteral("verzinkt"), QStringLiteral("Kartons"),
                                   QStringLiteral("Paletten"),  QStringLiteral("Stück"), QStringLiteral("Ersatzteile"),
                                   QStringLiteral("für"),       QStringLiteral("Maschinen"), QStringLiteral("Größe")};
        for (int i = 0; i < kRecords; ++i) {
            QString description;
            const int count = 3 + int(rng.bounded(15));
            for (int w = 0; w < count; ++w)
                description += words.at(rng.bounded(words.size())) + (w % 5 == 4 ? QStringLiteral("\r\n") : QStringLiteral(" "));
            CKestrovaneStammDaten::Values v = {description.trimmed(), QString::number(10000000 + rng.bounded(89999999)),
                                               QStringLiteral("00"), QStringLiteral("0000"), QString(),
                                               QStringLiteral("0"), QStringLiteral("CN"), QString()};
            store.append(v);
        }
        store.Save();
        return file;
    }();
    return path;
}

} // namespace benchgoods
